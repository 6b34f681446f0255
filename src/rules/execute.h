// Carrying out a move: one operation given a card and a target name (a pile
// name or a command name). The caller has judged the move legal already.
#pragma once

#include <string_view>

namespace orv {

class Engine;

// Records the position, moves the card (or the run above it) or runs the
// command, then the follow-up steps; true when something moved. Target
// names: "Dest"+nn, "Dest_Autoplay"+nn, "Fila"+nn, "Appogg"+nn, "Stock02"
// (the waste), "Waste" (the second waste), the stock commands, and the
// selection games' "Selezionate_Dest", "Selezionate_Dest_Deck",
// "Selezionate_Fila" and "Stock_To_Pile_Monte_Carlo". Any other name moves
// nothing.
bool ExecuteMove(Engine& e, int card, std::string_view target);

// A move the rules make on their own inside a player's action (a collected
// run's cards, a captured card): the same execution and follow-up steps,
// but the first-move rule does not hold it back and it is not counted as a
// move of the game. The caller drops the history entry it records.
bool ExecuteFollowUpMove(Engine& e, int card, std::string_view target);

// Autoplay to the foundations runs after the player's moves: the game offers
// it and the player has it on. While it runs, it turns exposed cards up
// itself.
bool AutoplayRuns(const Engine& e);

}  // namespace orv
