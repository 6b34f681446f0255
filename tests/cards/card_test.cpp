#include "cards/card.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(CardAttributes, FollowFromTheCardNumber) {
  struct Case { int n; int rank; int suit; bool red; bool court; bool joker; int face; };
  const Case cases[] = {
      {1, 1, 0, true, false, false, 0},      // hearts Ace
      {11, 11, 0, true, true, false, 10},    // hearts Jack
      {13, 13, 0, true, true, false, 12},    // hearts King
      {14, 1, 1, true, false, false, 13},    // diamonds Ace
      {26, 13, 1, true, true, false, 25},    // diamonds King, last red card
      {27, 1, 2, false, false, false, 26},   // clubs Ace
      {50, 11, 3, false, true, false, 49},   // spades Jack
      {52, 13, 3, false, true, false, 51},   // spades King
      {53, 1, 0, true, false, false, 0},     // second deck: hearts Ace again
      {104, 13, 3, false, true, false, 51},
      {105, 1, 0, true, false, false, 0},
      {157, 1, 0, true, false, false, 0},
      {208, 13, 3, false, true, false, 51},  // fourth deck's spades King
      {209, 100, -1, false, false, true, 52},
      {212, 100, -1, false, false, true, 52},
      {0, 0, -1, false, false, false, -1},   // the gap code is no card
      {-4, -4, -1, false, false, false, -1},
      {213, 0, -1, false, false, false, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(CardRank(c.n), c.rank);
    EXPECT_EQ(CardSuit(c.n), c.suit);
    EXPECT_EQ(IsRedCard(c.n), c.red);
    EXPECT_EQ(IsCourtCard(c.n), c.court);
    EXPECT_EQ(IsJoker(c.n), c.joker);
    EXPECT_EQ(CardFaceIndex(c.n), c.face);
  }
}

TEST(CardAttributes, RankLabelsAndNeighbours) {
  struct Case { int rank; const char* label; int next; int prev; };
  const Case cases[] = {
      {0, "", 1, -1},    {1, "A", 2, 13},  {2, "2", 3, 1},     {10, "10", 11, 9},
      {11, "J", 12, 10}, {12, "Q", 13, 11}, {13, "K", 1, 12}, {100, "100", 101, 99},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RankLabel(c.rank), c.label) << c.rank;
    EXPECT_EQ(NextRank(c.rank), c.next) << c.rank;
    EXPECT_EQ(PrevRank(c.rank), c.prev) << c.rank;
  }
}

TEST(CardCodes, ReadWholeCodesOnly) {
  EXPECT_EQ(CardCode(7), "007");
  EXPECT_EQ(CardCode(212), "212");
  EXPECT_EQ(CardCode(0), kGapCode);
  struct Case { const char* pile; size_t pos; int card; };
  const Case cases[] = {
      {"012045", 1, 12}, {"012045", 4, 45}, {"012045", 7, 0},  // past the end
      {"01204", 4, 0},                                          // a trailing part is no code
      {"0a2045", 1, 0},                                         // damaged code reads as a gap
      {"-05", 1, -5},    {"012", 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CardAt(c.pile, c.pos), c.card) << c.pile << " at " << c.pos;
  EXPECT_EQ(CodeCount("01204"), 1u);
}

TEST(CardDescriptors, LinesAsBuilt) {
  const CardDescriptors cards;
  struct Case { int n; const char* line; };
  const Case cases[] = {
      {1, "CUORI_A        10011"},  {2, "CUORI_02       10021"},  {10, "CUORI_10       10101"},
      {23, "QUADR_10       20231"}, {39, "FIORI_K        30391"}, {49, "PICCH_10       40491"},
      {53, "CUORI_A        10531"}, {208, "PICCH_K        42081"}, {209, "JOKER          42091"},
      {212, "JOKER          42121"},
  };
  for (const auto& c : cases) EXPECT_EQ(cards.Line(c.n), c.line) << c.n;
  for (int n = 1; n <= kCardCount; ++n) {
    ASSERT_EQ(cards.Line(n).size(), 20u) << n;
    EXPECT_FALSE(cards.IsFaceDown(n)) << n;
  }
  EXPECT_EQ(cards.Line(0), "");
  EXPECT_EQ(cards.Line(213), "");
}

TEST(CardDescriptors, OnlyTheFaceFlagChanges) {
  CardDescriptors cards;
  cards.SetFaceFlag(23, "0");
  EXPECT_EQ(cards.Line(23), "QUADR_10       20230");
  EXPECT_TRUE(cards.IsFaceDown(23));
  cards.SetFaceFlag(23, "");  // no flag given: unchanged
  EXPECT_TRUE(cards.IsFaceDown(23));
  cards.SetFaceFlag(23, "x");  // anything but "0" is face up
  EXPECT_EQ(cards.Line(23), "QUADR_10       2023x");
  EXPECT_FALSE(cards.IsFaceDown(23));
  cards.SetFaceFlag(23, "01");  // the line keeps its 20 characters
  EXPECT_EQ(cards.Line(23), "QUADR_10       20230");

  cards.SetFaceFlag(0, "1");  // no card: nothing to change, nothing to break
  cards.SetFaceFlag(213, "1");
  for (int n : {0, -1, 213}) EXPECT_TRUE(cards.IsFaceDown(n)) << n;
}

}  // namespace
}  // namespace orv
