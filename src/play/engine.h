// The object graph of a running program: every piece of game state the
// rules share, owned in one place. The program builds one at start-up;
// each test builds its own.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cards/card_table.h"
#include "cards/main_game.h"
#include "games/catalogue.h"
#include "games/parameters.h"
#include "platform/host.h"
#include "platform/profile.h"
#include "settings/session_record.h"
#include "settings/settings.h"

namespace orv {

struct Folders {
  std::string program;  // the executable's folder, with its data files
  std::string data;     // the player's folder
};

class Engine {
 public:
  Engine(Host& host, Folders folders);
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  Host& host;
  const Folders folders;
  SessionRecord session;
  GameParameters params;
  PileRuleBackup pileRules;
  Catalogue catalogue;
  CardTable table;
  TMainGame main;
  StartupSettings startup;

  // The settings file of the data folder (opened afresh at every access).
  ProfileFile Settings() const;

  // The game number of the session record; -1 when none is current.
  int CurrentGame() const;
  // Clears the parameters and loads the current game's column.
  bool LoadCurrentGame();
};

// The start-up sequence up to the first game: data folder, settings,
// catalogue, and the current game's rules. Null after a fatal message
// (no definitions file): the program must then end.
std::unique_ptr<Engine> StartEngine(Host& host, std::string_view programFolder, std::string_view userDataHome);

}  // namespace orv
