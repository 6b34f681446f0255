#include "rules/pile_facts.h"

#include <algorithm>
#include <optional>

#include "play/engine.h"
#include "rules/validation.h"

namespace orv {

namespace facts {

namespace {
// The 0-based place of the card's code, searched by whole codes.
std::optional<size_t> PlaceIn(const std::string& pile, const std::string& code) {
  for (size_t pos = 0; pos + 3 <= pile.size(); pos += 3)
    if (pile.compare(pos, 3, code) == 0) return pos / 3;
  return std::nullopt;
}

}  // namespace

CardSpot FindCard(const Engine& e, int card) {
  if (!IsCard(card)) return {};
  const std::string code = CardCode(card);
  const PileLists& piles = e.table.piles();
  const auto at = [&](const std::string& pile, int location) -> std::optional<CardSpot> {
    if (const auto place = PlaceIn(pile, code)) return CardSpot{location, &pile, *place};
    return std::nullopt;
  };
  if (auto s = at(piles.stock[0], kAtStock)) return *s;
  if (auto s = at(piles.stock[1], kAtWaste)) return *s;
  for (int k = 0; k < kFoundationPiles; ++k)
    if (auto s = at(piles.foundations[static_cast<size_t>(k)], -(k + 1))) return *s;
  for (int k = 0; k < kTableauPiles; ++k)
    if (auto s = at(piles.tableau[static_cast<size_t>(k)], k + 1)) return *s;
  for (int k = 0; k < kReservePiles; ++k)
    if (auto s = at(piles.reserves[static_cast<size_t>(k)], -(k + 21))) return *s;
  return {};  // the second waste counts as nowhere
}

int TableauInPlay(const Engine& e) { return e.table.InPlay(PileGroup::Tableau); }
int FoundationsInPlay(const Engine& e) { return e.table.InPlay(PileGroup::Foundation); }
int ReservesInPlay(const Engine& e) { return e.table.InPlay(PileGroup::Reserve); }

const std::string& TableauPile(const Engine& e, int k) { return e.table.piles().tableau.at(static_cast<size_t>(k)); }
const std::string& FoundationPile(const Engine& e, int k) {
  return e.table.piles().foundations.at(static_cast<size_t>(k));
}
const std::string& ReservePile(const Engine& e, int k) { return e.table.piles().reserves.at(static_cast<size_t>(k)); }

int TopOrEmpty(const std::string& pile) {
  const size_t count = CodeCount(pile);
  return count == 0 ? -1 : CardAt(pile, 3 * count - 2);
}

int BottomCard(const std::string& pile) {
  for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3)
    if (const int n = CardAt(pile, pos); IsCard(n)) return n;
  return 0;
}

int EmptyTableauPiles(const Engine& e) {
  int empty = 0;
  for (int k = 0; k < TableauInPlay(e); ++k) empty += TableauPile(e, k).empty() ? 1 : 0;
  return empty;
}

int EmptyReserves(const Engine& e) {
  int empty = 0;
  for (int k = 0; k < ReservesInPlay(e); ++k) empty += ReservePile(e, k).empty() ? 1 : 0;
  return empty;
}

bool StockOrWasteHoldsCards(const Engine& e) {
  const PileLists& piles = e.table.piles();
  return !piles.stock[0].empty() || !piles.stock[1].empty();
}

}  // namespace facts

int CardLocation(const Engine& e, int card) { return facts::FindCard(e, card).location; }

bool IsTopOfTableauOrReserve(const Engine& e, int card) {
  if (e.table.IsTopOfTableau(card)) return true;
  if (card < 1 || card > kCardCount) return false;
  for (int k = 0; k < facts::ReservesInPlay(e); ++k)
    if (facts::TopOrEmpty(facts::ReservePile(e, k)) == card) return true;
  return false;
}

}  // namespace orv
