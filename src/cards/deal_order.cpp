// The deck order of a deal number. Every later step of the deal takes cards
// in this order, and players replay deals by their number, so the tables
// and each arithmetic step below are fixed for good.
#include <algorithm>
#include <cstdint>

#include "cards/deal.h"
#include "common/text.h"
#include "play/engine.h"

namespace orv {

namespace {

constexpr int kFields = 16;  // four groups of four suit digits, one per deck

// Row r, field f (1-16, stored at f - 1): the suit digit (1 hearts .. 4
// spades) of the f-th card of a rank.
constexpr int kSuitOrderTable[13][kFields] = {
    {4, 2, 3, 1, 4, 2, 1, 3, 1, 2, 4, 3, 3, 2, 1, 4},  //
    {1, 3, 2, 4, 4, 3, 2, 1, 3, 2, 4, 1, 4, 2, 3, 1},  //
    {2, 4, 3, 1, 3, 4, 1, 2, 4, 3, 1, 2, 3, 2, 4, 1},  //
    {3, 4, 2, 1, 2, 3, 1, 4, 2, 1, 4, 3, 1, 3, 4, 2},  //
    {4, 2, 3, 1, 1, 3, 4, 2, 3, 1, 2, 4, 2, 4, 3, 1},  //
    {1, 4, 2, 3, 4, 1, 2, 3, 1, 2, 4, 3, 4, 3, 1, 2},  //
    {2, 1, 3, 4, 3, 1, 2, 4, 2, 3, 4, 1, 2, 1, 3, 4},  //
    {3, 2, 1, 4, 2, 4, 1, 3, 4, 1, 2, 3, 1, 4, 3, 2},  //
    {4, 3, 1, 2, 1, 2, 3, 4, 1, 3, 4, 2, 2, 4, 3, 1},  //
    {2, 1, 4, 3, 4, 2, 1, 3, 4, 3, 1, 2, 4, 1, 2, 3},  //
    {3, 1, 4, 2, 1, 2, 4, 3, 2, 4, 3, 1, 3, 1, 4, 2},  //
    {3, 2, 4, 1, 1, 4, 3, 2, 1, 4, 3, 2, 4, 3, 1, 2},  //
    {2, 3, 4, 1, 4, 1, 3, 2, 1, 3, 2, 4, 2, 4, 3, 1},  //
};

// Row = one digit of the deal number, field f (1-16, stored at f - 1): how
// far the place pointer moves before the f-th card of a rank.
constexpr int kSlotStepTable[10][kFields] = {
    {25, 18, 13, 22, 21, 20, 15, 15, 19, 20, 11, 30, 12, 25, 35, 41},  //
    {20, 19, 12, 13, 18, 18, 23, 17, 11, 20, 15, 25, 28, 34, 21, 10},  //
    {30, 21, 19, 19, 13, 22, 20, 18, 25, 31, 14, 10, 40, 32, 10, 15},  //
    {51, 16, 14, 18, 21, 21, 17, 19, 24, 10, 23, 15, 21, 11, 16, 32},  //
    {18, 19, 19, 23, 13, 16, 15, 20, 12, 15, 19, 25, 30, 24, 26, 10},  //
    {17, 21, 14, 19, 19, 16, 18, 17, 25, 35, 14, 18, 17, 26, 12, 15},  //
    {48, 16, 13, 14, 19, 20, 20, 16, 15, 26, 32, 24, 30, 15, 12, 11},  //
    {11, 21, 21, 23, 17, 18, 22, 20, 32, 16, 18, 20, 21, 27, 18, 12},  //
    {22, 16, 13, 13, 19, 17, 22, 13, 30, 15, 21, 23, 23, 14, 11, 12},  //
    {24, 13, 20, 21, 21, 14, 15, 22, 16, 21, 18, 23, 17, 15, 18, 22},  //
};

constexpr int kMaxJokers = 4;
constexpr int kRanks = 13;

// Suit groups (cards per rank) of a deck size; 0 for a size the passes
// cannot fill. A deck smaller than 52 keeps the places it has: the cards
// that find none are left out.
int SuitGroups(int deckCards) {
  if (deckCards <= 52) return 4;
  switch (deckCards) {
    case 104: return 8;
    case 156: return 12;
    case 208: return 16;
    default: return 0;
  }
}

// Keeps the place pointer on the order: wraps past the end, stops at 0.
int Clamp(int y, int total) {
  if (y >= total) return y % total;
  return y < 0 ? 0 : y;
}

// The number formed by the given digits (1-based positions), in order.
std::int64_t Number(const DealDigits& d, int from, int to) {
  std::int64_t n = 0;
  for (int i = from; i <= to; ++i) n = n * 10 + d[static_cast<size_t>(i - 1)];
  return n;
}

// The suit row of pass k: nine digits of the number, leaving out four.
int SuitRow(const DealDigits& d, int k) {
  std::int64_t t = 0;
  if (k <= 10) {
    t = Number(d, 1, k - 1);
    for (int i = k + 4; i <= kDealDigitCount; ++i) t = t * 10 + d[static_cast<size_t>(i - 1)];
  } else {
    t = Number(d, k - 8, k);  // 11: d3..d11, 12: d4..d12, 13: d5..d13
  }
  return static_cast<int>(t % kRanks);
}

void PlaceJokers(DeckOrder& deck, const DealDigits& d, int y, int jokers) {
  const int total = static_cast<int>(deck.size());
  const int* steps = kSlotStepTable[d[0]];
  int a = y;
  for (int i = 1; i <= jokers; ++i) {
    a = Clamp(a + steps[i - 1], total);
    // Jokers search forward: no digit of a pass has chosen a direction yet.
    const int slot = FindFreeSlot(deck, a, true);
    if (slot >= 0) deck[static_cast<size_t>(slot)] = kFirstJoker + i - 1;
  }
}

// Passes 1-13: each places every card of one rank.
void PlaceRanks(DeckOrder& deck, const DealDigits& d, int y, int groups) {
  const int total = static_cast<int>(deck.size());
  std::vector<int> ranks;
  for (int r = 1; r <= kRanks; ++r) ranks.push_back(r);
  int p[3] = {1, 7, 13};
  for (int k = 1; k <= kRanks; ++k) {
    const int c = d[static_cast<size_t>(k - 1)];
    const bool forward = c == 0;
    const int row = SuitRow(d, k);

    const int last = static_cast<int>(ranks.size()) - 1;
    int idx = (d[static_cast<size_t>(p[0] - 1)] * 100 + d[static_cast<size_t>(p[1] - 1)] * 10 +
               d[static_cast<size_t>(p[2] - 1)]) % kRanks;
    if (idx > last) idx = forward ? last : 0;
    const int rank = ranks[static_cast<size_t>(idx)];
    ranks.erase(ranks.begin() + idx);
    for (int& q : p) q = q == kRanks ? 1 : q + 1;

    y -= c;
    for (int i = 1; i <= groups; ++i) {
      y = Clamp(y + kSlotStepTable[c][i - 1], total);
      const int suit = kSuitOrderTable[row][i - 1];
      const int deckOffset = 52 * ((i - 1) / 4);
      const int card = (suit - 1) * kRanks + rank + deckOffset;
      if (deck[static_cast<size_t>(y)] != 0) y = FindFreeSlot(deck, y, forward);
      if (y >= 0) deck[static_cast<size_t>(y)] = card;
    }
  }
}

void StripRanks(DeckOrder& deck, int mode) {
  std::erase_if(deck, [mode](int card) {
    const int rank = CardRank(card);
    return (rank >= 2 && rank <= 6) || (mode == 2 && rank == 13);
  });
}

}  // namespace

int FindFreeSlot(const DeckOrder& deck, int start, bool forward) {
  const int size = static_cast<int>(deck.size());
  auto free = [&](int i) { return deck[static_cast<size_t>(i)] == 0; };
  if (forward) {
    for (int i = std::max(start, 0); i < size; ++i)
      if (free(i)) return i;
  } else {
    for (int i = std::min(start, size - 1); i >= 0; --i)
      if (free(i)) return i;
  }
  for (int i = 0; i < size; ++i)
    if (free(i)) return i;
  return -1;
}

DeckOrder BuildDeckOrder(const DealDigits& d, const GameParameters& params, Host& host) {
  const int deckCards = params[P::DeckCards];
  // Jokers count only when the game adds them; no more than the four there are.
  const int jokers = params[P::Jokers] == 1 ? std::clamp(params[P::JokerCount], 0, kMaxJokers) : 0;
  const int groups = SuitGroups(deckCards);
  if (groups == 0) host.ShowMessage("Error 01 - fnGameNumberCardsArray");

  DeckOrder deck(static_cast<size_t>(std::max(deckCards, 0) + jokers), 0);
  if (deck.empty()) return deck;
  const int y = d[1] * 100 + d[5] * 10 + d[11];  // digits d2, d6, d12
  PlaceJokers(deck, d, y, jokers);
  PlaceRanks(deck, d, y, groups);

  const int stripped = params[P::StrippedDeck];
  if (stripped == 1 || stripped == 2) StripRanks(deck, stripped);
  return deck;
}

void fnGameNumberCardsArray(Engine& e, DeckOrder& deck) {
  deck = BuildDeckOrder(ParseDealNumber(e.session.Get(sr::DealNumber)), e.params, e.host);
}

std::string NewDealNumber(Engine& e) {
  const auto a = static_cast<std::uint64_t>(e.random.Random(9999999));
  const auto b = static_cast<std::uint64_t>(e.random.Random(999999));
  std::string number = std::to_string(a * b);
  if (number.size() < kDealDigitCount) number.insert(0, kDealDigitCount - number.size(), '0');
  number = RightStr(number, kDealDigitCount);
  e.session.Put(sr::DealNumber, number);
  return number;
}

}  // namespace orv
