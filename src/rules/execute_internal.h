// The pieces of move execution, shared by its source files only.
#pragma once

#include <string_view>

#include "cards/card_table.h"

namespace orv {

class Engine;

namespace exec {

// What one move did: whether it ran at all, and whether the card it took
// came from a tableau pile (which asks for the turn-up afterwards).
struct Outcome {
  bool moved = false;
  bool fromTableau = false;
};

// Card moves to a named pile; `pile` is already parsed and valid.
Outcome ToFoundation(Engine& e, int card, int foundation, bool byAutoplay);
Outcome ToTableau(Engine& e, int card, int pile);
Outcome ToReserve(Engine& e, int card, int reserve);
// Entry 1 (the waste, "Stock02") or 2 (the second waste, "Waste").
Outcome ToWastePile(Engine& e, int card, int entry);

// The selection games' commands.
Outcome DiscardSelection(Engine& e, bool faceDown);
Outcome FillFromStockAfterDiscard(Engine& e);
Outcome MonteCarloCloseUp(Engine& e);

// Moves the stock's top card face-up onto every empty tableau pile in play,
// in index order, while the stock lasts; true when any card moved.
bool FillEmptyTableauFromStock(Engine& e);

}  // namespace exec
}  // namespace orv
