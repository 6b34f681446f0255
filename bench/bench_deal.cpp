// A new game deals once: draw a number, build the deck order, distribute
// it. This measures one whole two-deck Spider deal on an emptied table.
#include <benchmark/benchmark.h>

#include "cards/deal.h"
#include "play/engine.h"
#include "platform/recording_host.h"

namespace orv {
namespace {

void SetSpider(GameParameters& p) {
  p.Set(P::DeckCards, 104);
  p.Set(P::TableauCount, 10);
  p.Set(P::FoundationCount, 8);
  const int dealt[] = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};
  for (int k = 0; k < 10; ++k) {
    p.Set(P::TableauDealt + k, dealt[k]);
    p.Set(P::TableauFaceUp + k, 1);
  }
  p.Set(P::StockCards, 50);
  p.Set(P::StockFaceDown, 1);
  p.Set(P::FoundationBaseRank, 83);
}

void BM_DealSpider(benchmark::State& state) {
  RecordingHost host;
  Engine e(host, Folders{});
  SetSpider(e.params);
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
