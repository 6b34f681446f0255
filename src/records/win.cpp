#include "records/win.h"

#include <array>
#include <string>

#include "cards/deal.h"
#include "play/engine.h"
#include "records/board_facts.h"
#include "records/score.h"

namespace orv {

using namespace board;

namespace {

// Every tableau pile first..last (0-based, inclusive) passes the test.
template <typename Test>
bool EveryTableau(const Engine& e, int first, int last, Test test) {
  for (int k = first; k <= last; ++k)
    if (!test(Tableau(e, k))) return false;
  return true;
}

template <typename Test>
bool EveryTableauInPlay(const Engine& e, Test test) {
  return EveryTableau(e, 0, TableauInPlay(e) - 1, test);
}

template <typename Test>
bool EveryFoundation(const Engine& e, int first, int last, Test test) {
  for (int k = first; k <= last; ++k)
    if (!test(Foundation(e, k))) return false;
  return true;
}

bool StockEmpty(const Engine& e) { return IsEmpty(StockPile(e, 0)); }
bool StockAndWasteEmpty(const Engine& e) { return StockEmpty(e) && IsEmpty(StockPile(e, 1)); }

auto Holds(int cards) {
  return [cards](std::string_view pile) { return CardsIn(pile) == cards; };
}
bool Empty(std::string_view pile) { return IsEmpty(pile); }
bool NotEmpty(std::string_view pile) { return !IsEmpty(pile); }
bool OnlyGaps(std::string_view pile) { return pile.find_first_not_of('0') == std::string_view::npos; }

// The card of a pile that holds exactly one; 0 otherwise (a lone gap code
// is no card).
int SingleCard(std::string_view pile) { return CardsIn(pile) == 1 ? CardAt(pile, 1) : 0; }

bool KingQueenJack(std::string_view pile) {
  return CardsIn(pile) == 3 && CardRank(CardAt(pile, 1)) == 13 && CardRank(CardAt(pile, 4)) == 12 &&
         CardRank(CardAt(pile, 7)) == 11;
}

bool RowInOrder(std::string_view row) { return OrderedPlaces(row) == PlacesToOrder(row); }
bool SingleAce(std::string_view pile) { return CardRank(SingleCard(pile)) == 1; }

// Stock, waste, the tableau and the reserves in play cleared. In families
// 4 and 67 the tableau keeps its places, so its piles may hold gap codes.
bool GeneralTest(const Engine& e) {
  const int family = e.params[P::Family];
  const bool cleared = family == 4 || family == 67 ? EveryTableauInPlay(e, OnlyGaps) : EveryTableauInPlay(e, Empty);
  if (!cleared || !StockAndWasteEmpty(e)) return false;
  for (int k = 0; k < ReservesInPlay(e); ++k)
    if (!IsEmpty(Reserve(e, k))) return false;
  return true;
}

// Family 57: single cards on piles 1-16 whose rows of four add up to the
// four totals the deal set.
bool RowsMeetTargets(const Engine& e) {
  constexpr int kRowPiles = 4;
  for (size_t row = 0; row < e.main.targetTotals.size(); ++row) {
    int sum = 0;
    for (int k = 0; k < kRowPiles; ++k) {
      const int card = SingleCard(Tableau(e, static_cast<int>(row) * kRowPiles + k));
      if (card == 0) return false;
      sum += CardRank(card);
    }
    if (sum != e.main.targetTotals[row]) return false;
  }
  return true;
}

// Family 58: single cards on foundations 1-5 adding up to the deal's total.
bool FoundationsMeetTarget(const Engine& e) {
  constexpr int kTargetFoundations = 5;
  int sum = 0;
  for (int k = 0; k < kTargetFoundations; ++k) {
    const int card = SingleCard(Foundation(e, k));
    if (card == 0) return false;
    sum += CardRank(card);
  }
  return sum == TargetTotalOfDeal(e.session.Get(sr::DealNumber));
}

// Family 74: every column adds up to thirty or holds nothing but gaps.
bool ColumnsSettled(const Engine& e) {
  for (int place = 1; place <= kColumnCount; ++place) {
    const Column c = ColumnAt(e, place);
    if (!c.onlyGaps && !ColumnAddsUp(c)) return false;
  }
  return true;
}

}  // namespace

bool IsWon(const Engine& e) {
  const GameParameters& p = e.params;
  switch (p[P::Family]) {
    case 9: case 59: case 77: return EveryTableauInPlay(e, NotEmpty);
    case 21: case 22: case 70: return StockEmpty(e) && CardsIn(Tableau(e, 0)) <= 4;
    case 27: return StockAndWasteEmpty(e) && EveryTableauInPlay(e, Holds(1));
    case 31: return StockEmpty(e) && EveryTableauInPlay(e, SingleAce);
    case 32: return EveryTableauInPlay(e, RowInOrder);
    case 34: case 35: case 36: case 37: case 39: case 40: case 42: case 47:
      return StoredScore(e) >= p[P::TargetScore];
    case 41: return EveryFoundation(e, 1, FoundationsInPlay(e) - 1, Empty);
    case 43: return CountTableau(e, HoldsNineDownToAce) > 0;
    case 44: case 46: case 48: return false;  // these end by their own rules
    case 45: return CountTableau(e, NotEmpty) == 4;
    case 49: case 63: return EveryTableau(e, 0, 23, Holds(4));
    case 52: return StockAndWasteEmpty(e) && EveryTableauInPlay(e, Empty) && CardsIn(Reserve(e, 0)) == 8;
    case 55: return StockEmpty(e);
    case 57: return RowsMeetTargets(e);
    case 58: return FoundationsMeetTarget(e);
    case 62: return StockEmpty(e) && EveryTableau(e, 0, 8, Empty);
    case 64: return StockEmpty(e) && EveryTableau(e, 0, 2, Empty);
    case 65: return StockAndWasteEmpty(e);
    case 72: return EveryTableauInPlay(e, Holds(5));
    case 73:
      return StockAndWasteEmpty(e) && EveryFoundation(e, 0, FoundationsInPlay(e) - 1, Holds(10)) &&
             EveryTableauInPlay(e, KingQueenJack);
    case 74: return ColumnsSettled(e);
    default: return GeneralTest(e);
  }
}

int TargetTotalOfDeal(std::string_view dealNumber) {
  constexpr std::array<int, 5> kPositions = {3, 5, 8, 10, 12};
  const DealDigits digits = ParseDealNumber(dealNumber);

  std::array<bool, 10> used{};
  int total = 0;
  for (const int pos : kPositions) {
    int digit = digits[static_cast<size_t>(pos - 1)];
    // At most four digits come before, so a free one is always found.
    while (used[static_cast<size_t>(digit)]) digit = (digit + 1) % 10;
    used[static_cast<size_t>(digit)] = true;
    total += digit == 0 ? 10 : digit;
  }
  return total;
}

}  // namespace orv
