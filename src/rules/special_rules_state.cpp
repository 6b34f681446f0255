// Special rules that also look at the rest of the table: the stock and the
// waste, the other foundations of a group, a partner pile, the deal.
#include "rules/special_rules_internal.h"

namespace orv::special {

// Outside play (deal and run checks) the pile builds by the ordinary rule.
bool Rule7OnlyEmptyAfterStock(const Move& mv) {
  if (!mv.p.play) return Ordinary(mv);
  return mv.empty && StockEmpty(mv.e);
}

// With nothing said about an empty pile, it opens by the ordinary rule.
bool Rule23NotWhileWaste(const Move& mv) {
  if (!WasteEmpty(mv.e)) return false;
  if (mv.empty) return Ordinary(mv);
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

namespace {
// The pile holds exactly one card, of that rank.
bool HoldsSingle(const Move& mv, int rank) { return Cards(TargetPile(mv)) == 1 && mv.R == rank; }
}  // namespace

bool Rule38KingHolder(const Move& mv) {
  if (!WasteEmpty(mv.e)) return false;
  if (mv.empty) return mv.m == 13;
  return HoldsSingle(mv, 13) && mv.m != 12 && mv.m != 13;
}

// A king needs the king on top of foundation k + 6, wherever it goes.
bool Rule42KingAfterPartner(const Move& mv) {
  if (mv.m == 13 && CardRank(TopOrEmpty(FoundationPile(mv.e, mv.k + 6))) != 13) return false;
  if (mv.empty) return Ordinary(mv);
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

bool Rule45KingThenDown(const Move& mv) {
  if (!WasteEmpty(mv.e)) return false;
  if (mv.empty) return mv.m == 13;
  return mv.m != 13 && (Cards(TargetPile(mv)) == 1 || Down(mv.R, mv.m));
}

bool Rule48QueenHolder(const Move& mv) {
  if (!WasteEmpty(mv.e)) return false;
  if (mv.empty) return mv.m == 12;
  return HoldsSingle(mv, 12) && mv.m != 12;
}

namespace {
// An empty foundation opens only while its tableau column holds cards;
// `withSuit` also asks M for the suit of that column's bottom card.
bool ColumnAllows(const Move& mv, int column, bool withSuit) {
  const std::string& pile = TableauPile(mv.e, column);
  if (mv.empty && pile.empty()) return false;
  return !withSuit || SameSuit(BottomCard(pile), mv.p.card);
}
}  // namespace

bool Rule49UpBelowQueenNeedsColumn(const Move& mv) {
  return ColumnAllows(mv, mv.k, false) && Rule46UpBelowQueen(mv);
}

bool Rule50DownNoQueenNeedsColumn(const Move& mv) {
  return ColumnAllows(mv, mv.k - 8, false) && Rule47DownNoQueen(mv);
}

bool Rule51ColumnSuitUp(const Move& mv) { return ColumnAllows(mv, mv.k, true) && Rule46UpBelowQueen(mv); }

bool Rule52ColumnSuitDown(const Move& mv) {
  return ColumnAllows(mv, mv.k - 8, true) && Rule47DownNoQueen(mv);
}

bool Rule53AfterFirstFoundation(const Move& mv) {
  if (mv.k > 0 && Cards(FoundationPile(mv.e, 0)) < 13) return false;
  if (mv.empty) return mv.m == mv.p.base;
  return Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m);
}

namespace {
// "m = tableau base or base - 1": the pile's base rank or the rank below
// it (an ace's is the king); a base of -1 takes any card.
bool BaseOrOneBelow(const Move& mv) {
  if (mv.p.base == -1) return true;
  return mv.p.base >= 1 && mv.p.base <= 13 && (mv.m == mv.p.base || mv.m == PrevRank(mv.p.base));
}
}  // namespace

// The waste is played off first: while it holds one card only that card
// moves, while it holds more nothing does. This holds for every target.
bool Rule55WasteFirst(const Move& mv) {
  const int waste = WasteCards(mv.e);
  if (waste > 1) return false;
  if (waste == 1 && TopOrEmpty(WastePile(mv.e)) != mv.p.card) return false;
  if (mv.empty) return BaseOrOneBelow(mv);
  return SameColour(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

bool Rule57AfterStock(const Move& mv) {
  if (!StockEmpty(mv.e)) return false;
  return mv.empty ? Ordinary(mv) : StepPlusMinusOne(mv.R, mv.m, true);
}

bool Rule82DistinctSuitsAfterStock(const Move& mv) {
  if (!StockEmpty(mv.e) || !WasteEmpty(mv.e)) return false;
  if (mv.empty) return DistinctSuitsInGroup(mv.e, GroupOfFour(mv.k), 4, mv.p.card) && Ordinary(mv);
  return OrdinaryWithSuit(mv, 0);
}

bool Rule96DistinctSuits(const Move& mv) {
  if (mv.empty && !DistinctSuitsInGroup(mv.e, GroupOfFour(mv.k), 4, mv.p.card)) return false;
  return OrdinaryWithSuit(mv, 0);
}

bool Rule108SuitWrapAfterStock(const Move& mv) {
  if (!StockEmpty(mv.e)) return false;
  return mv.empty || (SameSuit(mv.p.top, mv.p.card) && StepPlusMinusOne(mv.R, mv.m, true));
}

bool Rule118AfterPreviousComplete(const Move& mv) {
  if (mv.k > 0 && Cards(FoundationPile(mv.e, mv.k - 1)) < 13) return false;
  if (mv.empty) return mv.m == mv.p.firstBase;
  return Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m);
}

bool Rule120KingForPartner(const Move& mv) {
  const std::string& partner = FoundationPile(mv.e, mv.k - 8);
  if (!mv.empty || partner.empty()) return false;
  return mv.m == 13 && SameSuit(BottomCard(partner), mv.p.card);
}

// Every pile collects the first base's rank. Without a remembered suit (a
// game whose deal remembers none) an empty pile takes that rank in any suit.
bool Rule123RememberedSuit(const Move& mv) {
  if (mv.m != mv.p.firstBase) return false;
  if (!mv.empty) return AlternateColour(mv.p.top, mv.p.card);
  const int suit = mv.e.main.dealtSuit;
  return suit < 0 || CardSuit(mv.p.card) == suit;
}

// Foundation 4 in the middle collects its base rank; the four on each side
// (0-3 up, 5-8 down, as their direction says) never take that rank.
bool Rule124CentreBase(const Move& mv) {
  const int centreBase = mv.e.params[P::FoundationBaseRank + 4];
  if (mv.k == 4) return mv.m == centreBase;
  if (mv.m == centreBase) return false;
  if (mv.empty) {
    const int group = mv.k < 4 ? 0 : 5;
    return mv.m == mv.p.base && DistinctSuitsInGroup(mv.e, group, 4, mv.p.card);
  }
  if (!SameSuit(mv.p.top, mv.p.card)) return false;
  return mv.p.direction == 1 ? StepUpWrapped(mv.R, mv.m, 1) : StepUpWrapped(mv.R, mv.m, -1);
}

bool Rule125SuitUpToThirteen(const Move& mv) {
  if (!mv.empty && (Cards(TargetPile(mv)) >= 13 || !SameSuit(mv.p.top, mv.p.card))) return false;
  return Ordinary(mv);
}

// Two rounds of one suit, ace to king twice: the pile ends at 26 cards.
bool Rule127DoubleSuitRun(const Move& mv) {
  if (mv.empty) return mv.m == 1 && DistinctSuitsInGroup(mv.e, GroupOfFour(mv.k), 4, mv.p.card);
  if (Cards(TargetPile(mv)) >= 26) return false;
  return SameSuit(mv.p.top, mv.p.card) && (Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m));
}

bool Rule129SuitWrapAfterStock(const Move& mv) {
  if (!StockEmpty(mv.e) || mv.empty) return false;
  return SameSuit(mv.p.top, mv.p.card) && StepPlusMinusOne(mv.R, mv.m, true);
}

bool Rule132AceAfterComplete(const Move& mv) {
  if (!mv.empty) return Up(mv.R, mv.m);
  return mv.m == 1 && (mv.k == 0 || FoundationsHolding(mv.e, 13) > 0);
}

bool Rule136OpenAfterComplete(const Move& mv) {
  if (mv.empty && mv.k > 3 && FoundationsHolding(mv.e, 13) < mv.k - 3) return false;
  return OrdinaryWithSuit(mv, 3);
}

}  // namespace orv::special
