#include "play/engine.h"

namespace orv {

std::unique_ptr<Engine> StartEngine(Host& host, std::string_view programFolder, std::string_view userDataHome) {
  BusyPointer busy(host);
  Folders folders{std::string(programFolder), ResolveDataFolder(host, programFolder, userDataHome)};
  auto engine = std::make_unique<Engine>(host, std::move(folders));
  engine->startup = ReadStartupSettings(host, engine->Settings(), engine->session);
  if (!engine->catalogue.Load(host)) return nullptr;

  // A remembered game the catalogue no longer lists: no game is current,
  // and the player chooses one.
  const int game = engine->CurrentGame();
  if (game >= 0 && game < kFirstCustomGame && engine->catalogue.GameName(game).empty()) {
    engine->session.Put(sr::GameNumber, IntToFixed(-1, 4));
    engine->session.Put(sr::GameName, "");
  }
  engine->main.SetCardSize(engine->session.Get(sr::CardSize));
  // Every run deals afresh: deal numbers are drawn from a clock-seeded generator.
  engine->random.Seed(ClockSeed(host.Now()));
  if (engine->CurrentGame() >= 0 && !engine->LoadCurrentGame()) return nullptr;
  return engine;
}

}  // namespace orv
