// The special deal types (parameter 36): reduced decks before the deal and
// the distributions of the games whose layout no pile count describes.
#include <algorithm>
#include <set>

#include "cards/deal.h"
#include "play/engine.h"
#include "rules/validation.h"

namespace orv {

namespace {

using deal::PileOf;

int TableauInPlay(const Engine& e) { return std::clamp(e.params[P::TableauCount], 0, kTableauPiles); }
int FoundationsInPlay(const Engine& e) { return std::clamp(e.params[P::FoundationCount], 0, kFoundationPiles); }

std::string& Tableau(Engine& e, int k) { return PileOf(e, PileGroup::Tableau, k); }

// The codes of a pile string, bottom first.
std::vector<int> Cards(const std::string& pile) {
  std::vector<int> cards;
  for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3) cards.push_back(CardAt(pile, pos));
  return cards;
}

// Keeps the first card of each (suit, rank) pair `want` accepts, in order.
template <typename Want>
void KeepFirstOfEach(DeckOrder& deck, Want want, bool bySuit) {
  std::set<int> seen;
  std::erase_if(deck, [&](int c) {
    if (c == 0 || !want(c)) return true;
    const int key = CardRank(c) + (bySuit ? 100 * CardSuit(c) : 0);
    return !seen.insert(key).second;
  });
}

template <typename Drop>
void DropCards(DeckOrder& deck, Drop drop) {
  std::erase_if(deck, [&](int c) { return c != 0 && drop(c); });
}

// Every card of the given rank on a tableau pile in play becomes an
// unfilled place; the card leaves the game.
void RankToGaps(Engine& e, int rank) {
  for (int k = 0; k < TableauInPlay(e); ++k) {
    std::string& pile = Tableau(e, k);
    for (size_t pos = 0; pos + 3 <= pile.size(); pos += 3)
      if (CardRank(CardAt(pile, pos + 1)) == rank) pile.replace(pos, 3, kGapCode);
  }
}

// Type 1: a king at the bottom of a pile goes under the stock and a card
// from the stock's bottom takes its pile.
void KingsUnderTheStock(Engine& e) {
  std::string& stock = PileOf(e, PileGroup::Stock, 0);
  auto replace = [&](std::string& pile) {
    if (pile.empty() || CardRank(CardAt(pile, 1)) != 13) return;
    // The whole pile goes under the stock, king lowest: no card is lost when
    // the king had cards on it.
    stock.insert(0, pile);
    pile.clear();
    if (!stock.empty()) e.table.SetFaceFlag(CardAt(stock, stock.size() - 2), "0");
    for (size_t pos = 0; pos + 3 <= stock.size(); pos += 3) {
      const int card = CardAt(stock, pos + 1);
      if (card != 0 && CardRank(card) != 13) {
        stock.erase(pos, 3);
        pile = CardCode(card);
        e.table.SetFaceFlag(card, "1");
        break;
      }
    }
  };
  for (int k = 0; k < TableauInPlay(e); ++k) replace(Tableau(e, k));
  for (int k = 0; k < FoundationsInPlay(e); ++k) replace(PileOf(e, PileGroup::Foundation, k));
}

// Types 2 and 4: each king (queen) opens a pile and the cards after it
// follow face up; then the cards that fit go home.
void RunsFromLeader(Engine& e, DeckOrder& deck, int leaderRank) {
  int pile = 0;
  const int leader = TakeFirstCard(deck, [leaderRank](int c) { return CardRank(c) == leaderRank; });
  if (leader != 0) e.table.AppendCardCode(PileGroup::Tableau, 0, leader, "1");
  while (const int card = TakeFirstCard(deck)) {
    if (CardRank(card) == leaderRank && pile + 1 < kTableauPiles) ++pile;
    e.table.AppendCardCode(PileGroup::Tableau, pile, card, "1");
  }
  TableauCardsToFoundations(e, 93);
}

// Type 3: the cards are dealt again so that no pile holds a rank twice.
void NoRankTwice(Engine& e) {
  std::vector<int> pool;
  std::vector<size_t> places;
  for (int k = 0; k < TableauInPlay(e); ++k) {
    for (int card : Cards(Tableau(e, k))) pool.push_back(card);
    places.push_back(CodeCount(Tableau(e, k)));
  }
  for (int k = 0; k < TableauInPlay(e); ++k) {
    std::vector<int> pile(places[static_cast<size_t>(k)], 0);
    for (int& place : pile) {
      const auto holds = [&pile](int rank) {
        return std::any_of(pile.begin(), pile.end(), [rank](int held) { return held != 0 && CardRank(held) == rank; });
      };
      const auto it = std::find_if(pool.begin(), pool.end(), [&](int c) { return !holds(CardRank(c)); });
      if (it == pool.end()) break;
      place = *it;
      pool.erase(it);
    }
    std::string text;
    for (int card : pile) text += CardCode(card);
    Tableau(e, k) = text;
  }
  // Places no card could fill take what is left, in order: no card is lost.
  for (int k = 0; k < TableauInPlay(e) && !pool.empty(); ++k) {
    std::string& text = Tableau(e, k);
    for (size_t pos = 0; pos + 3 <= text.size() && !pool.empty(); pos += 3)
      if (text.compare(pos, 3, kGapCode) == 0) {
        text.replace(pos, 3, CardCode(pool.front()));
        pool.erase(pool.begin());
      }
  }
  // Each pile shows its cards as the deal turned them: by its face-up count.
  for (int k = 0; k < TableauInPlay(e); ++k) {
    e.table.SetFaceFlags(Tableau(e, k), static_cast<int>(CodeCount(Tableau(e, k))), "0");
    e.table.SetFaceFlags(Tableau(e, k), e.params[P::TableauFaceUp + k], "1");
  }
}

// Types 5 and 6: one pile per rank. Cards without a pile (the aces of type
// 5, jokers) stay in the deck order.
void PilesByRank(Engine& e, DeckOrder& deck, int offset) {
  DeckOrder rest;
  for (int card : deck) {
    const int k = CardRank(card) - offset;
    if (card != 0 && k >= 0 && k < kTableauPiles) e.table.AppendCardCode(PileGroup::Tableau, k, card, "1");
    else rest.push_back(card);
  }
  deck = rest;
}

// Type 7: each pile's bottom card is offered to the foundations from the
// pile's own index on.
void BottomCardsHome(Engine& e) {
  for (int k = 0; k < TableauInPlay(e); ++k)
    if (!Tableau(e, k).empty()) SendToFoundation(e, Tableau(e, k), 0, k, FoundationsInPlay(e) - 1);
}

// Type 21: the court cards and aces lie on the first four foundations,
// diamonds, clubs, spades and hearts from the bottom, the heart face up.
void RoyalFoundations(Engine& e) {
  constexpr int kSuitsFromBottom[] = {1, 2, 3, 0};
  constexpr int kRanks[] = {1, 11, 12, 13};
  for (int k = 0; k < 4; ++k)
    for (int suit : kSuitsFromBottom) {
      const int card = suit * 13 + kRanks[k];
      e.table.RemoveCard(card);  // the aces were on the tableau
      e.table.AppendCardCode(PileGroup::Foundation, k, card, suit == 0 ? "1" : "0");
    }
}

// Type 17: the clock deal; a card of the counter's rank goes to the stock.
void ClockDeal(Engine& e, DeckOrder& deck) {
  int l = 1;
  while (const int card = TakeFirstCard(deck)) {
    if (CardRank(card) == l) {
      e.table.AppendCardCode(PileGroup::Stock, 0, card, "0");
      continue;
    }
    if (l == 13) e.table.AppendCardCode(PileGroup::Reserve, 0, card, "1");
    else e.table.AppendCardCode(PileGroup::Tableau, l - 1, card, "1");
    l = l == 13 ? 1 : l + 1;
  }
}

// Type 18: sixteen number cards whose four rows must add up to the totals
// of the order they were drawn in.
void RowSums(Engine& e, DeckOrder& deck) {
  for (size_t i = 0; i <= 20 && i < deck.size();) {
    if (IsCourtCard(deck[i])) deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(i));
    else ++i;
  }
  for (size_t i = 0; i < 16 && i < deck.size(); ++i)
    e.main.targetTotals[i / 4] = static_cast<std::int16_t>(e.main.targetTotals[i / 4] + CardRank(deck[i]));
  DeckOrder left(deck.begin(), deck.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(16, deck.size())));
  deck.erase(deck.begin(), deck.begin() + static_cast<std::ptrdiff_t>(left.size()));

  DeckOrder order;
  size_t index = left.empty() ? 0 : static_cast<size_t>(CardRank(left[left.size() / 2]));
  while (!left.empty()) {
    if (index >= left.size()) index = 0;
    order.push_back(left[index]);
    left.erase(left.begin() + static_cast<std::ptrdiff_t>(index));
    if (left.empty()) break;
    const int step = left.size() % 2 == 0 ? 3 : 2;
    index = static_cast<size_t>(std::max(CardRank(left.front()), 0) + step);
  }
  for (size_t k = 0; k < order.size(); ++k)
    e.table.AppendCardCode(PileGroup::Tableau, static_cast<int>(k), order[k], "1");
}

// Type 22: four rows of twelve with a gap after the sixth card.
void FourRowsWithGaps(Engine& e, DeckOrder& deck) {
  DropCards(deck, [](int c) { return CardRank(c) == 1; });
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < 12; ++i) {
      const int card = TakeFirstCard(deck);
      if (card == 0) return;
      e.table.AppendCardCode(PileGroup::Tableau, k, card, "1");
      if (i == 5) e.table.AppendCardCode(PileGroup::Tableau, k, 0, {});
    }
}

// Type 9 numbers its cards up to the count of tableau piles.
int NumberedPuzzleSize(const Engine& e) { return e.params[P::TableauCount]; }

}  // namespace

void ReduceDeckForDealType(Engine& e, DeckOrder& deck) {
  switch (e.params[P::DealType]) {
    case 9: {
      const int n = NumberedPuzzleSize(e);
      if (n <= 13) std::erase_if(deck, [n](int c) { return c < 1 || c > n; });
      else std::erase_if(deck, [n](int c) { return c < 1 || (c > 13 && c < 27) || c > n + 13; });
      break;
    }
    case 11: {
      const int n = e.params[P::TableauCount];
      KeepFirstOfEach(deck, [n](int c) { return CardRank(c) >= 1 && CardRank(c) <= n; }, false);
      break;
    }
    case 12: {
      const int piles = e.params[P::TableauCount];
      std::set<int> keep = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
      if (piles != 3) keep.insert({9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103});
      if (piles != 3 && piles != 4) keep.insert({2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104});
      std::erase_if(deck, [&keep](int c) { return keep.count(c) == 0; });
      break;
    }
    case 14: {
      const auto first = std::find_if(deck.begin(), deck.end(), [](int c) { return CardSuit(c) >= 0; });
      const int suit = first == deck.end() ? -1 : CardSuit(*first);
      KeepFirstOfEach(deck, [suit](int c) { return CardSuit(c) == suit && CardRank(c) <= 9; }, true);
      break;
    }
    case 16: DropCards(deck, [](int c) { return CardRank(c) == 12 || CardRank(c) == 13; }); break;
    default: break;
  }
}

void ApplyDealType(Engine& e, DeckOrder& deck) {
  switch (e.params[P::DealType]) {
    case 1: KingsUnderTheStock(e); break;
    case 2: RunsFromLeader(e, deck, 13); break;
    case 4: RunsFromLeader(e, deck, 12); break;
    case 3: NoRankTwice(e); break;
    case 5: PilesByRank(e, deck, 2); break;
    case 6: PilesByRank(e, deck, 1); break;
    case 7: BottomCardsHome(e); break;
    case 8: RankToGaps(e, 1); break;
    case 21:
      RankToGaps(e, 1);
      RoyalFoundations(e);
      break;
    case 9: {
      const int n = NumberedPuzzleSize(e);
      const int hole = n > 13 ? n + 13 : n;
      for (int k = 0; k < TableauInPlay(e); ++k)
        if (!Tableau(e, k).empty() && CardAt(Tableau(e, k), 1) == hole) Tableau(e, k).clear();
      break;
    }
    case 10: {
      // A draw below the pile count less one: the last pile always stays.
      const int k = e.random.Random(TableauInPlay(e) - 1);
      Tableau(e, k).clear();
      break;
    }
    case 13:
      for (int k = 0; k < FoundationsInPlay(e); ++k)
        if (const int card = TakeFirstCard(deck)) e.table.AppendCardCode(PileGroup::Foundation, k, card, "1");
      break;
    case 15:
      RankToGaps(e, 13);
      for (int k = 0; k < TableauInPlay(e); ++k)
        while (CodeCount(Tableau(e, k)) < 9) Tableau(e, k) += kGapCode;
      break;
    case 17: ClockDeal(e, deck); break;
    case 18: RowSums(e, deck); break;
    case 22: FourRowsWithGaps(e, deck); break;
    default: break;
  }
}

}  // namespace orv
