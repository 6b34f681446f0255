#include "gamesdat/definitions_writer.h"

#include <string_view>

#include "common/scramble.h"
#include "common/text.h"

namespace orv::gamesdat {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kValueWidth = 10;
// Characters 5-16 of a matrix line are never read; they stay blank.
constexpr int kMatrixLabelWidth = 12;
constexpr int kNameWidth = 50;

void AppendLine(std::string& out, std::string_view line) {
  out += line;
  out += kLineEnd;
}

// Characters 1-60 as the loader reads them after unscrambling.
std::string CatalogueLine(const CompiledGame& game) {
  return IntToFixed(game.group, 3) + " " + IntToFixed(game.number, 3) + " " + (game.wideScreen ? "1" : "0") +
         (game.newGame ? "1" : "0") + PadRight(game.name, kNameWidth);
}

// A value right-aligned in its field; the loader allows the leading blanks.
std::string ValueField(int value) {
  const std::string digits = std::to_string(value);
  return Repeat(' ', kValueWidth - static_cast<int>(digits.size())) + digits;
}

// The separator after each field is a scrambled blank, so that the whole
// value area unscrambles to plain text and no line ends in a blank.
std::string MatrixLine(int number, std::span<const CompiledGame> games) {
  std::string line = IntToFixed(number, 4) + Repeat(' ', kMatrixLabelWidth);
  for (const auto& game : games) line += Scramble(ValueField(game.params[number]) + " ");
  return line;
}

}  // namespace

std::string WriteDefinitionsFile(std::span<const CompiledGame> games) {
  std::string out;
  AppendLine(out, "[Sect1]");
  for (const auto& game : games) AppendLine(out, Scramble(CatalogueLine(game)));
  AppendLine(out, "[Sect2]");
  for (int n = 0; n < kParameterCount; ++n) AppendLine(out, MatrixLine(n, games));
  AppendLine(out, "[SectS]");
  for (const auto& game : games)
    if (game.popular) AppendLine(out, Scramble(std::to_string(game.number)));
  return out;
}

}  // namespace orv::gamesdat
