// Every drop the pointer can offer is judged by CanDropOn; hints and
// autoplay ask it for whole tables at a time. This measures one pass over
// every (card, pile) pair of a freshly dealt Spider table: each of the 54
// tableau cards against the 10 tableau piles and the 8 foundations.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "rules/validation.h"
#include "spider_game.h"

namespace orv {
namespace {

void BM_CanDropOnDealtSpider(benchmark::State& state) {
  bench::SpiderGame spider;
  Engine& e = spider.e;
  struct Carried {
    int card;
    bool top;
  };
  std::vector<Carried> carried;
  std::vector<std::string> targets;
  for (int i = 0; i < e.table.InPlay(PileGroup::Tableau); ++i) {
    const std::string& pile = e.table.piles().tableau[static_cast<size_t>(i)];
    for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3) carried.push_back({CardAt(pile, pos), pos + 2 == pile.size()});
    targets.push_back(PileName({PileGroup::Tableau, i}));
  }
  for (int k = 0; k < e.table.InPlay(PileGroup::Foundation); ++k) targets.push_back(PileName({PileGroup::Foundation, k}));

  for (auto _ : state) {
    int accepted = 0;
    for (const Carried& c : carried) {
      e.main.movingSingleCard = c.top;
      for (const std::string& pile : targets) accepted += CanDropOn(e, c.card, pile) ? 1 : 0;
    }
    benchmark::DoNotOptimize(accepted);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(carried.size() * targets.size()));
}
BENCHMARK(BM_CanDropOnDealtSpider);

}  // namespace
}  // namespace orv
