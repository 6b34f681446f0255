// A new game deals once: draw a number, build the deck order, distribute
// it. This measures one whole two-deck Spider deal on an emptied table.
#include <benchmark/benchmark.h>

#include "cards/deal.h"
#include "spider_game.h"

namespace orv {
namespace {

void BM_DealSpider(benchmark::State& state) {
  bench::SpiderGame spider;
  Engine& e = spider.e;
  e.random.Seed(2003);
  for (auto _ : state) {
    e.table.ClearPiles();
    NewDealNumber(e);
    Deal(e);
    benchmark::DoNotOptimize(e.table.piles().stock[0].data());
  }
  state.SetItemsProcessed(state.iterations() * 104);  // cards dealt
}
BENCHMARK(BM_DealSpider);

}  // namespace
}  // namespace orv
