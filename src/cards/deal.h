// The reproducible deal: a 13-digit deal number and the game's parameters
// give the deck order, and the deck order is distributed over the piles.
// The same number always gives the same table, face flags included, so a
// deal can be replayed; only a new game draws a new number.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card_table.h"

namespace orv {

class Engine;
class Host;

// The cards in the order the deal takes them, position 0 first. 0 is an
// unfilled place (the gap code "000"): the order is built by filling places.
using DeckOrder = std::vector<int>;

inline constexpr int kDealDigitCount = 13;
using DealDigits = std::array<int, kDealDigitCount>;

// ---- The deck order (deal_order.cpp) ----

// The digits d1..d13 of a stored deal number: blanks trimmed, left-padded
// with "0" to 13 characters, and only the rightmost 13 used when longer. A
// character that is not a digit counts as 0, so a damaged record still
// gives a deal (the same one every time).
DealDigits ParseDealNumber(std::string_view text);

// The first unfilled place at or after `start` (forward) or at or before it
// (backward); when that side has none, the first from position 0 upwards.
// -1 when the order has no unfilled place.
int FindFreeSlot(const DeckOrder& deck, int start, bool forward);

// The deck order of a deal number for the game's deck size, jokers and
// stripped ranks. A deck size the passes cannot fill is reported through
// the host; the order then holds only unfilled places and jokers.
DeckOrder BuildDeckOrder(const DealDigits& digits, const GameParameters& params, Host& host);

// The deck order of the deal number in the session record.
void fnGameNumberCardsArray(Engine& e, DeckOrder& deck);

// Draws a new deal number, stores it in the session record and returns it.
std::string NewDealNumber(Engine& e);

// ---- Taking cards from the deck order (deal.cpp) ----

// Takes the first occurrence of `card`; false when the order lacks it.
bool TakeCard(DeckOrder& deck, int card);
// Takes the first card (unfilled places are passed over) for which `pred`
// holds; 0 when there is none.
template <typename Pred>
int TakeFirstCard(DeckOrder& deck, Pred pred) {
  for (auto it = deck.begin(); it != deck.end(); ++it)
    if (*it != 0 && pred(*it)) {
      const int card = *it;
      deck.erase(it);
      return card;
    }
  return 0;
}
int TakeFirstCard(DeckOrder& deck);

// Appends cards from the front of the deck order to a pile, face down:
// n <= 1000 the next n places in order (the first one taken lies lowest;
// an unfilled place becomes a gap); 1001-1499 the first card of rank
// n - 1000; 1501-1504 joker 1-4 wherever it lies, face up. A count larger
// than what remains deals what remains.
void DealCards(Engine& e, DeckOrder& deck, int n, PileGroup group, int index);

// The base rank a foundation takes from its first card; a joker is -2.
inline constexpr int kJokerBaseRank = -2;
int BaseRankOf(int card);

// Deals the current game from the stored deal number onto piles the caller
// has emptied.
void Deal(Engine& e);
// The distribution of a given deck order (what Deal does after building it).
// Cards left over stay in `deck`.
void DealFrom(Engine& e, DeckOrder& deck);

// ---- Deal types (deal_types.cpp) ----

// Deal types 9, 11, 12, 14 and 16 keep only part of the deck.
void ReduceDeckForDealType(Engine& e, DeckOrder& deck);
// The special distributions after the ordinary deal (deal types 1-8, 10,
// 13, 15, 17, 18, 21, 22).
void ApplyDealType(Engine& e, DeckOrder& deck);

// ---- Cards the deal sends to the foundations (deal_moves.cpp) ----

// The post-deal moves chosen by foundation 1's initial card code (93-98).
void PostDealMoves(Engine& e);
// Every face-up tableau card that may go to a foundation goes there, in the
// order the cards were dealt (row by row, or pile by pile by parameter 26);
// the cards above it close up and the place is looked at again. `code` 93
// offers every foundation, 94 those from the pile's own index on, 95 a
// group of four by the card's row or pile.
void TableauCardsToFoundations(Engine& e, int code);
// Offers `card` to foundations first..last (0-based, inclusive) and moves it
// onto the first that accepts, taking it from `pile` at character offset
// `offset`. True when it moved.
bool SendToFoundation(Engine& e, std::string& pile, size_t offset, int first, int last);

// ---- Steps shared by the deal's own files ----
namespace deal {

std::string& PileOf(Engine& e, PileGroup group, int index);
void TurnAllUp(Engine& e, const std::string& pile);

// Foundations (deal_foundations.cpp), in the order the deal runs them.
// Initial cards by code (parameters 103-118), the eight ranks 2-9 of code
// 97, and the doubled base ranks of family 50.
void PrefillFoundations(Engine& e, DeckOrder& deck);
// Base-rank mode 5: the first card and every card of its rank.
void SameRankFoundations(Engine& e, DeckOrder& deck);
// Base-rank modes 1-4 and 6-8, after the ordinary deal.
void BaseRanksByMode(Engine& e, DeckOrder& deck);
// Tableau base rank 91: one rank below foundation 1's base.
void TableauBaseBelowFoundation(Engine& e);
// Family 11: the aces of the first reserve and the waste go home.
void AcesFromReserveAndWaste(Engine& e);

}  // namespace deal

}  // namespace orv
