// The win test of every game family, and the target total of family 58.
#include <gtest/gtest.h>

#include <string>

#include "records/score.h"
#include "records/win.h"
#include "records_fixture.h"

namespace orv {
namespace {

using test::CardRun;
using test::ParamList;
using test::SamePiles;

class WinTest : public test::RecordsTest {};

TEST_F(WinTest, EveryFamilyByItsOwnTest) {
  struct Case {
    int family;
    const char* what;
    ParamList params;
    std::string board;
    const char* score;  // the stored score
    bool won;
  };
  const std::string kqj = SamePiles("Fila", 1, 4, "13 12 11");
  const Case cases[] = {
      // The general test: the foundations and the second waste do not matter.
      {0, "cleared", {}, "Dest01: 1 2 3\nMazzo_Waste: 5", "0", true},
      {0, "a card in the stock", {}, "Mazzo: 5", "0", false},
      {0, "a card in the waste", {}, "Mazzo_Vis: 5", "0", false},
      {0, "the tableau cleared while a reserve keeps a card", {}, "Appogg01: 5\nDest01: 1 2", "0", false},
      {0, "a reserve out of play", {}, "Appogg02: 5", "0", true},
      {0, "a tableau pile out of play", {}, "Fila05: 5", "0", true},
      {0, "a gap code is no empty pile", {}, "Fila01: 0", "0", false},
      {-1, "families below 1 take the general test", {}, "Fila02: 3", "0", false},
      {4, "gaps left in their places", {}, "Fila01: 0 0\nFila02: 0", "0", true},
      {4, "a card among the gaps", {}, "Fila01: 0 5", "0", false},
      {67, "gaps left in their places", {}, "Fila03: 0", "0", true},
      {67, "a card in the stock", {}, "Fila03: 0\nMazzo: 4", "0", false},
      // Every pile filled.
      {9, "a card on every pile", {}, "Fila01: 1\nFila02: 2\nFila03: 3\nFila04: 4 5", "0", true},
      {59, "an empty pile", {}, "Fila01: 1\nFila02: 2\nFila03: 3", "0", false},
      {77, "a card on every pile", {}, SamePiles("Fila", 1, 4, "7"), "0", true},
      {21, "four cards on pile 1", {}, "Fila01: 1 2 3 4\nFila02: 5 6 7 8 9\nMazzo_Vis: 10", "0", true},
      {22, "five cards on pile 1", {}, "Fila01: 1 2 3 4 5", "0", false},
      {70, "a card in the stock", {}, "Fila01: 1\nMazzo: 9", "0", false},
      {27, "one card each", {}, SamePiles("Fila", 1, 4, "9"), "0", true},
      {27, "a card in the waste", {}, SamePiles("Fila", 1, 4, "9") + "Mazzo_Vis: 8", "0", false},
      {31, "an ace each", {}, "Fila01: 1\nFila02: 14\nFila03: 27\nFila04: 40", "0", true},
      {31, "a two among the aces", {}, "Fila01: 1\nFila02: 14\nFila03: 27\nFila04: 41", "0", false},
      {31, "an ace on an ace", {}, "Fila01: 1\nFila02: 14\nFila03: 27\nFila04: 40 53", "0", false},
      {32, "rows in order", {}, "Fila01: 2 3 4 0\nFila02: 15 16 17 0\nFila03: 28 29 0\nFila04: 41 0", "0", true},
      {32, "a break in a row", {}, "Fila01: 2 3 4 0\nFila02: 15 16 17 0\nFila03: 28 29 0\nFila04: 41 43 0", "0",
       false},
      {32, "a row in another suit", {}, "Fila01: 2 16 0\nFila02: 15 0\nFila03: 28 0\nFila04: 41 0", "0", false},
      // By the score.
      {34, "score above the target", {{P::TargetScore, 150}}, "Fila01: 5", "200", true},
      {36, "score below the target", {{P::TargetScore, 150}}, "", "100", false},
      {47, "score at the target", {{P::TargetScore, 150}}, "", "150", true},
      {41, "foundations 2 on empty", {}, "Dest01: 1 2\nDest05: 3", "0", true},
      {41, "a card on foundation 3", {}, "Dest01: 1 2\nDest03: 3", "0", false},
      {43, "nine down to ace", {}, "Fila02: 9 8 7 6 5 4 3 2 40\nMazzo: 1", "0", true},
      {43, "nine down to two", {}, "Fila02: 9 8 7 6 5 4 3 2", "0", false},
      {44, "never by the test", {}, "", "0", false},
      {46, "never by the test", {}, "", "0", false},
      {48, "never by the test", {}, "", "0", false},
      {45, "four piles hold cards", {{P::TableauCount, 5}}, SamePiles("Fila", 2, 4, "3"), "0", true},
      {45, "five piles hold cards", {{P::TableauCount, 5}}, SamePiles("Fila", 1, 5, "3"), "0", false},
      {49, "four cards on piles 1-24", {{P::TableauCount, 24}}, SamePiles("Fila", 1, 24, "1 2 3 4"), "0", true},
      {63, "three cards on pile 24", {{P::TableauCount, 24}},
       SamePiles("Fila", 1, 23, "1 2 3 4") + "Fila24: 1 2 3", "0", false},
      {52, "eight cards in reserve 1", {}, "Appogg01: " + CardRun(1, 8), "0", true},
      {52, "seven cards in reserve 1", {}, "Appogg01: " + CardRun(1, 7), "0", false},
      {52, "a card left on the tableau", {}, "Appogg01: " + CardRun(1, 8) + "\nFila04: 9", "0", false},
      {55, "the stock empty", {}, "Fila01: 1\nMazzo_Vis: 2", "0", true},
      {55, "a card in the stock", {}, "Mazzo: 3", "0", false},
      {62, "stock and piles 1-9 empty", {{P::TableauCount, 12}}, "Fila10: 1\nMazzo_Vis: 2", "0", true},
      {62, "a card on pile 9", {{P::TableauCount, 12}}, "Fila09: 1", "0", false},
      {64, "stock and piles 1-3 empty", {}, "Fila04: 1\nMazzo_Vis: 2", "0", true},
      {64, "a card on pile 3", {}, "Fila03: 1", "0", false},
      {65, "stock and waste empty", {}, "Fila01: 1", "0", true},
      {65, "a card in the waste", {}, "Mazzo_Vis: 1", "0", false},
      {72, "five cards each", {}, SamePiles("Fila", 1, 4, "1 2 3 4 5"), "0", true},
      {72, "six on one pile", {}, SamePiles("Fila", 1, 3, "1 2 3 4 5") + "Fila04: 1 2 3 4 5 6", "0", false},
      {73, "King, Queen, Jack on every pile", {{P::FoundationCount, 2}},
       "Dest01: " + CardRun(1, 10) + "\nDest02: " + CardRun(14, 23) + "\n" + kqj, "0", true},
      {73, "nine on a foundation", {{P::FoundationCount, 2}},
       "Dest01: " + CardRun(1, 10) + "\nDest02: " + CardRun(14, 22) + "\n" + kqj, "0", false},
      {73, "Queen under the King", {{P::FoundationCount, 2}},
       "Dest01: " + CardRun(1, 10) + "\nDest02: " + CardRun(14, 23) + "\n" + SamePiles("Fila", 1, 4, "12 13 11"),
       "0", false},
      // Columns of the thirty game: 10H 10D 9C AH; a gap above KH KD 4S.
      {74, "every column thirty or gaps", {}, "Fila01: 10 0\nFila02: 23 13\nFila03: 35 26\nFila04: 1 43", "0", true},
      {74, "a column of 29", {}, "Fila01: 10 0\nFila02: 23 13\nFila03: 35 26\nFila04: 1 42", "0", false},
      {74, "a gap below three cards", {}, "Fila01: 10 13\nFila02: 23 26\nFila03: 35 4\nFila04: 1 0", "0", false},
  };
  for (const auto& c : cases) {
    Game(c.family, c.params);
    Board(c.board);
    e.session.Put(sr::Score, c.score);
    EXPECT_EQ(IsWon(e), c.won) << c.family << " " << c.what;
  }
}

TEST_F(WinTest, RowSumsMeetTheDealsTargets) {
  // Rows of four single cards adding up to 10, 20, 30 and 40.
  const std::string rows = "Fila01: 1\nFila02: 2\nFila03: 3\nFila04: 4\nFila05: 5\nFila06: 6\nFila07: 17\n"
                           "Fila08: 18\nFila09: 7\nFila10: 8\nFila11: 20\nFila12: 21\nFila13: 39\nFila14: 52\n"
                           "Fila15: 12\nFila16: 41\n";
  struct Case {
    const char* what;
    std::string board;
    std::array<std::int16_t, 4> targets;
    bool won;
  };
  const Case cases[] = {
      {"all four met", rows, {10, 20, 30, 40}, true},
      {"one row short", rows, {10, 20, 30, 39}, false},
      {"two cards on a pile", rows + "Fila16: 41 1", {10, 20, 30, 40}, false},
  };
  for (const auto& c : cases) {
    Game(57, {{P::TableauCount, 16}});
    Board(c.board);
    e.main.targetTotals = c.targets;
    EXPECT_EQ(IsWon(e), c.won) << c.what;
    UpdateScore(e);
    EXPECT_EQ(StoredScore(e), c.won ? 48 : -52) << c.what;
  }
}

TEST_F(WinTest, FiveFoundationsMeetTheTargetOfTheDealNumber) {
  // "1234567890123" asks for 28: 3H 5D 8C 10S 2H.
  struct Case {
    const char* what;
    const char* dealNumber;
    const char* board;
    bool won;
  };
  const Case cases[] = {
      {"met", "1234567890123", "Dest01: 3\nDest02: 18\nDest03: 34\nDest04: 49\nDest05: 2", true},
      {"another deal", "0000000000000", "Dest01: 3\nDest02: 18\nDest03: 34\nDest04: 49\nDest05: 2", false},
      {"two cards on one foundation", "1234567890123", "Dest01: 3\nDest02: 18\nDest03: 34\nDest04: 49 1\nDest05: 1",
       false},
      // 28 from four cards is not the target met: all five are needed.
      {"foundation 5 empty", "1234567890123", "Dest01: 13\nDest02: 26\nDest03: 1\nDest04: 14", false},
  };
  for (const auto& c : cases) {
    Game(58, {{P::FoundationCount, 5}});
    Board(c.board);
    e.session.Put(sr::DealNumber, c.dealNumber);
    EXPECT_EQ(IsWon(e), c.won) << c.what;
    UpdateScore(e);
    EXPECT_EQ(StoredScore(e), c.won ? 23 : -52) << c.what;
  }
}

TEST(TargetTotal, DigitsThreeFiveEightTenAndTwelve) {
  const std::pair<const char*, int> cases[] = {
      {"1234567890123", 3 + 5 + 8 + 10 + 2},
      // Every digit 0: each later one moves on past those taken.
      {"0000000000000", 10 + 1 + 2 + 3 + 4},
      // 5 5 0 0 0: 5, 6, 0, 1, 2.
      {"0050505050505", 5 + 6 + 10 + 1 + 2},
      // Five nines: 9 wraps to 0.
      {"0090900909090", 9 + 10 + 1 + 2 + 3},
      // Short numbers are the deal's own reading: zeros in front.
      {"71", 10 + 1 + 2 + 3 + 7},
      {"", 10 + 1 + 2 + 3 + 4},
      // Blanks around, or more than 13 characters: the last 13 count.
      {" 1234567890123 ", 28},
      {"991234567890123", 28},
      // A character that is no digit reads as 0.
      {"12a4567890123", 10 + 5 + 8 + 1 + 2},
  };
  for (const auto& [number, total] : cases) EXPECT_EQ(TargetTotalOfDeal(number), total) << '"' << number << '"';
}

}  // namespace
}  // namespace orv
