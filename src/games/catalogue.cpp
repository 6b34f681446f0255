#include "games/catalogue.h"

#include <algorithm>

#include "common/scramble.h"
#include "common/text.h"
#include "games/definitions_file.h"
#include "platform/files.h"

namespace orv {

namespace {
// Catalogue line fields (1-based, after unscrambling).
constexpr int kGroupPos = 1, kGroupWidth = 3;
constexpr int kNumberPos = 5, kNumberWidth = 3;
constexpr int kNeeds800Pos = 9;
constexpr int kNamePos = 11, kNameWidth = 50;

constexpr int kNarrowScreen = 650;

bool IsBlankLine(std::string_view line) { return Trim(line).empty(); }

std::optional<int> LineGameNumber(std::string_view line) { return games::NumberField(Mid(line, kNumberPos, kNumberWidth)); }

std::string LineName(std::string_view line) { return TrimRight(Mid(line, kNamePos, kNameWidth)); }

// Names sort as a player reads them: without regard to case, file order kept
// for equal names.
bool NameLess(const std::string& a, const std::string& b) { return ToLowerAscii(a) < ToLowerAscii(b); }

// Why a catalogue line cannot be used, or empty when it can. Blank lines are
// kept as places that hold no game, so that the columns keep their positions.
std::string CatalogueLineFault(std::string_view line) {
  if (IsBlankLine(line)) return {};
  if (static_cast<int>(line.size()) < kNumberPos + kNumberWidth - 1) return "the catalogue line is too short to hold a game number";
  if (!LineGameNumber(line)) return "the game number is not a number";
  if (!games::NumberField(Mid(line, kGroupPos, kGroupWidth))) return "the group code is not a number";
  return {};
}
}  // namespace

Catalogue::Catalogue(std::string programFolder, std::string dataFolder)
    : programFolder_(std::move(programFolder)), dataFolder_(std::move(dataFolder)) {}

// The files were named on a system that ignores case; any spelling is found.
std::string Catalogue::DefinitionsPath() const { return ResolvePath(programFolder_, kDefinitionsFileName); }
std::string Catalogue::CustomGamesPath() const { return ResolvePath(dataFolder_, kCustomGamesFileName); }

bool Catalogue::Load(Host& host) {
  gameList_.clear();
  const std::string path = DefinitionsPath();
  const auto lines = games::ReadLines(path);
  if (!lines) {
    games::ReportMissingFile(host, path);
    return false;
  }
  bool found = false;
  std::vector<std::string> list;
  for (const auto& line : games::SectionLines(*lines, "[Sect1]", &found)) {
    // A line left blank by an editor holds no game but keeps its place.
    std::string text = IsBlankLine(line.text) ? std::string() : Unscramble(line.text);
    if (std::string fault = CatalogueLineFault(text); !fault.empty()) {
      games::ReportDamagedDefinitions(host, path, "line " + std::to_string(line.lineNumber) + ": " + fault);
      return false;
    }
    list.push_back(std::move(text));
  }
  if (!found) {
    games::ReportDamagedDefinitions(host, path, "the catalogue section [Sect1] is missing");
    return false;
  }
  gameList_ = std::move(list);
  return true;
}

int Catalogue::FindGameColumn(int game) const {
  if (game < 0 || game >= kFirstCustomGame) return -1;
  const auto size = static_cast<int>(gameList_.size());
  if (game < size && LineGameNumber(gameList_[static_cast<size_t>(game)]) == game) return game;
  for (int c = 0; c < size; ++c)
    if (LineGameNumber(gameList_[static_cast<size_t>(c)]) == game) return c;
  return -1;
}

std::string Catalogue::GameName(int game, std::string_view callerText) const {
  if (game >= kFirstCustomGame) return std::string(callerText);
  const int c = FindGameColumn(game);
  return c < 0 ? std::string() : LineName(gameList_[static_cast<size_t>(c)]);
}

int Catalogue::GameGroup(int game) const {
  if (game >= kFirstCustomGame) return kCustomGroup;
  const int c = FindGameColumn(game);
  if (c < 0) return -1;
  return games::NumberField(Mid(gameList_[static_cast<size_t>(c)], kGroupPos, kGroupWidth)).value_or(-1);
}

int Catalogue::FindGameByName(std::string_view name) const {
  // Only trailing blanks are ignored: a name typed with leading blanks is
  // another name.
  const std::string wanted = ToLowerAscii(TrimRight(name));
  for (const auto& line : gameList_) {
    if (IsBlankLine(line)) continue;
    if (ToLowerAscii(LineName(line)) == wanted) return LineGameNumber(line).value_or(-1);
  }
  return -1;
}

std::vector<std::string> Catalogue::AllGameNames() const {
  std::vector<std::string> names;
  for (const auto& line : gameList_)
    if (!IsBlankLine(line)) names.push_back(LineName(line));
  if (auto custom = ListCustomGames())
    for (const auto& entry : *custom) names.push_back(TrimRight(entry.name));
  std::stable_sort(names.begin(), names.end(), NameLess);
  return names;
}

std::vector<int> Catalogue::GameNumbers() const {
  std::vector<int> numbers;
  for (const auto& line : gameList_)
    if (const auto number = LineGameNumber(line)) numbers.push_back(*number);
  return numbers;
}

std::vector<int> Catalogue::PopularGames() const {
  std::vector<int> numbers;
  const auto lines = games::ReadLines(DefinitionsPath());
  if (!lines) return numbers;
  for (const auto& line : ReadSection(*lines, "[SectS]"))
    if (auto number = games::NumberField(Unscramble(line))) numbers.push_back(*number);
  return numbers;
}

bool Catalogue::CheckScreenForGame(Host& host, int game) const {
  if (host.Screen().width >= kNarrowScreen) return true;
  const int catalogueGame = game >= kFirstCustomGame ? FindCustomGame(game).baseGame : game;
  const int c = FindGameColumn(catalogueGame);
  if (c < 0) return true;
  const std::string& line = gameList_[static_cast<size_t>(c)];
  if (Mid(line, kNeeds800Pos, 1) != "1") return true;
  host.ShowMessage("Your video card's display is 640x480 pixels.\rYou can't play: " + LineName(line) + "\r" +
                   "Please set your screen resolution to 800x600 pixels or higher.");
  return false;
}

}  // namespace orv
