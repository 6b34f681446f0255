// The piles: four fixed lists of pile strings addressed by name ("Fila07",
// "Dest1", "Appogg12", "Mazzo", "Mazzo_Vis", "Mazzo_Waste"), and the
// operations through which every other subsystem reads and changes them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cards/card.h"
#include "games/parameters.h"

namespace orv {

enum class PileGroup { None, Stock, Foundation, Tableau, Reserve };

inline constexpr int kStockPiles = 3;       // stock, waste, second waste
inline constexpr int kFoundationPiles = 16;
inline constexpr int kTableauPiles = 40;
inline constexpr int kReservePiles = 12;

// Where a card was found; the values are the location codes of RemoveCard.
enum Location : int {
  kInStock = 1, kInWaste = 2, kInSecondWaste = 3, kInTableau = 4,
  kInFoundation = 5, kInReserve = 6, kNowhere = 255
};

// A parsed pile name. index is 0-based; for the stock group 0 stock, 1
// waste, 2 second waste. A name that is not a pile parses to group None.
struct PileRef {
  PileGroup group = PileGroup::None;
  int index = 0;
  bool valid() const { return group != PileGroup::None; }
  bool operator==(const PileRef&) const = default;
};
// "Fila" and "Dest" take their number from characters 5-6, "Appogg" from
// 7-8 ("Fila7", "Fila07" and "Fila07x" are one pile); the prefix is
// case-sensitive. A number that is not one or two digits, or that names no
// entry of its list, gives an invalid reference.
PileRef ParsePileName(std::string_view name);
// "Fila01", "Dest16", "Appogg03", "Mazzo", "Mazzo_Vis", "Mazzo_Waste"; empty
// for a reference to no pile.
std::string PileName(PileRef ref);
// The entries of a group's list (0 for None).
int PileCount(PileGroup group);

struct PileLists {
  std::array<std::string, kStockPiles> stock;
  std::array<std::string, kFoundationPiles> foundations;
  std::array<std::string, kTableauPiles> tableau;
  std::array<std::string, kReservePiles> reserves;
  bool operator==(const PileLists&) const = default;
};

// The card descriptors and the pile lists of the running game. Counts of
// piles in play come from the game's parameters.
class CardTable {
 public:
  explicit CardTable(const GameParameters& params) : params_(params) {}

  CardDescriptors& cards() { return cards_; }
  const CardDescriptors& cards() const { return cards_; }
  PileLists& piles() { return piles_; }
  const PileLists& piles() const { return piles_; }
  const GameParameters& params() const { return params_; }

  // The pile string of a name, or null for a name that is no pile.
  std::string* Pile(std::string_view name);
  const std::string* Pile(std::string_view name) const;
  std::string* Pile(PileRef ref);
  const std::string* Pile(PileRef ref) const;

  void ClearPiles();

  // The piles of a group the game plays with, clamped to the lists so that
  // a damaged count cannot reach past them; the stock row always counts 3.
  int InPlay(PileGroup group) const;

  // Card number of the top code; 0 for an empty pile, a gap on top, the
  // second waste and names that are no pile.
  int TopCard(std::string_view name) const;
  // The card lies on top of one of the tableau piles in play.
  bool IsTopOfTableau(int card) const;
  // Appends the card's code (the gap code for 0) and, for a real card with a
  // non-empty flag, sets its face flag. A number that does not fit three
  // characters, or an entry that does not exist, changes nothing.
  void AppendCardCode(PileGroup group, int index, int card, std::string_view faceFlag);
  // Appends to tableau, foundation, reserve or "Mazzo_Vis"; sets the face
  // flag even when the name is refused.
  void AddCardToPile(std::string_view name, int card, std::string_view faceFlag);
  // Removes the first occurrence of the card: the waste, the tableau piles in
  // play, all foundations, the stock, the second waste, all reserves; within
  // a pile from the bottom. Numbers that are no card are never found.
  Location RemoveCard(int card);
  // As RemoveCard, but leaves the gap code in its place.
  Location LeaveGap(int card);
  // As RemoveCard, and a gap code just below the card goes too.
  Location RemoveCardClosingGap(int card);

  void SetFaceFlag(int card, std::string_view flag) { cards_.SetFaceFlag(card, flag); }
  bool IsFaceDown(int card) const { return cards_.IsFaceDown(card); }
  // Mode k >= 1: the last k cards get the flag; -1 alternate from the bottom
  // (up, down, ...); -2 the opposite; -3 bottom up, the rest down; any other
  // mode changes nothing. Gaps are no cards: they are neither set nor counted.
  void SetFaceFlags(std::string_view pile, int mode, std::string_view flag);

 private:
  enum class RemoveMode { Delete, Gap, DeleteWithGapBelow };
  Location Remove(int card, RemoveMode mode);
  static bool RemoveFrom(std::string& pile, std::string_view code, RemoveMode mode);

  const GameParameters& params_;
  CardDescriptors cards_;
  PileLists piles_;
};

}  // namespace orv
