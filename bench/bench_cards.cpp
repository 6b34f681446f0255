// Card places are recomputed for every card on every repaint and pointer
// move; this measures one pass over a freshly dealt two-deck Spider table.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "cards/card_places.h"
#include "spider_game.h"

namespace orv {
namespace {

// Spider dealt, with the pile corners a layout would give it.
struct LaidOutSpider : bench::SpiderGame {
  LaidOutSpider() {
    e.session.Put(sr::CardSize, "B");
    e.session.Put(sr::UntidyPiles, "Y");
    e.main.SetCardSize("B");
    SetCardSteps(e.main, e.params, "B");
    std::mt19937 rng(2003);
    BuildJitterTable(e.main, rng);
    for (int i = 0; i < 10; ++i) {
      e.main.tableauX[static_cast<size_t>(i)] = static_cast<std::int16_t>(10 + 80 * i);
      e.main.tableauY[static_cast<size_t>(i)] = 130;
    }
  }
};

void BM_CardPlacesOfDealtSpider(benchmark::State& state) {
  const LaidOutSpider spider;
  const Engine& e = spider.e;
  const CardPlaces places(e.table, e.main, e.params, e.session);
  struct Pile {
    std::string name;
    int index;
    int cards;
    bool tableau;
  };
  std::vector<Pile> piles{{"Mazzo", 0, static_cast<int>(CodeCount(e.table.piles().stock[0])), false}};
  for (int i = 0; i < e.table.InPlay(PileGroup::Tableau); ++i)
    piles.push_back({PileName({PileGroup::Tableau, i}), i,
                     static_cast<int>(CodeCount(e.table.piles().tableau[static_cast<size_t>(i)])), true});
  long cards = 0;
  for (const Pile& p : piles) cards += p.cards;

  for (auto _ : state) {
    long sum = 0;
    for (const Pile& p : piles) {
      for (int c = 0; c < p.cards; ++c) sum += places.CardX(p.name, p.index, c, false) + places.CardY(p.name, p.index, c, false);
      if (p.tableau) sum += places.PileBottom(p.name);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * cards);  // cards placed per pass
}
BENCHMARK(BM_CardPlacesOfDealtSpider);

}  // namespace
}  // namespace orv
