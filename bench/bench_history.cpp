// Every move records the whole position before it changes the table, and
// every follow-up move records and drops one more; Undo writes a position
// back. Measured on a freshly dealt two-deck Spider table.
#include <benchmark/benchmark.h>

#include "rules/history.h"
#include "spider_game.h"

namespace orv {
namespace {

// What a follow-up move costs the history: one entry recorded, then dropped.
void BM_RecordAndDropPosition(benchmark::State& state) {
  bench::SpiderGame spider;
  for (auto _ : state) {
    RecordPosition(spider.e, spider.e.undo);
    DropNewestEntries(spider.e, 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordAndDropPosition);

// Undo then Redo: each records the position it leaves and writes one back.
void BM_UndoRedo(benchmark::State& state) {
  bench::SpiderGame spider;
  RecordPosition(spider.e, spider.e.undo);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Undo(spider.e));
    benchmark::DoNotOptimize(Redo(spider.e));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_UndoRedo);

}  // namespace
}  // namespace orv
