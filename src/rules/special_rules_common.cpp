// The ingredients the special rules are written from: rank steps, suits,
// pile contents, where a card comes from, foundation groups and grids.
#include <cstdlib>

#include "rules/special_rules_internal.h"

namespace orv::special {

namespace {
const std::string kNoPile;

template <size_t N>
const std::string& Entry(const std::array<std::string, N>& list, int i) {
  return i >= 0 && static_cast<size_t>(i) < N ? list[static_cast<size_t>(i)] : kNoPile;
}
}  // namespace

Move::Move(Engine& engine, const Placement& placement)
    : e(engine), p(placement), R(CardRank(placement.top)), m(CardRank(placement.card)), empty(R < 1),
      k(placement.pile) {
  if (empty) R = -1;  // a gap on top is an empty place, not a rank-0 card
}

bool StepPlusMinusOne(int R, int m, bool wrap) {
  if (Up(R, m) || Down(R, m)) return true;
  return wrap && (AceOnKing(R, m) || KingOnAce(R, m));
}

int RankPlus(int rank, int step) { return ((rank - 1 + step) % 13 + 13) % 13 + 1; }

bool StepUpWrapped(int R, int m, int step) {
  return R >= 1 && R <= 13 && m >= 1 && m <= 13 && m == RankPlus(R, step);
}

bool SameSuit(int a, int b) { return CardSuit(a) >= 0 && CardSuit(a) == CardSuit(b); }

bool SameColour(int a, int b) {
  return CardSuit(a) >= 0 && CardSuit(b) >= 0 && IsRedCard(a) == IsRedCard(b);
}

bool AlternateColour(int a, int b) {
  return CardSuit(a) >= 0 && CardSuit(b) >= 0 && IsRedCard(a) != IsRedCard(b);
}

const std::string& FoundationPile(const Engine& e, int i) { return Entry(e.table.piles().foundations, i); }
const std::string& TableauPile(const Engine& e, int i) { return Entry(e.table.piles().tableau, i); }
const std::string& ReservePile(const Engine& e, int i) { return Entry(e.table.piles().reserves, i); }

const std::string& TargetPile(const Move& mv) {
  return mv.p.foundation ? FoundationPile(mv.e, mv.k) : TableauPile(mv.e, mv.k);
}

const std::string& WastePile(const Engine& e) { return e.table.piles().stock[1]; }
int Cards(const std::string& pile) { return static_cast<int>(CodeCount(pile)); }

bool StockEmpty(const Engine& e) { return e.table.piles().stock[0].empty(); }
bool WasteEmpty(const Engine& e) { return WastePile(e).empty(); }
int WasteCards(const Engine& e) { return Cards(WastePile(e)); }

bool AnyTableauEmpty(const Engine& e, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (TableauPile(e, i).empty()) return true;
  return false;
}

bool AllReservesEmpty(const Engine& e) {
  for (const std::string& reserve : e.table.piles().reserves)
    if (!reserve.empty()) return false;
  return true;
}

int FoundationsHolding(const Engine& e, int atLeast) {
  int n = 0;
  for (const std::string& foundation : e.table.piles().foundations)
    if (Cards(foundation) >= atLeast) ++n;
  return n;
}

int TableauSource(const Engine& e, int card) {
  const int at = CardLocation(e, card);
  return facts::OnTableau(at) ? facts::TableauIndex(at) : -1;
}

int ReserveSource(const Engine& e, int card) {
  const int at = CardLocation(e, card);
  return facts::OnReserve(at) ? facts::ReserveIndex(at) : -1;
}

bool IsFromTableau(const Engine& e, int card) { return TableauSource(e, card) >= 0; }
bool IsFromReserve(const Engine& e, int card) { return ReserveSource(e, card) >= 0; }

bool IsFromFoundation(const Engine& e, int card) { return facts::OnFoundation(CardLocation(e, card)); }
bool IsFromWaste(const Engine& e, int card) { return CardLocation(e, card) == facts::kAtWaste; }

bool FromTableauRange(const Engine& e, int card, int first, int last) {
  const int from = TableauSource(e, card);
  return from >= first && from <= last;
}

bool DistinctSuitsInGroup(const Engine& e, int first, int size, int card) {
  if (CardSuit(card) < 0) return false;
  for (int i = first; i < first + size; ++i) {
    const std::string& foundation = FoundationPile(e, i);
    if (!foundation.empty() && SameSuit(BottomCard(foundation), card)) return false;
  }
  return true;
}

namespace {
struct Cell {
  int row;
  int column;
};
Cell CellOf(int pile, int width) { return {pile / width, pile % width}; }
}  // namespace

bool GridNeighbour(int from, int to, int width) {
  if (width <= 0 || from < 0 || to < 0) return false;
  const Cell a = CellOf(from, width), b = CellOf(to, width);
  return std::abs(a.row - b.row) + std::abs(a.column - b.column) == 1;
}

bool GridNeighbourOrDiagonal(int from, int to, int width) {
  if (width <= 0 || from < 0 || to < 0 || from == to) return false;
  const Cell a = CellOf(from, width), b = CellOf(to, width);
  return std::abs(a.row - b.row) <= 1 && std::abs(a.column - b.column) <= 1;
}

int GridJumpedPile(int from, int to, int width) {
  if (width <= 0 || from < 0 || to < 0) return -1;
  const Cell a = CellOf(from, width), b = CellOf(to, width);
  const bool inRow = a.row == b.row && std::abs(a.column - b.column) == 2;
  const bool inColumn = a.column == b.column && std::abs(a.row - b.row) == 2;
  return inRow || inColumn ? (from + to) / 2 : -1;
}

bool Ordinary(const Move& mv) { return OrdinaryRule(mv.e, mv.p); }

bool OrdinaryWithSuit(const Move& mv, int suitCode) {
  Placement p = mv.p;
  p.rule = suitCode;
  return OrdinaryRule(mv.e, p);
}

}  // namespace orv::special
