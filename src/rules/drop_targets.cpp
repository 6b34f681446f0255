// Where a lifted card (or run) may be dropped: one check per kind of pile.
// Piles that are not in play refuse everything, so a stray index can never
// open a pile the table does not show.
#include "play/engine.h"
#include "rules/pile_facts.h"
#include "rules/validation.h"

namespace orv {

namespace {
using namespace facts;

constexpr int kNoTableauLimit = -1;
constexpr int kFamilyBuildsOnFaceDown = 40;

// Foundation rule codes with checks of their own before the placement rule.
constexpr int kQueenStartsRule = 10;
constexpr int kLedFromTableauRule = 22;
constexpr int kDoubleDeckRule = 20;  // no card limit but one of 52
constexpr int kUnlimitedRule = 29;

// 22: not an ace, and a tableau top of the card's suit still outranks it
// (an ace counting as the highest).
bool SuitStillLedOnTableau(const Engine& e, int card) {
  if (CardRank(card) == 1) return false;
  for (int k = 0; k < TableauInPlay(e); ++k) {
    const int top = TopOrEmpty(TableauPile(e, k));
    if (!IsCard(top) || CardSuit(top) != CardSuit(card)) continue;
    if (CardRank(top) > CardRank(card) || CardRank(top) == 1) return true;
  }
  return false;
}

// A non-empty tableau pile takes cards only on a face-up top and below its
// card limit.
bool OpenToBuilding(const Engine& e, const std::string& pile, int top) {
  if (e.table.IsFaceDown(top) && e.params[P::Family] != kFamilyBuildsOnFaceDown) return false;
  const int limit = e.params[P::TableauMaxCards];
  return limit == kNoTableauLimit || static_cast<int>(CodeCount(pile)) < limit;
}

bool OtherColourOnTop(const std::string& pile, int card) {
  const int top = TopOrEmpty(pile);
  return IsCard(top) && IsRedCard(top) != IsRedCard(card);
}

bool SameSuitOneBelowOnTop(const std::string& pile, int card) {
  const int top = TopOrEmpty(pile);
  return IsCard(top) && CardSuit(top) == CardSuit(card) && CardRank(top) + 1 == CardRank(card);
}

// 119: the queen joins the suit foundation k was started with.
bool QueenOfFoundationSuit(const Engine& e, int k, int card) {
  const int bottom = k < kFoundationPiles ? BottomCard(FoundationPile(e, k)) : 0;
  return CardRank(card) == 12 && bottom != 0 && CardSuit(bottom) == CardSuit(card);
}

int ReserveCards(const Engine& e, int k) { return static_cast<int>(CodeCount(ReservePile(e, k))); }
}  // namespace

bool CanDropOn(Engine& e, int card, std::string_view pileName) {
  const PileRef ref = ParsePileName(pileName);
  switch (ref.group) {
    case PileGroup::Foundation: return CanMoveToFoundation(e, ref.index, card);
    case PileGroup::Tableau: return CanMoveToTableau(e, ref.index, card);
    case PileGroup::Reserve: return CanMoveToReserve(e, ref.index, card);
    default: return false;
  }
}

bool CanMoveToFoundation(Engine& e, int foundation, int card) {
  if (foundation < 0 || foundation >= FoundationsInPlay(e) || !IsCard(card)) return false;
  if (!e.main.movingSingleCard) return false;  // foundations take single cards only
  const std::string& pile = FoundationPile(e, foundation);
  const int rule = e.params[P::FoundationRule + foundation];
  if (rule == kQueenStartsRule) return pile.empty() && CardRank(card) == 12;
  if (rule == kLedFromTableauRule) return SuitStillLedOnTableau(e, card);

  const int count = static_cast<int>(CodeCount(pile));
  const bool uncapped = rule == kDoubleDeckRule || rule == kUnlimitedRule;
  if (!uncapped && count >= e.params[P::FoundationMaxCards]) return false;
  if (rule == kDoubleDeckRule && count >= 52) return false;
  return CanPlaceCard(e, FoundationPlacement(e, foundation, TopOrEmpty(pile), card, true));
}

bool CanMoveToTableau(Engine& e, int tableau, int card) {
  if (tableau < 0 || tableau >= TableauInPlay(e) || !IsCard(card)) return false;
  const std::string& pile = TableauPile(e, tableau);
  const int top = TopOrEmpty(pile);
  if (!pile.empty() && !OpenToBuilding(e, pile, top)) return false;

  const bool run = !e.main.movingSingleCard;
  bool ok = CanPlaceCard(e, TableauPlacement(e, tableau, top, card, true));
  if (run && !pile.empty() && e.params[P::TableauRule + tableau] == 34) ok = false;
  if (ok && run && e.params[P::RunCheck] != 0) ok = IsMovableRun(e, card, tableau);
  if (ok && run && pile.empty() && e.params[P::PickUpLimit] == -5) ok = CanLiftRun(e, card, true);
  // The run's own pile never takes it back. An empty pile has no top to
  // match: the held run is cleared to 0 after every drop, and an empty pile
  // must stay open to the next card sent or filled in.
  if (IsCard(top) && top == e.main.heldRunTopCard) return false;
  return ok;
}

bool CanMoveToReserve(Engine& e, int reserve, int card) {
  if (reserve < 0 || reserve >= ReservesInPlay(e) || !IsCard(card)) return false;
  const std::string& pile = ReservePile(e, reserve);
  const bool empty = pile.empty();
  const bool single = e.main.movingSingleCard;
  const int rank = CardRank(card);
  switch (e.params[P::ReserveRule + reserve]) {
    case 4: return false;
    case 8: return single && rank == 13 && ReserveCards(e, 0) < 3;
    case 12: return true;
    case 85: return CardLocation(e, card) == kAtWaste;
    case 13: return single && ReserveCards(e, 0) < 5;
    case 88: return single && empty && rank == 11;
    case 89: return single && empty && rank == 12;
    case 90: return single && empty && rank == 13;
    case 103: return empty && IsAtOuterEnd(e, card);
    case 107: return rank == 1 && (empty || OtherColourOnTop(pile, card));
    case 119: return empty && QueenOfFoundationSuit(e, reserve, card);
    case 145: return empty || SameSuitOneBelowOnTop(pile, card);
    case 9: return single && empty && IsCourtCard(card);
    case 81: return single && empty && !OnTableau(CardLocation(e, card));
    default: return single && empty;
  }
}

}  // namespace orv
