// Every move records the whole position before it changes the table, and
// every follow-up move records and drops one more; Undo writes a position
// back. Measured on a freshly dealt two-deck Spider table.
#include <benchmark/benchmark.h>

#include <array>

#include "platform/recording_host.h"
#include "play/engine.h"
#include "rules/history.h"

namespace orv {
namespace {

constexpr std::array<int, 10> kDealt = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};

struct SpiderTable {
  RecordingHost host;
  Engine e{host, Folders{}};

  SpiderTable() {
    e.params.Set(P::TableauCount, 10);
    e.params.Set(P::FoundationCount, 8);
    int card = 1;
    for (int i = 0; i < 10; ++i) {
      const int count = kDealt[static_cast<size_t>(i)];
      for (int k = 0; k < count; ++k, ++card)
        e.table.AppendCardCode(PileGroup::Tableau, i, card, k + 1 == count ? "1" : "0");
    }
    for (; card <= 104; ++card) e.table.AppendCardCode(PileGroup::Stock, 0, card, "0");
  }
};

// What a follow-up move costs the history: one entry recorded, then dropped.
void BM_RecordAndDropPosition(benchmark::State& state) {
  SpiderTable spider;
  for (auto _ : state) {
    RecordPosition(spider.e, spider.e.undo);
    DropNewestEntries(spider.e, 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordAndDropPosition);

// Undo then Redo: each records the position it leaves and writes one back.
void BM_UndoRedo(benchmark::State& state) {
  SpiderTable spider;
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
