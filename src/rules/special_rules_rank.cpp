// Special rules decided by rank steps and suit sequences on the target pile
// alone. A rule that only speaks of the card below it leaves an empty pile
// to the ordinary rule, which then asks for the pile's base rank.
#include "rules/special_rules_internal.h"

namespace orv::special {

bool RuleRefused(const Move&) { return false; }
bool RuleAccepted(const Move&) { return true; }

bool Rule11NoQueenOnKingOrJack(const Move& mv) {
  if (mv.m == 12 && (mv.R == 13 || mv.R == 11)) return false;
  return OrdinaryWithSuit(mv, 0);
}

// 14, 15, 16: up by 2, 3 or 4, counting round past the king; an empty pile
// counts as rank -1, so it takes the ace, the 2 or the 3.
bool Rule14To16StepUp(const Move& mv) {
  const int step = mv.p.rule - 12;
  return mv.m == mv.R + step || (mv.R + step) % 13 == mv.m;
}

bool Rule20UpAceOnKing(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  return Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m);
}

bool Rule21NotSameSuit(const Move& mv) {
  if (!mv.empty && SameSuit(mv.p.top, mv.p.card)) return false;
  return Ordinary(mv);
}

bool Rule24NoQueenKingSwap(const Move& mv) {
  if ((mv.m == 12 && mv.R == 13) || (mv.m == 13 && mv.R == 12)) return false;
  return OrdinaryWithSuit(mv, 0);
}

// Up two with direction 1, down two otherwise; no turning past the king.
bool Rule25StepTwo(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  if (!SameSuit(mv.p.top, mv.p.card)) return false;
  return mv.p.direction == 1 ? mv.m == mv.R + 2 : mv.m == mv.R - 2;
}

bool Rule26ShortPile(const Move& mv) {
  if (mv.empty) return mv.p.base == -1 || (mv.p.base == 13 && mv.m == 13);
  return Cards(TargetPile(mv)) < 3 && StepPlusMinusOne(mv.R, mv.m, false);
}

// No king-ace wrap: an ace takes only a 2, a king only a queen.
bool Rule28PlusMinusOneNoWrap(const Move& mv) {
  return mv.empty || StepPlusMinusOne(mv.R, mv.m, false);
}

// One suit up from the ace to the king, a second king as 14th card, then
// down again. An empty foundation opens by its base code's own rule (the
// balance codes' rank together with the balance rule).
bool Rule29CollectOneSuitPastKing(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  if (!SameSuit(mv.p.top, mv.p.card)) return false;
  const int held = Cards(TargetPile(mv));
  if (held <= 12) return Up(mv.R, mv.m);
  if (held == 13) return mv.m == 13;
  return Down(mv.R, mv.m);
}

// The first two cards set the pile's direction.
bool Rule30DirectionByPile(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  if (!SameSuit(mv.p.top, mv.p.card)) return false;
  const std::string& pile = TargetPile(mv);
  if (Cards(pile) < 2) return StepPlusMinusOne(mv.R, mv.m, false);
  const int below = CardRank(CardAt(pile, pile.size() - 5));
  return mv.R < below ? Down(mv.R, mv.m) : Up(mv.R, mv.m);
}

bool Rule31SuitDownNotOnAce(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  return SameSuit(mv.p.top, mv.p.card) && Down(mv.R, mv.m);
}

bool Rule32SuitUpNotOnKing(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

bool Rule34Down(const Move& mv) { return mv.empty ? Ordinary(mv) : Down(mv.R, mv.m); }

bool Rule35PlusMinusOneWrap(const Move& mv) {
  return mv.empty ? Ordinary(mv) : StepPlusMinusOne(mv.R, mv.m, true);
}

// Foundations open left to right, each with the first base.
bool Rule36OpenInOrder(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.firstBase && (mv.k == 0 || !FoundationPile(mv.e, mv.k - 1).empty());
  return Down(mv.R, mv.m) || KingOnAce(mv.R, mv.m);
}

// Doubling: 2R counted round the 13 ranks. The kings, which doubling never
// reaches, come last, once foundation 0 is nearly complete.
bool Rule37Doubling(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  if (mv.m == 13 && Cards(FoundationPile(mv.e, 0)) >= 48) return true;
  return mv.m == (2 * mv.R) % 13;
}

bool Rule39UpNoCourt(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  return Up(mv.R, mv.m) && mv.m != 12 && mv.m != 13;
}

bool Rule41SuitUpTwoWrapped(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base && DistinctSuitsInGroup(mv.e, GroupOfFour(mv.k), 4, mv.p.card);
  return SameSuit(mv.p.top, mv.p.card) && StepUpWrapped(mv.R, mv.m, 2);
}

bool Rule43SuitUpTwo(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  return SameSuit(mv.p.top, mv.p.card) && mv.m == mv.R + 2;
}

bool Rule44UpNoKing(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  return Up(mv.R, mv.m) && mv.m != 13;
}

bool Rule46UpBelowQueen(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base;
  return Up(mv.R, mv.m) && mv.m != 12 && mv.m != 13;
}

bool Rule47DownNoQueen(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base;
  return (Down(mv.R, mv.m) || KingOnAce(mv.R, mv.m)) && mv.m != 12;
}

bool Rule60SuitPlusMinusOneNoWrap(const Move& mv) {
  return mv.empty || (SameSuit(mv.p.top, mv.p.card) && StepPlusMinusOne(mv.R, mv.m, false));
}

// As 25, and until the pile is complete the two steps up may turn past the
// king: a 2 on a king, an ace on a queen.
bool Rule61StepTwoTurning(const Move& mv) {
  if (Rule25StepTwo(mv)) return true;
  if (mv.empty || !SameSuit(mv.p.top, mv.p.card) || Cards(TargetPile(mv)) >= 13) return false;
  return (mv.R == 13 && mv.m == 2) || (mv.R == 12 && mv.m == 1);
}

bool Rule73RankOfPile(const Move& mv) { return mv.m == mv.k + 1; }

bool Rule76Lower(const Move& mv) { return mv.empty || mv.m < mv.R; }

// Four of each rank in turn: aces first, then the 2s, ...
bool Rule77RankByCount(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  return mv.m == Cards(TargetPile(mv)) / 4 + 1;
}

// Any ace goes on a king; everything else follows the suit upward.
bool Rule78SuitUpAceOnKing(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  if (mv.R == 13) return mv.m == 1;
  return SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

// Foundation k is complete at rank k + 1; foundation 6 passes its own
// rank 7 once and stops there only with 13 cards.
bool Rule83DownUntilPileRank(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  const bool complete = mv.R == mv.k + 1 && (mv.k != 6 || Cards(TargetPile(mv)) >= 13);
  return !complete && (Down(mv.R, mv.m) || KingOnAce(mv.R, mv.m));
}

namespace {
// Hearts -> clubs -> diamonds -> spades -> hearts (suit numbers 0, 2, 1, 3).
bool FollowsSuitCycle(int below, int card) {
  constexpr int kNextSuit[4] = {2, 3, 1, 0};
  const int suit = CardSuit(below);
  return suit >= 0 && CardSuit(card) == kNextSuit[suit];
}
}  // namespace

bool Rule86SuitCycleUp(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  return Up(mv.R, mv.m) && FollowsSuitCycle(mv.p.top, mv.p.card);
}

bool Rule87SuitCycleDown(const Move& mv) {
  if (mv.empty) return true;
  return Down(mv.R, mv.m) && FollowsSuitCycle(mv.p.top, mv.p.card);
}

bool Rule92AcesOnly(const Move& mv) { return mv.m == 1; }

bool Rule95SuitUpWrapped(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  return SameSuit(mv.p.top, mv.p.card) && StepUpWrapped(mv.R, mv.m, 1);
}

namespace {
// The foundation half a row back: foundations lie in one row of
// parameter 374 piles, and the first half looks at the second.
int HalfRowBack(const Engine& e, int k) {
  const int count = e.params[P::FoundationCount];
  if (count < 2) return -1;
  return (k + count - count / 2) % count;
}
}  // namespace

// The next card is the sum of this pile's top and the bottom of its partner
// half a row back, less 13 above 13. "At most 11 cards" is the pile's
// limit: it takes no card once it holds 11.
bool Rule97Addition(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base;
  const int partner = HalfRowBack(mv.e, mv.k);
  const std::string& partnerPile = FoundationPile(mv.e, partner);
  if (Cards(TargetPile(mv)) >= 11 || partnerPile.empty()) return false;
  int sum = mv.R + CardRank(BottomCard(partnerPile));
  if (sum > 13) sum -= 13;
  return mv.m == sum;
}

// The 7 that follows the ace belongs to the pile's suit as well.
bool Rule98SuitUpOrSevenOnAce(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base;
  return SameSuit(mv.p.top, mv.p.card) && (Up(mv.R, mv.m) || (mv.R == 1 && mv.m == 7));
}

bool Rule104SuitUpStopAtPileRank(const Move& mv) {
  if (mv.empty) return Ordinary(mv);
  const int stop = mv.k == 0 ? 12 : mv.k <= 11 ? mv.k : 0;
  if (mv.R == stop) return false;
  return SameSuit(mv.p.top, mv.p.card) && (Up(mv.R, mv.m) || AceOnKing(mv.R, mv.m));
}

bool Rule105SuitDownWrapped(const Move& mv) {
  if (mv.empty) return false;
  return SameSuit(mv.p.top, mv.p.card) && (Down(mv.R, mv.m) || KingOnAce(mv.R, mv.m));
}

bool Rule106SuitUpTwo(const Move& mv) {
  if (mv.empty) return mv.m == mv.p.base;
  return SameSuit(mv.p.top, mv.p.card) && mv.m == mv.R + 2;
}

bool Rule121JackDown(const Move& mv) {
  if (mv.empty) return mv.m == 11;
  return SameSuit(mv.p.top, mv.p.card) && Down(mv.R, mv.m);
}

bool Rule126SameRank(const Move& mv) { return mv.empty || mv.m == mv.R; }

bool Rule133DownTwoWrapped(const Move& mv) {
  if (mv.empty) return true;
  return mv.R == mv.m + 2 || (mv.R == 1 && mv.m == 12) || (mv.R == 2 && mv.m == 13);
}

bool Rule140SuitUpToTen(const Move& mv) {
  if (mv.empty) return mv.m == 1;
  return Cards(TargetPile(mv)) <= 9 && SameSuit(mv.p.top, mv.p.card) && Up(mv.R, mv.m);
}

}  // namespace orv::special
