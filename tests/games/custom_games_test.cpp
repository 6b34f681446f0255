#include <gtest/gtest.h>

#include <optional>

#include "common/text.h"
#include "definitions_fixture.h"
#include "games/catalogue.h"
#include "platform/recording_host.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::FixtureValues;

void SetRange(GameParameters& p, int first, int count, int value) {
  for (int i = 0; i < count; ++i) p.Set(first + i, value);
}

TEST(ApplyCustomDefinition, EachFieldFeedsItsParametersOrNothing) {
  // Three tableau piles and two foundations in play; one more of each beyond.
  GameParameters base;
  base.Set(P::TableauCount, 3);
  base.Set(P::FoundationCount, 2);
  base.Set(P::StockTurnCount, 4);
  base.Set(P::Deals, 5);
  SetRange(base, P::TableauBaseRank, 4, 5);
  SetRange(base, P::TableauRule, 4, 7);
  SetRange(base, P::FoundationRule, 3, 2);

  struct Case {
    const char* definition;
    std::optional<int> turned, deals, baseRank, tableauDirection, tableauRule, foundationDirection, foundationRule;
  };
  const std::nullopt_t no = std::nullopt;
  const Case cases[] = {
      {"  3 -12", 3, -1, -1, no, no, no, no},
      {"  3 -11", 3, -1, 91, no, no, no, no},
      {"  3 -13", 3, -1, 0, no, no, no, no},
      {"  3 -14", 3, -1, no, no, no, no, no},
      {"001002 0102001003", 1, 2, no, 1, 20, 1, 3},
      {"       " " 1" " x " " 2" "abc", no, no, no, 1, no, 2, no},  // the pairs convert field by field
      {"", no, no, no, no, no, no, no},
      {" x3abc9", no, no, no, no, no, no, no},
      {"3", 3, no, no, no, no, no, no},                 // a field cut short by the end
      {"-1  -1", -1, -1, no, no, no, no, no},           // blanks on either side of a field
  };
  for (const auto& c : cases) {
    GameParameters expected = base;
    if (c.turned) expected.Set(P::StockTurnCount, *c.turned);
    if (c.deals) expected.Set(P::Deals, *c.deals);
    if (c.baseRank) SetRange(expected, P::TableauBaseRank, 3, *c.baseRank);
    if (c.tableauDirection) SetRange(expected, P::TableauDirection, 3, *c.tableauDirection);
    if (c.tableauRule) SetRange(expected, P::TableauRule, 3, *c.tableauRule);
    if (c.foundationDirection) SetRange(expected, P::FoundationDirection, 2, *c.foundationDirection);
    if (c.foundationRule) SetRange(expected, P::FoundationRule, 2, *c.foundationRule);

    GameParameters params = base;
    ApplyCustomDefinition(c.definition, params);
    EXPECT_EQ(params, expected) << '"' << c.definition << '"';
  }
}

TEST(ApplyCustomDefinition, PileCountsBeyondThePilesStayInTheirRanges) {
  GameParameters params;
  params.Set(P::TableauCount, 41);
  params.Set(P::FoundationCount, 17);
  ApplyCustomDefinition("      " "2" " 1" "   " " 1" "  3", params);
  EXPECT_EQ(params.Pile(P::TableauBaseRank, 40), -1);
  EXPECT_EQ(params.Pile(P::TableauDirection, 40), 1);
  EXPECT_EQ(params.Pile(P::TableauRule, 1), 0);  // what pile 41's direction would overwrite
  EXPECT_EQ(params.Pile(P::FoundationDirection, 16), 1);
  EXPECT_EQ(params.Pile(P::FoundationRule, 1), 3);
  EXPECT_EQ(params.Pile(P::FoundationInitialCard, 1), 0);  // what foundation 17's rule would overwrite

  params.Set(P::TableauCount, -2);
  params.Set(P::FoundationCount, -2);
  const GameParameters before = params;
  ApplyCustomDefinition("      " "3" " 0" "   " " 0" "  0", params);
  EXPECT_EQ(params, before);
}

class CustomGamesTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  RecordingHost host;
  Catalogue catalogue{dir.path(), dir / "data/"};

  void WriteCustomGames(const std::vector<test::FixtureCustomGame>& games, std::string_view extra = {}) {
    dir.Write("data/GAM_CUST.DAT", test::CustomGamesText(games) + std::string(extra));
  }
};

TEST_F(CustomGamesTest, CustomGameIsItsBaseGameWithTheOverrides) {
  // Game 18 sits in column 1, so the base game is looked up, not taken as a column.
  FixtureValues values{{24, {9, 1}}, {16, {9, 2}}, {374, {4, 8}}, {375, {4, 10}}, {175, {0, 1}}, {215, {0, 2}},
                       {71, {0, 1}}};
  for (int n = P::TableauBaseRank; n < P::TableauBaseRank + 11; ++n) values[n] = {9, 5};
  dir.Write("GAMES.DAT", test::DefinitionsText({{8, 0, "Zero"}, {8, 18, "Spider"}}, values));
  ASSERT_TRUE(catalogue.Load(host));
  WriteCustomGames({{8001, "My Spider", 18, "  3 -12"}, {8002, "Ranks", 18, "  4  31"}, {8003, "Every field", 18, "  1" "  2" "3" "  " "020" "  " "003"}});

  GameParameters base;
  PileRuleBackup backup;
  ASSERT_TRUE(catalogue.LoadGameParameters(host, 18, base, backup));

  struct Case {
    int game;
    int turned, deals, baseRank;  // the seven-character overrides
    std::optional<int> tableauRule = std::nullopt, foundationRule = std::nullopt;
  };
  const Case cases[] = {{8001, 3, -1, -1}, {8002, 4, 3, 91}, {8003, 1, 2, 0, 20, 3}};
  for (const auto& c : cases) {
    GameParameters expected = base;
    expected.Set(P::StockTurnCount, c.turned);
    expected.Set(P::Deals, c.deals);
    SetRange(expected, P::TableauBaseRank, 10, c.baseRank);  // pile 11 is not in play
    if (c.tableauRule) SetRange(expected, P::TableauRule, 10, *c.tableauRule);
    if (c.foundationRule) SetRange(expected, P::FoundationRule, 8, *c.foundationRule);

    GameParameters params;
    ASSERT_TRUE(catalogue.LoadGameParameters(host, c.game, params, backup)) << c.game;
    EXPECT_EQ(params, expected) << c.game;

    // The backup holds the overridden ranks, so every deal starts from them.
    GameParameters restored;
    backup.Restore(restored);
    EXPECT_EQ(restored.Pile(P::TableauBaseRank, 1), c.baseRank) << c.game;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CustomGamesTest, ListIsSortedByNameAndSkipsBlocksWithoutACustomNumber) {
  std::string text = test::CustomGamesText({{8003, "zeta", 5, "  1  2 3 longer"},
                                            {9999, "no number", 18, "  1"},
                                            {8001, "Alpha", 18, "  3 -12"},
                                            {18, "catalogue number", 18, "  1"},
                                            {8002, "beta", 18, ""}});
  text.replace(text.find("9999"), 4, "abcd");
  dir.Write("data/GAM_CUST.DAT", text);

  const auto list = catalogue.ListCustomGames();
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 3u);
  const struct {
    const char* name;
    const char* number;
    const char* base;
    const char* definition;
  } expected[] = {{"Alpha", "8001", "0018", "  3 -12"}, {"beta", "8002", "0018", ""}, {"zeta", "8003", "0005", "  1  2 "}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ((*list)[i].name, PadRight(expected[i].name, 50));
    EXPECT_EQ((*list)[i].number, expected[i].number);
    EXPECT_EQ((*list)[i].baseGame, expected[i].base);
    EXPECT_EQ((*list)[i].definition, expected[i].definition);
  }
}

TEST_F(CustomGamesTest, NoFileListsNothing) {
  EXPECT_EQ(catalogue.ListCustomGames(), std::nullopt);
  WriteCustomGames({});
  ASSERT_TRUE(catalogue.ListCustomGames());
  EXPECT_TRUE(catalogue.ListCustomGames()->empty());
}

TEST_F(CustomGamesTest, FindCustomGameSearchesTheBlocks) {
  EXPECT_EQ(catalogue.FindCustomGame(8001).baseGame, -1);  // no file yet

  std::string text = test::CustomGamesText({{9999, "no number", 7, "  1"}, {8001, "Alpha", 18, "  3 -12"},
                                            {8003, "zeta", 5, "  1  2 3 longer"}});
  text.replace(text.find("9999"), 4, "abcd");
  dir.Write("data/GAM_CUST.DAT", text + "8004Cut short" + std::string(41, ' ') + "0018");
  struct Case {
    int number;
    int base;
    const char* definition;
  };
  const Case cases[] = {
      {8001, 18, "  3 -12"}, {8003, 5, "  1  2 3 longer"}, {8004, 18, ""}, {8009, -1, ""}, {18, -1, ""},
  };
  for (const auto& c : cases) {
    const CustomGame found = catalogue.FindCustomGame(c.number);
    EXPECT_EQ(found.baseGame, c.base) << c.number;
    EXPECT_EQ(found.definition, c.definition) << c.number;
  }
}

}  // namespace
}  // namespace orv
