// The distribution of the deck order over the piles, in the fixed order of
// the deal: foundations first, then the special tableau piles, the stock,
// the waste, the tableau, the second waste and the reserves; then the
// foundation base ranks, the family rules, the post-deal moves and the
// special deal types.
#include "cards/deal.h"

#include <algorithm>

#include "play/engine.h"

namespace orv {

bool TakeCard(DeckOrder& deck, int card) {
  const auto it = std::find(deck.begin(), deck.end(), card);
  if (card == 0 || it == deck.end()) return false;
  deck.erase(it);
  return true;
}

int TakeFirstCard(DeckOrder& deck) {
  return TakeFirstCard(deck, [](int) { return true; });
}

int BaseRankOf(int card) { return IsJoker(card) ? kJokerBaseRank : CardRank(card); }

void DealCards(Engine& e, DeckOrder& deck, int n, PileGroup group, int index) {
  if (n >= 1501 && n <= 1504) {
    const int joker = kFirstJoker + n - 1501;
    if (TakeCard(deck, joker)) e.table.AppendCardCode(group, index, joker, "1");
    return;
  }
  if (n >= 1001 && n <= 1499) {
    const int rank = n - 1000;
    const int card = TakeFirstCard(deck, [rank](int c) { return CardRank(c) == rank; });
    if (card != 0) e.table.AppendCardCode(group, index, card, "0");
    return;
  }
  if (n > 1000 || n <= 0) return;  // 1500 and codes past 1504 name no card
  const auto count = std::min(static_cast<size_t>(n), deck.size());
  for (size_t i = 0; i < count; ++i) e.table.AppendCardCode(group, index, deck[i], "0");
  deck.erase(deck.begin(), deck.begin() + static_cast<std::ptrdiff_t>(count));
}

namespace deal {

void TurnAllUp(Engine& e, const std::string& pile) {
  e.table.SetFaceFlags(pile, static_cast<int>(CodeCount(pile)), "1");
}

std::string& PileOf(Engine& e, PileGroup group, int index) { return *e.table.Pile(PileRef{group, index}); }

namespace {

// Deals a counted pile and sets its face flags by its face-up mode.
void DealPile(Engine& e, DeckOrder& deck, int n, PileGroup group, int index, int faceMode) {
  DealCards(e, deck, n, group, index);
  const std::string pile = PileOf(e, group, index);  // a copy: flags are set by card
  e.table.SetFaceFlags(pile, faceMode, "1");
}

// Steps that need a tableau pile's count: those above 1000 go before the
// stock, the plain counts after the waste.
void DealTableau(Engine& e, DeckOrder& deck, bool special) {
  for (int k = 0; k < kTableauPiles; ++k) {
    const int n = e.params[P::TableauDealt + k];
    if (special ? n > 1000 : (n >= 1 && n <= 1000))
      DealPile(e, deck, n, PileGroup::Tableau, k, e.params[P::TableauFaceUp + k]);
  }
}

void DealStockAndWastes(Engine& e, DeckOrder& deck) {
  DealCards(e, deck, e.params[P::StockCards], PileGroup::Stock, 0);
  if (e.params[P::StockFaceDown] == 0) TurnAllUp(e, PileOf(e, PileGroup::Stock, 0));
  if (e.params[P::WasteCards] > 0) {
    DealCards(e, deck, e.params[P::WasteCards], PileGroup::Stock, 1);
    TurnAllUp(e, PileOf(e, PileGroup::Stock, 1));
  }
}

void DealSecondWasteAndReserves(Engine& e, DeckOrder& deck) {
  DealCards(e, deck, e.params[P::SecondWasteCards], PileGroup::Stock, 2);
  TurnAllUp(e, PileOf(e, PileGroup::Stock, 2));
  for (int k = 0; k < kReservePiles; ++k) {
    const int n = e.params[P::ReserveDealt + k];
    if (n > 0) DealPile(e, deck, n, PileGroup::Reserve, k, e.params[P::ReserveFaceUp + k]);
  }
}

// The card named by parameter 359 lies face up on the second waste.
void SecondWasteCard(Engine& e, DeckOrder& deck) {
  int card = e.params[P::SecondWasteCard];
  if (card == 0) return;
  if (card > 100) card -= 100;
  // Taken from the deck order, so that it is not dealt a second time.
  if (TakeCard(deck, card)) e.table.AppendCardCode(PileGroup::Stock, 2, card, "1");
}

// Family 22: the king of hearts lies under the stock, its queen face up on
// the first tableau pile.
void HeartsCouple(Engine& e, DeckOrder& deck) {
  constexpr int kQueen = 12, kKing = 13;
  auto take = [&](int card) { return TakeCard(deck, card) || e.table.RemoveCard(card) != kNowhere; };
  if (take(kKing)) {
    PileOf(e, PileGroup::Stock, 0).insert(0, CardCode(kKing));
    e.table.SetFaceFlag(kKing, e.params[P::StockFaceDown] == 0 ? "1" : "0");
  }
  if (take(kQueen)) e.table.AppendCardCode(PileGroup::Tableau, 0, kQueen, "1");
}

// Tableau kind 8 keeps an unfilled place after every card of the first pile.
void SpreadFirstPile(Engine& e) {
  std::string& pile = PileOf(e, PileGroup::Tableau, 0);
  std::string spread;
  for (size_t pos = 0; pos + 3 <= pile.size(); pos += 3) spread += pile.substr(pos, 3) + std::string(kGapCode);
  pile = spread;
}

}  // namespace
}  // namespace deal

void DealFrom(Engine& e, DeckOrder& deck) {
  using namespace deal;
  e.main.dealtSuit = -1;
  e.main.targetTotals = {};

  ReduceDeckForDealType(e, deck);
  PrefillFoundations(e, deck);
  if (e.params[P::DealType] == 21)
    std::erase_if(deck, [](int card) { return CardRank(card) >= 11 && CardRank(card) <= 13; });
  if (e.params[P::FoundationBaseMode] == 5) SameRankFoundations(e, deck);
  SecondWasteCard(e, deck);

  DealTableau(e, deck, true);
  DealStockAndWastes(e, deck);
  DealTableau(e, deck, false);
  DealSecondWasteAndReserves(e, deck);

  BaseRanksByMode(e, deck);
  TableauBaseBelowFoundation(e);
  if (e.params[P::FirstFoundationCard] == 1) {
    if (const int card = TakeFirstCard(deck); card != 0) e.table.AppendCardCode(PileGroup::Foundation, 0, card, "1");
  }
  if (e.params[P::Family] == 11) AcesFromReserveAndWaste(e);
  PostDealMoves(e);
  if (e.params[P::Family] == 22) HeartsCouple(e, deck);
  ApplyDealType(e, deck);
  if (e.params[P::TableauKind] == 8) SpreadFirstPile(e);
}

void Deal(Engine& e) {
  DeckOrder deck;
  fnGameNumberCardsArray(e, deck);
  DealFrom(e, deck);
}

}  // namespace orv
