// The object graph of a running program: every piece of game state the
// rules share, owned in one place. The program builds one at start-up;
// each test builds its own. Header-only on purpose: every subsystem may take
// an Engine& without linking against the layer that starts it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cards/card_table.h"
#include "common/random.h"
#include "common/text.h"
#include "cards/main_game.h"
#include "games/catalogue.h"
#include "games/parameters.h"
#include "platform/host.h"
#include "platform/profile.h"
#include "platform/view.h"
#include "rules/history.h"
#include "settings/session_record.h"
#include "settings/settings.h"

namespace orv {

struct Folders {
  std::string program;  // the executable's folder, with its data files
  std::string data;     // the player's folder
};

class Engine {
 public:
  Engine(Host& h, Folders f)
      : host(h), folders(std::move(f)), catalogue(folders.program, folders.data), table(params) {}
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
  // Draws deal numbers (and the one chance step of some deals); seeded at
  // start-up from the clock, so every run of the program deals afresh.
  DealRandom random;
  History undo;
  History redo;

  // Where changed piles are announced; the program installs its table.
  View* view = &noView_;

  // The settings file of the data folder (opened afresh at every access).
  ProfileFile Settings() const { return ProfileFile(SettingsPath(folders.data, session)); }

  // The game number of the session record; -1 when none is current.
  int CurrentGame() const { return static_cast<int>(ParseIntOr(session.Get(sr::GameNumber), -1)); }

  // Clears the parameters and loads the current game's column.
  bool LoadCurrentGame() {
    params.Clear();
    return catalogue.LoadGameParameters(host, session, params, pileRules);
  }

 private:
  NullView noView_;
};

// The start-up sequence up to the first game: data folder, settings,
// catalogue, and the current game's rules. Null after a fatal message
// (no definitions file): the program must then end.
std::unique_ptr<Engine> StartEngine(Host& host, std::string_view programFolder, std::string_view userDataHome);

}  // namespace orv
