// What the score and the win test read off the table: the piles in play,
// how many cards they hold, and the few patterns both of them judge (a row
// of the gap games, a column of the thirty game, the memory sequence).
#pragma once

#include <string>
#include <string_view>

#include "cards/card.h"

namespace orv {

class Engine;

namespace board {

// Pile entries clamped to the lists, so a damaged count cannot reach past them.
int TableauInPlay(const Engine& e);
int FoundationsInPlay(const Engine& e);
int ReservesInPlay(const Engine& e);

// 0-based indices; an index outside the list reads as an empty pile.
const std::string& Tableau(const Engine& e, int k);
const std::string& Foundation(const Engine& e, int k);
const std::string& Reserve(const Engine& e, int k);
const std::string& StockPile(const Engine& e, int k);  // 0 stock, 1 waste, 2 second waste

// Every code counts, a gap code too.
inline int CardsIn(std::string_view pile) { return static_cast<int>(CodeCount(pile)); }
inline bool IsEmpty(std::string_view pile) { return CodeCount(pile) == 0; }

// The tableau piles in play that pass the test.
template <typename Test>
int CountTableau(const Engine& e, Test test) {
  int n = 0;
  for (int k = 0; k < TableauInPlay(e); ++k) n += test(Tableau(e, k)) ? 1 : 0;
  return n;
}

// Cards on tableau piles (foundations) first..last, 0-based and inclusive.
int CardsOnTableau(const Engine& e, int first, int last);
int CardsOnFoundations(const Engine& e, int first, int last);

// A row of the gap games: 0 unless its first card is a 2; otherwise 1 for
// that card plus 1 for each following card, up to the last place but one
// (the last place holds the row's gap), that continues the row in suit one
// rank higher. Counting stops at the first break.
int OrderedPlaces(std::string_view row);
// The places OrderedPlaces looks at: all but the last, and at least one.
int PlacesToOrder(std::string_view row);

// Column `place` (1-13) of the thirty game: the places of tableau piles 1-4,
// pile 1 at the top.
struct Column {
  int rankSum = 0;
  bool onlyGaps = true;
  bool spoiled = false;  // a gap lies below a card (in a later pile)
};
inline constexpr int kColumnCount = 13;
inline constexpr int kColumnRows = 4;
inline constexpr int kColumnTarget = 30;
Column ColumnAt(const Engine& e, int place);
inline bool ColumnAddsUp(const Column& c) { return !c.spoiled && c.rankSum == kColumnTarget; }

// The pile holds exactly the nine cards 9 down to Ace, from the bottom.
bool HoldsNineDownToAce(std::string_view pile);

}  // namespace board

}  // namespace orv
