// Cards the deal sends straight to the foundations. They follow the same
// rules as the player's moves (the foundations are asked, never bypassed),
// score like them, and are recorded in no history: they are part of the deal.
#include <algorithm>
#include <array>
#include <functional>

#include "cards/deal.h"
#include "play/engine.h"
#include "records/score.h"
#include "rules/validation.h"

namespace orv {

namespace {

using deal::PileOf;

int InPlay(const Engine& e, PileGroup group) {
  switch (group) {
    case PileGroup::Tableau: return std::clamp(e.params[P::TableauCount], 0, kTableauPiles);
    case PileGroup::Reserve: return std::clamp(e.params[P::ReserveCount], 0, kReservePiles);
    case PileGroup::Foundation: return std::clamp(e.params[P::FoundationCount], 0, kFoundationPiles);
    default: return 0;
  }
}

// Looks at a place (pile, row); true when the place changed and must be
// looked at again.
using PlaceStep = std::function<bool(int pile, size_t row)>;

// Visits the places of a pile group in the order the cards were dealt: pile
// by pile from the bottom card, or row by row across the piles.
void ScanPlaces(Engine& e, PileGroup group, const PlaceStep& step) {
  const int piles = InPlay(e, group);
  auto rows = [&](int k) { return CodeCount(PileOf(e, group, k)); };
  if (e.params[P::DealPileByPile] != 0) {
    for (int k = 0; k < piles; ++k)
      for (size_t row = 0; row < rows(k);)
        if (!step(k, row)) ++row;
    return;
  }
  for (size_t row = 0;; ++row) {
    bool placesLeft = false;
    for (int k = 0; k < piles; ++k)
      while (row < rows(k)) {
        placesLeft = true;
        if (!step(k, row)) break;
      }
    if (!placesLeft) return;
  }
}

// A card the deal may play: a face-up card (a face-down card is unknown to
// the player and cannot be played).
int PlayableCard(Engine& e, PileGroup group, int pile, size_t row) {
  const int card = CardAt(PileOf(e, group, pile), 3 * row + 1);
  return card > 0 && !e.table.IsFaceDown(card) ? card : 0;
}

// The foundations post-deal code 95 offers: 0-3 for n = 0-3, 4-7 for
// n = 6-9, all eight otherwise.
std::array<int, 2> GroupOfFour(int n) {
  if (n >= 0 && n <= 3) return {0, 3};
  if (n >= 6 && n <= 9) return {4, 7};
  return {0, 7};
}

// Codes 96 and 98: aces go home and the last card of the stock (of the
// waste once the stock is empty) takes the ace's place, face up.
void AcesHomeRefilled(Engine& e, PileGroup group) {
  const int last = InPlay(e, PileGroup::Foundation) - 1;
  ScanPlaces(e, group, [&](int k, size_t row) {
    const int card = PlayableCard(e, group, k, row);
    std::string& pile = PileOf(e, group, k);
    if (CardRank(card) != 1 || !SendToFoundation(e, pile, 3 * row, 0, last)) return false;
    for (std::string* source : {&PileOf(e, PileGroup::Stock, 0), &PileOf(e, PileGroup::Stock, 1)}) {
      if (CodeCount(*source) == 0) continue;
      const size_t top = 3 * (CodeCount(*source) - 1);
      const int refill = CardAt(*source, top + 1);
      pile.insert(3 * row, source->substr(top, 3));
      source->resize(top);
      e.table.SetFaceFlag(refill, "1");
      break;
    }
    return true;
  });
}

}  // namespace

bool SendToFoundation(Engine& e, std::string& pile, size_t offset, int first, int last) {
  const int card = CardAt(pile, offset + 1);
  if (card <= 0) return false;
  e.main.movingSingleCard = true;
  for (int f = std::max(first, 0); f <= std::min(last, kFoundationPiles - 1); ++f) {
    if (!CanMoveToFoundation(e, f, card)) continue;
    pile.erase(offset, 3);
    e.table.AppendCardCode(PileGroup::Foundation, f, card, "1");
    AddToScore(e, 1);
    return true;
  }
  return false;
}

void TableauCardsToFoundations(Engine& e, int code) {
  const int last = InPlay(e, PileGroup::Foundation) - 1;
  const bool pileByPile = e.params[P::DealPileByPile] != 0;
  ScanPlaces(e, PileGroup::Tableau, [&](int k, size_t row) {
    if (PlayableCard(e, PileGroup::Tableau, k, row) == 0) return false;
    std::array<int, 2> range = {0, last};
    if (code == 94) range[0] = k;
    if (code == 95) range = GroupOfFour(pileByPile ? static_cast<int>(row) : k);
    // The cards above close up: the place holds the next card now.
    return SendToFoundation(e, PileOf(e, PileGroup::Tableau, k), 3 * row, range[0], std::min(range[1], last));
  });
}

void PostDealMoves(Engine& e) {
  const int code = e.params[P::FoundationInitialCard];
  switch (code) {
    case 93: case 94: case 95: TableauCardsToFoundations(e, code); break;
    case 96: AcesHomeRefilled(e, PileGroup::Tableau); break;
    case 98: {
      // The reserves' aces are judged by the ordinary rule, not by the
      // foundations' own codes.
      std::array<int, kFoundationPiles> rules{};
      for (int k = 0; k < kFoundationPiles; ++k) {
        rules[static_cast<size_t>(k)] = e.params[P::FoundationRule + k];
        e.params.Set(P::FoundationRule + k, 0);
      }
      AcesHomeRefilled(e, PileGroup::Reserve);
      for (int k = 0; k < kFoundationPiles; ++k) e.params.Set(P::FoundationRule + k, rules[static_cast<size_t>(k)]);
      break;
    }
    default: break;
  }
}

}  // namespace orv
