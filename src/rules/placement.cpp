// The core placement rule: may card M lie on top card U (or on an empty
// pile) under a pile's base rank, direction, suit rule and wrap flag.
#include <array>

#include "play/engine.h"
#include "rules/pile_facts.h"
#include "rules/special_rules.h"
#include "rules/validation.h"

namespace orv {

namespace {
using namespace facts;

// Empty-pile codes of the base rank (the letters "Q" to "`" as numbers).
enum EmptyCode : int {
  kAceBalanced = 81,         // "Q": an ace, colours balanced in the group
  kClosedR = 82,             // "R": collects completed runs only
  kClosedS = 83,             // "S": likewise
  kKingDistinct = 84,        // "T": a king, suits distinct in the group
  kAceDistinct = 85,         // "U": an ace, suits distinct in the group
  kAnySingle = 86,           // "V"
  kFromStockOrWaste = 87,    // "W"
  kNotFromTableau = 88,      // "X"
  kTwoDistinct = 90,         // "Z": a 2, suits distinct in the group
  kMatchFoundations = 92,
  kMatchOrFromReserve = 93,  // as 92; the first one comes from a reserve
  kReserveThenWaste = 96,
};

// Parameter 37: while the stock or the waste holds cards, tableau cards are
// kept off the foundations (1) or off every pile (2, 3).
bool StockRestrictionRefuses(const Engine& e, const Placement& p) {
  const int restriction = e.params[P::StockRestriction];
  const bool applies = (p.foundation && restriction == 1) || restriction == 2 || restriction == 3;
  return applies && StockOrWasteHoldsCards(e) && OnTableau(CardLocation(e, p.card));
}

// 92 and 93: every started foundation sets the rank the others start with.
bool MatchesStartedFoundations(const Engine& e, int code, int card) {
  bool anyStarted = false;
  for (int k = 0; k < FoundationsInPlay(e); ++k) {
    const int bottom = BottomCard(FoundationPile(e, k));
    if (bottom == 0) continue;
    anyStarted = true;
    if (CardRank(bottom) != CardRank(card)) return false;
  }
  return anyStarted || code != kMatchOrFromReserve || OnReserve(CardLocation(e, card));
}

// 96: reserves are emptied first, then the waste feeds the pile.
bool ReserveThenWaste(const Engine& e, int card) {
  const int location = CardLocation(e, card);
  if (OnTableau(location)) return false;
  const bool reserveHoldsCards = EmptyReserves(e) < ReservesInPlay(e);
  return reserveHoldsCards ? OnReserve(location) : location == kAtWaste;
}

bool EmptyTargetRule(Engine& e, const Placement& p) {
  const int m = CardRank(p.card);
  switch (p.base) {
    case kAceBalanced:
    case kAceDistinct: return m == 1 && BalanceRule(e, p.base, p.card);
    case kKingDistinct: return m == 13 && BalanceRule(e, p.base, p.card);
    case kTwoDistinct: return m == 2 && BalanceRule(e, p.base, p.card);
    case kClosedR:
    case kClosedS: return false;
    case kAnySingle: return e.main.movingSingleCard;
    case kFromStockOrWaste: {
      const int location = CardLocation(e, p.card);
      return location == kAtStock || location == kAtWaste || location == kAtNowhere;
    }
    case kNotFromTableau: return !OnTableau(CardLocation(e, p.card));
    case kMatchFoundations:
    case kMatchOrFromReserve: return MatchesStartedFoundations(e, p.base, p.card);
    case kReserveThenWaste: return ReserveThenWaste(e, p.card);
    default: return m == p.base || p.base == -1 || p.firstBase == -1;
  }
}

bool SuitCondition(int rule, int top, int card) {
  switch (rule) {
    case 0:
    case 11: return CardSuit(top) == CardSuit(card);
    case 1: return IsRedCard(top) == IsRedCard(card);
    case 3: return IsRedCard(top) != IsRedCard(card);
    case 6: return false;
    default: return true;
  }
}

enum class Verdict { Accept, Refuse, Undecided };

// Wrap code 2 builds tableau piles by plain steps: no king-ace wrap, and no
// pile closed at foundation 0's base rank.
bool PlainSteps(const Engine& e, const Placement& p) {
  return !p.foundation && e.params[P::TableauWrap + p.pile] == 2;
}

// The upward step (direction 1 or 2). A foundation that started above the
// ace goes on from king to ace; a tableau pile wraps unless its top has
// foundation 0's base rank and the wrap flag is clear.
Verdict UpwardStep(const Engine& e, const Placement& p, int R, int m) {
  if (p.foundation) {
    if (R == 13 && m == 1 && p.base != 1) return Verdict::Accept;
  } else if (!PlainSteps(e, p)) {
    if (R == p.firstBase && !p.wrap) return Verdict::Refuse;
    if (R == 13 && m == 1) return Verdict::Accept;
  }
  return m == R + 1 ? Verdict::Accept : Verdict::Undecided;
}

// The downward step (direction 0, or 2 when going up failed). A tableau pile
// is closed at foundation 0's base rank, and at an ace when that base is one
// of the codes 81-83, unless the wrap flag opens it; then a king goes on the ace.
bool DownwardStep(const Engine& e, const Placement& p, int R, int m) {
  if (p.foundation) return R != 1 ? R == m + 1 : m == 13 && p.base != 13;
  if (!PlainSteps(e, p)) {
    const bool closesAces = p.firstBase == kAceBalanced || p.firstBase == kClosedR || p.firstBase == kClosedS;
    const bool closed = R == p.firstBase || (R == 1 && closesAces);
    if (closed && !p.wrap) return false;
    if (R == 1) return m == 13;
  }
  return R == m + 1;
}

bool NonEmptyTargetRule(const Engine& e, const Placement& p) {
  if (!SuitCondition(p.rule, p.top, p.card)) return false;
  const int R = CardRank(p.top);
  const int m = CardRank(p.card);
  const bool up = p.direction == 1 || p.direction == 2;
  const bool down = p.direction == 0 || p.direction == 2;
  if (up) {
    const Verdict v = UpwardStep(e, p, R, m);
    if (v != Verdict::Undecided) return v == Verdict::Accept;
  }
  return down && DownwardStep(e, p, R, m);
}

// A foundation group member's bottom card or M, counted by colour and suit.
struct SuitTally {
  int red = 0;
  int black = 0;
  std::array<int, 4> suits{};
};
}  // namespace

bool CanPlaceCard(Engine& e, const Placement& p) {
  if (!IsCard(p.card) || p.top == p.card) return false;
  if (StockRestrictionRefuses(e, p)) return false;
  return p.rule <= 3 ? OrdinaryRule(e, p) : SpecialRule(e, p);
}

bool OrdinaryRule(Engine& e, const Placement& p) {
  return CardRank(p.top) < 1 ? EmptyTargetRule(e, p) : NonEmptyTargetRule(e, p);
}

// The group is every foundation in play whose base rank is the code: a
// catalogue may give a base to piles it does not use, and those must not
// widen the group.
bool BalanceRule(Engine& e, int code, int card) {
  int group = 0;
  std::array<int, kFoundationPiles + 1> counted{};
  size_t n = 0;
  for (int k = 0; k < FoundationsInPlay(e); ++k) {
    if (e.params[P::FoundationBaseRank + k] != code) continue;
    ++group;
    if (const int bottom = BottomCard(FoundationPile(e, k)); bottom != 0) counted[n++] = bottom;
  }
  if (n == 0) return true;  // the whole group is empty
  counted[n++] = card;

  SuitTally tally;
  for (size_t i = 0; i < n; ++i) {
    const int suit = CardSuit(counted[i]);
    if (suit < 0 || suit > 3) {
      e.host.ShowMessage("Error suit - 1");
      continue;
    }
    ++(suit < 2 ? tally.red : tally.black);
    ++tally.suits[static_cast<size_t>(suit)];
  }
  if (tally.red > group / 2 || tally.black > group / 2) return false;
  // Only the "T", "U" and "Z" groups also keep their suits distinct; the
  // others ("Q", and the "R" run collectors) balance colours alone.
  if (code != kKingDistinct && code != kAceDistinct && code != kTwoDistinct) return true;
  for (int count : tally.suits)
    if (count > 1) return false;
  return true;
}

Placement TableauPlacement(const Engine& e, int tableau, int top, int card, bool play) {
  Placement p;
  p.top = top;
  p.card = card;
  p.base = e.params[P::TableauBaseRank + tableau];
  p.play = play;
  p.pile = tableau;
  p.wrap = e.params[P::TableauWrap + tableau] > 0;
  p.foundation = false;
  p.rule = e.params[P::TableauRule + tableau];
  p.direction = e.params[P::TableauDirection + tableau];
  p.firstBase = e.params[P::FoundationBaseRank];
  return p;
}

Placement FoundationPlacement(const Engine& e, int foundation, int top, int card, bool play) {
  Placement p;
  p.top = top;
  p.card = card;
  p.base = e.params[P::FoundationBaseRank + foundation];
  p.play = play;
  p.pile = foundation;
  p.wrap = true;
  p.foundation = true;
  p.rule = e.params[P::FoundationRule + foundation];
  p.direction = e.params[P::FoundationDirection + foundation];
  p.firstBase = p.base;
  return p;
}

}  // namespace orv
