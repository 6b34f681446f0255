// Small read-only questions about the piles that the building rules keep
// asking: where a card lies, what lies above it, how many piles are empty.
#pragma once

#include <cstddef>
#include <string>

namespace orv {

class Engine;

namespace facts {

// The codes of CardLocation.
inline constexpr int kAtStock = -99;
inline constexpr int kAtWaste = -98;
inline constexpr int kAtNowhere = 0;

inline bool OnTableau(int location) { return location >= 1 && location <= 40; }
inline bool OnFoundation(int location) { return location >= -16 && location <= -1; }
inline bool OnReserve(int location) { return location >= -32 && location <= -21; }
// The 0-based pile index of a tableau, foundation or reserve location.
inline int TableauIndex(int location) { return location - 1; }
inline int FoundationIndex(int location) { return -location - 1; }
inline int ReserveIndex(int location) { return -location - 21; }

// A card's pile and its place there (0-based, counted in codes from the
// bottom). `pile` is null for a card that lies nowhere.
struct CardSpot {
  int location = kAtNowhere;
  const std::string* pile = nullptr;
  size_t place = 0;

  bool found() const { return pile != nullptr; }
};
CardSpot FindCard(const Engine& e, int card);

// Pile entries clamped to the lists, so a damaged count cannot reach past them.
int TableauInPlay(const Engine& e);
int FoundationsInPlay(const Engine& e);
int ReservesInPlay(const Engine& e);

const std::string& TableauPile(const Engine& e, int k);
const std::string& FoundationPile(const Engine& e, int k);
const std::string& ReservePile(const Engine& e, int k);

// The top card of a pile for the placement rule: -1 for an empty pile, 0
// for a gap on top.
int TopOrEmpty(const std::string& pile);
// The first real card from the bottom; 0 when the pile holds none.
int BottomCard(const std::string& pile);

int EmptyTableauPiles(const Engine& e);
int EmptyReserves(const Engine& e);
bool StockOrWasteHoldsCards(const Engine& e);

}  // namespace facts
}  // namespace orv
