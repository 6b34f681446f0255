// What may be lifted: a card with every card above it, if the run holds
// together and the game's pick-up limit allows its length.
#include <algorithm>

#include "play/engine.h"
#include "rules/pile_facts.h"
#include "rules/validation.h"

namespace orv {

namespace {
using namespace facts;

// Pick-up limits (parameter 14) with a rule of their own; others are counts.
enum PickUpLimit : int {
  kUnlimited = -1,
  kFreeCellsAndColumnsPlusOne = -5,
  kFreeCellsAndColumns = -6,
  kKingLedOrSingle = -12,
  kSingleOrWholePile = -13,
  kOuterEnd = -15,
  kBetweenGaps = -16,
  kSingleOrDraw = -17,
};

// Run checks (parameter 2).
enum RunCheck : int { kPileRule = 1, kSameSuit = 10, kSameColour = 11, kLastDealOnly = 12 };

// Reserve and foundation pick-up rules (parameters 15 and 19).
constexpr int kReserveClosed = -14;
constexpr int kReserveOuterEnd = -15;
constexpr int kReserveAnyCard = -11;
enum FoundationPickUp : int { kAnyTop = 1, kTopOfTwoOrMore = 2, kJokerOnly = 3 };

int CodeAt(const std::string& pile, size_t place) { return CardAt(pile, 3 * place + 1); }

// The cards from a card's place to the top of its pile. A card in no pile
// is a run of one.
struct Run {
  int length = 0;
  int top = 0;
};
Run RunFrom(const CardSpot& spot, int card) {
  if (!spot.found()) return {1, card};
  Run run;
  for (size_t i = spot.place; i < CodeCount(*spot.pile); ++i)
    if (const int n = CodeAt(*spot.pile, i); IsCard(n)) {
      ++run.length;
      run.top = n;
    }
  return run;
}

bool OnlyGapsBetween(const std::string& pile, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i)
    if (CodeAt(pile, i) != 0) return false;
  return true;
}

// -16: the card is free when nothing but gaps lies on one side of it (the
// bottom and the top card trivially so).
bool GapsOnOneSide(const CardSpot& spot) {
  if (!spot.found()) return true;
  return OnlyGapsBetween(*spot.pile, 0, spot.place) ||
         OnlyGapsBetween(*spot.pile, spot.place + 1, CodeCount(*spot.pile));
}

bool RunLengthAllowed(const Engine& e, int card, const CardSpot& spot, int n, bool targetEmpty) {
  const int limit = e.params[P::PickUpLimit];
  const int q = EmptyTableauPiles(e);
  const int f = EmptyReserves(e);
  switch (limit) {
    case kUnlimited: return true;
    case kKingLedOrSingle: return CardRank(card) == 13 || n == 1;
    case kSingleOrWholePile: return n == 1 || !spot.found() || spot.place == 0;
    case kOuterEnd: return IsAtOuterEnd(e, card);
    case kBetweenGaps: return GapsOnOneSide(spot);
    // A longer run is never lifted: pressing it offers the one-time Draw,
    // which the stock commands carry out.
    case kSingleOrDraw: return n == 1;
    // A run dropped into an empty column cannot park cards in that column.
    case kFreeCellsAndColumnsPlusOne:
      if (q == 0) return n <= f + 1;
      return n <= f + q + (targetEmpty ? 0 : 1);
    case kFreeCellsAndColumns: return q > 0 ? n <= f + q : n <= f + 1;
    default: return limit >= 0 ? n <= limit : n <= std::max(q, 1);
  }
}

// The pile rule of the target for a run's pairs, the suit rule forced by
// run checks 10 and 11.
Placement RunPairPlacement(const Engine& e, int tableau, int mode) {
  Placement p = TableauPlacement(e, tableau, -1, 0, false);
  if (mode == kSameSuit) p.rule = 0;
  if (mode == kSameColour) p.rule = 1;
  return p;
}

// The tableau half-rows are ten piles wide; reserves 0-9 form one such row
// and reserves 10 and 11 the left end of the next. The piles from the card's
// pile out to the row's near end must be empty.
template <size_t N>
bool OuterSideEmpty(const std::array<std::string, N>& piles, int i) {
  const int rowStart = 10 * (i / 10);
  const bool leftHalf = i % 10 < 5;
  const int from = leftHalf ? rowStart : i + 1;
  const int to = std::min(leftHalf ? i - 1 : rowStart + 9, static_cast<int>(N) - 1);
  for (int j = from; j <= to; ++j)
    if (!piles[static_cast<size_t>(j)].empty()) return false;
  return true;
}

bool CanLiftFromTableau(Engine& e, int card, const CardSpot& spot) {
  const int kind = e.params[P::TableauKind];
  const bool onTop = spot.place + 1 == CodeCount(*spot.pile);
  if (kind == 8 || kind == 9 || onTop) return CanLiftRun(e, card, false);
  return IsMovableRun(e, card, TableauIndex(spot.location)) && CanLiftRun(e, card, false);
}

bool CanLiftFromReserve(const Engine& e, int card, const CardSpot& spot) {
  switch (e.params[P::ReservePickUpRule]) {
    case kReserveClosed: return false;
    case kReserveOuterEnd: return IsAtOuterEnd(e, card);
    case kReserveAnyCard: return true;
    default: return spot.place + 1 == CodeCount(*spot.pile);
  }
}

bool CanLiftFromFoundation(const Engine& e, int card, const CardSpot& spot) {
  const size_t count = CodeCount(*spot.pile);
  if (spot.place + 1 != count) return false;
  switch (e.params[P::FoundationPickUpRule]) {
    case kAnyTop: return true;
    case kTopOfTwoOrMore: return count >= 2;
    case kJokerOnly: return IsJoker(card);
    default: return false;
  }
}
}  // namespace

bool IsMovableRun(Engine& e, int bottom, int tableau) {
  const int mode = e.params[P::RunCheck];
  if (mode == kLastDealOnly) return IsTopOfTableauOrReserve(e, bottom) || e.main.dealCounter == 3;
  // 0 and the values without a meaning check nothing.
  if (mode != kPileRule && mode != kSameSuit && mode != kSameColour) return true;
  const CardSpot spot = FindCard(e, bottom);
  if (!spot.found()) return true;
  Placement p = RunPairPlacement(e, tableau, mode);
  const std::string& pile = *spot.pile;
  for (size_t i = spot.place; i + 1 < CodeCount(pile); ++i) {
    p.top = CodeAt(pile, i);
    p.card = CodeAt(pile, i + 1);
    // A gap inside the run breaks it: the cards do not lie on each other.
    if (!IsCard(p.top) || !CanPlaceCard(e, p)) return false;
  }
  return true;
}

bool CanLiftRun(Engine& e, int card, bool targetEmpty) {
  if (!IsCard(card)) {
    e.main.heldRunTopCard = 0;
    return false;
  }
  const CardSpot spot = FindCard(e, card);
  const Run run = RunFrom(spot, card);
  e.main.heldRunTopCard = run.top;
  return RunLengthAllowed(e, card, spot, run.length, targetEmpty);
}

bool IsAtOuterEnd(const Engine& e, int card) {
  const int location = CardLocation(e, card);
  if (OnTableau(location)) return OuterSideEmpty(e.table.piles().tableau, TableauIndex(location));
  if (OnReserve(location)) return OuterSideEmpty(e.table.piles().reserves, ReserveIndex(location));
  return true;
}

bool CanLift(Engine& e, int card) {
  // A new press forgets the run checked before it; only a tableau lift
  // records one.
  e.main.heldRunTopCard = 0;
  if (e.table.IsFaceDown(card)) return false;  // numbers that are no card as well
  const CardSpot spot = FindCard(e, card);
  if (OnTableau(spot.location)) return CanLiftFromTableau(e, card, spot);
  if (OnReserve(spot.location)) return CanLiftFromReserve(e, card, spot);
  if (OnFoundation(spot.location)) return CanLiftFromFoundation(e, card, spot);
  if (spot.location == kAtWaste)
    return spot.place + 1 == CodeCount(*spot.pile) && e.params[P::WasteLocked] == 0;
  return false;  // the stock is clicked, not lifted
}

}  // namespace orv
