#include "games/catalogue.h"

#include <gtest/gtest.h>

#include "common/scramble.h"
#include "definitions_fixture.h"
#include "platform/recording_host.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::CatalogueLine;
using test::DefinitionsText;
using test::FixtureGame;
using test::JoinLines;

class CatalogueTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  RecordingHost host;

  Catalogue Make() const { return Catalogue(dir.path(), dir / "data/"); }
  Catalogue Loaded(const std::vector<FixtureGame>& games, const std::vector<int>& popular = {}) {
    dir.Write("GAMES.DAT", DefinitionsText(games, {{24, std::vector<int>(games.size(), 1)}}, popular));
    Catalogue catalogue = Make();
    EXPECT_TRUE(catalogue.Load(host));
    return catalogue;
  }
  std::string DamagedText(int line, std::string_view detail) const {
    return "The game definitions file is damaged:\r" + (dir / "GAMES.DAT") + "\rline " + std::to_string(line) + ": " +
           std::string(detail) + "\rPlease reinstall the program.";
  }
};

TEST(ReadSection, CollectsEveryOccurrenceUpToTheNextBracket) {
  const std::vector<std::string> lines{"junk", "[Sect1]", "a", "", "b", "[Other]", "x",   "[Sect1]",
                                       "c",    "[sect1]", "d", "[Sect1] trailing",   "e", "[Sect11]", "f"};
  struct Case {
    const char* header;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"[Sect1]", {"a", "", "b", "c", "e"}},  // "[Sect11]" is another section
      {"[Other]", {"x"}},
      {"[sect1]", {"d"}},
      {"[Missing]", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadSection(lines, c.header), c.expected) << c.header;
}

TEST_F(CatalogueTest, MissingFileShowsTheErrorAndFails) {
  Catalogue catalogue = Make();
  EXPECT_FALSE(catalogue.Load(host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, "error");
  EXPECT_EQ(host.messages[0].title, "Error");
  EXPECT_EQ(host.messages[0].text, "Cannot find file:\r" + (dir / "GAMES.DAT") +
                                        "\rCopy the file into the directory that above is specified\r"
                                        "or reinstall the program.");
  EXPECT_TRUE(catalogue.GameList().empty());
}

TEST_F(CatalogueTest, FindsTheFileWhateverItsCase) {
  dir.Write("games.dat", DefinitionsText({{8, 18, "Spider"}}, {}));
  Catalogue catalogue = Make();
  EXPECT_TRUE(catalogue.Load(host));
  EXPECT_EQ(catalogue.GameName(18), "Spider");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CatalogueTest, DamagedCatalogueLineNamesFileAndLine) {
  struct Case {
    std::string line;  // unscrambled
    const char* detail;
  };
  const Case cases[] = {
      {"008 01", "the catalogue line is too short to hold a game number"},
      {"008 0x8 00Spider", "the game number is not a number"},
      {"0x8 018 00Spider", "the group code is not a number"},
  };
  for (const auto& c : cases) {
    host.messages.clear();
    dir.Write("GAMES.DAT", JoinLines({"[Sect1]", Scramble(CatalogueLine({8, 1, "Fine"})), Scramble(c.line), "[Sect2]"}));
    Catalogue catalogue = Make();
    EXPECT_FALSE(catalogue.Load(host)) << c.line;
    ASSERT_EQ(host.messages.size(), 1u) << c.line;
    EXPECT_EQ(host.messages[0].kind, "error");
    EXPECT_EQ(host.messages[0].text, DamagedText(3, c.detail));
    EXPECT_TRUE(catalogue.GameList().empty()) << c.line;
  }
}

TEST_F(CatalogueTest, FileWithoutCatalogueSectionIsDamaged) {
  dir.Write("GAMES.DAT", JoinLines({"[Sect2]", "0024"}));
  Catalogue catalogue = Make();
  EXPECT_FALSE(catalogue.Load(host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("[Sect1] is missing"), std::string::npos);
}

TEST_F(CatalogueTest, BlankLinesHoldNoGameButKeepTheirPlace) {
  dir.Write("GAMES.DAT", JoinLines({"[Sect1]", Scramble(CatalogueLine({8, 7, "Seven"})), "", "   ",
                                    Scramble(CatalogueLine({8, 9, "Nine"})), "[Sect2]"}));
  Catalogue catalogue = Make();
  ASSERT_TRUE(catalogue.Load(host));
  EXPECT_EQ(catalogue.GameList().size(), 4u);
  EXPECT_EQ(catalogue.FindGameColumn(9), 3);
  EXPECT_EQ(catalogue.FindGameByName(""), -1);
  EXPECT_EQ(catalogue.AllGameNames(), (std::vector<std::string>{"Nine", "Seven"}));
}

TEST_F(CatalogueTest, FindGameColumnPrefersTheDirectHitThenSearches) {
  std::vector<FixtureGame> games;
  for (int i = 0; i < 19; ++i) games.push_back({8, 100 + i, "Filler " + std::to_string(i)});
  games[2].number = 18;  // a first match that the direct hit must win over
  games[18].number = 18;
  games[1].number = 3;   // position 3 holds another game: search
  games[4].number = 3;
  games[3].number = 50;
  const Catalogue catalogue = Loaded(games);
  struct Case {
    int game;
    int column;
  };
  const Case cases[] = {{18, 18}, {3, 1}, {50, 3}, {100, 0}, {99, -1}, {-1, -1}, {8000, -1}, {8018, -1}};
  for (const auto& c : cases) EXPECT_EQ(catalogue.FindGameColumn(c.game), c.column) << c.game;
}

TEST_F(CatalogueTest, NameAndGroupOfCatalogueAndCustomGames) {
  const Catalogue catalogue = Loaded({{8, 18, "Spider"}, {27, 5, "Sly Fox"}});
  struct Case {
    int game;
    const char* name;
    int group;
  };
  const Case cases[] = {
      {18, "Spider", 8}, {5, "Sly Fox", 27}, {7, "", -1}, {-3, "", -1}, {8500, "caller's text", 800}, {8000, "caller's text", 800},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(catalogue.GameName(c.game, "caller's text"), c.name) << c.game;
    EXPECT_EQ(catalogue.GameGroup(c.game), c.group) << c.game;
  }
}

TEST_F(CatalogueTest, FindGameByNameIgnoresCaseAndTrailingBlanksOnly) {
  const Catalogue catalogue = Loaded({{8, 18, "Spider"}, {8, 24, "Spider Two"}, {8, 30, "spider"}});
  struct Case {
    const char* name;
    int game;
  };
  const Case cases[] = {
      {"Spider", 18}, {"spider  ", 18}, {"SPIDER", 18}, {"  spider  ", -1}, {"spider two", 24}, {"Spid", -1}, {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(catalogue.FindGameByName(c.name), c.game) << '"' << c.name << '"';
}

TEST_F(CatalogueTest, PopularGamesInFileOrder) {
  const Catalogue catalogue = Loaded({{8, 18, "Spider"}}, {18, 5, 240});
  EXPECT_EQ(catalogue.PopularGames(), (std::vector<int>{18, 5, 240}));
}

TEST_F(CatalogueTest, PopularGamesSkipLinesThatHoldNoNumber) {
  dir.Write("GAMES.DAT", JoinLines({"[Sect1]", "[SectS]", Scramble("18"), "", Scramble("x1"), Scramble(" 7 ")}));
  EXPECT_EQ(Make().PopularGames(), (std::vector<int>{18, 7}));
  dir.Write("GAMES.DAT", "");
  EXPECT_TRUE(Make().PopularGames().empty());
}

TEST_F(CatalogueTest, AllGameNamesMixesCatalogueAndCustomGamesSorted) {
  dir.Write("data/GAM_CUST.DAT", test::CustomGamesText({{8001, "zed", 18, ""}, {8002, "My Spider", 18, ""}}));
  const Catalogue catalogue = Loaded({{8, 18, "Spider"}, {9, 1, "aces up"}, {5, 2, "Klondike"}});
  EXPECT_EQ(catalogue.AllGameNames(), (std::vector<std::string>{"aces up", "Klondike", "My Spider", "Spider", "zed"}));
}

TEST_F(CatalogueTest, NarrowScreenRefusesGamesThatNeedTheWiderOne) {
  dir.Write("data/GAM_CUST.DAT", test::CustomGamesText({{8001, "My Spider", 18, ""}}));
  const Catalogue catalogue = Loaded({{8, 18, "Spider", true}, {7, 5, "Small"}});
  struct Case {
    int width;
    int game;
    bool passes;
  };
  const Case cases[] = {
      {640, 18, false}, {649, 18, false}, {650, 18, true}, {800, 18, true},
      {640, 5, true},                                   // no wide-screen flag
      {640, 8001, false},                               // a custom game is judged by its base game
      {640, 777, true},  {640, 8009, true},             // unknown games pass
  };
  for (const auto& c : cases) {
    host.messages.clear();
    host.screen.width = c.width;
    EXPECT_EQ(catalogue.CheckScreenForGame(host, c.game), c.passes) << c.width << " " << c.game;
    if (c.passes) {
      EXPECT_TRUE(host.messages.empty()) << c.width << " " << c.game;
    } else {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].kind, "message");
      EXPECT_EQ(host.messages[0].text,
                "Your video card's display is 640x480 pixels.\rYou can't play: Spider\r"
                "Please set your screen resolution to 800x600 pixels or higher.");
    }
  }
}

}  // namespace
}  // namespace orv
