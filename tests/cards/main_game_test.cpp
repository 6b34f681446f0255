#include "cards/main_game.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(CardSize, FollowsTheSizeLetter) {
  struct Case { const char* letter; int width; int height; };
  const Case cases[] = {
      {"X", 102, 138}, {"S", 85, 115}, {"B", 71, 96}, {"M", 59, 80}, {"L", 25, 32},
      {"", 71, 96},    {"x", 71, 96},  {"Q", 71, 96},
  };
  for (const auto& c : cases) {
    TMainGame game;
    game.cardWidth = game.cardHeight = 1;
    game.SetCardSize(c.letter);
    EXPECT_EQ(game.cardWidth, c.width) << c.letter;
    EXPECT_EQ(game.cardHeight, c.height) << c.letter;
  }
}

TEST(SetCardSteps, FollowPileKindsAndSizeLetter) {
  struct Kinds { int tableau, foundation, reserve, mixed; };
  struct Steps { int upY, downY, upX, downX, loose, specialX, specialY; };
  struct Case { const char* letter; Kinds kinds; Steps steps; };
  constexpr int kOld = 99;  // what an unknown letter leaves in place
  const Case cases[] = {
      // Vertical fans.
      {"X", {1, 0, 0, 0}, {24, 6, 0, 0, kOld, 12, 8}},
      {"S", {1, 0, 0, 0}, {21, 5, 0, 0, kOld, 12, 8}},
      {"B", {1, 0, 0, 0}, {18, 4, 0, 0, kOld, 12, 8}},
      {"M", {7, 0, 0, 0}, {14, 4, 0, 0, kOld, 8, 6}},
      {"L", {12, 0, 0, 0}, {7, 7, 0, 0, kOld, 4, 3}},   // 2.5 x 3 truncated
      {"S", {12, 0, 0, 0}, {52, 12, 0, 0, kOld, 12, 8}},
      {"X", {12, 0, 0, 0}, {60, 15, 0, 0, kOld, 12, 8}},
      {"B", {0, 0, 13, 0}, {36, 8, 0, 0, kOld, 12, 8}},  // reserve kind 13 doubles
      {"B", {12, 0, 13, 0}, {45, 10, 0, 0, kOld, 12, 8}},  // kind 12 wins over 13
      {"B", {0, 0, 1, 0}, {18, 4, 0, 0, kOld, 12, 8}},
      {"B", {13, 0, 0, 0}, {0, 0, 0, 0, kOld, 12, 8}},   // tableau 13 alone sets none
      {"Q", {1, 0, 0, 0}, {0, 4, 0, 0, kOld, kOld, kOld}},
      // Horizontal fans.
      {"X", {2, 0, 0, 0}, {0, 0, 16, 4, kOld, 12, 8}},
      {"S", {11, 0, 0, 1}, {0, 0, 14, 4, kOld, 12, 8}},
      {"M", {0, 0, 2, 0}, {0, 0, 10, 4, kOld, 8, 6}},
      {"L", {0, 2, 0, 0}, {0, 0, 3, 3, kOld, 4, 3}},
      {"B", {0, 0, 0, 2}, {0, 0, 12, 4, kOld, 12, 8}},  // any nonzero mixed value
      {"Q", {2, 0, 0, 0}, {0, 0, 0, 4, kOld, kOld, kOld}},
      // Loose fans.
      {"B", {6, 0, 0, 0}, {0, 0, 0, 0, 7, 12, 8}},
      {"M", {6, 0, 0, 0}, {0, 0, 0, 0, 5, 8, 6}},
      {"L", {6, 0, 0, 0}, {0, 0, 0, 0, 3, 4, 3}},
      {"Q", {6, 0, 0, 0}, {0, 0, 0, 0, kOld, kOld, kOld}},
      // Both fans at once.
      {"X", {1, 0, 2, 0}, {24, 6, 16, 4, kOld, 12, 8}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.letter << " kinds " << c.kinds.tableau << '/' << c.kinds.foundation << '/'
                                      << c.kinds.reserve << " mixed " << c.kinds.mixed);
    GameParameters params;
    params.Set(P::TableauKind, c.kinds.tableau);
    params.Set(P::FoundationKind, c.kinds.foundation);
    params.Set(P::ReserveKind, c.kinds.reserve);
    params.Set(P::MixedTableauKinds, c.kinds.mixed);
    TMainGame game;
    game.faceUpStepY = game.faceDownStepY = game.faceUpStepX = game.faceDownStepX = kOld;
    game.reserveStepY = game.secondReserveStepY = game.sideGapX = kOld;
    game.looseStepX = game.looseStepX2 = game.specialStepX = game.specialStepY = kOld;

    SetCardSteps(game, params, c.letter);

    EXPECT_EQ(game.faceUpStepY, c.steps.upY);
    EXPECT_EQ(game.faceDownStepY, c.steps.downY);
    EXPECT_EQ(game.faceUpStepX, c.steps.upX);
    EXPECT_EQ(game.faceDownStepX, c.steps.downX);
    EXPECT_EQ(game.looseStepX, c.steps.loose);
    EXPECT_EQ(game.looseStepX2, c.steps.loose);
    EXPECT_EQ(game.specialStepX, c.steps.specialX);
    EXPECT_EQ(game.specialStepY, c.steps.specialY);
    EXPECT_EQ(game.reserveStepY, 3);
    EXPECT_EQ(game.secondReserveStepY, 3);
    EXPECT_EQ(game.sideGapX, 6);
  }
}

TEST(JitterRow, FollowsTheDrawRules) {
  struct Case { std::array<int, 13> draws; std::array<std::int16_t, 13> row; };
  const Case cases[] = {
      // Repeated 3s become 0; 1 and 2 after a small draw become 0; a run of
      // back steps past -2 is turned into a step forward.
      {{3, 3, 1, 2, 3, 0, 3, 3, 1, 0, 2, 3, 3}, {0, 0, 0, 0, -1, 0, -1, 0, 0, 0, 0, 1, 0}},
      // Forward steps after back steps; past +2 the step is cut by 2.
      {{0, 3, 2, 3, 1, 3, 2, 3, 2, 3, 1, 0, 0}, {0, -1, 2, -1, 1, -1, 2, -1, 0, -1, 1, 0, 0}},
      // The opening draw counts as the previous one for column 1.
      {{3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {{2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(JitterRow(c.draws), c.row);
}

TEST(BuildJitterTable, RowsStayNearTheirColumn) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    TMainGame game;
    BuildJitterTable(game, rng);
    for (size_t r = 1; r <= 7; ++r) {
      ASSERT_EQ(game.jitter[r][0], 0) << "seed " << seed << " row " << r;
      int sum = 0;
      for (size_t col = 1; col < 13; ++col) {
        const int d = game.jitter[r][col];
        ASSERT_TRUE(d >= -1 && d <= 2) << "seed " << seed << " row " << r << " col " << col << ": " << d;
        sum += d;
        ASSERT_TRUE(sum >= -2 && sum <= 2) << "seed " << seed << " row " << r << " col " << col << ": " << sum;
      }
    }
  }
}

TEST(BuildJitterTable, SameSeedSameTable) {
  std::mt19937 a(2003), b(2003), c(2004);
  TMainGame first, second, other;
  BuildJitterTable(first, a);
  BuildJitterTable(second, b);
  BuildJitterTable(other, c);
  EXPECT_EQ(first.jitter, second.jitter);
  EXPECT_NE(first.jitter, other.jitter);
  // A new game draws a new table from the same generator.
  BuildJitterTable(second, b);
  EXPECT_NE(first.jitter, second.jitter);
}

TEST(HiddenPiles, OnlyBelowMinus9999) {
  EXPECT_TRUE(IsHiddenX(kHiddenPileX));
  EXPECT_TRUE(IsHiddenX(-10003));
  EXPECT_FALSE(IsHiddenX(-9999));
  EXPECT_FALSE(IsHiddenX(0));
}

}  // namespace
}  // namespace orv
