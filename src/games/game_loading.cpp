// Loading a game's column of the parameter matrix.
#include <cstdint>
#include <limits>

#include "common/scramble.h"
#include "common/text.h"
#include "games/catalogue.h"
#include "games/definitions_file.h"

namespace orv {

namespace {
// Matrix line fields (1-based): the plain parameter number, then one
// scrambled 10-character value per column, 11 characters apart. A game
// outside the catalogue reads the field at 6.
constexpr int kNumberPos = 1, kNumberWidth = 4;
constexpr int kFirstValuePos = 17, kColumnStep = 11, kValueWidth = 10;
constexpr int kNoColumnValuePos = 6;
// What the selection dialog shows for a value it could not read.
constexpr int kMissingValue = -99;

int ValuePos(int column) { return column < 0 ? kNoColumnValuePos : kFirstValuePos + kColumnStep * column; }

// The value of `column` in a matrix line, or why there is none.
std::string ReadValue(std::string_view line, int column, int& value) {
  const int pos = ValuePos(column);
  if (static_cast<int>(line.size()) < pos + kValueWidth - 1) return "the line is too short to hold this game's value";
  const auto parsed = ParseInt(TrimRight(Unscramble(Mid(line, pos, kValueWidth))));
  if (!parsed) return "this game's value is not a number";
  if (*parsed < std::numeric_limits<std::int16_t>::min() || *parsed > std::numeric_limits<std::int16_t>::max())
    return "this game's value " + std::to_string(*parsed) + " is out of range";
  value = static_cast<int>(*parsed);
  return {};
}

// Stores one matrix line's value; returns why the line is damaged, or empty.
std::string StoreMatrixLine(std::string_view line, int column, GameParameters& params) {
  if (Trim(line).empty()) return {};
  const auto number = games::NumberField(Mid(line, kNumberPos, kNumberWidth));
  if (!number) return "the parameter number is not a number";
  // Numbers nobody reads are skipped whole, whatever their values hold.
  if (*number < 0 || *number >= kParameterCount) return {};
  int value = 0;
  std::string fault = ReadValue(line, column, value);
  if (fault.empty()) {
    params.Set(*number, value);
    return {};
  }
  // Characters 6-15 belong to no game and may be left blank by the writer:
  // a game outside the catalogue reads 0 there rather than ending the program.
  if (column < 0) return {};
  return "parameter " + Mid(line, kNumberPos, kNumberWidth) + ": " + fault;
}
}  // namespace

bool Catalogue::LoadGameParameters(Host& host, int game, GameParameters& params, PileRuleBackup& backup) const {
  params.Clear();
  const bool custom = game >= kFirstCustomGame;
  const CustomGame definition = custom ? FindCustomGame(game) : CustomGame{};
  const int column = FindGameColumn(custom ? definition.baseGame : game);

  const std::string path = DefinitionsPath();
  const auto lines = games::ReadLines(path);
  if (!lines) {
    games::ReportMissingFile(host, path);
    return false;
  }
  bool found = false;
  for (const auto& line : games::SectionLines(*lines, "[Sect2]", &found)) {
    const std::string fault = StoreMatrixLine(line.text, column, params);
    if (!fault.empty()) {
      // Half a column would deal a game nobody defined.
      params.Clear();
      games::ReportDamagedDefinitions(host, path, "line " + std::to_string(line.lineNumber) + ": " + fault);
      return false;
    }
  }
  if (!found) {
    games::ReportDamagedDefinitions(host, path, "the parameter section [Sect2] is missing");
    return false;
  }
  if (custom) ApplyCustomDefinition(definition.definition, params);
  backup.Save(params);
  return true;
}

bool Catalogue::LoadGameParameters(Host& host, const SessionRecord& record, GameParameters& params,
                                   PileRuleBackup& backup) const {
  const int game = games::NumberField(record.Get(sr::GameNumber)).value_or(-1);
  return LoadGameParameters(host, game, params, backup);
}

std::optional<std::vector<int>> Catalogue::ReadGameValues(int game, std::span<const int> numbers) const {
  const auto lines = games::ReadLines(DefinitionsPath());
  if (!lines) return std::nullopt;
  // Each line is found by its own number, so the answer does not depend on
  // where the matrix starts; a later line wins, as in a load.
  const int column = FindGameColumn(game);
  std::vector<int> values(numbers.size(), kMissingValue);
  for (const auto& line : ReadSection(*lines, "[Sect2]")) {
    const auto number = games::NumberField(Mid(line, kNumberPos, kNumberWidth));
    if (!number || *number < 0) continue;
    for (size_t i = 0; i < numbers.size(); ++i) {
      if (numbers[i] != *number) continue;
      int value = 0;
      values[i] = ReadValue(line, column, value).empty() ? value : kMissingValue;
    }
  }
  return values;
}

}  // namespace orv
