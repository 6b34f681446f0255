// Special building rules decided by rank steps and suit sequences.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "special_rules_fixture.h"

namespace orv::test {
namespace {

using ::testing::IsEmpty;

const RuleCase kFixedVerdicts[] = {
    {4, "Dest01", "Ah", "", "base=1", false},
    {5, "Dest01", "2h", "Dest01: Ah", "dir=1", false},
    {113, "Fila01", "7s", "Fila01: 8h", "", false},
    {138, "Fila01", "Kh", "", "base=-1", false},
    {139, "Dest01", "Ah", "", "base=-1", false},
    {12, "Dest01", "2s", "Dest01: Kh", "", true},
    {12, "Fila01", "9c", "", "", true},
};

TEST(SpecialRules, RefusingAndAcceptingCodes) { ExpectVerdicts(kFixedVerdicts); }

// Codes without a rule of their own build by the ordinary rule: code 6
// refuses any card on a card, others have no suit condition.
const RuleCase kUnknownCodes[] = {
    {6, "Fila01", "7h", "Fila01: 8h", "", false},
    {6, "Fila01", "Kh", "", "base=13", true},
    {200, "Fila01", "7s", "Fila01: 8h", "", true},
    {200, "Fila01", "9s", "Fila01: 8h", "", false},
    {59, "Dest01", "2c", "Dest01: Ah", "dir=1", true},
    {59, "Dest01", "3c", "Dest01: Ah", "dir=1", false},
};

TEST(SpecialRules, UnknownCodesBuildByTheOrdinaryRule) { ExpectVerdicts(kUnknownCodes); }

const RuleCase kSteps[] = {
    // 11: same suit by the ordinary rule, but never a queen on a king or a jack.
    {11, "Fila01", "7h", "Fila01: 8h", "", true},
    {11, "Fila01", "7h", "Fila01: 8s", "", false},
    {11, "Fila01", "Qh", "Fila01: Kh", "", false},
    {11, "Dest01", "Qh", "Dest01: Jh", "dir=1", false},
    {11, "Dest01", "Jh", "Dest01: Th", "dir=1", true},
    // 14-16: up by 2, 3, 4 in any suit, round past the king; empty counts as -1.
    {14, "Dest01", "Ah", "", "", true},
    {14, "Dest01", "2h", "", "", false},
    {14, "Dest01", "Kd", "Dest01: Jh", "", true},
    {14, "Dest01", "Ac", "Dest01: Qh", "", true},
    {14, "Dest01", "Kc", "Dest01: Qh", "", false},
    {15, "Dest01", "2h", "", "", true},
    {15, "Dest01", "Ah", "Dest01: Jh", "", true},
    {15, "Dest01", "7h", "Dest01: 5h", "", false},
    {16, "Dest01", "3s", "", "", true},
    {16, "Dest01", "Ah", "Dest01: Th", "", true},
    {16, "Dest01", "8h", "Dest01: 5h", "", false},
    // 20: up in any suit, an ace on a king or an empty pile.
    {20, "Dest01", "Ah", "", "", true},
    {20, "Dest01", "2h", "", "", false},
    {20, "Dest01", "Ac", "Dest01: Kh", "", true},
    {20, "Dest01", "6c", "Dest01: 5h", "", true},
    {20, "Dest01", "4h", "Dest01: 5h", "", false},
    // 21: never on a card of its own suit, otherwise the ordinary rule.
    {21, "Fila01", "7h", "Fila01: 8h", "", false},
    {21, "Fila01", "7h", "Fila01: 8s", "", true},
    {21, "Fila01", "6h", "Fila01: 8s", "", false},
    // 24: never a queen on a king or a king on a queen; else in suit.
    {24, "Dest01", "Qh", "Dest01: Kh", "dir=2", false},
    {24, "Dest01", "Kh", "Dest01: Qh", "dir=2", false},
    {24, "Dest01", "9h", "Dest01: 8h", "dir=2", true},
    {24, "Dest01", "9s", "Dest01: 8h", "dir=2", false},
    // 25: two ranks in suit, up with direction 1, down otherwise; no turning.
    {25, "Dest01", "7h", "Dest01: 5h", "dir=1", true},
    {25, "Dest01", "3h", "Dest01: 5h", "dir=1", false},
    {25, "Dest01", "3h", "Dest01: 5h", "dir=0", true},
    {25, "Dest01", "7s", "Dest01: 5h", "dir=1", false},
    {25, "Dest01", "Ah", "Dest01: Qh", "dir=1", false},
    {25, "Dest01", "Ah", "", "base=1", true},
    {25, "Dest01", "2h", "", "base=1", false},
    // 61: as 25, and below 13 cards a 2 on a king or an ace on a queen.
    {61, "Dest01", "7h", "Dest01: 5h", "dir=1", true},
    {61, "Dest01", "2h", "Dest01: Kh", "dir=1", true},
    {61, "Dest01", "Ah", "Dest01: Qh", "dir=1", true},
    {61, "Dest01", "As", "Dest01: Qh", "dir=1", false},
    {61, "Dest01", "2h", "Dest01: 3h*12 Kh", "dir=1", false},
    // 43, 106: two up in suit, no turning; 106 opens with the base rank.
    {43, "Dest01", "5h", "Dest01: 3h", "", true},
    {43, "Dest01", "Ah", "Dest01: Qh", "", false},
    {43, "Dest01", "5c", "Dest01: 3h", "", false},
    {43, "Dest01", "Ah", "", "base=1", true},
    {106, "Dest01", "2h", "", "base=2", true},
    {106, "Dest01", "3h", "", "base=2", false},
    {106, "Dest01", "5h", "Dest01: 3h", "", true},
    {106, "Dest01", "5s", "Dest01: 3h", "", false},
    // 41: two up in suit round past the king; an empty pile takes the base
    // rank in a suit its group of four has not started.
    {41, "Dest01", "5h", "Dest01: 3h", "", true},
    {41, "Dest01", "Ah", "Dest01: Qh", "", true},
    {41, "Dest01", "5s", "Dest01: 3h", "", false},
    {41, "Dest01", "4h", "Dest01: 3h", "", false},
    {41, "Dest01", "3h", "Dest02: 3d", "base=3", true},
    {41, "Dest01", "3h2", "Dest02: 3h", "base=3", false},
    {41, "Dest05", "3h2", "Dest01: 3h", "base=3", true},
    // 73: foundation k takes rank k + 1 only.
    {73, "Dest03", "3s", "Dest03: 3h", "", true},
    {73, "Dest03", "4s", "", "", false},
    // 76: anything lower; 126: the same rank.
    {76, "Dest01", "7h", "", "", true},
    {76, "Dest01", "5c", "Dest01: 8h", "", true},
    {76, "Dest01", "8c", "Dest01: 8h", "", false},
    {126, "Dest01", "8s", "Dest01: 8h", "", true},
    {126, "Dest01", "9h", "Dest01: 8h", "", false},
    // 133: down by two, a queen on an ace, a king on a 2.
    {133, "Dest01", "7s", "Dest01: 9h", "", true},
    {133, "Dest01", "Qs", "Dest01: Ah", "", true},
    {133, "Dest01", "Ks", "Dest01: 2h", "", true},
    {133, "Dest01", "8s", "Dest01: 9h", "", false},
    // 142 lives with the other codes of this program's own choosing.
};

TEST(SpecialRules, RankSteps) {
  ExpectVerdicts(kSteps);
  EXPECT_THAT(CodesMissingAVerdict(kSteps), IsEmpty());
}

const RuleCase kOneStep[] = {
    // 26: a pile of fewer than 3 cards, one up or down; empty by the base.
    {26, "Fila01", "6s", "Fila01: 7c 5h", "", true},
    {26, "Fila01", "4s", "Fila01: 7c 6d 5h", "", false},
    {26, "Fila01", "Kh", "", "base=13", true},
    {26, "Fila01", "Qh", "", "base=13", false},
    {26, "Fila01", "5h", "", "base=-1", true},
    {26, "Fila01", "5h", "", "base=5", false},
    // 28: anything onto an empty pile, one up or down without turning.
    {28, "Fila01", "7h", "", "", true},
    {28, "Fila01", "2c", "Fila01: Ah", "", true},
    {28, "Fila01", "Kc", "Fila01: Ah", "", false},
    {28, "Fila01", "Ac", "Fila01: Kh", "", false},
    {28, "Fila01", "Qs", "Fila01: Kh", "", true},
    // 60: as 28 in suit.
    {60, "Fila01", "7h", "", "", true},
    {60, "Fila01", "6h", "Fila01: 5h", "", true},
    {60, "Fila01", "6s", "Fila01: 5h", "", false},
    {60, "Fila01", "Ah2", "Fila01: Kh", "", false},
    // 31, 32: one down / one up in suit, nothing past the ends.
    {31, "Dest01", "4h", "Dest01: 5h", "", true},
    {31, "Dest01", "6h", "Dest01: 5h", "", false},
    {31, "Dest01", "Kh2", "Dest01: Ah", "", false},
    {31, "Dest01", "4s", "Dest01: 5h", "", false},
    {32, "Dest01", "6h", "Dest01: 5h", "", true},
    {32, "Dest01", "Ah2", "Dest01: Kh", "", false},
    {32, "Dest01", "4h", "Dest01: 5h", "", false},
    // 34: one down in any suit; an empty pile by the ordinary rule.
    {34, "Fila01", "4s", "Fila01: 5h", "", true},
    {34, "Fila01", "6h", "Fila01: 5h", "", false},
    {34, "Fila01", "Kh", "", "base=13", true},
    {34, "Fila01", "Qh", "", "base=13", false},
    // 35, 68: one up or down in any suit, turning between king and ace.
    {35, "Fila01", "6s", "Fila01: 5h", "", true},
    {35, "Fila01", "4s", "Fila01: 5h", "", true},
    {35, "Fila01", "As", "Fila01: Kh", "", true},
    {35, "Fila01", "2s", "Fila01: Kh", "", false},
    {35, "Fila01", "Ks", "", "base=13", true},
    {68, "Fila01", "Kc", "Fila01: Ah", "", true},
    {68, "Fila01", "7h", "Fila01: 5h", "", false},
    // 30: the first two cards set the direction; on one card either way.
    {30, "Dest01", "6h", "Dest01: 5h", "", true},
    {30, "Dest01", "4h", "Dest01: 5h", "", true},
    {30, "Dest01", "6s", "Dest01: 5h", "", false},
    {30, "Dest01", "Ah", "Dest01: Kh", "", false},
    {30, "Dest01", "3h", "Dest01: 5h 4h", "", true},
    {30, "Dest01", "5h2", "Dest01: 5h 4h", "", false},
    {30, "Dest01", "6h", "Dest01: 4h 5h", "", true},
    {30, "Dest01", "4h2", "Dest01: 4h 5h", "", false},
    // 36: foundations open left to right with the first base; down, a king on an ace.
    {36, "Dest01", "Ah", "", "base=1", true},
    {36, "Dest02", "Ah", "", "base=1", false},
    {36, "Dest02", "Ac", "Dest01: Ah", "base=1", true},
    {36, "Dest01", "4c", "Dest01: 5h", "", true},
    {36, "Dest01", "Kc", "Dest01: Ah", "", true},
    {36, "Dest01", "6h", "Dest01: 5h", "", false},
    // 39, 44, 46: up in any suit, stopping below the court cards / the king.
    {39, "Dest01", "Ah", "", "", true},
    {39, "Dest01", "2h", "", "", false},
    {39, "Dest01", "Js", "Dest01: Th", "", true},
    {39, "Dest01", "Qh", "Dest01: Jh", "", false},
    {39, "Dest01", "7h", "Dest01: 5h", "", false},
    {44, "Dest01", "Ah", "", "", true},
    {44, "Dest01", "Kh", "", "", false},
    {44, "Dest01", "Kh", "Dest01: Qh", "", false},
    {44, "Dest01", "6s", "Dest01: 5h", "", true},
    {46, "Dest01", "5h", "", "base=5", true},
    {46, "Dest01", "6h", "", "base=5", false},
    {46, "Dest01", "Js", "Dest01: Th", "", true},
    {46, "Dest01", "Qh", "Dest01: Jh", "", false},
    {46, "Dest01", "7h", "Dest01: 5h", "", false},
    // 47: down in any suit or a king on an ace, never a queen.
    {47, "Dest01", "Kh", "", "base=13", true},
    {47, "Dest01", "Qs", "Dest01: Kh", "", false},
    {47, "Dest01", "Ks", "Dest01: Ah", "", true},
    {47, "Dest01", "4s", "Dest01: 5h", "", true},
    {47, "Dest01", "6s", "Dest01: 5h", "", false},
    // 95: up in suit, an ace on a king; 105: down in suit, a king on an ace.
    {95, "Dest01", "Ah", "", "", true},
    {95, "Dest01", "Ah2", "Dest01: Kh", "", true},
    {95, "Dest01", "As", "Dest01: Kh", "", false},
    {95, "Dest01", "4h", "Dest01: 5h", "", false},
    {105, "Dest01", "Kh", "", "base=13", false},
    {105, "Dest01", "4h", "Dest01: 5h", "", true},
    {105, "Dest01", "Kh2", "Dest01: Ah", "", true},
    {105, "Dest01", "4s", "Dest01: 5h", "", false},
    // 121: a jack opens, then down in suit.
    {121, "Dest01", "Jh", "", "", true},
    {121, "Dest01", "Qh", "", "", false},
    {121, "Dest01", "Th", "Dest01: Jh", "", true},
    {121, "Dest01", "Ts", "Dest01: Jh", "", false},
};

TEST(SpecialRules, OneStep) {
  ExpectVerdicts(kOneStep);
  EXPECT_THAT(CodesMissingAVerdict(kOneStep), IsEmpty());
}

const RuleCase kSequences[] = {
    // 29: one suit up to the king, a second king as 14th card, then down.
    {29, "Dest01", "Ah", "", "base=1", true},
    {29, "Dest01", "2h", "", "base=1", false},
    {29, "Dest01", "4h", "Dest01: Ah 2h 3h", "", true},
    {29, "Dest01", "4s", "Dest01: Ah 2h 3h", "", false},
    {29, "Dest01", "Kh", "Dest01: Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh", "", true},
    {29, "Dest01", "Kh2", "Dest01: Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh", "", true},
    {29, "Dest01", "Ah2", "Dest01: Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh", "", false},
    {29, "Dest01", "Qh2", "Dest01: Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh Kh2", "", true},
    {29, "Dest01", "Ah2", "Dest01: Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh Kh2", "", false},
    // 37: doubling round the 13 ranks; kings once foundation 0 holds 48 cards.
    {37, "Dest01", "4c", "Dest01: 2h", "", true},
    {37, "Dest01", "Ac", "Dest01: 7h", "", true},
    {37, "Dest01", "Jh", "Dest01: Qh", "", true},
    {37, "Dest01", "8h", "Dest01: 7h", "", false},
    {37, "Dest02", "Kh", "Dest02: Qh | Dest01: 2c*47", "", false},
    {37, "Dest02", "Kh", "Dest02: Qh | Dest01: 2c*48", "", true},
    {37, "Dest01", "2h", "", "base=2", true},
    // 77: four of each rank in turn.
    {77, "Dest01", "Ah", "", "", true},
    {77, "Dest01", "2h", "", "", false},
    {77, "Dest01", "2h", "Dest01: Ah Ad Ac As", "", true},
    {77, "Dest01", "Ah2", "Dest01: Ah Ad Ac", "", true},
    {77, "Dest01", "2h", "Dest01: Ah Ad Ac", "", false},
    // 78: an ace opens and goes on any king; else up in suit.
    {78, "Dest01", "Ah", "", "", true},
    {78, "Dest01", "Ac", "Dest01: Kh", "", true},
    {78, "Dest01", "2h", "Dest01: Kh", "", false},
    {78, "Dest01", "6h", "Dest01: 5h", "", true},
    {78, "Dest01", "6c", "Dest01: 5h", "", false},
    // 83: down, a king on an ace, until the top has rank k + 1 (foundation 6:
    // and 13 cards).
    {83, "Dest03", "4c", "Dest03: 5h", "", true},
    {83, "Dest03", "2c", "Dest03: 3h", "", false},
    {83, "Dest01", "Kc", "Dest01: Ah", "", false},
    {83, "Dest02", "Kc", "Dest02: Ah", "", true},
    {83, "Dest07", "6c", "Dest07: Ts 9s 8s 7h", "", true},
    {83, "Dest07", "6c", "Dest07: 8h*12 7h", "", false},
    // 86: up, suits cycling hearts, clubs, diamonds, spades; 87 the same down.
    {86, "Dest01", "Ah", "", "", true},
    {86, "Dest01", "2h", "", "", false},
    {86, "Dest01", "6c", "Dest01: 5h", "", true},
    {86, "Dest01", "6d", "Dest01: 5c", "", true},
    {86, "Dest01", "6s", "Dest01: 5d", "", true},
    {86, "Dest01", "6h", "Dest01: 5s", "", true},
    {86, "Dest01", "6d", "Dest01: 5h", "", false},
    {86, "Dest01", "7c", "Dest01: 5h", "", false},
    {87, "Dest01", "9s", "", "", true},
    {87, "Dest01", "5c", "Dest01: 6h", "", true},
    {87, "Dest01", "5d", "Dest01: 6h", "", false},
    {87, "Dest01", "7c", "Dest01: 6h", "", false},
    // 92: aces only.
    {92, "Dest01", "Ah", "", "", true},
    {92, "Dest01", "Ah", "Dest01: Ad", "", true},
    {92, "Dest01", "2h", "", "", false},
    // 97: the top plus the bottom of the foundation half a row back, less 13
    // above 13; no card once the pile holds 11.
    {97, "Dest01", "8s", "Dest01: 3h | Dest05: 5c", "374=8", true},
    {97, "Dest01", "7s", "Dest01: 3h | Dest05: 5c", "374=8", false},
    {97, "Dest01", "3d", "Dest01: 9h | Dest05: 7c", "374=8", true},
    {97, "Dest05", "6h", "Dest05: 4h | Dest01: 2c", "374=8", true},
    {97, "Dest01", "8s", "Dest01: 3h", "374=8", false},
    {97, "Dest01", "4s", "Dest01: 3h*11 | Dest05: Ac", "374=8", false},
    {97, "Dest01", "4s", "Dest01: 3h*10 | Dest05: Ac", "374=8", true},
    {97, "Dest01", "4h", "", "base=4", true},
    {97, "Dest01", "5h", "", "base=4", false},
    // 98: up in suit, and a 7 of the suit follows the ace.
    {98, "Dest01", "Ah", "", "base=1", true},
    {98, "Dest01", "7h", "Dest01: Ah", "", true},
    {98, "Dest01", "7s", "Dest01: Ah", "", false},
    {98, "Dest01", "2h", "Dest01: Ah", "", true},
    {98, "Dest01", "8s", "Dest01: 7h", "", false},
    // 104: up in suit, an ace on a king; foundation 0 stops at the queen,
    // foundations 1-11 at their own rank k.
    {104, "Dest01", "Kh", "Dest01: Qh", "", false},
    {104, "Dest01", "Qh", "Dest01: Jh", "", true},
    {104, "Dest03", "3h", "Dest03: 2h", "", false},
    {104, "Dest03", "Ah2", "Dest03: Kh", "", true},
    {104, "Dest13", "Kh", "Dest13: Qh", "", true},
    {104, "Dest02", "6c", "Dest02: 5h", "", false},
    // 140: an ace opens; up in suit while the pile holds at most 9 cards.
    {140, "Dest01", "Ah", "", "", true},
    {140, "Dest01", "2h", "", "", false},
    {140, "Dest01", "9h", "Dest01: Ah*8 8h", "", true},
    {140, "Dest01", "Th", "Dest01: Ah*9 9h", "", false},
    {140, "Dest01", "6s", "Dest01: 5h", "", false},
};

TEST(SpecialRules, SequencesAndCounts) {
  ExpectVerdicts(kSequences);
  EXPECT_THAT(CodesMissingAVerdict(kSequences), IsEmpty());
}

}  // namespace
}  // namespace orv::test
