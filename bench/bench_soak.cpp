// The soak's random play on two-deck Spider: how many actions a second the
// headless player gets through, each with its legal-move search, the trial
// stock click, and the undo-redo check after it. Also the pieces on their
// own: listing the legal moves and one move with its undo.
#include <benchmark/benchmark.h>

#include <random>

#include "rules/history.h"
#include "soak.h"
#include "spider_game.h"
#include "table_play.h"

namespace orv::cli {
namespace {

using bench::SpiderGame;

void BM_SoakSpiderDeal(benchmark::State& state) {
  SpiderGame game;
  std::mt19937_64 deals(1);
  std::mt19937 rng(1);
  long long actions = 0;
  for (auto _ : state) {
    state.PauseTiming();
    game.e.session.Put(sr::DealNumber, SoakDealNumber(deals));
    DealCurrentGame(game.e);
    state.ResumeTiming();
    const SoakDealResult r = SoakDeal(game.e, static_cast<int>(state.range(0)), rng);
    if (!r.failure.empty()) state.SkipWithError(r.failure.c_str());
    actions += r.actions;
  }
  state.counters["actions/s"] = benchmark::Counter(static_cast<double>(actions), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SoakSpiderDeal)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_LegalMovesSpiderDeal(benchmark::State& state) {
  SpiderGame game;
  for (auto _ : state) benchmark::DoNotOptimize(LegalMoves(game.e));
}
BENCHMARK(BM_LegalMovesSpiderDeal)->Unit(benchmark::kMicrosecond);

// A move as the player makes it (lift, drop checks, execution with its
// history entry) and the Undo that takes it back.
void BM_MoveAndUndoSpider(benchmark::State& state) {
  SpiderGame game;
  const Move move = LegalMoves(game.e).front();
  for (auto _ : state) {
    TryMove(game.e, move.card, move.target);
    Undo(game.e);
  }
}
BENCHMARK(BM_MoveAndUndoSpider)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orv::cli
