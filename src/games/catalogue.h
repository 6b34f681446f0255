// The definitions file: the catalogue of games, each game's column of rule
// parameters, the popular games, and the player's custom games.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "games/parameters.h"
#include "platform/host.h"
#include "settings/session_record.h"

namespace orv {

inline constexpr std::string_view kDefinitionsFileName = "GAMES.DAT";
inline constexpr std::string_view kCustomGamesFileName = "GAM_CUST.DAT";
inline constexpr int kFirstCustomGame = 8000;
inline constexpr int kCustomGroup = 800;

// The lines of every section that starts with `header` (compared exactly,
// case-sensitively, at the start of a line), concatenated, up to the next
// line beginning with "[".
std::vector<std::string> ReadSection(const std::vector<std::string>& lines, std::string_view header);

// Applies a custom game's override string to the loaded parameters; fields
// that are absent or not numbers leave their parameters unchanged.
void ApplyCustomDefinition(std::string_view definition, GameParameters& params);

struct CustomGameEntry {
  std::string name;        // 50 characters as stored
  std::string number;      // 4 characters
  std::string baseGame;    // 4 characters
  std::string definition;  // the first 7 characters of the override string
};

struct CustomGame {
  int baseGame = -1;
  std::string definition;
};

class Catalogue {
 public:
  // Folders end in "/": the definitions file is in the program folder, the
  // custom games file in the data folder.
  Catalogue(std::string programFolder, std::string dataFolder);

  // Reads the catalogue section into GameList. A missing or damaged file is
  // reported through the host (the program then ends); the result says so.
  bool Load(Host& host);

  const std::vector<std::string>& GameList() const { return gameList_; }
  std::string DefinitionsPath() const;
  std::string CustomGamesPath() const;

  int FindGameColumn(int game) const;
  // The catalogue name; for custom numbers the caller's text is returned.
  std::string GameName(int game, std::string_view callerText = {}) const;
  int GameGroup(int game) const;
  int FindGameByName(std::string_view name) const;

  // Loads game `game` into `params` (which the caller has cleared), applies a
  // custom game's overrides and saves the pile rules. A damaged definitions
  // file is reported through the host and gives false.
  bool LoadGameParameters(Host& host, int game, GameParameters& params, PileRuleBackup& backup) const;
  // The same for the current game of the session record.
  bool LoadGameParameters(Host& host, const SessionRecord& record, GameParameters& params, PileRuleBackup& backup) const;

  // Values of up to nine parameter numbers for another game; negative numbers
  // read -99. nullopt when the file cannot be read.
  std::optional<std::vector<int>> ReadGameValues(int game, std::span<const int> numbers) const;

  // The custom games sorted by name; nullopt when the file does not exist.
  std::optional<std::vector<CustomGameEntry>> ListCustomGames() const;
  CustomGame FindCustomGame(int number) const;
  // Every catalogue and custom game name, sorted.
  std::vector<std::string> AllGameNames() const;
  // The number of every game of the catalogue, in its order (custom games
  // left out).
  std::vector<int> GameNumbers() const;
  // The game numbers of the popular-games section, in file order.
  std::vector<int> PopularGames() const;

  // False (after the refusal message) when the screen is too narrow.
  bool CheckScreenForGame(Host& host, int game) const;

 private:
  std::string programFolder_;
  std::string dataFolder_;
  std::vector<std::string> gameList_;
};

}  // namespace orv
