// Special rules of the layouts where a pile's place matters: grids of
// tableau piles, a pyramid of covering piles, rows of ten split in halves.
#include "rules/special_rules_internal.h"

namespace orv::special {

bool Rule70GridNeighbour(const Move& mv) {
  if (!mv.empty) return false;
  return GridNeighbour(TableauSource(mv.e, mv.p.card), mv.k, mv.e.params[P::GridWidth]);
}

// A jump over an occupied pile onto an empty one (the jumped card is
// captured by move execution).
bool Rule71GridJump(const Move& mv) {
  if (!mv.empty) return false;
  const int over = GridJumpedPile(TableauSource(mv.e, mv.p.card), mv.k, mv.e.params[P::GridWidth]);
  return over >= 0 && !TableauPile(mv.e, over).empty();
}

namespace {
// Tableau piles first..last (inclusive) hold no card.
bool TableauEmpty(const Engine& e, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (!TableauPile(e, i).empty()) return false;
  return true;
}
}  // namespace

// Rows of ten tableau piles, each split into two half-rows played from the
// outside. A foundation target is in no half-row: there only the card's own
// freedom counts, and an empty foundation opens by the ordinary rule.
bool Rule101OuterEnds(const Move& mv) {
  if (!IsAtOuterEnd(mv.e, mv.p.card)) return false;
  if (!mv.empty) {
    if (!mv.p.foundation && !IsAtOuterEnd(mv.e, mv.p.top)) return false;
    return SameSuit(mv.p.top, mv.p.card) && StepPlusMinusOne(mv.R, mv.m, true);
  }
  if (mv.p.foundation) return Ordinary(mv);
  const int row = mv.k / 10 * 10;
  if (mv.k % 10 == 4) return TableauEmpty(mv.e, row, row + 4);
  if (mv.k % 10 == 5) return TableauEmpty(mv.e, row + 5, row + 9);
  return false;
}

namespace {
enum class Way { None, Up, Down };

// The direction set by the first two cards of the last foundation holding
// two or more cards; an ace then a king runs down, a king then an ace up.
Way SetDirection(const Engine& e) {
  for (int i = kFoundationPiles - 1; i >= 0; --i) {
    const std::string& pile = FoundationPile(e, i);
    if (Cards(pile) < 2) continue;
    const int first = CardRank(CardAt(pile, 1)), second = CardRank(CardAt(pile, 4));
    if (StepUpWrapped(first, second, 1)) return Way::Up;
    if (StepUpWrapped(first, second, -1)) return Way::Down;
    return Way::None;
  }
  return Way::None;
}
}  // namespace

bool Rule102OuterEndsSetDirection(const Move& mv) {
  if (!IsAtOuterEnd(mv.e, mv.p.card)) return false;
  if (mv.empty) return Ordinary(mv);
  if (!SameSuit(mv.p.top, mv.p.card)) return false;
  switch (SetDirection(mv.e)) {
    case Way::Up: return StepUpWrapped(mv.R, mv.m, 1);
    case Way::Down: return StepUpWrapped(mv.R, mv.m, -1);
    case Way::None: break;
  }
  return StepPlusMinusOne(mv.R, mv.m, true);
}

bool Rule116GridOfThree(const Move& mv) {
  if (!GridNeighbour(TableauSource(mv.e, mv.p.card), mv.k, 3)) return false;
  return mv.empty || StepPlusMinusOne(mv.R, mv.m, true);
}

// Nine piles in three rows: the middle row (piles 3-5) lies over the rows
// above and below it, pile 3 + j covering piles j and 6 + j. A covered card
// is free once the pile over it is empty.
bool Rule117Uncovered(const Move& mv) {
  const int from = TableauSource(mv.e, mv.p.card);
  const bool covered = (from >= 0 && from <= 2) || (from >= 6 && from <= 8);
  if (covered && !TableauPile(mv.e, 3 + from % 3).empty()) return false;
  if (mv.empty) return mv.m == 1;
  return Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m);
}

}  // namespace orv::special
