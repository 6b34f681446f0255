// Special rules decided mostly by where the card comes from: the tableau,
// a range of tableau piles, a reserve, a foundation or the waste.
#include "rules/special_rules_internal.h"

namespace orv::special {

bool Rule17NotFromTableau(const Move& mv) { return !IsFromTableau(mv.e, mv.p.card); }

bool Rule18NotTableauOntoCards(const Move& mv) { return mv.empty || !IsFromTableau(mv.e, mv.p.card); }

bool Rule19NotTableauOrReserve(const Move& mv) {
  return !IsFromTableau(mv.e, mv.p.card) && !IsFromReserve(mv.e, mv.p.card);
}

bool Rule27AlternateNotFoundationOrReserve(const Move& mv) {
  if (IsFromFoundation(mv.e, mv.p.card) || IsFromReserve(mv.e, mv.p.card)) return false;
  return OrdinaryWithSuit(mv, 3);
}

bool Rule33NotTableauShortPile(const Move& mv) {
  return !IsFromTableau(mv.e, mv.p.card) && Cards(TargetPile(mv)) < 2;
}

namespace {
// The wrap parameter of the target: a tableau pile's own (255 + k); a
// foundation always wraps.
int WrapParameter(const Move& mv) { return mv.p.foundation ? 1 : mv.e.params[P::TableauWrap + mv.k]; }
}  // namespace

// An empty pile opens with the base rank or the rank below it (an ace's is
// the king; a base of -1 takes any card), never from a reserve or the tableau.
bool Rule54DownBaseFromWaste(const Move& mv) {
  if (!mv.empty) return Down(mv.R, mv.m) || (WrapParameter(mv) == 1 && KingOnAce(mv.R, mv.m));
  if (IsFromReserve(mv.e, mv.p.card) || IsFromTableau(mv.e, mv.p.card)) return false;
  if (mv.p.base == -1) return true;
  return mv.p.base >= 1 && mv.p.base <= 13 && (mv.m == mv.p.base || mv.m == PrevRank(mv.p.base));
}

bool Rule56SameRankFromRight(const Move& mv) {
  if (mv.empty) return false;
  return mv.m == mv.R && TableauSource(mv.e, mv.p.card) >= mv.k;
}

// 58, 64: while the stock holds cards, each foundation takes from the middle
// piles 4-7 only the card of its own pile k + 4.
bool Rule58OwnColumnWhileStock(const Move& mv) {
  const int from = TableauSource(mv.e, mv.p.card);
  if (!StockEmpty(mv.e) && from >= 4 && from <= 7 && from != mv.k + 4) return false;
  if (mv.empty || !SameSuit(mv.p.top, mv.p.card)) return false;
  return mv.e.params[P::FoundationDirection + mv.k] == 1 ? Up(mv.R, mv.m) : Down(mv.R, mv.m);
}

// During the first deal the left piles feed the left foundations and the
// right piles the right ones.
bool Rule63FirstDealHalves(const Move& mv) {
  if (mv.e.main.dealCounter == 1) {
    const int from = TableauSource(mv.e, mv.p.card);
    if (from >= 0 && from <= 3 && mv.k > 3) return false;
    if (from >= 6 && from <= 9 && mv.k < 4) return false;
  }
  return OrdinaryWithSuit(mv, 0);
}

// Each foundation's 13th card comes from its own reserve, and reserve cards
// serve only for that.
bool Rule79ThirteenthFromReserve(const Move& mv) {
  const int held = Cards(TargetPile(mv));
  const int reserve = ReserveSource(mv.e, mv.p.card);
  if (reserve >= 0 && (reserve != mv.k || held != 12)) return false;
  if (held == 12 && reserve != mv.k) return false;
  if (mv.empty) return mv.m == mv.p.base;
  return Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m);
}

namespace {
// Not from the tableau; an empty pile takes anything, else same suit +-1 with
// wrap, judged against `top` (-1 for none).
bool SuitWrapNotTableau(const Move& mv, int top) {
  if (IsFromTableau(mv.e, mv.p.card)) return false;
  const int R = CardRank(top);
  if (R < 1) return true;
  return SameSuit(top, mv.p.card) && StepPlusMinusOne(R, mv.m, true);
}
}  // namespace

bool Rule80SuitWrapNotTableau(const Move& mv) { return SuitWrapNotTableau(mv, mv.p.top); }

// Reserve k is the pile that counts: the card must fit on reserve k's top
// card (anything when it is empty), whatever the target holds.
bool Rule81JudgedOnReserve(const Move& mv) {
  const std::string& reserve = ReservePile(mv.e, mv.k);
  return SuitWrapNotTableau(mv, TopOrEmpty(reserve));
}

// The waste may start a pile only while the reserves are empty.
bool Rule94AlternateWrapped(const Move& mv) {
  if (!mv.empty) return AlternateColour(mv.p.top, mv.p.card) && StepUpWrapped(mv.R, mv.m, -1);
  if (IsFromTableau(mv.e, mv.p.card)) return false;
  return !IsFromWaste(mv.e, mv.p.card) || AllReservesEmpty(mv.e);
}

bool Rule99FromFirstEight(const Move& mv) {
  if (!FromTableauRange(mv.e, mv.p.card, 0, 7)) return false;
  if (mv.empty) return mv.m == 1;
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

// Cards move up one group of eight piles at a time; the last group of four
// rows is fed from the waste. Targets beyond pile 31 take nothing.
bool Rule100FromNextGroup(const Move& mv) {
  if (mv.k < 24) {
    const int first = (mv.k / 8 + 1) * 8;
    if (!FromTableauRange(mv.e, mv.p.card, first, first + 7)) return false;
  } else if (mv.k > 31 || !IsFromWaste(mv.e, mv.p.card)) {
    return false;
  }
  return mv.empty || (AlternateColour(mv.p.top, mv.p.card) && Down(mv.R, mv.m));
}

// A tableau card is free once the reserve or pile in front of it (piles
// 0-7) or a pile beside it in its column of eight (piles 8-31) is empty.
bool Rule109FreedSource(const Move& mv) {
  const int from = TableauSource(mv.e, mv.p.card);
  if (from >= 0 && from <= 7 && !ReservePile(mv.e, from).empty() && !TableauPile(mv.e, from + 8).empty())
    return false;
  if (from >= 8 && from <= 31 && !TableauPile(mv.e, from - 8).empty() && !TableauPile(mv.e, from + 8).empty())
    return false;
  if (mv.empty) return Ordinary(mv);
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

// Aces open the foundations left to right; each foundation then takes a 7
// and builds up in suit with cards of its own tableau pile only.
bool Rule110AceThenSeven(const Move& mv) {
  const int from = TableauSource(mv.e, mv.p.card);
  if (from < 0) return false;
  if (mv.empty) {
    if (mv.m != 1) return false;
    for (int i = 0; i < mv.k; ++i)
      if (FoundationPile(mv.e, i).empty()) return false;
    return true;
  }
  if (from != mv.k) return false;
  if (Cards(TargetPile(mv)) == 1) return mv.m == 7;
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

bool Rule111NotFromSecondRow(const Move& mv) {
  if (FromTableauRange(mv.e, mv.p.card, 8, 15)) return false;
  if (mv.empty) return mv.m == mv.p.base && DistinctSuitsInGroup(mv.e, GroupOfFour(mv.k), 4, mv.p.card);
  if (!SameSuit(mv.p.top, mv.p.card)) return false;
  return mv.e.params[P::FoundationDirection + mv.k] == 1 ? Up(mv.R, mv.m) : Down(mv.R, mv.m);
}

bool Rule112SecondRowApart(const Move& mv) {
  if (FromTableauRange(mv.e, mv.p.card, 8, 15) || (mv.k >= 8 && mv.k <= 15)) return false;
  return mv.empty || (SameSuit(mv.p.top, mv.p.card) && StepPlusMinusOne(mv.R, mv.m, false));
}

bool Rule114LowerRows(const Move& mv) {
  const bool foundationEmpty = FoundationPile(mv.e, mv.k).empty();
  if (FromTableauRange(mv.e, mv.p.card, 13, 21) && !AnyTableauEmpty(mv.e, 0, 12) && !foundationEmpty) return false;
  if (IsFromWaste(mv.e, mv.p.card) && !foundationEmpty &&
      !(AnyTableauEmpty(mv.e, 0, 12) && AnyTableauEmpty(mv.e, 13, 21)))
    return false;
  if (mv.empty) return mv.m == mv.e.params[P::FoundationBaseRank];
  return SameSuit(mv.p.top, mv.p.card) && (Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m));
}

// Piles 13 and up are fed from piles 13-21 and the waste; piles 0-12 are
// only refilled, from piles 13-21 or, while one of those is empty, the waste.
bool Rule115TwoTableaus(const Move& mv) {
  const bool fromLower = FromTableauRange(mv.e, mv.p.card, 13, 21);
  const bool fromWaste = IsFromWaste(mv.e, mv.p.card);
  if (mv.k > 12) {
    if (!fromLower && !fromWaste) return false;
    return mv.empty || (AlternateColour(mv.p.top, mv.p.card) && (Down(mv.R, mv.m) || KingOnAce(mv.R, mv.m)));
  }
  return mv.empty && (fromLower || (fromWaste && AnyTableauEmpty(mv.e, 13, 21)));
}

bool Rule130CellsAndColumns(const Move& mv) {
  if (mv.k <= 3) return mv.empty && !IsFromTableau(mv.e, mv.p.card);
  if (FromTableauRange(mv.e, mv.p.card, 0, 3)) return false;
  if (IsFromReserve(mv.e, mv.p.card) && !AnyTableauEmpty(mv.e, 4, 8)) return false;
  return mv.empty || (SameSuit(mv.p.top, mv.p.card) && StepPlusMinusOne(mv.R, mv.m, false));
}

// Foundation 0 builds down from the piles other than 1-3; the others build
// up from the piles other than 0. Only the waste's top card opens a pile.
bool Rule134TwoWays(const Move& mv) {
  if (IsFromFoundation(mv.e, mv.p.card)) return false;
  if (mv.empty) return mv.p.card == TopOrEmpty(WastePile(mv.e));
  if (mv.k == 0) return !FromTableauRange(mv.e, mv.p.card, 1, 3) && Down(mv.R, mv.m);
  return !FromTableauRange(mv.e, mv.p.card, 0, 0) && Up(mv.R, mv.m);
}

// A pile of at most 4 cards: it takes no card once it holds 4.
bool Rule137SmallPile(const Move& mv) {
  if (IsFromTableau(mv.e, mv.p.card) || Cards(TargetPile(mv)) >= 4) return false;
  return mv.empty || StepPlusMinusOne(mv.R, mv.m, false);
}

bool Rule141KingColumn(const Move& mv) {
  if (IsFromTableau(mv.e, mv.p.card)) return false;
  return mv.k == 3 ? mv.m == 13 : mv.m != 13;
}

namespace {
// Reserves 0 and 1 are held back until the stock is used up.
bool ReserveHeldBack(const Move& mv) {
  const int reserve = ReserveSource(mv.e, mv.p.card);
  return (reserve == 0 || reserve == 1) && !StockEmpty(mv.e);
}
}  // namespace

bool Rule143ReserveDown(const Move& mv) {
  if (ReserveHeldBack(mv)) return false;
  if (mv.empty) return !IsFromReserve(mv.e, mv.p.card);
  return SameSuit(mv.p.top, mv.p.card) && Down(mv.R, mv.m);
}

bool Rule144ReserveUp(const Move& mv) {
  if (ReserveHeldBack(mv)) return false;
  if (mv.empty) return !IsFromReserve(mv.e, mv.p.card) && mv.m == 1;
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

}  // namespace orv::special
