// The score: the general formula, the family formulas, AddToScore and the
// score field itself.
#include <gtest/gtest.h>

#include <string>

#include "cards/deal.h"
#include "records/score.h"
#include "records/win.h"
#include "records_fixture.h"
#include "rules/execute.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::CardRun;
using test::ParamList;
using test::SamePiles;

class ScoreTest : public test::RecordsTest {
 protected:
  int Score(int family, const ParamList& params, std::string_view board) {
    Game(family, params);
    Board(board);
    UpdateScore(e);
    return StoredScore(e);
  }
};

TEST_F(ScoreTest, GeneralFormula) {
  struct Case {
    const char* what;
    ParamList params;
    std::string board;
    int score;
  };
  const std::string allHome = "Dest01: " + CardRun(1, 13) + "\nDest02: " + CardRun(14, 26) + "\nDest03: " +
                              CardRun(27, 39) + "\nDest04: " + CardRun(40, 52);
  const Case cases[] = {
      {"fresh deal", {}, "Fila01: 5 6\nMazzo: 7 8", -52},
      {"one card home", {}, "Dest01: 1", -47},
      {"all 52 home", {}, allHome, 208},
      {"a foundation out of play counts nothing", {}, "Dest01: 1\nDest05: 14", -47},
      {"stripped 104", {{P::DeckCards, 104}, {P::StrippedDeck, 1}}, "Dest01: 1", -59},
      {"stripped 52", {{P::StrippedDeck, 1}}, "", -32},
      {"stripped with kings", {{P::StrippedDeck, 2}}, "", -28},
      {"unknown stripping starts at 0", {{P::StrippedDeck, 3}}, "Dest01: 1", 5},
      {"score offset", {{P::ScoreOffset, 3}}, "", -37},
      {"negative score offset", {{P::ScoreOffset, -2}}, "", -62},
      {"second waste", {}, "Mazzo_Waste: 1 14", -42},
      {"jokers in the game", {{P::Jokers, 1}, {P::JokerCount, 2}}, "Dest01: 209", -57},
      // A joker count without jokers in the game deals none and costs none.
      {"joker count without jokers", {{P::JokerCount, 2}}, "", -52},
      {"a joker count beyond the four there are", {{P::Jokers, 1}, {P::JokerCount, 9}}, "", -72},
  };
  for (const auto& c : cases) EXPECT_EQ(Score(0, c.params, c.board), c.score) << c.what;
}

TEST_F(ScoreTest, GeneralFormulaOnlyUnderTheGeneralScoringSystem) {
  for (const char* system : {"02", "", "1"}) {
    Game(0);
    e.session.Put(sr::ScoringSystem, system);
    e.session.Put(sr::Score, "40");
    Board("Dest01: 1");
    UpdateScore(e);
    EXPECT_EQ(e.session.Get(sr::Score), "0") << system;
  }
  // The family formulas count whatever the system.
  Game(44);
  e.session.Put(sr::ScoringSystem, "02");
  UpdateScore(e);
  EXPECT_EQ(StoredScore(e), -52);
}

TEST_F(ScoreTest, FamilyFormulas) {
  struct Case {
    int family;
    const char* what;
    ParamList params;
    std::string board;
    int misses;
    int score;
  };
  const Case cases[] = {
      // Rows: 2H 3H 4H, gap (3 in order); 2D 3D 5D, gap (2); a row opened by
      // a 3 scores nothing; the last place is never counted.
      {32, "gap rows", {{P::ScoreOffset, 1}},
       "Fila01: 2 3 4 0\nFila02: 15 16 18 0\nFila03: 3 4 0\nFila04: 2 3", 0, -17},
      // Piles 1, 2 start with card 1 and 15 (= 2 + 13); pile 3 breaks the
      // chain, so pile 4's card 4 no longer counts.
      {34, "matched piles", {}, "Fila01: 1 9\nFila02: 15\nFila03: 5\nFila04: 4", 0, -32},
      {34, "an empty pile stops the count", {}, "Fila01: 1\nFila03: 3", 0, -42},
      {35, "second waste", {}, "Mazzo_Waste: 1 2 3", 0, -22},
      {36, "sequence and misses", {}, "Appogg01: 1 2 3", 2, -9},
      {37, "pairs and misses", {}, "Mazzo_Waste: 1 53 2 54 3", 3, -38},
      {39, "pairs and misses", {}, "Mazzo_Waste: 1 14 2 15 3", 3, -41},
      {41, "no score", {}, "Dest01: 1", 0, 0},
      {77, "no score", {}, "Dest01: 1", 0, 0},
      {43, "nine down to ace", {}, "Fila01: 9 8 7 6 5 4 3 2 1\nFila02: 22 21 20 19 18 17 16 15", 0, 173},
      {44, "minus the deck", {}, "Dest01: 1", 0, -52},
      {47, "cards left on the tableau", {}, "Fila02: 5\nMazzo_Waste: 1 14 2 15", 0, -32},
      {47, "tableau cleared", {}, "Fila05: 5\nMazzo_Waste: 1 14 2 15", 0, 208},
      {48, "foundation 2", {{P::ScoreOffset, 1}}, "Dest01: 1 2\nDest02: 14 15 16", 0, -32},
      {49, "piles 1 to 24", {{P::TableauCount, 30}}, "Fila24: 1 2\nFila25: 3 4 5", 0, -42},
      {55, "tableau in play", {}, "Fila01: 1 2\nFila05: 3\nDest01: 14", 0, -42},
      {62, "piles 1-16, foundations 1-8",
       {{P::TableauCount, 20}, {P::FoundationCount, 10}},
       "Fila16: 1\nFila17: 2\nDest08: 3\nDest09: 4", 0, -42},
      {65, "tableau and foundations in play", {}, "Fila01: 1\nFila05: 2\nDest04: 3\nDest05: 4", 0, -42},
      {70, "second waste", {{P::ScoreOffset, 1}}, "Mazzo_Waste: 1 2", 0, -37},
      {0, "a family below 1 scores by the general formula", {{P::Family, -3}}, "Dest01: 1", 0, -47},
      {99, "an unlisted family scores by the general formula", {}, "Dest01: 1", 0, -47},
  };
  for (const auto& c : cases) {
    Game(c.family, c.params);
    Board(c.board);
    e.main.missCount = c.misses;
    UpdateScore(e);
    EXPECT_EQ(StoredScore(e), c.score) << c.family << " " << c.what;
  }
}

TEST_F(ScoreTest, PanelFamiliesKeepTheirScore) {
  for (int family : {9, 59, 64}) {
    Game(family);
    e.session.Put(sr::Score, "777");
    Board("Dest01: 1");
    UpdateScore(e);
    EXPECT_EQ(StoredScore(e), 777) << family;
  }
}

TEST_F(ScoreTest, ThirtyColumnsCountOnceTheDealIsDrawn) {
  // Column 1: 10H 10D 9C AH = 30. Column 2: JD QD 7D = 30 with a gap below
  // them, which spoils it. Column 3: a gap above KH KD 4S = 30 counts. The
  // other ten columns hold only gaps.
  Game(74);
  Board("Fila01: 10 24 0\nFila02: 23 25 13\nFila03: 35 20 26\nFila04: 1 0 43");
  e.session.Put(sr::Score, "5");
  UpdateScore(e);
  EXPECT_EQ(StoredScore(e), 5) << "half-dealt";
  e.main.dealFinished = true;
  UpdateScore(e);
  EXPECT_EQ(StoredScore(e), 20 - 52 + 2 * 20);
}

TEST_F(ScoreTest, SequenceCount) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},         {"1", 1},         {"5", 0},        {"1 2 3", 3}, {"1 2 4", 2},
      {"1 3", 0},      {"5 6", 2},       {"13 1", 0},     {"40 15 29 4", 4},  // suits do not matter
      {"1 0 3", 0},    {"0 1", 0},       {"209 1", 0},
  };
  for (const auto& [pile, count] : cases) {
    CardTable table(e.params);
    test::SetPile(table, "Appogg01", pile);
    EXPECT_EQ(SequenceCount(table.piles().reserves[0]), count) << pile;
  }
}

TEST_F(ScoreTest, AddToScore) {
  struct Case {
    const char* what;
    int family;
    const char* system;
    bool recompute;
    int score;
  };
  // The stored score is 10 and one card lies on a foundation (-47 by the
  // general formula).
  const Case cases[] = {
      {"adds five a card", 0, "01", false, 20},
      {"recomputes", 0, "01", true, -47},
      {"a family formula recomputes", 44, "01", true, -52},
      {"adds in a family with its own formula", 44, "01", false, 20},
      {"other scoring system", 0, "02", false, 10},
      {"other scoring system, recompute", 0, "02", true, 10},
      {"poker panel", 9, "01", false, 10},
      {"poker panel, recompute", 59, "01", true, 10},
      {"cribbage", 76, "01", false, 10},
      {"no score", 77, "01", true, 10},
      {"partial-score panel keeps it on recompute", 64, "01", true, 10},
  };
  for (const auto& c : cases) {
    Game(c.family);
    e.session.Put(sr::ScoringSystem, c.system);
    e.session.Put(sr::Score, "10");
    Board("Dest01: 1");
    AddToScore(e, 2, c.recompute);
    EXPECT_EQ(StoredScore(e), c.score) << c.what;
  }
}

TEST_F(ScoreTest, TheScoreFieldIsReadLenientlyAndNeverCutShort) {
  const std::pair<const char*, int> reads[] = {
      {"-52", -52}, {"208", 208}, {"", 0}, {"abc", 0}, {"******", 0}, {"12x", 0}, {"+5", 5},
  };
  for (const auto& [text, value] : reads) {
    e.session.Put(sr::Score, text);
    EXPECT_EQ(StoredScore(e), value) << text;
  }
  Game(0);
  e.session.Put(sr::Score, "999990");
  AddToScore(e, 5);
  EXPECT_EQ(e.session.Get(sr::Score), "999999");
  e.session.Put(sr::Score, "-99990");
  AddToScore(e, -5);
  EXPECT_EQ(e.session.Get(sr::Score), "-99999");
}

TEST_F(ScoreTest, AMoveRecomputesTheScore) {
  Game(0, {{P::TableauCount, 1}});
  Board("Fila01: 5u 1u");
  e.session.Put(sr::Score, "0");
  ASSERT_TRUE(ExecuteMove(e, 1, "Dest01"));
  EXPECT_EQ(test::DescribePile(e.table, "Dest01"), "001u");
  EXPECT_EQ(StoredScore(e), -47);
}

TEST(SpiderScore, AFreshDealScoresMinusTheDeck) {
  struct Case {
    int game;
    int score;
  };
  const Case cases[] = {{18, -104}, {180, -104}, {182, -52}};
  RecordingHost host;
  test::TempDir data;
  Engine e(host, Folders{test::ProgramDir(), data.path()});
  ASSERT_TRUE(e.catalogue.Load(host));
  e.random.Seed(7);
  for (const auto& c : cases) {
    e.params.Clear();
    ASSERT_TRUE(e.catalogue.LoadGameParameters(host, c.game, e.params, e.pileRules)) << c.game;
    EXPECT_EQ(e.params[P::Family], 0) << c.game;
    e.table.ClearPiles();
    e.session.Put(sr::ScoringSystem, "01");
    e.session.Put(sr::Score, "0");
    NewDealNumber(e);
    Deal(e);
    UpdateScore(e);
    EXPECT_EQ(StoredScore(e), c.score) << c.game;
    EXPECT_FALSE(IsWon(e)) << c.game;
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace orv
