// Special building rules that look past the target pile: the stock and the
// waste, other foundations, a partner tableau pile, the deal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "special_rules_fixture.h"

namespace orv::test {
namespace {

using ::testing::IsEmpty;

const RuleCase kStockAndWaste[] = {
    // 7: in play only onto an empty pile once the stock is used up; the
    // deal and run checks build by the ordinary rule.
    {7, "Fila01", "5h", "Fila02: 5h", "", true},
    {7, "Fila01", "5h", "Fila02: 5h | Mazzo: Ac", "", false},
    {7, "Fila01", "5s", "Fila01: 6h", "", false},
    {7, "Fila01", "5h", "Fila01: 6s", "", true, false},
    {7, "Fila01", "7h", "Fila01: 6s", "", false, false},
    // 23: nothing while the waste holds cards; up in suit.
    {23, "Dest01", "6h", "Dest01: 5h | Mazzo_Vis: Kc", "", false},
    {23, "Dest01", "6h", "Dest01: 5h", "", true},
    {23, "Dest01", "6s", "Dest01: 5h", "", false},
    {23, "Dest01", "Ah", "", "base=1", true},
    {23, "Dest01", "2h", "", "base=1", false},
    // 38: with the waste empty, a king opens a pile, and a lone king takes
    // anything but a queen or a king.
    {38, "Fila01", "Kh", "Mazzo_Vis: Kc", "", false},
    {38, "Fila01", "Kh", "", "", true},
    {38, "Fila01", "Qh", "", "", false},
    {38, "Fila01", "5c", "Fila01: Kh", "", true},
    {38, "Fila01", "Qc", "Fila01: Kh", "", false},
    {38, "Fila01", "Kc", "Fila01: Kh", "", false},
    {38, "Fila01", "4c", "Fila01: Kh 5c", "", false},
    // 45: with the waste empty, a king opens; on it any card but a king,
    // then down.
    {45, "Fila01", "Kh", "Mazzo_Vis: 2c", "", false},
    {45, "Fila01", "Kh", "", "", true},
    {45, "Fila01", "Qh", "", "", false},
    {45, "Fila01", "5c", "Fila01: Kh", "", true},
    {45, "Fila01", "8d", "Fila01: Kh 9c", "", true},
    {45, "Fila01", "5d", "Fila01: Kh 9c", "", false},
    {45, "Fila01", "Kc", "Fila01: Kh", "", false},
    // 48: as 38 with queens.
    {48, "Fila01", "Qh", "Mazzo_Vis: 2c", "", false},
    {48, "Fila01", "Qh", "", "", true},
    {48, "Fila01", "Kh", "", "", false},
    {48, "Fila01", "5c", "Fila01: Qh", "", true},
    {48, "Fila01", "Qc", "Fila01: Qh", "", false},
    {48, "Fila01", "4c", "Fila01: 5h", "", false},
    // 55: the waste goes first (one card: only it; more: nothing); empty
    // piles take the base or the rank below; up in colour.
    {55, "Fila01", "5h", "Mazzo_Vis: 5h", "base=5", true},
    {55, "Fila01", "4s", "Mazzo_Vis: 5h | Fila02: 4s", "base=5", false},
    {55, "Fila01", "5d", "Mazzo_Vis: 5h 5d", "base=5", false},
    {55, "Fila01", "4s", "Fila02: 4s", "base=5", true},
    {55, "Fila01", "6s", "Fila02: 6s", "base=5", false},
    {55, "Fila01", "9h", "Fila02: 9h", "base=-1", true},
    {55, "Fila01", "6d", "Fila01: 5h", "", true},
    {55, "Fila01", "6s", "Fila01: 5h", "", false},
    // 57: only once the stock is empty, one up or down round the ends.
    {57, "Dest01", "6s", "Dest01: 5h | Mazzo: 2c", "", false},
    {57, "Dest01", "6s", "Dest01: 5h", "", true},
    {57, "Dest01", "As", "Dest01: Kh", "", true},
    {57, "Dest01", "7s", "Dest01: 5h", "", false},
    {57, "Dest01", "Ah", "", "base=1", true},
    // 82: only with stock and waste empty; suits distinct in the group.
    {82, "Dest01", "6h", "Dest01: 5h | Mazzo: 2c", "dir=1", false},
    {82, "Dest01", "6h", "Dest01: 5h | Mazzo_Vis: 2c", "dir=1", false},
    {82, "Dest01", "Ah", "Dest02: Ac", "base=1", true},
    {82, "Dest01", "Ah2", "Dest02: Ah", "base=1", false},
    {82, "Dest01", "6h", "Dest01: 5h", "dir=1", true},
    {82, "Dest01", "6s", "Dest01: 5h", "dir=1", false},
    // 108: only once the stock is empty; in suit round the ends.
    {108, "Dest01", "6h", "Dest01: 5h | Mazzo: 2c", "", false},
    {108, "Dest01", "9c", "", "", true},
    {108, "Dest01", "Ah2", "Dest01: Kh", "", true},
    {108, "Dest01", "6s", "Dest01: 5h", "", false},
    // 129: only once the stock is empty, and only onto cards.
    {129, "Fila01", "6h", "Fila01: 5h | Mazzo: 2c", "", false},
    {129, "Fila01", "6h", "Fila01: 5h", "", true},
    {129, "Fila01", "Ah2", "Fila01: Kh", "", true},
    {129, "Fila01", "Kh", "", "base=13", false},
    {129, "Fila01", "6s", "Fila01: 5h", "", false},
};

TEST(SpecialRules, StockAndWaste) {
  ExpectVerdicts(kStockAndWaste);
  EXPECT_THAT(CodesMissingAVerdict(kStockAndWaste), IsEmpty());
}

const RuleCase kOtherFoundations[] = {
    // 42: a king only when foundation k + 6 shows a king.
    {42, "Dest01", "Kh", "Dest01: Qh | Dest07: Kd", "", true},
    {42, "Dest01", "Kh", "Dest01: Qh | Dest07: Qd", "", false},
    {42, "Dest11", "Kh", "Dest11: Qh", "", false},
    {42, "Dest01", "6h", "Dest01: 5h", "", true},
    {42, "Dest01", "6s", "Dest01: 5h", "", false},
    {42, "Dest01", "Ah", "", "base=1", true},
    // 53: foundations past the first open once it holds 13 cards.
    {53, "Dest02", "Ah", "Dest01: 2c*13", "base=1", true},
    {53, "Dest02", "Ah", "Dest01: 2c*12", "base=1", false},
    {53, "Dest01", "Ah", "", "base=1", true},
    {53, "Dest01", "Ac", "Dest01: Kh", "", true},
    {53, "Dest01", "7c", "Dest01: 5h", "", false},
    // 118: foundation k - 1 must be complete; empty takes the first base.
    {118, "Dest02", "Ah", "Dest01: 2c*12", "base=1", false},
    {118, "Dest02", "Ah", "Dest01: 2c*13", "base=1", true},
    {118, "Dest01", "2h", "", "base=1", false},
    {118, "Dest01", "Ac", "Dest01: Kh", "", true},
    {118, "Dest01", "4c", "Dest01: 5h", "", false},
    // 132: an ace opens; past foundation 0 only once some foundation is complete.
    {132, "Dest01", "Ah", "", "", true},
    {132, "Dest02", "Ah", "", "", false},
    {132, "Dest02", "Ah", "Dest05: 2c*13", "", true},
    {132, "Dest01", "2h", "", "", false},
    {132, "Dest01", "6s", "Dest01: 5h", "", true},
    {132, "Dest01", "4s", "Dest01: 5h", "", false},
    // 136: foundation k > 3 opens once k - 3 foundations are complete.
    {136, "Dest05", "Ah", "", "base=1", false},
    {136, "Dest05", "Ah", "Dest01: 2c*13", "base=1", true},
    {136, "Dest06", "Ah", "Dest01: 2c*13", "base=1", false},
    {136, "Dest01", "Ah", "", "base=1", true},
    {136, "Dest01", "6s", "Dest01: 5h", "dir=1", true},
    {136, "Dest01", "6d", "Dest01: 5h", "dir=1", false},
    // 96: an empty foundation takes a suit its group of four has not started.
    {96, "Dest01", "Ah", "Dest03: As", "base=1", true},
    {96, "Dest01", "Ah2", "Dest03: Ah", "base=1", false},
    {96, "Dest05", "Ah2", "Dest01: Ah", "base=1", true},
    {96, "Dest01", "6h", "Dest01: 5h", "dir=1", true},
    {96, "Dest01", "6s", "Dest01: 5h", "dir=1", false},
    // 125: in suit by the ordinary rule, up to 13 cards.
    {125, "Dest01", "3h", "Dest01: Ah 2h", "dir=1", true},
    {125, "Dest01", "Ah2", "Dest01: 3h*12 Kh", "dir=1", false},
    {125, "Dest01", "6s", "Dest01: 5h", "dir=1", false},
    {125, "Dest01", "Ah", "", "base=1", true},
    // 127: two rounds of one suit, 26 cards at most.
    {127, "Dest01", "Ah", "Dest02: Ac", "", true},
    {127, "Dest01", "Ah2", "Dest02: Ah", "", false},
    {127, "Dest01", "Ah2", "Dest01: Kh", "", true},
    {127, "Dest01", "6h", "Dest01: 5h", "", true},
    {127, "Dest01", "6s", "Dest01: 5h", "", false},
    {127, "Dest01", "6h", "Dest01: 2h*25 5h", "", false},
    {127, "Dest01", "6h", "Dest01: 2h*24 5h", "", true},
    // 120: an empty foundation k takes the king of the suit foundation k - 8
    // was started with.
    {120, "Dest09", "Kh", "Dest01: Ah", "", true},
    {120, "Dest09", "Ks", "Dest01: Ah", "", false},
    {120, "Dest09", "Kh", "", "", false},
    {120, "Dest09", "Kh", "Dest09: Qh | Dest01: Ah", "", false},
    {120, "Dest02", "Kh", "Dest01: Ah", "", false},
};

TEST(SpecialRules, OtherFoundations) {
  ExpectVerdicts(kOtherFoundations);
  EXPECT_THAT(CodesMissingAVerdict(kOtherFoundations), IsEmpty());
}

const RuleCase kPartners[] = {
    // 49 (as 46) and 50 (as 47): an empty foundation k needs cards on
    // tableau pile k (49) or k - 8 (50).
    {49, "Dest01", "5h", "Fila01: 9c", "base=5", true},
    {49, "Dest01", "5h", "", "base=5", false},
    {49, "Dest01", "6c", "Dest01: 5h", "", true},
    {49, "Dest01", "Qc", "Dest01: Jh", "", false},
    {50, "Dest09", "Kh", "Fila01: 9c", "base=13", true},
    {50, "Dest09", "Kh", "", "base=13", false},
    {50, "Dest01", "Kh", "Fila01: 9c", "base=13", false},
    {50, "Dest09", "4c", "Dest09: 5h", "", true},
    // 51, 52: the same, and M has the suit of that pile's bottom card.
    {51, "Dest01", "5h", "Fila01: 9h 2c", "base=5", true},
    {51, "Dest01", "5s", "Fila01: 9h 2c", "base=5", false},
    {51, "Dest01", "6h", "Dest01: 5h | Fila01: 9h", "", true},
    {51, "Dest01", "6h", "Dest01: 5h | Fila01: 9c", "", false},
    {52, "Dest09", "4h", "Dest09: 5h | Fila01: 9h", "", true},
    {52, "Dest09", "4h", "Dest09: 5h | Fila01: 9s", "", false},
    {52, "Dest09", "Kh", "Fila01: 2h", "base=13", true},
    {52, "Dest09", "Qh", "Fila01: 2h", "base=13", false},
};

TEST(SpecialRules, PartnerPiles) {
  ExpectVerdicts(kPartners);
  EXPECT_THAT(CodesMissingAVerdict(kPartners), IsEmpty());
}

const RuleCase kDealState[] = {
    // 123: every card has the first base's rank; colours alternate, and an
    // empty pile takes the suit the deal remembered (2 = clubs).
    {123, "Dest01", "7c", "", "base=7 suit=2", true},
    {123, "Dest01", "7h", "", "base=7 suit=2", false},
    {123, "Dest01", "8c", "", "base=7 suit=2", false},
    {123, "Dest01", "7c", "Dest01: 7h", "base=7", true},
    {123, "Dest01", "7d", "Dest01: 7h", "base=7", false},
    {123, "Fila01", "7s", "Fila01: 7h", "first=7", true},
    // A game whose deal remembered no suit opens with any suit.
    {123, "Dest01", "7d", "", "base=7", true},
    // 124: foundation 4 collects its base rank, which no other foundation
    // takes; the others run in suit by their direction, round the ends, and
    // open with their base in a suit new to their side.
    {124, "Dest05", "7h", "", "59=7", true},
    {124, "Dest05", "7h", "Dest05: 7d", "59=7", true},
    {124, "Dest05", "8h", "", "59=7", false},
    {124, "Dest01", "7h", "Dest01: 6h", "59=7 dir=1", false},
    {124, "Dest01", "6h", "Dest01: 5h", "59=7 dir=1", true},
    {124, "Dest01", "Ah", "Dest01: Kh", "59=7 dir=1", true},
    {124, "Dest01", "4h", "Dest01: 5h", "59=7 dir=0", true},
    {124, "Dest01", "4h", "Dest01: 5h", "59=7 dir=1", false},
    {124, "Dest01", "6s", "Dest01: 5h", "59=7 dir=1", false},
    {124, "Dest01", "8h", "Dest02: 8d", "59=7 base=8", true},
    {124, "Dest01", "8h2", "Dest02: 8h", "59=7 base=8", false},
    {124, "Dest06", "6h", "Dest01: 8h", "59=7 base=6", true},
    {124, "Dest06", "6h2", "Dest07: 6h", "59=7 base=6", false},
    // 63: during the first deal the left piles feed foundations 0-3 and the
    // right piles foundations 4 and up; then in suit by the ordinary rule.
    {63, "Dest05", "Ah", "Fila01: Ah", "base=1 deal=1", false},
    {63, "Dest05", "Ah", "Fila01: Ah", "base=1 deal=2", true},
    {63, "Dest01", "Ah", "Fila07: Ah", "base=1 deal=1", false},
    {63, "Dest05", "Ah", "Fila09: Ah", "base=1 deal=1", true},
    {63, "Dest01", "2h", "Dest01: Ah | Fila02: 2h", "dir=1 deal=1", true},
    {63, "Dest01", "2s", "Dest01: Ah | Fila02: 2s", "dir=1 deal=1", false},
};

TEST(SpecialRules, DealState) {
  ExpectVerdicts(kDealState);
  EXPECT_THAT(CodesMissingAVerdict(kDealState), IsEmpty());
}

}  // namespace
}  // namespace orv::test
