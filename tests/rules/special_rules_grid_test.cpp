// Special building rules of grids, covering piles and half-rows, and the
// rarer codes whose rules are this program's own choice.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "special_rules_fixture.h"

namespace orv::test {
namespace {

using ::testing::IsEmpty;

const RuleCase kGrids[] = {
    // 70: onto an empty pile from a grid neighbour (grid width parameter 30).
    {70, "Fila05", "9c", "Fila02: 9c", "30=3", true},
    {70, "Fila05", "9c", "Fila04: 9c", "30=3", true},
    {70, "Fila05", "9c", "Fila01: 9c", "30=3", false},
    {70, "Fila04", "9c", "Fila03: 9c", "30=3", false},  // row ends are not neighbours
    {70, "Fila05", "9c", "Fila05: Th | Fila02: 9c", "30=3", false},
    {70, "Fila05", "9c", "Mazzo_Vis: 9c", "30=3", false},
    {70, "Fila05", "9c", "Fila02: 9c", "30=0", false},
    // 71: onto an empty pile, jumping over an occupied pile in a row or column.
    {71, "Fila01", "9c", "Fila03: 9c | Fila02: 2h", "30=3", true},
    {71, "Fila01", "9c", "Fila03: 9c", "30=3", false},
    {71, "Fila01", "9c", "Fila07: 9c | Fila04: 2h", "30=3", true},
    {71, "Fila01", "9c", "Fila09: 9c | Fila05: 2h", "30=3", false},
    {71, "Fila05", "9c", "Fila03: 9c | Fila04: 2h", "30=3", false},  // across a row end
    {71, "Fila01", "9c", "Fila01: Th | Fila03: 9c | Fila02: 2h", "30=3", false},
    // 116: from a neighbour in a grid of width 3; one up or down round the ends.
    {116, "Fila05", "6s", "Fila05: 5h | Fila02: 6s", "", true},
    {116, "Fila05", "6s", "Fila05: 5h | Fila01: 6s", "", false},
    {116, "Fila05", "6s", "Fila05: 5h | Mazzo_Vis: 6s", "", false},
    {116, "Fila05", "9c", "Fila06: 9c", "", true},
    {116, "Fila05", "As", "Fila05: Kh | Fila04: As", "", true},
    {116, "Fila05", "7s", "Fila05: 5h | Fila02: 7s", "", false},
    // 117: the middle row (piles 3-5) covers the rows above and below it.
    {117, "Dest01", "Ah", "Fila01: Ah | Fila04: 2c", "", false},
    {117, "Dest01", "Ah", "Fila01: Ah", "", true},
    {117, "Dest01", "Ah", "Fila07: Ah | Fila04: 2c", "", false},
    {117, "Dest01", "Ah", "Fila05: Ah | Fila04: 2c", "", true},
    {117, "Dest01", "Ah", "Fila10: Ah | Fila04: 2c", "", true},
    {117, "Dest01", "As", "Dest01: Kh | Fila09: As | Fila04: 2c", "", true},
    {117, "Dest01", "7h", "Dest01: 5h", "", false},
    {117, "Dest01", "2h", "", "", false},
};

TEST(SpecialRules, Grids) {
  ExpectVerdicts(kGrids);
  EXPECT_THAT(CodesMissingAVerdict(kGrids), IsEmpty());
}

const RuleCase kHalfRows[] = {
    // 101: the card must be free at the outer end of its half-row, and so
    // must a tableau pile it goes on; in suit one up or down round the ends.
    {101, "Fila10", "5h", "Fila01: 5h | Fila10: 6h", "", true},
    {101, "Fila10", "Kh", "Fila01: Kh | Fila10: Ah2", "", true},
    {101, "Fila10", "5h", "Fila01: 2c | Fila02: 5h | Fila10: 6h", "", false},
    {101, "Fila09", "5h", "Fila01: 5h | Fila09: 6h | Fila10: 2c", "", false},
    {101, "Fila10", "5s", "Fila01: 5s | Fila10: 6h", "", false},
    // Empty piles: only piles 4 and 5 of a row, with their half-row empty.
    {101, "Fila05", "9c", "Mazzo_Vis: 9c", "", true},
    {101, "Fila05", "9c", "Fila02: 2c | Mazzo_Vis: 9c", "", false},
    {101, "Fila06", "9c", "Mazzo_Vis: 9c", "", true},
    {101, "Fila16", "9c", "Fila18: 2c | Mazzo_Vis: 9c", "", false},
    {101, "Fila03", "9c", "Mazzo_Vis: 9c", "", false},
    // A foundation is in no half-row: only the card must be free.
    {101, "Dest01", "6h", "Dest01: 5h | Mazzo_Vis: 6h", "", true},
    {101, "Dest01", "Ah", "Mazzo_Vis: Ah", "base=1", true},
    // 102: free card, same suit; the last foundation with two cards sets
    // the direction (ace then king: down; king then ace: up), else either way.
    {102, "Dest01", "6h", "Dest01: 5h | Mazzo_Vis: 6h", "", true},
    {102, "Dest01", "4h", "Dest01: 5h | Mazzo_Vis: 4h", "", true},
    {102, "Dest01", "6s", "Dest01: 5h | Mazzo_Vis: 6s", "", false},
    {102, "Dest01", "4h", "Dest01: 5h | Dest02: Ac Kc | Mazzo_Vis: 4h", "", true},
    {102, "Dest01", "6h", "Dest01: 5h | Dest02: Ac Kc | Mazzo_Vis: 6h", "", false},
    {102, "Dest01", "Kh2", "Dest01: Ah | Dest02: Ac Kc | Mazzo_Vis: Kh2", "", true},
    {102, "Dest01", "Ah2", "Dest01: Kh | Dest02: Kc Ac | Mazzo_Vis: Ah2", "", true},
    {102, "Dest01", "4h", "Dest01: 5h | Dest02: Kc Ac | Mazzo_Vis: 4h", "", false},
    {102, "Dest01", "6h", "Dest01: 5h | Dest02: 5d 4d | Dest03: 4c 5c | Mazzo_Vis: 6h", "", true},
    {102, "Dest01", "4h", "Dest01: 5h | Dest02: 5d 4d | Dest03: 4c 5c | Mazzo_Vis: 4h", "", false},
    {102, "Dest01", "6h", "Dest01: 5h | Fila01: 2c | Fila02: 6h", "", false},
};

TEST(SpecialRules, HalfRows) {
  ExpectVerdicts(kHalfRows);
  EXPECT_THAT(CodesMissingAVerdict(kHalfRows), IsEmpty());
}

// The rarer codes, with rules of this program's own.
const RuleCase kOwnRules[] = {
    // 40: a card of the kept target rank (0 = king); any card while stock
    // and waste hold exactly one card between them.
    {40, "Dest01", "5s", "Dest01: Kh", "target=5", true},
    {40, "Dest01", "6s", "Dest01: Kh", "target=5", false},
    {40, "Dest01", "Ks", "", "target=0", true},
    {40, "Dest01", "6s", "Mazzo: 2c", "", true},
    {40, "Dest01", "6s", "Mazzo_Vis: 2c", "", true},
    {40, "Dest01", "6s", "Mazzo: 2c | Mazzo_Vis: 3c", "", false},
    {40, "Dest01", "6s", "", "", false},
    // 72: pairs: the same rank from a neighbouring grid pile, diagonals included.
    {72, "Fila06", "8s", "Fila06: 8h | Fila01: 8s", "30=4", true},
    {72, "Fila06", "8s", "Fila06: 8h | Fila02: 8s", "30=4", true},
    {72, "Fila06", "8s", "Fila06: 8h | Fila04: 8s", "30=4", false},
    {72, "Fila06", "8s", "Fila06: 8h | Fila08: 8s", "30=4", false},
    {72, "Fila06", "9s", "Fila06: 8h | Fila01: 9s", "30=4", false},
    {72, "Fila06", "8s", "Fila01: 8s", "30=4", false},
    {72, "Fila06", "8s", "Fila06: 8h | Mazzo_Vis: 8s", "30=4", false},
    // 75: two up or down in any suit round the ends; empty: the base rank.
    {75, "Dest01", "4h", "", "base=4", true},
    {75, "Dest01", "5h", "", "base=4", false},
    {75, "Dest01", "7c", "Dest01: 5h", "", true},
    {75, "Dest01", "3c", "Dest01: 5h", "", true},
    {75, "Dest01", "Ac", "Dest01: Qh", "", true},
    {75, "Dest01", "Qc", "Dest01: Ah", "", true},
    {75, "Dest01", "6c", "Dest01: 5h", "", false},
    // 91: only from the waste or a reserve; down in alternating colours.
    {91, "Fila01", "7s", "Fila01: 8h | Mazzo_Vis: 7s", "", true},
    {91, "Fila01", "7s", "Fila01: 8h | Appogg01: 7s", "", true},
    {91, "Fila01", "7s", "Fila01: 8h | Fila02: 7s", "", false},
    {91, "Fila01", "7d", "Fila01: 8h | Mazzo_Vis: 7d", "", false},
    {91, "Fila01", "Ks", "Mazzo_Vis: Ks", "base=13", true},
    {91, "Fila01", "Qs", "Mazzo_Vis: Qs", "base=13", false},
    // 93: the base in a suit new to the group of four; in suit one up or
    // down round the ends.
    {93, "Dest01", "Ah", "Dest02: Ac", "base=1", true},
    {93, "Dest01", "Ah2", "Dest02: Ah", "base=1", false},
    {93, "Dest01", "Ah2", "Dest01: Kh", "", true},
    {93, "Dest01", "4h", "Dest01: 5h", "", true},
    {93, "Dest01", "6s", "Dest01: 5h", "", false},
    // 128: foundations open left to right and take 13 cards of a suit.
    {128, "Dest01", "Ah", "", "base=1", true},
    {128, "Dest02", "Ah", "", "base=1", false},
    {128, "Dest02", "Ah", "Dest01: Ac", "base=1", true},
    {128, "Dest01", "Ah2", "Dest01: Kh", "", true},
    {128, "Dest01", "6s", "Dest01: 5h", "", false},
    {128, "Dest01", "Ah2", "Dest01: 2h*12 Kh", "", false},
    // 131: only while the waste is empty; a king opens, then down in colour.
    {131, "Fila01", "Kh", "Mazzo_Vis: 2c", "", false},
    {131, "Fila01", "Kh", "", "", true},
    {131, "Fila01", "Qh", "", "", false},
    {131, "Fila01", "7d", "Fila01: 8h", "", true},
    {131, "Fila01", "7s", "Fila01: 8h", "", false},
    {131, "Fila01", "9d", "Fila01: 8h", "", false},
    // 135: fed by the tableau pile of the same number or the waste; the
    // base opens, then up in suit with an ace on a king.
    {135, "Dest03", "Ah", "Fila03: Ah", "base=1", true},
    {135, "Dest03", "Ah", "Fila02: Ah", "base=1", false},
    {135, "Dest03", "Ah", "Mazzo_Vis: Ah", "base=1", true},
    {135, "Dest03", "6h", "Dest03: 5h | Fila03: 6h", "", true},
    {135, "Dest03", "Ah2", "Dest03: Kh | Fila03: Ah2", "", true},
    {135, "Dest03", "6s", "Dest03: 5h | Fila03: 6s", "", false},
    // 142: a king opens; down by one or two in any suit, no turning.
    {142, "Fila01", "Kh", "", "", true},
    {142, "Fila01", "Qh", "", "", false},
    {142, "Fila01", "7s", "Fila01: 8h", "", true},
    {142, "Fila01", "6c", "Fila01: 8h", "", true},
    {142, "Fila01", "As", "Fila01: 2h", "", true},
    {142, "Fila01", "5c", "Fila01: 8h", "", false},
    {142, "Fila01", "9c", "Fila01: 8h", "", false},
    {142, "Fila01", "Ks", "Fila01: Ah", "", false},
};

TEST(SpecialRules, OwnRulesOfTheRarerCodes) {
  ExpectVerdicts(kOwnRules);
  EXPECT_THAT(CodesMissingAVerdict(kOwnRules), IsEmpty());
}

// Labels are parsed strictly, so a typo in a case fails loudly instead of
// quietly testing another card.
TEST(SpecialRulesFixture, RejectsBadLabels) {
  EXPECT_EQ(CardByLabel("Ah"), 1);
  EXPECT_EQ(CardByLabel("Ks"), 52);
  EXPECT_EQ(CardByLabel("Th2"), 62);
  EXPECT_THROW(CardByLabel("1h"), std::invalid_argument);
  EXPECT_THROW(CardByLabel("Ax"), std::invalid_argument);
  EXPECT_THROW(CardByLabel("Ah5"), std::invalid_argument);
}

}  // namespace
}  // namespace orv::test
