// The player's custom games: a catalogue game with a few parameters changed.
#include <algorithm>

#include "common/text.h"
#include "games/catalogue.h"
#include "games/definitions_file.h"

namespace orv {

namespace {
// After a header line, each game takes a block of 30 lines: the first holds
// number, name and base game, the second the override string.
constexpr size_t kFirstBlockLine = 1, kBlockLines = 30;
constexpr int kNumberPos = 1, kNumberWidth = 4;
constexpr int kNamePos = 5, kNameWidth = 50;
constexpr int kBasePos = 55, kBaseWidth = 4;
constexpr int kListedDefinitionWidth = 7;

constexpr int kTableauPiles = 40, kFoundations = 16;

// The block's custom game number; a block without one (or with a catalogue
// number) defines nothing.
std::optional<int> BlockNumber(std::string_view first) {
  const auto number = games::NumberField(Mid(first, kNumberPos, kNumberWidth));
  return number && *number >= kFirstCustomGame ? number : std::nullopt;
}

std::string BlockDefinition(const std::vector<std::string>& lines, size_t first) {
  return first + 1 < lines.size() ? lines[first + 1] : std::string();
}

// Character 7 of the override string: the base rank of an empty tableau pile.
std::optional<int> TableauBaseRankCode(std::string_view code) {
  if (code == "1") return 91;  // one below the foundation base
  if (code == "2") return -1;  // any card
  if (code == "3") return 0;
  return std::nullopt;
}

void SetPiles(GameParameters& params, int first, int piles, std::optional<int> value) {
  if (!value) return;
  for (int pile = 1; pile <= piles; ++pile) params.SetPile(first, pile, *value);
}
}  // namespace

void ApplyCustomDefinition(std::string_view definition, GameParameters& params) {
  auto field = [&](int pos, int width) { return games::NumberField(Mid(definition, pos, width)); };
  if (auto turned = field(1, 3)) params.Set(P::StockTurnCount, *turned);
  if (auto deals = field(4, 3)) params.Set(P::Deals, *deals);

  // A damaged pile count must not reach into the neighbouring parameters.
  const int piles = std::clamp(params[P::TableauCount], 0, kTableauPiles);
  const int foundations = std::clamp(params[P::FoundationCount], 0, kFoundations);
  SetPiles(params, P::TableauBaseRank, piles, TableauBaseRankCode(Mid(definition, 7, 1)));
  SetPiles(params, P::TableauDirection, piles, field(8, 2));
  SetPiles(params, P::TableauRule, piles, field(10, 3));
  SetPiles(params, P::FoundationDirection, foundations, field(13, 2));
  SetPiles(params, P::FoundationRule, foundations, field(15, 3));
}

std::optional<std::vector<CustomGameEntry>> Catalogue::ListCustomGames() const {
  const auto lines = games::ReadLines(CustomGamesPath());
  if (!lines) return std::nullopt;
  std::vector<CustomGameEntry> entries;
  for (size_t i = kFirstBlockLine; i < lines->size(); i += kBlockLines) {
    const std::string& first = (*lines)[i];
    if (!BlockNumber(first)) continue;
    entries.push_back({PadRight(Mid(first, kNamePos, kNameWidth), kNameWidth),
                       PadRight(Mid(first, kNumberPos, kNumberWidth), kNumberWidth),
                       PadRight(Mid(first, kBasePos, kBaseWidth), kBaseWidth),
                       Mid(BlockDefinition(*lines, i), 1, kListedDefinitionWidth)});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const CustomGameEntry& a, const CustomGameEntry& b) {
    return ToLowerAscii(a.name) < ToLowerAscii(b.name);
  });
  return entries;
}

CustomGame Catalogue::FindCustomGame(int number) const {
  const auto lines = games::ReadLines(CustomGamesPath());
  if (!lines) return {};
  for (size_t i = kFirstBlockLine; i < lines->size(); i += kBlockLines) {
    const std::string& first = (*lines)[i];
    if (BlockNumber(first) != number) continue;
    const int base = games::NumberField(Mid(first, kBasePos, kBaseWidth)).value_or(-1);
    return {base, BlockDefinition(*lines, i)};
  }
  return {};
}

}  // namespace orv
