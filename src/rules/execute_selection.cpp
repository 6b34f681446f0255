// The commands of the selection games: discarding the chosen cards, filling
// the emptied piles from the stock, and closing up the tableau.
#include <string>
#include <vector>

#include "play/engine.h"
#include "rules/execute_internal.h"
#include "rules/history.h"
#include "rules/pile_facts.h"
#include "rules/sound_events.h"
#include "rules/validation.h"

namespace orv::exec {

namespace {

constexpr int kKeepPlacesTableau = 4;  // tableau kind whose piles keep a gap where a card left
constexpr int kThreePileFamily = 64;   // selects from the bottom cards of piles 1-3
constexpr int kChainFamily = 47;       // a discarded pair pulls the pair below it along

bool IsCardNumber(int n) { return n >= 1 && n <= kCardCount; }

std::string& Selection(Engine& e) { return e.table.piles().foundations[0]; }
std::string& Stock(Engine& e) { return e.table.piles().stock[0]; }

// Takes one chosen card from where it lies onto the second waste. Codes
// removed from a kind 8 pile close up at once: the pile keeps only the gaps
// the deal put there.
bool DiscardCard(Engine& e, int card, bool faceDown) {
  const int location = CardLocation(e, card);
  const bool keepPlace = e.params[P::TableauKind] == kKeepPlacesTableau && location != facts::kAtStock &&
                         location != facts::kAtWaste;
  const Location from = keepPlace ? e.table.LeaveGap(card) : e.table.RemoveCard(card);
  e.table.AppendCardCode(PileGroup::Stock, 2, card, faceDown ? "0" : "1");
  return from == kInTableau;
}

// The card directly below `card` on its tableau pile; 0 when it lies at the
// bottom or elsewhere.
int CardBelow(const Engine& e, int card) {
  const facts::CardSpot spot = facts::FindCard(e, card);
  if (!facts::OnTableau(spot.location) || spot.place == 0) return 0;
  return CardAt(*spot.pile, 3 * spot.place - 2);
}

// Family 47 pairs cards of one rank from two piles. Once a pair is gone, the
// cards that lay below them are the next pair when they match as well (both
// face-up, same rank); the chain ends at the first pile exhausted or the
// first mismatch.
std::string NextChainedPair(const Engine& e, const std::vector<int>& pair) {
  if (pair.size() != 2) return {};
  const int a = CardBelow(e, pair[0]), b = CardBelow(e, pair[1]);
  if (!IsCardNumber(a) || !IsCardNumber(b) || e.table.IsFaceDown(a) || e.table.IsFaceDown(b)) return {};
  return CardRank(a) == CardRank(b) ? CardCode(a) + CardCode(b) : std::string{};
}

std::string BottomCardsOfFirstThreePiles(const Engine& e) {
  std::string codes;
  for (int k = 0; k < 3; ++k)
    if (const std::string& pile = facts::TableauPile(e, k); pile.size() >= 3) codes += pile.substr(0, 3);
  return codes;
}

bool EmptyPileBeforeCards(const Engine& e) {
  bool sawEmpty = false;
  for (int k = 0; k < facts::TableauInPlay(e); ++k) {
    const bool empty = facts::TableauPile(e, k).empty();
    if (!empty && sawEmpty) return true;
    sawEmpty = sawEmpty || empty;
  }
  return false;
}

}  // namespace

bool FillEmptyTableauFromStock(Engine& e) {
  bool moved = false;
  for (int k = 0; k < facts::TableauInPlay(e) && Stock(e).size() >= 3; ++k) {
    if (!facts::TableauPile(e, k).empty()) continue;
    std::string& stock = Stock(e);
    const int card = CardAt(stock, stock.size() - 2);
    stock.erase(stock.size() - 3);
    e.table.AppendCardCode(PileGroup::Tableau, k, card, "1");
    PlaySoundEvent(e, "Shuffle", sr::SoundsShuffle);
    moved = true;
  }
  return moved;
}

Outcome DiscardSelection(Engine& e, bool faceDown) {
  const bool rebuilt = e.params[P::Family] == kThreePileFamily;
  if (!rebuilt && CodeCount(Selection(e)) == 0) return {};  // nothing chosen, nothing to record
  PlaySoundEvent(e, "Pairing", sr::SoundsPairing);
  RecordPosition(e, e.undo);
  if (rebuilt) Selection(e) = BottomCardsOfFirstThreePiles(e);

  bool fromTableau = false;
  while (CodeCount(Selection(e)) > 0) {
    std::vector<int> discarded;
    while (CodeCount(Selection(e)) > 0) {
      const int card = CardAt(Selection(e), 1);
      Selection(e).erase(0, 3);
      if (!IsCardNumber(card)) continue;
      if (e.params[P::Family] == kChainFamily) {
        // The next pair is judged on the piles as they were before the discard.
        discarded.push_back(card);
        continue;
      }
      fromTableau = DiscardCard(e, card, faceDown) || fromTableau;
    }
    if (discarded.empty()) break;
    const std::string next = NextChainedPair(e, discarded);
    for (int card : discarded) fromTableau = DiscardCard(e, card, faceDown) || fromTableau;
    Selection(e) = next;
  }
  Selection(e).clear();  // a damaged trailing part of a code
  return {true, fromTableau};
}

Outcome FillFromStockAfterDiscard(Engine& e) {
  if (Stock(e).size() < 3 || facts::EmptyTableauPiles(e) == 0) return {};
  RecordPosition(e, e.undo);
  return {FillEmptyTableauFromStock(e), false};
}

Outcome MonteCarloCloseUp(Engine& e) {
  if (facts::EmptyTableauPiles(e) == 0) return {};
  if (Stock(e).empty() && !EmptyPileBeforeCards(e)) return {};
  RecordPosition(e, e.undo);
  Selection(e).clear();
  auto& tableau = e.table.piles().tableau;
  const int count = facts::TableauInPlay(e);
  for (int i = 0; i < count; ++i) {
    if (!tableau[static_cast<size_t>(i)].empty()) continue;
    for (int j = i + 1; j < count; ++j) {
      if (tableau[static_cast<size_t>(j)].empty()) continue;
      tableau[static_cast<size_t>(i)] = std::move(tableau[static_cast<size_t>(j)]);
      tableau[static_cast<size_t>(j)].clear();
      break;
    }
  }
  FillEmptyTableauFromStock(e);
  return {true, false};
}

}  // namespace orv::exec
