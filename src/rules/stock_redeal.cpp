// Redeals by type: the tableau (and for some types the reserves) is gathered
// and dealt out again, or the top cards pass to the neighbouring pile.
//
// The re-deal order: gathering walks the piles from the last to the first,
// each from its top card down, onto the stock; dealing back takes the
// stock's top card first, pile by pile from the first, each pile taking as
// many cards as the deal gave it. Untouched piles so come back exactly as
// they were, and the cards that left for the foundations shift the rest.
// The face-up cards of each pile are those of the deal, and its top card is
// always face up, so that no redealt pile is blocked. Cards beyond the
// deal's counts stay on the stock for the next click.
//
// Types 7, 13 and 20 redeal as the ordinary types do (gather the tableau,
// deal again as at the deal). Type 8 keeps each pile's run from the 2 and
// deals the gathered cards back after the gap left behind it, the cards
// gathered last first, until each pile is as long as before.
#include <algorithm>
#include <vector>

#include "play/engine.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/sound_events.h"
#include "rules/stock_internal.h"

namespace orv::stock {

namespace {

constexpr int kMaxCountedDeal = 1000;

void GatherPile(Engine& e, std::string& pile, std::string& to, std::string_view flag) {
  while (!pile.empty()) {
    const int card = PopTop(pile);
    if (card < 1) continue;  // a gap is a place, not a card
    to += CardCode(card);
    e.table.SetFaceFlag(card, flag);
    PlaySoundEvent(e, "Shuffle", sr::SoundsShuffle);
  }
}

// Reserves first, so that they lie below the tableau and are dealt after it.
void Gather(Engine& e, std::string& to, std::string_view flag, bool reserves) {
  if (reserves)
    for (int k = facts::ReservesInPlay(e) - 1; k >= 0; --k) GatherPile(e, e.table.piles().reserves[static_cast<size_t>(k)], to, flag);
  for (int k = facts::TableauInPlay(e) - 1; k >= 0; --k) GatherPile(e, e.table.piles().tableau[static_cast<size_t>(k)], to, flag);
}

// A counted deal takes its count; the rank and joker codes took one card.
int DealtCount(int code) { return code > kMaxCountedDeal ? 1 : std::max(code, 0); }

void DealBackPile(Engine& e, std::string& from, PileGroup group, int k, int count, int faceMode) {
  for (int n = 0; n < count && !from.empty(); ++n) {
    const int card = PopTop(from);
    if (card >= 1) e.table.AppendCardCode(group, k, card, "0");
  }
  const std::string pile = *e.table.Pile(PileRef{group, k});
  e.table.SetFaceFlags(pile, faceMode, "1");
  e.table.SetFaceFlags(pile, 1, "1");
}

void DealBack(Engine& e, std::string& from, bool reserves) {
  for (int k = 0; k < facts::TableauInPlay(e); ++k)
    DealBackPile(e, from, PileGroup::Tableau, k, DealtCount(e.params[P::TableauDealt + k]), e.params[P::TableauFaceUp + k]);
  if (reserves)
    for (int k = 0; k < facts::ReservesInPlay(e); ++k)
      DealBackPile(e, from, PileGroup::Reserve, k, DealtCount(e.params[P::ReserveDealt + k]), e.params[P::ReserveFaceUp + k]);
}

std::string_view StockFlag(const Engine& e) { return e.params[P::StockFaceDown] == 0 ? "1" : "0"; }

void GatherAndDeal(Engine& e, bool reserves, bool mayUseWaste) {
  const bool toWaste = mayUseWaste && GatherToWaste(e);
  std::string& to = toWaste ? Waste(e) : Stock(e);
  Gather(e, to, toWaste ? "1" : "0", reserves);
  DealBack(e, to, reserves);
  if (!toWaste) e.table.SetFaceFlags(to, static_cast<int>(CodeCount(to)), StockFlag(e));
}

// Every tableau card, then the waste as it turns back, onto the stock; then
// the first cards turn.
void GatherWithWaste(Engine& e) {
  std::string& stockPile = Stock(e);
  Gather(e, stockPile, StockFlag(e), false);
  GatherPile(e, Waste(e), stockPile, StockFlag(e));
  TurnCards(e, false);
}

// The length of the ascending same-suit run from a 2 at the pile's bottom.
size_t RunFromTwo(std::string_view pile) {
  size_t run = 0;
  for (int prev = 0; run < CodeCount(pile); ++run) {
    const int card = CardAt(pile, 3 * run + 1);
    const bool fits = run == 0 ? CardRank(card) == 2 : CardSuit(card) == CardSuit(prev) && CardRank(card) == CardRank(prev) + 1;
    if (card < 1 || !fits) break;
    prev = card;
  }
  return run;
}

void KeepRunsFromTwo(Engine& e) {
  std::string& stockPile = Stock(e);
  std::vector<size_t> lengths;
  for (int k = 0; k < facts::TableauInPlay(e); ++k) {
    std::string& pile = e.table.piles().tableau[static_cast<size_t>(k)];
    const size_t run = RunFromTwo(pile);
    lengths.push_back(CodeCount(pile));
    if (run == CodeCount(pile)) continue;
    std::string above = pile.substr(3 * run);
    pile.resize(3 * run);
    std::string gathered;
    GatherPile(e, above, gathered, "1");
    stockPile += gathered;
    pile += kGapCode;
  }
  for (int k = 0; k < static_cast<int>(lengths.size()); ++k) {
    std::string& pile = e.table.piles().tableau[static_cast<size_t>(k)];
    while (CodeCount(pile) < lengths[static_cast<size_t>(k)] && !stockPile.empty()) {
      const int card = PopTop(stockPile);
      if (card >= 1) e.table.AppendCardCode(PileGroup::Tableau, k, card, "1");
    }
  }
}

struct Pass {
  int from;
  int to;
};

std::vector<Pass> PassingMoves(const Engine& e, bool leftward) {
  std::vector<Pass> moves;
  const int n = facts::TableauInPlay(e);
  auto holds = [&](int k) { return facts::TableauPile(e, k).size() >= 3; };
  for (int k = 0; k + 1 < n; ++k) {
    const Pass p = leftward ? Pass{k + 1, k} : Pass{k, k + 1};
    if (holds(p.from) && holds(p.to)) moves.push_back(p);
  }
  return moves;
}

// Passing: each pile's top card goes to its neighbour, to the right and on
// every second redeal to the left. All cards pass at once, so a card never
// travels two piles in one redeal. Nothing is recorded or counted when
// nothing can pass.
bool PassTopCards(Engine& e) {
  int holding = 0;
  for (int k = 0; k < facts::TableauInPlay(e); ++k) holding += facts::TableauPile(e, k).empty() ? 0 : 1;
  if (holding == 1) {
    e.host.ShowMessage("Only one pile left.  There are no more redeals.");
    return false;
  }
  const std::vector<Pass> moves = PassingMoves(e, e.main.dealCounter % 2 == 0);
  if (moves.empty()) {
    e.host.ShowMessage("No cards available to move.");
    return false;
  }
  RecordPosition(e, e.undo);
  TagNewestEntry(e, "002");
  ++e.main.dealCounter;
  auto& tableau = e.table.piles().tableau;
  std::vector<std::string> tops;
  for (const Pass& p : moves) {
    std::string& from = tableau[static_cast<size_t>(p.from)];
    tops.push_back(from.substr(from.size() - 3));
    from.resize(from.size() - 3);
  }
  for (size_t m = 0; m < moves.size(); ++m) {
    tableau[static_cast<size_t>(moves[m].to)] += tops[m];
    PlaySoundEvent(e, "Shuffle", sr::SoundsShuffle);
  }
  e.view->TableChanged();
  return true;
}

}  // namespace

bool RedealByType(Engine& e) {
  const int type = e.params[P::RedealType];
  if (type == 19) return PassTopCards(e);
  RecordPosition(e, e.undo);
  TagNewestEntry(e, "003");
  ++e.main.dealCounter;
  switch (type) {
    case 4:
    case 5: GatherAndDeal(e, false, true); break;
    case 8: KeepRunsFromTwo(e); break;
    case 10:
    case 18: GatherAndDeal(e, true, false); break;
    case 16: GatherWithWaste(e); break;
    default: GatherAndDeal(e, false, false); break;
  }
  e.view->TableChanged();
  return true;
}

}  // namespace orv::stock
