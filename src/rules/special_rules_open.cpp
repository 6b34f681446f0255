// The rarer codes, whose exact rules are this program's own choice. Each is
// built from the same ingredients as the others: where the card comes
// from, empty piles, grid neighbours, foundation counts, distinct suits in a
// group of four, and steps of one or two ranks.
#include "rules/special_rules_internal.h"

namespace orv::special {

// The game keeps a target rank (0 standing for the king, -1 none kept); a
// card of that rank goes anywhere. While stock and waste together hold
// exactly one card, that last card, like any other, is accepted.
bool Rule40TargetRank(const Move& mv) {
  if (Cards(mv.e.table.piles().stock[0]) + WasteCards(mv.e) == 1) return true;
  const int target = mv.e.main.targetRank;
  if (target < 0) return false;
  return mv.m == (target == 0 ? 13 : target);
}

// Pairing: a card goes onto a card of the same rank lying on a neighbouring
// pile of the grid (parameter 30), diagonals included; nothing onto an
// empty pile.
bool Rule72PairNeighbours(const Move& mv) {
  if (mv.empty || mv.m != mv.R) return false;
  return GridNeighbourOrDiagonal(TableauSource(mv.e, mv.p.card), mv.k, mv.e.params[P::GridWidth]);
}

// Two ranks up or down in any suit, counting round past the king; an empty
// pile takes its base rank.
bool Rule75StepTwoAnySuit(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base;
  return StepUpWrapped(mv.R, mv.m, 2) || StepUpWrapped(mv.R, mv.m, -2);
}

// Only cards from the waste or a reserve; down in alternating colours; an
// empty pile takes its base rank.
bool Rule91FromWasteOrReserve(const Move& mv) {
  if (!IsFromWaste(mv.e, mv.p.card) && !IsFromReserve(mv.e, mv.p.card)) return false;
  if (mv.empty) return mv.m == mv.p.base;
  return AlternateColour(mv.p.top, mv.p.card) && Down(mv.R, mv.m);
}

// Each foundation of a group of four collects its own suit from the base
// rank, one up or down, turning between king and ace.
bool Rule93DistinctSuitsWrapped(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base && DistinctSuitsInGroup(mv.e, GroupOfFour(mv.k), 4, mv.p.card);
  return SameSuit(mv.p.top, mv.p.card) && StepPlusMinusOne(mv.R, mv.m, true);
}

// Foundations open left to right (each once the previous one holds cards)
// and take 13 cards of one suit upward, an ace following a king.
bool Rule128OpenInOrderToThirteen(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base && (mv.k == 0 || !FoundationPile(mv.e, mv.k - 1).empty());
  if (Cards(TargetPile(mv)) >= 13) return false;
  return SameSuit(mv.p.top, mv.p.card) && (Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m));
}

// Only while the waste is empty: a king opens a pile, which then builds
// down in the same colour.
bool Rule131SameColourWhileWasteEmpty(const Move& mv) {
  if (!WasteEmpty(mv.e)) return false;
  if (mv.empty) return mv.m == 13;
  return SameColour(mv.p.top, mv.p.card) && Down(mv.R, mv.m);
}

// Each pile is fed by the tableau pile of its own number or by the waste;
// it opens with its base rank and builds up in suit, an ace on a king.
bool Rule135OwnColumn(const Move& mv) {
  if (TableauSource(mv.e, mv.p.card) != mv.k && !IsFromWaste(mv.e, mv.p.card)) return false;
  if (mv.empty) return mv.m == mv.p.base;
  return SameSuit(mv.p.top, mv.p.card) && (Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m));
}

// Down by one or by two in any suit, no turning past the ace; a king opens
// an empty pile.
bool Rule142DownOneOrTwo(const Move& mv) {
  if (mv.empty) return mv.m == 13;
  return mv.m >= 1 && (mv.R == mv.m + 1 || mv.R == mv.m + 2);
}

}  // namespace orv::special
