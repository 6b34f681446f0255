// Card places are recomputed for every card on every repaint and pointer
// move; this measures one pass over a freshly dealt two-deck Spider table.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "cards/card_places.h"

namespace orv {
namespace {

constexpr std::array<int, 10> kDealt = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};

struct SpiderTable {
  GameParameters params;
  CardTable table{params};
  TMainGame game;
  SessionRecord record;
  std::array<std::string, 10> names;

  SpiderTable() {
    params.Set(P::TableauKind, 1);
    params.Set(P::TableauCount, 10);
    params.Set(P::FoundationCount, 8);
    record.Put(sr::CardSize, "B");
    record.Put(sr::UntidyPiles, "Y");
    game.SetCardSize("B");
    SetCardSteps(game, params, "B");
    std::mt19937 rng(2003);
    BuildJitterTable(game, rng);
    int card = 1;
    for (int i = 0; i < 10; ++i) {
      game.tableauX[static_cast<size_t>(i)] = static_cast<std::int16_t>(10 + 80 * i);
      game.tableauY[static_cast<size_t>(i)] = 130;
      names[static_cast<size_t>(i)] = PileName({PileGroup::Tableau, i});
      const int count = kDealt[static_cast<size_t>(i)];
      for (int k = 0; k < count; ++k, ++card)
        table.AppendCardCode(PileGroup::Tableau, i, card, k + 1 == count ? "1" : "0");
    }
    for (; card <= 104; ++card) table.AppendCardCode(PileGroup::Stock, 0, card, "0");
  }
};

void BM_CardPlacesOfDealtSpider(benchmark::State& state) {
  const SpiderTable spider;
  const CardPlaces places(spider.table, spider.game, spider.params, spider.record);
  for (auto _ : state) {
    long sum = 0;
    for (int i = 0; i < 10; ++i) {
      const std::string& name = spider.names[static_cast<size_t>(i)];
      const int count = kDealt[static_cast<size_t>(i)];
      for (int c = 0; c < count; ++c) sum += places.CardX(name, i, c, false) + places.CardY(name, i, c, false);
      sum += places.PileBottom(name);
    }
    for (int c = 0; c < 50; ++c) sum += places.CardX("Mazzo", 0, c, false) + places.CardY("Mazzo", 0, c, false);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 104);  // cards placed per pass
}
BENCHMARK(BM_CardPlacesOfDealtSpider);

}  // namespace
}  // namespace orv
