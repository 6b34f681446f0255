// A game change reads the definitions file afresh (no cache is kept), so
// this is what the player waits for between choosing Spider and the deal.
#include <benchmark/benchmark.h>

#include "games/catalogue.h"
#include "platform/recording_host.h"

namespace orv {
namespace {

// The catalogue built beside the benchmark program.
std::string ProgramFolder() { return std::string(ORVANE_PROGRAM_DIR) + "/"; }

void BM_LoadSpiderParameters(benchmark::State& state) {
  RecordingHost host;
  Catalogue catalogue(ProgramFolder(), ProgramFolder());
  if (!catalogue.Load(host)) {
    state.SkipWithError("GAMES.DAT is missing beside the program");
    return;
  }
  GameParameters params;
  PileRuleBackup backup;
  for (auto _ : state) {
    params.Clear();
    benchmark::DoNotOptimize(catalogue.LoadGameParameters(host, 18, params, backup));
  }
  if (params[P::TableauCount] != 10) state.SkipWithError("game 18 did not load as Spider");
}
BENCHMARK(BM_LoadSpiderParameters);

}  // namespace
}  // namespace orv
