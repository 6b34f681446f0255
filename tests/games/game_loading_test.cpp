#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "common/scramble.h"
#include "definitions_fixture.h"
#include "games/catalogue.h"
#include "platform/recording_host.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::CatalogueSection;
using test::FixtureGame;
using test::FixtureValues;
using test::JoinLines;
using test::MatrixLine;
using test::ValueField;

// Column 0 is game 18, column 1 game 3.
const std::vector<FixtureGame> kGames{{8, 18, "Spider"}, {8, 3, "Three"}};

GameParameters Junk() {
  GameParameters p;
  for (int n = 0; n < kParameterCount; ++n) p.Set(n, 1000 + n);
  return p;
}

GameParameters With(std::initializer_list<std::pair<int, int>> values) {
  GameParameters p;
  for (auto [n, v] : values) p.Set(n, v);
  return p;
}

class GameLoadingTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  RecordingHost host;
  Catalogue catalogue{dir.path(), dir / "data/"};

  void WriteLines(const std::vector<std::string>& matrixLines, const std::vector<FixtureGame>& games = kGames) {
    std::vector<std::string> lines = CatalogueSection(games);
    lines.insert(lines.end(), matrixLines.begin(), matrixLines.end());
    dir.Write("GAMES.DAT", JoinLines(lines));
    ASSERT_TRUE(catalogue.Load(host));
  }
  void WriteValues(const FixtureValues& values) { WriteLines(test::MatrixSection(values)); }

  // Loads into parameters full of junk, so that a stale entry would show.
  GameParameters Load(int game, bool expectOk = true) {
    GameParameters params = Junk();
    PileRuleBackup backup;
    EXPECT_EQ(catalogue.LoadGameParameters(host, game, params, backup), expectOk) << game;
    return params;
  }
};

TEST_F(GameLoadingTest, LoadsTheGamesColumnAndClearsTheRest) {
  WriteValues({{16, {-1, 2}}, {24, {1, 3}}, {375, {10, 8}}, {502, {0, 32767}}});
  EXPECT_EQ(Load(18), With({{16, -1}, {24, 1}, {375, 10}}));
  EXPECT_EQ(Load(3), With({{16, 2}, {24, 3}, {375, 8}, {502, 32767}}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameLoadingTest, ValueFieldsMayBePaddedOnEitherSide) {
  struct Case {
    const char* field;  // unscrambled
    int value;
  };
  const Case cases[] = {
      {"        10", 10}, {"10        ", 10}, {"  -7      ", -7}, {"     32767", 32767}, {"    -32768", -32768}, {"0000000005", 5},
  };
  for (const auto& c : cases) {
    WriteLines({"[Sect2]", MatrixLine(375, {c.field, ValueField(0)})});
    EXPECT_EQ(Load(18)[375], c.value) << '"' << c.field << '"';
  }
}

TEST_F(GameLoadingTest, LaterSectionsOverrideEarlierLines) {
  WriteLines({"[Sect2]", MatrixLine(24, {ValueField(1), ValueField(0)}), MatrixLine(16, {ValueField(2), ValueField(0)}),
              "[SectS]", Scramble("18"), "[Sect2]", MatrixLine(24, {ValueField(5), ValueField(0)})});
  EXPECT_EQ(Load(18), With({{24, 5}, {16, 2}}));
}

TEST_F(GameLoadingTest, NumbersOutsideTheVectorAreSkippedWhole) {
  WriteLines({"[Sect2]", MatrixLine(0, {ValueField(4), ValueField(0)}), MatrixLine(502, {ValueField(6), ValueField(0)}),
              MatrixLine(503, {"not a num!"}), MatrixLine(9999, {}), MatrixLine(-1, {ValueField(7)}), ""});
  EXPECT_EQ(Load(18), With({{0, 4}, {502, 6}}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameLoadingTest, GameOutsideTheCatalogueReadsTheFieldAtSix) {
  WriteLines({"[Sect2]", MatrixLine(24, {ValueField(1), ValueField(3)}, ValueField(77)),
              MatrixLine(375, {ValueField(10), ValueField(8)}, "  -5      "),
              MatrixLine(16, {ValueField(2), ValueField(2)}, "no number!"), "0017"});
  EXPECT_EQ(Load(999), With({{24, 77}, {375, -5}}));
  EXPECT_EQ(Load(8009), With({{24, 77}, {375, -5}}));  // a custom game nobody defined
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameLoadingTest, OnlyThisGamesFieldMustBeANumber) {
  WriteLines({"[Sect2]", MatrixLine(24, {"damaged!!!", ValueField(3)})});
  EXPECT_EQ(Load(3), With({{24, 3}}));
}

TEST_F(GameLoadingTest, DamagedMatrixLineIsReportedAndLeavesNothingLoaded) {
  const std::string good = MatrixLine(16, {ValueField(2), ValueField(2)});
  const std::string full = MatrixLine(24, {ValueField(1), ValueField(2)});
  struct Case {
    std::string line;
    const char* detail;
  };
  const Case cases[] = {
      {MatrixLine(24, {ValueField(1), "      1x  "}), "parameter 0024: this game's value is not a number"},
      {MatrixLine(24, {ValueField(1), "          "}), "parameter 0024: this game's value is not a number"},
      {MatrixLine(24, {ValueField(1), ValueField(40000)}), "parameter 0024: this game's value 40000 is out of range"},
      {MatrixLine(24, {ValueField(1), ValueField(-32769)}), "parameter 0024: this game's value -32769 is out of range"},
      {MatrixLine(24, {ValueField(1)}), "parameter 0024: the line is too short to hold this game's value"},
      {full.substr(0, full.size() - 1), "parameter 0024: the line is too short to hold this game's value"},
      {"00x4" + full.substr(4), "the parameter number is not a number"},
  };
  for (const auto& c : cases) {
    host.messages.clear();
    WriteLines({"[Sect2]", good, c.line, good});
    GameParameters params = Junk();
    PileRuleBackup backup;
    EXPECT_FALSE(catalogue.LoadGameParameters(host, 3, params, backup)) << c.detail;
    EXPECT_EQ(params, GameParameters{}) << c.detail;
    ASSERT_EQ(host.messages.size(), 1u) << c.detail;
    EXPECT_EQ(host.messages[0].kind, "error");
    EXPECT_EQ(host.messages[0].title, "Error");
    // The catalogue takes lines 1-3, so the damaged line is line 6.
    EXPECT_EQ(host.messages[0].text, "The game definitions file is damaged:\r" + (dir / "GAMES.DAT") + "\rline 6: " +
                                         c.detail + "\rPlease reinstall the program.");
  }
}

TEST_F(GameLoadingTest, MissingFileOrMatrixIsReported) {
  WriteLines({"[SectS]"});
  EXPECT_EQ(Load(18, false), GameParameters{});
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("[Sect2] is missing"), std::string::npos);

  host.messages.clear();
  std::remove((dir / "GAMES.DAT").c_str());
  EXPECT_EQ(Load(18, false), GameParameters{});
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.rfind("Cannot find file:\r" + (dir / "GAMES.DAT") + "\r", 0), 0u);
}

TEST_F(GameLoadingTest, CurrentGameComesFromTheSessionRecord) {
  WriteValues({{24, {1, 3}}});
  SessionRecord record;
  record.Put(sr::GameNumber, "3");
  GameParameters params;
  PileRuleBackup backup;
  ASSERT_TRUE(catalogue.LoadGameParameters(host, record, params, backup));
  EXPECT_EQ(params[24], 3);
}

TEST_F(GameLoadingTest, BackupTakenAtLoadUndoesTheDealsChanges) {
  WriteValues({{24, {1, 0}}, {55, {1, 0}}, {70, {13, 0}}, {135, {5, 0}}, {136, {-1, 0}}, {174, {91, 0}}});
  GameParameters params;
  PileRuleBackup backup;
  ASSERT_TRUE(catalogue.LoadGameParameters(host, 18, params, backup));
  const GameParameters loaded = params;

  // What a deal does to the base ranks, and a change the backup must not undo.
  params.SetPile(P::TableauBaseRank, 1, 12);
  params.SetPile(P::TableauBaseRank, 40, 3);
  params.SetPile(P::FoundationBaseRank, 1, 7);
  params.SetPile(P::FoundationBaseRank, 16, 0);
  params.Set(24, 9);
  backup.Restore(params);

  GameParameters expected = loaded;
  expected.Set(24, 9);
  EXPECT_EQ(params, expected);
}

TEST_F(GameLoadingTest, ReadGameValuesFindsEachParameterByItsNumber) {
  const int wanted[] = {3, 0, -5, 9, 1, 2};
  // The matrix may start at parameter 0 or at parameter 1.
  WriteValues({{0, {10, 20}}, {1, {11, 21}}, {2, {12, 22}}, {3, {13, 23}}});
  EXPECT_EQ(catalogue.ReadGameValues(3, wanted), (std::vector<int>{23, 20, -99, -99, 21, 22}));
  EXPECT_EQ(catalogue.ReadGameValues(18, wanted), (std::vector<int>{13, 10, -99, -99, 11, 12}));
  WriteValues({{1, {11, 21}}, {2, {12, 22}}, {3, {13, 23}}});
  EXPECT_EQ(catalogue.ReadGameValues(3, wanted), (std::vector<int>{23, -99, -99, -99, 21, 22}));
  // A negative line number is no parameter, even when one is asked for.
  WriteLines({"[Sect2]", MatrixLine(-5, {ValueField(1), ValueField(2)})});
  EXPECT_EQ(catalogue.ReadGameValues(3, wanted), (std::vector<int>(6, -99)));
}

TEST_F(GameLoadingTest, ReadGameValuesGivesMinus99ForAnUnreadableValue) {
  WriteLines({"[Sect2]", MatrixLine(1, {ValueField(1), "   bad    "}), MatrixLine(2, {ValueField(2)})});
  const int wanted[] = {1, 2};
  EXPECT_EQ(catalogue.ReadGameValues(3, wanted), (std::vector<int>{-99, -99}));
  EXPECT_EQ(catalogue.ReadGameValues(18, wanted), (std::vector<int>{1, 2}));
  EXPECT_TRUE(host.messages.empty());

  std::remove((dir / "GAMES.DAT").c_str());
  EXPECT_EQ(catalogue.ReadGameValues(18, wanted), std::nullopt);
}

// Whatever the bytes, every operation returns, and a failure is always told.
TEST_F(GameLoadingTest, ArbitraryBytesNeverCrash) {
  std::mt19937 random(2003);
  std::string noise;
  for (int i = 0; i < 20000; ++i) {
    const unsigned r = random() % 300;
    if (r < 256) noise.push_back(static_cast<char>(r));
    else if (r < 280) noise += "\n";
    else if (r < 290) noise += "\n[Sect1]\n";
    else noise += "\n[Sect2]\n";
  }
  const std::string cases[] = {
      "",
      std::string("\0\xff\r\n[Sect1]\n\x01", 12),
      "[Sect1]\r\n[Sect2]\r\n",
      "[Sect1]\n" + Scramble("008 018 10Spider") + "\n[Sect2]\n0024\n0375" + std::string(5000, 'P') + "\n",
      "[Sect1]\n" + Scramble("008 018 10Spider") + "\n[Sect2]\n" + std::string(100000, '9') + "\n",
      noise,
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    host.messages.clear();
    dir.Write("GAMES.DAT", cases[i]);
    dir.Write("data/GAM_CUST.DAT", cases[i]);
    Catalogue c(dir.path(), dir / "data/");
    const bool loaded = c.Load(host);
    EXPECT_EQ(host.messages.size(), loaded ? 0u : 1u) << "case " << i;
    for (int game : {18, 0, 8000, -1}) {
      host.messages.clear();
      GameParameters params;
      PileRuleBackup backup;
      const bool ok = c.LoadGameParameters(host, game, params, backup);
      EXPECT_EQ(host.messages.size(), ok ? 0u : 1u) << "case " << i << " game " << game;
      if (!ok) {
        EXPECT_EQ(params, GameParameters{});
      }
    }
    const int wanted[] = {1, 375};
    c.ReadGameValues(18, wanted);
    c.PopularGames();
    c.AllGameNames();
    host.screen.width = 640;
    c.CheckScreenForGame(host, 18);
  }
}

}  // namespace
}  // namespace orv
