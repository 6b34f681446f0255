// Two-deck Spider as the player gets it: the rules loaded from the
// catalogue built beside the benchmarks and one fixed deal, so the figures
// measure the real game rather than a hand-made copy of its parameters.
#pragma once

#include <sstream>
#include <stdexcept>

#include "cli_host.h"
#include "play/engine.h"
#include "table_play.h"

namespace orv::bench {

inline constexpr int kSpider = 18;

struct SpiderGame {
  std::ostringstream quiet;
  cli::CliHost host{quiet};
  Engine e{host, Folders{ORVANE_PROGRAM_DIR "/", {}}};

  explicit SpiderGame(const char* deal = "1234567890123") {
    host.SetQuiet(true);
    if (!cli::OpenGame(e, kSpider, deal, quiet)) throw std::runtime_error("no Spider in the catalogue beside the benchmarks");
  }
};

}  // namespace orv::bench
