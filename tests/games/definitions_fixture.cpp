#include "definitions_fixture.h"

#include "common/scramble.h"
#include "common/text.h"
#include "games/parameters.h"

namespace orv::test {

std::string CatalogueLine(const FixtureGame& game) {
  return IntToFixed(game.group, 3) + " " + IntToFixed(game.number, 3) + " " + (game.needs800 ? "1" : "0") + "0" +
         PadRight(game.name, 50);
}

std::string ValueField(int value) {
  const std::string text = std::to_string(value);
  return Repeat(' ', 10 - static_cast<int>(text.size())) + text;
}

std::string MatrixLine(int number, const std::vector<std::string>& fields, std::string_view noColumn) {
  std::string line = IntToFixed(number, 4) + " " + Scramble(noColumn) + " ";
  for (size_t c = 0; c < fields.size(); ++c) line += (c ? " " : "") + Scramble(fields[c]);
  return line;
}

std::vector<std::string> CatalogueSection(const std::vector<FixtureGame>& games) {
  std::vector<std::string> lines{"[Sect1]"};
  for (const auto& g : games) lines.push_back(Scramble(CatalogueLine(g)));
  return lines;
}

std::vector<std::string> MatrixSection(const FixtureValues& values) {
  std::vector<std::string> lines{"[Sect2]"};
  for (const auto& [number, columns] : values) {
    std::vector<std::string> fields;
    for (int v : columns) fields.push_back(ValueField(v));
    lines.push_back(MatrixLine(number, fields));
  }
  return lines;
}

std::vector<std::string> PopularSection(const std::vector<int>& games) {
  std::vector<std::string> lines{"[SectS]"};
  for (int g : games) lines.push_back(Scramble(std::to_string(g)));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string DefinitionsText(const std::vector<FixtureGame>& games, const FixtureValues& values,
                            const std::vector<int>& popular) {
  std::vector<std::string> lines = CatalogueSection(games);
  for (auto& l : MatrixSection(values)) lines.push_back(std::move(l));
  for (auto& l : PopularSection(popular)) lines.push_back(std::move(l));
  return JoinLines(lines);
}

std::string CustomGamesText(const std::vector<FixtureCustomGame>& games) {
  std::vector<std::string> lines{"custom games"};
  for (const auto& g : games) {
    lines.push_back(IntToFixed(g.number, 4) + PadRight(g.name, 50) + IntToFixed(g.baseGame, 4));
    lines.push_back(g.definition);
    for (int i = 0; i < 28; ++i) lines.push_back("rules editor line " + std::to_string(i));
  }
  return JoinLines(lines);
}

}  // namespace orv::test

namespace orv {
void PrintTo(const GameParameters& params, std::ostream* out) {
  *out << "{";
  for (int n = 0; n < kParameterCount; ++n)
    if (params[n] != 0) *out << " " << n << "=" << params[n];
  *out << " }";
}
}  // namespace orv
