#include "records/board_facts.h"

#include <algorithm>

#include "play/engine.h"

namespace orv::board {

namespace {

template <typename List>
const std::string& Entry(const List& list, int k) {
  static const std::string kNoPile;
  return k >= 0 && k < static_cast<int>(list.size()) ? list[static_cast<size_t>(k)] : kNoPile;
}

// The card at 0-based place i.
int CardAtPlace(std::string_view pile, int i) { return CardAt(pile, 3 * static_cast<size_t>(i) + 1); }

bool ContinuesInSuit(int below, int card) {
  return below > 0 && card > 0 && CardSuit(card) == CardSuit(below) && CardRank(card) == CardRank(below) + 1;
}

}  // namespace

int TableauInPlay(const Engine& e) { return e.table.InPlay(PileGroup::Tableau); }
int FoundationsInPlay(const Engine& e) { return e.table.InPlay(PileGroup::Foundation); }
int ReservesInPlay(const Engine& e) { return e.table.InPlay(PileGroup::Reserve); }

const std::string& Tableau(const Engine& e, int k) { return Entry(e.table.piles().tableau, k); }
const std::string& Foundation(const Engine& e, int k) { return Entry(e.table.piles().foundations, k); }
const std::string& Reserve(const Engine& e, int k) { return Entry(e.table.piles().reserves, k); }
const std::string& StockPile(const Engine& e, int k) { return Entry(e.table.piles().stock, k); }

int CardsOnTableau(const Engine& e, int first, int last) {
  int n = 0;
  for (int k = first; k <= last; ++k) n += CardsIn(Tableau(e, k));
  return n;
}

int CardsOnFoundations(const Engine& e, int first, int last) {
  int n = 0;
  for (int k = first; k <= last; ++k) n += CardsIn(Foundation(e, k));
  return n;
}

int PlacesToOrder(std::string_view row) { return std::max(CardsIn(row) - 1, 1); }

int OrderedPlaces(std::string_view row) {
  if (CardRank(CardAtPlace(row, 0)) != 2) return 0;
  int ordered = 1;
  while (ordered < PlacesToOrder(row) && ContinuesInSuit(CardAtPlace(row, ordered - 1), CardAtPlace(row, ordered)))
    ++ordered;
  return ordered;
}

Column ColumnAt(const Engine& e, int place) {
  Column c;
  for (int row = 0; row < kColumnRows; ++row) {
    // A place the row does not reach reads as a gap, as a damaged code does.
    const int card = CardAtPlace(Tableau(e, row), place - 1);
    if (card == 0) {
      if (!c.onlyGaps) c.spoiled = true;
      continue;
    }
    c.onlyGaps = false;
    c.rankSum += CardRank(card);
  }
  return c;
}

bool HoldsNineDownToAce(std::string_view pile) {
  constexpr int kNine = 9;
  if (CardsIn(pile) != kNine) return false;
  for (int i = 0; i < kNine; ++i)
    if (CardRank(CardAtPlace(pile, i)) != kNine - i) return false;
  return true;
}

}  // namespace orv::board
