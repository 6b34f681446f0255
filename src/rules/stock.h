// The stock: turning cards onto the waste, dealing rows, turning the waste
// back, redealing by type, the Draw and closing up the tableau.
#pragma once

#include <string_view>

namespace orv {

class Engine;

// A left press on the stock: decides the command and runs it through
// ExecuteMove; true when something moved.
bool StockClick(Engine& e);
// Whether ExecuteMove hands this target name to RunStockCommand: "Mazzo…",
// "Add_Tableaus", "Add_Tableaus_Last", "Add_Tableau_nn", "Add_Reserves",
// "Add_Reserve_n", "Fill_Tableaus".
bool IsStockCommand(std::string_view target);
// Runs a stock command (recording its own history entry); true when
// something moved. A redeal or turning the waste back on an empty stock only
// arms it (StockPressed) the first time; the release issues it again and it
// runs.
bool RunStockCommand(Engine& e, std::string_view target);
// The Draw of the games that allow one: true when the card was moved.
bool Draw(Engine& e, int card);
void CloseUpTableau(Engine& e);

}  // namespace orv
