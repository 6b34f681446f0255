// Every drop the pointer can offer is judged by CanDropOn; hints and
// autoplay ask it for whole tables at a time. This measures one pass over
// every (card, pile) pair of a freshly dealt Spider table: each of the 54
// tableau cards against the 10 tableau piles and the 8 foundations.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "platform/recording_host.h"
#include "play/engine.h"
#include "rules/validation.h"

namespace orv {
namespace {

constexpr std::array<int, 10> kDealt = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};

struct SpiderTable {
  RecordingHost host;
  Engine e{host, Folders{}};
  std::vector<std::string> targets;
  std::vector<int> cards;
  std::vector<bool> topCards;

  SpiderTable() {
    GameParameters& p = e.params;
    p.Set(P::DeckCards, 104);
    p.Set(P::TableauCount, 10);
    p.Set(P::FoundationCount, 8);
    p.Set(P::TableauKind, 1);
    p.Set(P::TableauMaxCards, -1);
    p.Set(P::PickUpLimit, -1);
    p.Set(P::RunCheck, 10);
    p.Set(P::FoundationMaxCards, 13);
    for (int k = 0; k < 10; ++k) {
      p.Set(P::TableauBaseRank + k, -1);
      p.Set(P::TableauDirection + k, 0);
      p.Set(P::TableauRule + k, 2);
      p.Set(P::TableauWrap + k, 2);
    }
    for (int k = 0; k < 8; ++k) {
      p.Set(P::FoundationBaseRank + k, 83);
      p.Set(P::FoundationDirection + k, 0);
      p.Set(P::FoundationRule + k, 0);
    }
    int card = 1;
    for (int i = 0; i < 10; ++i) {
      const int count = kDealt[static_cast<size_t>(i)];
      for (int k = 0; k < count; ++k, ++card) {
        const bool top = k + 1 == count;
        e.table.AppendCardCode(PileGroup::Tableau, i, card, top ? "1" : "0");
        cards.push_back(card);
        topCards.push_back(top);
      }
      targets.push_back(PileName({PileGroup::Tableau, i}));
    }
    for (; card <= 104; ++card) e.table.AppendCardCode(PileGroup::Stock, 0, card, "0");
    for (int k = 0; k < 8; ++k) targets.push_back(PileName({PileGroup::Foundation, k}));
  }
};

void BM_CanDropOnDealtSpider(benchmark::State& state) {
  SpiderTable spider;
  Engine& e = spider.e;
  for (auto _ : state) {
    int accepted = 0;
    for (size_t c = 0; c < spider.cards.size(); ++c) {
      e.main.movingSingleCard = spider.topCards[c];
      for (const std::string& pile : spider.targets) accepted += CanDropOn(e, spider.cards[c], pile) ? 1 : 0;
    }
    benchmark::DoNotOptimize(accepted);
  }
  state.SetItemsProcessed(state.iterations() * 54 * 18);  // checks per pass
}
BENCHMARK(BM_CanDropOnDealtSpider);

}  // namespace
}  // namespace orv
