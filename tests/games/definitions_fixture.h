// Builds definitions and custom games files in the exact stored format, so
// that a test states its games and values and the scrambling is done here.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orv::test {

struct FixtureGame {
  int group = 8;
  int number = 0;
  std::string name;
  bool needs800 = false;  // catalogue character 9
};

// Parameter number -> its value in each column, in catalogue order.
using FixtureValues = std::map<int, std::vector<int>>;

// The unscrambled catalogue line of a game.
std::string CatalogueLine(const FixtureGame& game);
// A value as its unscrambled 10-character field, right-aligned.
std::string ValueField(int value);
// A matrix line: the plain 4-digit number, `noColumn` at characters 6-15,
// then one scrambled field per column, 11 characters apart.
std::string MatrixLine(int number, const std::vector<std::string>& fields, std::string_view noColumn = "         0");

// "[Sect1]" with the scrambled catalogue lines.
std::vector<std::string> CatalogueSection(const std::vector<FixtureGame>& games);
// "[Sect2]" with one line per parameter, in number order.
std::vector<std::string> MatrixSection(const FixtureValues& values);
// "[SectS]" with the scrambled game numbers.
std::vector<std::string> PopularSection(const std::vector<int>& games);

// Lines joined as the file stores them, each ending in "\r\n".
std::string JoinLines(const std::vector<std::string>& lines);
std::string DefinitionsText(const std::vector<FixtureGame>& games, const FixtureValues& values,
                            const std::vector<int>& popular = {});

struct FixtureCustomGame {
  int number;
  std::string name;
  int baseGame;
  std::string definition;
};
// A header line, then a 30-line block per game.
std::string CustomGamesText(const std::vector<FixtureCustomGame>& games);

}  // namespace orv::test

namespace orv {
class GameParameters;
// Failed comparisons list the entries that are not 0 instead of raw bytes.
void PrintTo(const GameParameters& params, std::ostream* out);
}  // namespace orv
