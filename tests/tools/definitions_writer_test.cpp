#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/scramble.h"
#include "common/text.h"
#include "gamesdat/catalogue_compiler.h"
#include "gamesdat/definitions_writer.h"
#include "support/temp_dir.h"

namespace orv::gamesdat {
namespace {

// The file's lines by section, read the way the documented format says.
struct Sections {
  std::vector<std::string> catalogue, matrix, popular;
};

Sections Split(const std::string& file) {
  Sections s;
  std::vector<std::string>* into = nullptr;
  size_t start = 0;
  for (size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = file.substr(start, end - start);
    if (line == "[Sect1]") into = &s.catalogue;
    else if (line == "[Sect2]") into = &s.matrix;
    else if (line == "[SectS]") into = &s.popular;
    else if (into) into->push_back(line);
  }
  EXPECT_EQ(start, file.size()) << "the last line must end with CR LF";
  return s;
}

// Column 0 is Beta (game 5), column 1 Alpha (game 7): number order.
constexpr std::string_view kTwoGames = R"([template.small]
deck_cards = 52
tableau_count = 2

[[game]]
number = 7
name = "Alpha"
group = 8
popular = true
wide_screen = true
base = "small"
tableau_dealt = [3, 2]
rules = "Play."

[[game]]
number = 5
name = "Beta"
group = 12
new_game = true
base = "small"
tableau_count = 3
tableau_base_rank = -1
rules = "Play."
)";

TEST(DefinitionsWriter, WritesTheDocumentedBytes) {
  const SourceFile source{"two.toml", std::string(kTwoGames)};
  const auto result = CompileCatalogue({&source, 1});
  ASSERT_TRUE(result.ok()) << result.errors.front();
  const Sections s = Split(WriteDefinitionsFile(result.games));

  // "012 005 01Beta" and "008 007 10Alpha", blank-padded to 60, scrambled.
  ASSERT_EQ(s.catalogue.size(), 2u);
  EXPECT_EQ(s.catalogue[0], "`abP``eP`ar5D1" + std::string(46, 'P'));
  EXPECT_EQ(s.catalogue[1], "``hP``gPa`q<@81" + std::string(45, 'P'));

  // 4-digit number, 12 unread blanks, then per column a right-aligned
  // scrambled field of 10 and a scrambled blank.
  ASSERT_EQ(s.matrix.size(), 503u);
  EXPECT_EQ(s.matrix[0], "0000            PPPPPPPPP`PPPPPPPPPP`P");
  EXPECT_EQ(s.matrix[375], "0375            PPPPPPPPPcPPPPPPPPPPbP");
  EXPECT_EQ(s.matrix[137], "0137            PPPPPPPP]aPPPPPPPPPP`P");  // -1 on Beta's third pile
  EXPECT_EQ(s.matrix[138], "0138            PPPPPPPPP`PPPPPPPPPP`P");  // beyond its piles
  EXPECT_EQ(s.matrix[383], "0383            PPPPPPPPP`PPPPPPPPPPbP");
  EXPECT_EQ(s.matrix[502], "0502            PPPPPPPPP`PPPPPPPPPP`P");

  EXPECT_EQ(s.popular, std::vector<std::string>{"g"});
}

// The delivered catalogue, written and read back at the documented
// positions, gives every value of every game.
TEST(DefinitionsWriter, TheDeliveredCatalogueReadsBackWhole) {
  std::vector<std::string> errors;
  const std::vector<std::string> folder{ORVANE_CATALOGUE_DIR};
  const auto sources = ReadSources(folder, errors);
  ASSERT_TRUE(errors.empty()) << errors.front();
  const auto result = CompileCatalogue(sources);
  ASSERT_TRUE(result.ok()) << result.errors.front();
  ASSERT_FALSE(result.games.empty());
  const Sections s = Split(WriteDefinitionsFile(result.games));

  ASSERT_EQ(s.catalogue.size(), result.games.size());
  ASSERT_EQ(s.matrix.size(), 503u);
  std::vector<std::string> mismatches;
  std::vector<std::string> popular;
  for (size_t c = 0; c < result.games.size(); ++c) {
    const CompiledGame& game = result.games[c];
    const std::string line = Unscramble(s.catalogue[c]);
    EXPECT_EQ(ParseInt(Mid(line, 1, 3)), game.group) << game.name;
    EXPECT_EQ(ParseInt(Mid(line, 5, 3)), game.number) << game.name;
    EXPECT_EQ(Mid(line, 9, 1), game.wideScreen ? "1" : "0") << game.name;
    EXPECT_EQ(Mid(line, 10, 1), game.newGame ? "1" : "0") << game.name;
    EXPECT_EQ(TrimRight(Mid(line, 11, 50)), game.name);
    if (game.popular) popular.push_back(std::to_string(game.number));
    for (int n = 0; n < kParameterCount; ++n) {
      const std::string& row = s.matrix[static_cast<size_t>(n)];
      const auto value = ParseInt(TrimRight(Unscramble(Mid(row, 17 + 11 * static_cast<int>(c), 10))));
      if (Mid(row, 1, 4) != IntToFixed(n, 4) || value != game.params[n])
        mismatches.push_back(game.name + " parameter " + std::to_string(n));
    }
  }
  EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " mismatches, first " << mismatches.front();
  std::vector<std::string> popularRead;
  for (const auto& line : s.popular) popularRead.push_back(Unscramble(line));
  EXPECT_EQ(popularRead, popular);
}

}  // namespace
}  // namespace orv::gamesdat
