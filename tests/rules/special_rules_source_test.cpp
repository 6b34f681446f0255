// Special building rules decided by where the card comes from.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "special_rules_fixture.h"

namespace orv::test {
namespace {

using ::testing::IsEmpty;

const RuleCase kPileKinds[] = {
    // 17: never from the tableau; 18: not from the tableau onto a card;
    // 19: neither from the tableau nor from a reserve.
    {17, "Dest01", "Ah", "Fila01: Ah", "", false},
    {17, "Dest01", "Ah", "Mazzo_Vis: Ah", "", true},
    {17, "Dest01", "Ah", "", "", true},
    {18, "Dest01", "6h", "Dest01: 5h | Fila01: 6h", "", false},
    {18, "Dest01", "6h", "Dest01: 5h | Mazzo_Vis: 6h", "", true},
    {18, "Dest01", "6h", "Fila01: 6h", "", true},
    {19, "Dest01", "Ah", "Fila01: Ah", "", false},
    {19, "Dest01", "Ah", "Appogg01: Ah", "", false},
    {19, "Dest01", "Ah", "Mazzo_Vis: Ah", "", true},
    // 27: not from a foundation or a reserve; alternating colours.
    {27, "Fila01", "7s", "Fila01: 8h | Dest02: 7s", "", false},
    {27, "Fila01", "7s", "Fila01: 8h | Appogg01: 7s", "", false},
    {27, "Fila01", "7s", "Fila01: 8h | Fila02: 7s", "", true},
    {27, "Fila01", "7d", "Fila01: 8h | Fila02: 7d", "", false},
    // 33: not from the tableau, onto a pile of at most one card.
    {33, "Dest01", "9c", "Mazzo_Vis: 9c", "", true},
    {33, "Dest01", "9c", "Dest01: 5h | Mazzo_Vis: 9c", "", true},
    {33, "Dest01", "9c", "Dest01: 5h 6h | Mazzo_Vis: 9c", "", false},
    {33, "Dest01", "9c", "Fila02: 9c", "", false},
    // 137: not from the tableau; a pile of at most 4 cards, one up or down.
    {137, "Dest01", "8s", "Fila01: 8s", "", false},
    {137, "Dest01", "8s", "Mazzo_Vis: 8s", "", true},
    {137, "Dest01", "8s", "Dest01: 5h 6h 7h | Mazzo_Vis: 8s", "", true},
    {137, "Dest01", "9s", "Dest01: 5h 6h 7h 8h | Mazzo_Vis: 9s", "", false},
    {137, "Dest01", "7s", "Dest01: 5h | Mazzo_Vis: 7s", "", false},
    // 141: not from the tableau; tableau pile 3 takes kings, the others all but kings.
    {141, "Fila04", "Kh", "Mazzo_Vis: Kh", "", true},
    {141, "Fila04", "Qh", "Mazzo_Vis: Qh", "", false},
    {141, "Fila01", "Kh", "Mazzo_Vis: Kh", "", false},
    {141, "Fila01", "5h", "Mazzo_Vis: 5h", "", true},
    {141, "Fila01", "5h", "Fila02: 5h", "", false},
    // 80: not from the tableau; anything onto an empty pile, else in suit
    // one up or down round the ends.
    {80, "Dest01", "6h", "Dest01: 5h | Fila02: 6h", "", false},
    {80, "Dest01", "9c", "Mazzo_Vis: 9c", "", true},
    {80, "Dest01", "6h", "Dest01: 5h", "", true},
    {80, "Dest01", "Ah2", "Dest01: Kh", "", true},
    {80, "Dest01", "6s", "Dest01: 5h", "", false},
    // 81: as 80, judged on reserve k's top card instead of the target's.
    {81, "Dest01", "6h", "Appogg01: 5h | Mazzo_Vis: 6h", "", true},
    {81, "Dest01", "7h", "Appogg01: 5h | Mazzo_Vis: 7h", "", false},
    {81, "Dest01", "6h", "Dest01: 5s | Appogg01: 5h | Mazzo_Vis: 6h", "", true},
    {81, "Dest01", "9c", "Dest01: 5h | Mazzo_Vis: 9c", "", true},
    {81, "Dest01", "6h", "Appogg01: 5h | Fila02: 6h", "", false},
};

TEST(SpecialRules, SourcePileKinds) {
  ExpectVerdicts(kPileKinds);
  EXPECT_THAT(CodesMissingAVerdict(kPileKinds), IsEmpty());
}

const RuleCase kWasteAndReserves[] = {
    // 54: down, a king on an ace under wrap parameter 1; an empty pile
    // opens with the base or the rank below, never from a reserve or the tableau.
    {54, "Fila01", "4s", "Fila01: 5h", "", true},
    {54, "Fila01", "Ks", "Fila01: Ah", "wrap=1", true},
    {54, "Fila01", "Ks", "Fila01: Ah", "wrap=2", false},
    {54, "Fila01", "5s", "Mazzo_Vis: 5s", "base=5", true},
    {54, "Fila01", "4s", "Mazzo_Vis: 4s", "base=5", true},
    {54, "Fila01", "6s", "Mazzo_Vis: 6s", "base=5", false},
    {54, "Fila01", "4s", "Appogg01: 4s", "base=5", false},
    {54, "Fila01", "4s", "Fila02: 4s", "base=5", false},
    {54, "Fila01", "Ks", "Mazzo_Vis: Ks", "base=1", true},
    // 94: down in alternating colours round the ends; the waste opens a
    // pile only while the reserves are empty, the tableau never.
    {94, "Fila01", "4s", "Fila01: 5h", "", true},
    {94, "Fila01", "Ks", "Fila01: Ah", "", true},
    {94, "Fila01", "4h", "Fila01: 5h", "", false},
    {94, "Fila01", "6s", "Fila01: 5h", "", false},
    {94, "Fila01", "9c", "Fila02: 9c", "", false},
    {94, "Fila01", "9c", "Mazzo_Vis: 9c | Appogg01: 2c", "", false},
    {94, "Fila01", "9c", "Mazzo_Vis: 9c", "", true},
    {94, "Fila01", "9c", "Appogg01: 9c", "", true},
    // 143: reserves 0 and 1 wait for the stock to run out; down in suit;
    // an empty pile takes no reserve card. 144: the same up, aces opening.
    {143, "Dest01", "5h", "Dest01: 6h | Appogg01: 5h | Mazzo: 2c", "", false},
    {143, "Dest01", "5h", "Dest01: 6h | Appogg01: 5h", "", true},
    {143, "Dest01", "5h", "Dest01: 6h | Appogg03: 5h | Mazzo: 2c", "", true},
    {143, "Dest01", "7h", "Dest01: 6h | Appogg01: 7h", "", false},
    {143, "Dest01", "5s", "Dest01: 6h | Appogg01: 5s", "", false},
    {143, "Dest01", "9c", "Appogg03: 9c", "", false},
    {143, "Dest01", "9c", "Mazzo_Vis: 9c", "", true},
    {144, "Dest01", "7h", "Dest01: 6h | Appogg02: 7h | Mazzo: 2c", "", false},
    {144, "Dest01", "7h", "Dest01: 6h | Appogg02: 7h", "", true},
    {144, "Dest01", "Ah", "Mazzo_Vis: Ah", "", true},
    {144, "Dest01", "2h", "Mazzo_Vis: 2h", "", false},
    {144, "Dest01", "Ah", "Appogg03: Ah", "", false},
    {144, "Dest01", "7s", "Dest01: 6h | Mazzo_Vis: 7s", "", false},
    // 79: a foundation's 13th card comes only from its own reserve, and
    // reserve cards serve only for that.
    {79, "Dest01", "Kh", "Dest01: Ah*11 Qh | Appogg01: Kh", "", true},
    {79, "Dest01", "Kh", "Dest01: Ah*11 Qh | Appogg02: Kh", "", false},
    {79, "Dest01", "Kh", "Dest01: Ah*11 Qh | Mazzo_Vis: Kh", "", false},
    {79, "Dest01", "6c", "Dest01: Ah*4 5h | Appogg01: 6c", "", false},
    {79, "Dest01", "6c", "Dest01: Ah*4 5h | Mazzo_Vis: 6c", "", true},
    {79, "Dest01", "Ac", "Dest01: Kh | Mazzo_Vis: Ac", "", true},
    {79, "Dest01", "Ah", "Mazzo_Vis: Ah", "base=1", true},
    // 134: foundation 0 builds down, not from piles 1-3; the others up, not
    // from pile 0; never from a foundation; only the waste's top opens one.
    {134, "Dest01", "4s", "Dest01: 5h | Fila05: 4s", "", true},
    {134, "Dest01", "4s", "Dest01: 5h | Fila02: 4s", "", false},
    {134, "Dest01", "6s", "Dest01: 5h | Fila05: 6s", "", false},
    {134, "Dest02", "6s", "Dest02: 5h | Fila02: 6s", "", true},
    {134, "Dest02", "6s", "Dest02: 5h | Fila01: 6s", "", false},
    {134, "Dest02", "6s", "Dest02: 5h | Dest03: 6s", "", false},
    {134, "Dest02", "9d", "Mazzo_Vis: 7c 9d", "", true},
    {134, "Dest02", "7c", "Mazzo_Vis: 7c 9d", "", false},
    {134, "Dest02", "9d", "Fila02: 9d", "", false},
};

TEST(SpecialRules, WasteAndReserves) {
  ExpectVerdicts(kWasteAndReserves);
  EXPECT_THAT(CodesMissingAVerdict(kWasteAndReserves), IsEmpty());
}

const RuleCase kTableauRanges[] = {
    // 56: the same rank, from a tableau pile of index k or higher.
    {56, "Dest03", "8s", "Dest03: 8h | Fila05: 8s", "", true},
    {56, "Dest03", "8s", "Dest03: 8h | Fila02: 8s", "", false},
    {56, "Dest03", "8s", "Dest03: 8h | Mazzo_Vis: 8s", "", false},
    {56, "Dest03", "9s", "Dest03: 8h | Fila05: 9s", "", false},
    {56, "Dest03", "8s", "Fila05: 8s", "", false},
    // 58, 64: while the stock holds cards, piles 4-7 feed only foundation
    // pile - 4; in suit, up under foundation direction 1, else down.
    {58, "Dest01", "6h", "Dest01: 5h | Fila05: 6h | Mazzo: 2c", "dir=1", true},
    {58, "Dest01", "6h", "Dest01: 5h | Fila06: 6h | Mazzo: 2c", "dir=1", false},
    {58, "Dest01", "6h", "Dest01: 5h | Fila02: 6h | Mazzo: 2c", "dir=1", true},
    {58, "Dest01", "6h", "Dest01: 5h | Fila06: 6h", "dir=1", true},
    {58, "Dest01", "Ah", "Fila05: Ah", "dir=1 base=1", false},
    {58, "Dest01", "4h", "Dest01: 5h", "dir=0", true},
    {58, "Dest01", "4h", "Dest01: 5h", "dir=1", false},
    {64, "Dest02", "6h", "Dest02: 5h | Fila06: 6h | Mazzo: 2c", "dir=1", true},
    {64, "Dest02", "6h", "Dest02: 5h | Fila05: 6h | Mazzo: 2c", "dir=1", false},
    // 99: only from tableau piles 0-7; aces open, then up in suit.
    {99, "Dest01", "Ah", "Fila01: Ah", "", true},
    {99, "Dest01", "Ah", "Fila09: Ah", "", false},
    {99, "Dest01", "Ah", "Mazzo_Vis: Ah", "", false},
    {99, "Dest01", "6h", "Dest01: 5h | Fila08: 6h", "", true},
    {99, "Dest01", "6s", "Dest01: 5h | Fila08: 6s", "", false},
    // 100: from the next group of eight piles (targets 24-31 from the
    // waste); down in alternating colours.
    {100, "Fila01", "7s", "Fila01: 8h | Fila09: 7s", "", true},
    {100, "Fila01", "7s", "Fila01: 8h | Fila17: 7s", "", false},
    {100, "Fila01", "7d", "Fila01: 8h | Fila09: 7d", "", false},
    {100, "Fila09", "7s", "Fila17: 7s", "", true},
    {100, "Fila25", "7s", "Mazzo_Vis: 7s", "", true},
    {100, "Fila25", "7s", "Fila33: 7s", "", false},
    {100, "Fila33", "7s", "Mazzo_Vis: 7s", "", false},
    // 109: a card of piles 0-7 is free once its reserve or the pile 8
    // higher is empty; of piles 8-31 once the pile 8 lower or higher is.
    {109, "Dest01", "6h", "Dest01: 5h | Fila01: 6h | Appogg01: 2c | Fila09: 3c", "", false},
    {109, "Dest01", "6h", "Dest01: 5h | Fila01: 6h | Fila09: 3c", "", true},
    {109, "Dest01", "6h", "Dest01: 5h | Fila01: 6h | Appogg01: 2c", "", true},
    {109, "Dest01", "6h", "Dest01: 5h | Fila10: 6h | Fila02: 2c | Fila18: 3c", "", false},
    {109, "Dest01", "6h", "Dest01: 5h | Fila10: 6h | Fila02: 2c", "", true},
    {109, "Dest01", "6h", "Dest01: 5h | Mazzo_Vis: 6h", "", true},
    {109, "Dest01", "6s", "Dest01: 5h | Mazzo_Vis: 6s", "", false},
    {109, "Dest01", "Ah", "Mazzo_Vis: Ah", "base=1", true},
    // 110: aces from the tableau open the foundations left to right; then
    // a 7, then up in suit, only with cards of tableau pile k.
    {110, "Dest01", "Ah", "Fila05: Ah", "", true},
    {110, "Dest02", "Ah", "Fila05: Ah", "", false},
    {110, "Dest02", "Ah", "Dest01: Ac | Fila05: Ah", "", true},
    {110, "Dest01", "7c", "Dest01: Ah | Fila01: 7c", "", true},
    {110, "Dest01", "7c", "Dest01: Ah | Fila02: 7c", "", false},
    {110, "Dest01", "8h", "Dest01: Ah | Fila01: 8h", "", false},
    {110, "Dest01", "8h", "Dest01: Ah 7h | Fila01: 8h", "", true},
    {110, "Dest01", "8s", "Dest01: Ah 7h | Fila01: 8s", "", false},
    {110, "Dest01", "8h", "Dest01: Ah 7h | Mazzo_Vis: 8h", "", false},
    // 111: not from piles 8-15; in suit by the foundation direction; an
    // empty foundation takes the base in a suit new to its group.
    {111, "Dest01", "Ah", "Fila09: Ah", "base=1", false},
    {111, "Dest01", "Ah", "Fila01: Ah | Dest02: Ac", "base=1", true},
    {111, "Dest01", "Ah2", "Fila01: Ah2 | Dest02: Ah", "base=1", false},
    {111, "Dest01", "6h", "Dest01: 5h", "dir=1", true},
    {111, "Dest01", "4h", "Dest01: 5h", "dir=0", true},
    {111, "Dest01", "4h", "Dest01: 5h", "dir=1", false},
    // 112: nothing from piles 8-15 and nothing onto targets 8-15; in suit
    // one up or down without turning.
    {112, "Dest01", "6h", "Dest01: 5h | Fila09: 6h", "", false},
    {112, "Dest09", "6h", "Dest09: 5h", "", false},
    {112, "Dest01", "9c", "", "", true},
    {112, "Dest01", "6h", "Dest01: 5h", "", true},
    {112, "Dest01", "4h", "Dest01: 5h", "", true},
    {112, "Dest01", "Ah2", "Dest01: Kh", "", false},
    {112, "Dest01", "6s", "Dest01: 5h", "", false},
};

TEST(SpecialRules, TableauRanges) {
  ExpectVerdicts(kTableauRanges);
  EXPECT_THAT(CodesMissingAVerdict(kTableauRanges), IsEmpty());
}

const RuleCase kTwoTableaus[] = {
    // 114: piles 13-21 feed a foundation only while one of piles 0-12 or
    // the foundation is empty; the waste only while the foundation is empty
    // or both rows have a gap. In suit up, an ace on a king; empty: the
    // rank of parameter 55.
    {114, "Dest01", "6h", "Fila01-13: 2c | Fila14: 6h | Dest01: 5h", "", false},
    {114, "Dest01", "6h", "Fila01-13: 2c | Fila03: | Fila14: 6h | Dest01: 5h", "", true},
    {114, "Dest01", "Ah", "Fila01-13: 2c | Fila14: Ah", "base=1", true},
    {114, "Dest01", "6h", "Fila01-02: 2c | Fila14-22: 3c | Mazzo_Vis: 6h | Dest01: 5h", "", false},
    {114, "Dest01", "6h", "Fila01-02: 2c | Fila14-15: 3c | Mazzo_Vis: 6h | Dest01: 5h", "", true},
    {114, "Dest01", "Ah", "Fila01-13: 2c | Fila14-22: 3c | Mazzo_Vis: Ah", "base=1", true},
    {114, "Dest01", "2h", "Mazzo_Vis: 2h", "base=1", false},
    {114, "Dest01", "Ah2", "Dest01: Kh | Fila01: Ah2", "", true},
    {114, "Dest01", "6s", "Dest01: 5h | Fila01: 6s", "", false},
    // 115: piles 13 and up take cards of piles 13-21 and the waste, down in
    // alternating colours (a king on an ace); piles 0-12 are only refilled,
    // from piles 13-21, or from the waste while one of those is empty.
    {115, "Fila14", "7s", "Fila14: 8h | Fila15: 7s", "", true},
    {115, "Fila14", "7s", "Fila14: 8h | Fila01: 7s", "", false},
    {115, "Fila14", "7s", "Fila14: 8h | Mazzo_Vis: 7s", "", true},
    {115, "Fila14", "Ks", "Fila14: Ah | Mazzo_Vis: Ks", "", true},
    {115, "Fila14", "7d", "Fila14: 8h | Fila15: 7d", "", false},
    {115, "Fila01", "9c", "Fila14: 9c", "", true},
    {115, "Fila01", "9c", "Fila01: Th | Fila14: 9c", "", false},
    {115, "Fila01", "9c", "Fila14-22: 2c | Mazzo_Vis: 9c", "", false},
    {115, "Fila01", "9c", "Fila14-22: 2c | Fila20: | Mazzo_Vis: 9c", "", true},
    // 130: piles above 3 take no card of piles 0-3, and reserve cards only
    // while one of piles 4-8 is empty; in suit one up or down. Piles 0-3
    // are refilled only, and not from the tableau.
    {130, "Fila05", "6h", "Fila05: 5h | Fila01: 6h", "", false},
    {130, "Fila05", "6h", "Fila05-09: 2c | Fila05: 5h | Appogg01: 6h", "", false},
    {130, "Fila05", "6h", "Fila05-09: 2c | Fila05: 5h | Fila07: | Appogg01: 6h", "", true},
    {130, "Fila05", "4h", "Fila05: 5h | Mazzo_Vis: 4h", "", true},
    {130, "Fila05", "6s", "Fila05: 5h | Mazzo_Vis: 6s", "", false},
    {130, "Fila05", "9c", "Fila10: 9c", "", true},
    {130, "Fila01", "9c", "Mazzo_Vis: 9c", "", true},
    {130, "Fila01", "9c", "Fila05: 9c", "", false},
    {130, "Fila01", "9c", "Fila01: Th | Mazzo_Vis: 9c", "", false},
};

TEST(SpecialRules, TwoTableaus) {
  ExpectVerdicts(kTwoTableaus);
  EXPECT_THAT(CodesMissingAVerdict(kTwoTableaus), IsEmpty());
}

}  // namespace
}  // namespace orv::test
