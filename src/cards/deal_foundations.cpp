// The cards the deal lays on the foundations and the base ranks that follow
// from them: a foundation started with a card builds from that card's rank.
#include <algorithm>

#include "cards/deal.h"
#include "play/engine.h"

namespace orv::deal {

namespace {

int FoundationsInPlay(const Engine& e) { return std::clamp(e.params[P::FoundationCount], 0, kFoundationPiles); }

int Base(const Engine& e, int k) { return e.params[P::FoundationBaseRank + k]; }
void SetBase(Engine& e, int k, int rank) { e.params.Set(P::FoundationBaseRank + k, rank); }

// A rank moved round the ring ace..king; other base codes (a joker's -2,
// "any", letter codes) stay as they are.
int ShiftRank(int base, int delta) {
  if (base < 1 || base > 13 || delta == 0) return base;
  return delta > 0 ? NextRank(base) : PrevRank(base);
}

int BottomCard(const std::string& pile) { return pile.empty() ? 0 : CardAt(pile, 1); }
int FoundationBottom(Engine& e, int k) { return BottomCard(PileOf(e, PileGroup::Foundation, k)); }

void ToFoundation(Engine& e, int k, int card) { e.table.AppendCardCode(PileGroup::Foundation, k, card, "1"); }

// The first card (unfilled places passed over), left in the order.
int FirstCard(const DeckOrder& deck) {
  const auto it = std::find_if(deck.begin(), deck.end(), [](int c) { return c != 0; });
  return it == deck.end() ? 0 : *it;
}

// True when no foundation below k starts with a card for which `same` holds.
template <typename Same>
bool DiffersFromLower(Engine& e, int k, Same same) {
  for (int j = 0; j < k; ++j)
    if (const int bottom = FoundationBottom(e, j); bottom != 0 && same(bottom)) return false;
  return true;
}

// The initial card of foundation k for code x, taken from the deck order;
// 0 for codes that lay no card now. A card the order no longer holds is not
// laid, so that no card is ever dealt twice.
int TakeInitialCard(Engine& e, DeckOrder& deck, int k, int x) {
  auto named = [&](int card) { return TakeCard(deck, card) ? card : 0; };
  switch (x) {
    case 91: {
      const int deckCards = e.params[P::DeckCards];
      int card = FirstCard(deck);
      if (card == 0) return 0;
      card += 13 * (k + 1);
      // Wrapped onto 1..deckCards: a multiple of the deck size stays its last card.
      if (deckCards > 0 && card > deckCards) card = (card - 1) % deckCards + 1;
      return named(card);
    }
    case 93: case 94: return named(13 * k + 1);
    case 95: return named(k <= 3 ? 13 * (k + 1) : 13 * k - 51);
    case 92: case 96: case 97: case 98: return 0;
    case 20: return TakeFirstCard(deck);
    case 21:
      return TakeFirstCard(deck, [&](int c) {
        return DiffersFromLower(e, k, [c](int b) { return CardSuit(b) == CardSuit(c); });
      });
    case 22:
      return TakeFirstCard(deck, [&](int c) {
        return CardRank(c) != 13 && DiffersFromLower(e, k, [c](int b) { return CardRank(b) == CardRank(c); });
      });
    default: break;
  }
  if (x >= 51 && x <= 63) return TakeFirstCard(deck, [x](int c) { return CardRank(c) == x - 50; });
  if (x > 99) return named(x - 100);
  return named(13 * k + x);
}

}  // namespace

void PrefillFoundations(Engine& e, DeckOrder& deck) {
  for (int k = 0; k < FoundationsInPlay(e); ++k) {
    const int x = e.params[P::FoundationInitialCard + k];
    if (x == 0) continue;
    if (x == 92) SetBase(e, k, Base(e, 0));
    if (const int card = TakeInitialCard(e, deck, k, x); card != 0) {
      ToFoundation(e, k, card);
      SetBase(e, k, BaseRankOf(card));
    }
  }
  if (e.params[P::FoundationInitialCard] == 97) {
    for (int k = 0; k < 8; ++k) {
      const int rank = k + 2;
      if (const int card = TakeFirstCard(deck, [rank](int c) { return CardRank(c) == rank; }); card != 0) {
        ToFoundation(e, k, card);
        SetBase(e, k, rank);
      }
    }
  }
  if (e.params[P::Family] == 50) {
    const int half = FoundationsInPlay(e) / 2;
    for (int k = half; k < FoundationsInPlay(e); ++k) {
      int base = 2 * Base(e, k - half);
      if (base > 13) base -= 13;
      SetBase(e, k, base == 0 ? 13 : base);
    }
  }
}

void SameRankFoundations(Engine& e, DeckOrder& deck) {
  const int first = TakeFirstCard(deck);
  if (first == 0) return;
  ToFoundation(e, 0, first);
  const int rank = CardRank(first);
  // Only foundations in play take the others: a card on a hidden pile
  // would be out of the game.
  for (int k = 1; k < FoundationsInPlay(e); ++k) {
    const int card = TakeFirstCard(deck, [rank](int c) { return CardRank(c) == rank; });
    if (card == 0) break;
    ToFoundation(e, k, card);
  }
  for (int k = 0; k < kFoundationPiles; ++k) SetBase(e, k, BaseRankOf(first));
}

void BaseRanksByMode(Engine& e, DeckOrder& deck) {
  const int mode = e.params[P::FoundationBaseMode];
  auto dealTo = [&](int k) {
    const int card = TakeFirstCard(deck);
    if (card != 0) ToFoundation(e, k, card);
    return card;
  };
  switch (mode) {
    case 1:
      if (const int card = dealTo(0); card != 0)
        for (int k = 0; k < kFoundationPiles; ++k) SetBase(e, k, BaseRankOf(card));
      break;
    case 2:
      for (int k = 0; k < FoundationsInPlay(e); ++k) dealTo(k);
      if (const int bottom = FoundationBottom(e, 0); bottom != 0)
        for (int k = 0; k < FoundationsInPlay(e); ++k) SetBase(e, k, BaseRankOf(bottom));
      break;
    case 3:
      for (int k = 0; k < std::min(FoundationsInPlay(e), kReservePiles); ++k)
        if (const int bottom = BottomCard(PileOf(e, PileGroup::Reserve, k)); bottom != 0)
          SetBase(e, k, ShiftRank(BaseRankOf(bottom), 1));
      break;
    case 4:
      if (const int card = dealTo(0); card != 0)
        for (int k = 0; k < 8; ++k) SetBase(e, k, ShiftRank(BaseRankOf(card), k < 4 ? 0 : 1));
      break;
    case 6:
      if (const int card = dealTo(0); card != 0) {
        SetBase(e, 0, BaseRankOf(card));
        for (int k = 1; k < kFoundationPiles; ++k) SetBase(e, k, ShiftRank(Base(e, k - 1), -1));
      }
      break;
    case 7: {
      // A joker has no place in this layout: it stays in the deck order.
      const int card = TakeFirstCard(deck, [](int c) { return !IsJoker(c); });
      if (card == 0) break;
      const int rank = CardRank(card);
      if (rank == 11) e.table.AppendCardCode(PileGroup::Tableau, 0, card, "1");
      else ToFoundation(e, rank == 12 ? 10 : rank == 13 ? 11 : rank - 1, card);
      e.main.dealtSuit = static_cast<std::int16_t>(CardSuit(card));
      break;
    }
    case 8:
      if (const int card = dealTo(4); card != 0) {
        const int rank = BaseRankOf(card);
        SetBase(e, 4, rank);
        for (int k = 0; k < 4; ++k) SetBase(e, k, ShiftRank(rank, 1));
        for (int k = 5; k < 9; ++k) SetBase(e, k, ShiftRank(rank, -1));
      }
      break;
    default: break;
  }
}

void TableauBaseBelowFoundation(Engine& e) {
  // Below a base that is no rank ("any", a letter code) any card may start.
  const int base = Base(e, 0);
  const int below = base >= 1 && base <= 13 ? PrevRank(base) : -1;
  for (int k = 0; k < kTableauPiles; ++k)
    if (e.params[P::TableauBaseRank + k] == 91) e.params.Set(P::TableauBaseRank + k, below);
}

void AcesFromReserveAndWaste(Engine& e) {
  std::string& reserve = PileOf(e, PileGroup::Reserve, 0);
  std::string kept;
  int acesHome = 0;
  for (size_t pos = 0; pos + 3 <= reserve.size(); pos += 3) {
    const int card = CardAt(reserve, pos + 1);
    // The aces go on after the cards already there, so none is lost.
    if (CardRank(card) == 1 && acesHome + 1 < kFoundationPiles) ToFoundation(e, ++acesHome, card);
    else kept += reserve.substr(pos, 3);
  }
  reserve = kept;

  std::string& waste = PileOf(e, PileGroup::Stock, 1);
  std::string left;
  bool aceOnFirst = false;
  int refilled = 0;
  for (size_t pos = 0; pos + 3 <= waste.size(); pos += 3) {
    const int card = CardAt(waste, pos + 1);
    if (aceOnFirst && refilled == acesHome) left += waste.substr(pos, 3);
    else if (!aceOnFirst && CardRank(card) == 1) {
      ToFoundation(e, 0, card);
      aceOnFirst = true;
    } else if (refilled < acesHome) {
      reserve += waste.substr(pos, 3);
      ++refilled;
    } else {
      left += waste.substr(pos, 3);
    }
  }
  waste = left;
  TurnAllUp(e, reserve);
}

}  // namespace orv::deal
