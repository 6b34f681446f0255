#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamesdat/catalogue_compiler.h"
#include "support/temp_dir.h"

namespace orv::gamesdat {
namespace {

CompileResult Compile(std::vector<SourceFile> files) { return CompileCatalogue(files); }

CompileResult Compile(std::string_view text) { return Compile({{"case.toml", std::string(text)}}); }

std::vector<int> Piles(const GameParameters& p, int first, int count) {
  std::vector<int> values;
  for (int pile = 1; pile <= count; ++pile) values.push_back(p.Pile(first, pile));
  return values;
}

TEST(CatalogueCompiler, NearerDefinitionsOverrideTemplatesAndPileValuesFollowThePilesInPlay) {
  const auto result = Compile(R"([template.family]
deck_cards = 104
tableau_count = 4
tableau_rule = 2
tableau_dealt = [5, 5, 4, 4]
duration = 0

[template.variant]
base = "family"
tableau_count = 3
tableau_dealt = [2, 1]
duration = 1

[[game]]
number = 3
name = "Variant"
group = 8
base = "variant"
duration = 2
rules = "Play."
)");
  ASSERT_TRUE(result.ok()) << result.errors.front();
  ASSERT_EQ(result.games.size(), 1u);
  const GameParameters& p = result.games[0].params;
  EXPECT_EQ(p[P::DeckCards], 104);    // from the farthest template
  EXPECT_EQ(p[P::TableauCount], 3);   // the nearer template wins
  EXPECT_EQ(p[P::Duration], 2);       // the game wins
  // One value is every pile in play of the game, not of the template that
  // wrote it; a list replaces the whole list and leaves the rest 0.
  EXPECT_EQ(Piles(p, P::TableauRule, 4), (std::vector<int>{2, 2, 2, 0}));
  EXPECT_EQ(Piles(p, P::TableauDealt, 4), (std::vector<int>{2, 1, 0, 0}));
}

TEST(CatalogueCompiler, GamesComeOutInNumberOrderAndMayUseTemplatesOfLaterFiles) {
  const auto result = Compile({{"a.toml", "[[game]]\nnumber = 9\nname = \"Nine\"\ngroup = 8\nbase = \"t\"\nrules = \"Play.\"\n"},
                               {"b.toml", "[template.t]\ndeck_cards = 52\ntableau_count = 1\n\n"
                                          "[[game]]\nnumber = 4\nname = \"Four\"\ngroup = 9\nbase = \"t\"\nrules = \"Play.\"\n"}});
  ASSERT_TRUE(result.ok()) << result.errors.front();
  ASSERT_EQ(result.games.size(), 2u);
  EXPECT_EQ(result.games[0].name, "Four");
  EXPECT_EQ(result.games[1].name, "Nine");
  EXPECT_EQ(result.games[1].params[P::DeckCards], 52);
}

// Every refusal names the file and the line of the fault.
TEST(CatalogueCompiler, RefusesFaultyCataloguesWithFileAndLine) {
  struct Case {
    const char* fault;
    const char* text;
    const char* expected;  // the start of the first message
  };
  const Case cases[] = {
      {"unknown parameter",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\ntablau_rule = 2\nrules = \"Play.\"\n",
       "case.toml:7: unknown parameter 'tablau_rule'"},
      {"value out of range",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\ntableau_rule = 300\nrules = \"Play.\"\n",
       "case.toml:7: 'tableau_rule' = 300 is out of range 0..255"},
      {"list entry out of range, on its own line",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\ntableau_dealt = [6,\n  6,\n  1600]\n"
       "rules = \"Play.\"\n",
       "case.toml:9: 'tableau_dealt' = 1600 is out of range 0..1504"},
      {"duplicate number",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n"
       "[[game]]\nnumber = 18\nname = \"Other\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:9: game number 18 is already used at case.toml:2"},
      {"duplicate name, other case",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n"
       "[[game]]\nnumber = 19\nname = \"SPIDER\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:10: the name \"SPIDER\" is already used at case.toml:3"},
      {"missing parameter",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:1: game 18 has no 'deck_cards'"},
      {"missing rules", "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\n",
       "case.toml:1: game 18 has no 'rules'"},
      {"list longer than the piles in play",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 52\ntableau_count = 3\ntableau_dealt = [1, 2, 3, 4]\n"
       "rules = \"Play.\"\n",
       "case.toml:7: 'tableau_dealt' lists 4 values but game 18 has 3 tableau piles"},
      {"template list longer than this game's piles",
       "[template.wide]\ntableau_dealt = [1, 1, 1]\n\n"
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\nbase = \"wide\"\ndeck_cards = 52\ntableau_count = 2\nrules = \"Play.\"\n",
       "case.toml:2: 'tableau_dealt' lists 3 values but game 18 has 2 tableau piles"},
      {"unknown template",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\nbase = \"spidr\"\nrules = \"Play.\"\n",
       "case.toml:7: unknown template 'spidr'"},
      {"templates in a loop",
       "[template.a]\nbase = \"b\"\n[template.b]\nbase = \"a\"\n"
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\nbase = \"a\"\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:4: template 'a' builds on itself"},
      {"name too long",
       "[[game]]\nnumber = 18\nname = \"Spider with a name far too long for the fifty places\"\ngroup = 8\ndeck_cards = 104\n"
       "tableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:3: the name is longer than 50 characters"},
      {"name not scramblable",
       "[[game]]\nnumber = 18\nname = \"Spid\xC3\xA9r\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:3: the name may hold only printable ASCII characters"},
      {"not a whole number of decks",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = 100\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:5: 'deck_cards' = 100 is not a whole number of decks"},
      {"list for a single value",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 8\ndeck_cards = [104]\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:5: 'deck_cards' takes one value, not a list"},
      {"group out of range",
       "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = 1\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:4: 'group' = 1 is out of range 2..27"},
      {"number written as text",
       "[[game]]\nnumber = \"18\"\nname = \"Spider\"\ngroup = 8\ndeck_cards = 104\ntableau_count = 10\nrules = \"Play.\"\n",
       "case.toml:2: 'number' must be a whole number"},
      {"game field in a template", "[template.t]\ndeck_cards = 52\nname = \"Spider\"\n",
       "case.toml:3: 'name' belongs to a [[game]], not to a template"},
      {"unknown section", "[options]\nspeed = 3\n",
       "case.toml:1: 'options' is neither a [template.<name>] table nor a [[game]] entry"},
      {"TOML syntax", "[[game]]\nnumber = 18\nname = \"Spider\"\ngroup = \n", "case.toml:4: "},
  };
  for (const auto& c : cases) {
    const auto result = Compile(c.text);
    ASSERT_FALSE(result.errors.empty()) << c.fault;
    EXPECT_EQ(result.errors.front().rfind(c.expected, 0), 0u) << c.fault << ": " << result.errors.front();
  }
}

TEST(CatalogueSources, AFolderGivesItsTomlFilesInNameOrder) {
  test::TempDir dir;
  dir.Write("b.toml", "# b\n");
  dir.Write("a.toml", "# a\n");
  dir.Write("notes.txt", "not a catalogue\n");
  std::vector<std::string> errors;
  const std::vector<std::string> paths{dir.path(), dir / "missing.toml"};
  const auto sources = ReadSources(paths, errors);
  ASSERT_EQ(sources.size(), 2u);
  EXPECT_EQ(sources[0].text, "# a\n");
  EXPECT_EQ(sources[1].text, "# b\n");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], dir / "missing.toml" + ": cannot be read");
}

}  // namespace
}  // namespace orv::gamesdat
