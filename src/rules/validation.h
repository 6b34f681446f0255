// May this card (with the cards above it) be lifted, and may it be placed on
// a given pile? The one statement of every building rule: pointer play,
// autoplay, the deal's post-moves and hints all ask here. No check changes a
// pile; the only state written is the held run's top card.
#pragma once

#include <string_view>

namespace orv {

class Engine;

// Where a card lies: -99 stock, -98 waste, -(k+1) foundation k, k+1 tableau
// pile k, -(k+21) reserve k, 0 nowhere (second waste included). Foundations
// are searched before tableau piles; a card is found anywhere in a pile.
int CardLocation(const Engine& e, int card);

// The arguments of the core placement rule. `top` is the target's top card
// (-1 for an empty pile), `card` the card placed (a run's bottom card).
struct Placement {
  int top = -1;
  int card = 0;
  int base = 0;         // the target's empty-pile base rank
  bool play = true;     // a player's move (clear for deal and run checks)
  int pile = 0;         // 0-based index of the target pile
  bool wrap = false;    // the tableau wrap flag (> 0); always set for foundations
  bool foundation = false;
  int rule = 0;         // building rule code
  int direction = 0;    // 0 down, 1 up, 2 both
  int firstBase = 0;    // foundation 0's base for tableau piles, the own base for foundations
};

// The placement of `card` on `top` (-1 empty) under a pile's own parameters,
// as CanMoveToTableau and CanMoveToFoundation check it; the first base is
// foundation 0's base for tableau piles.
Placement TableauPlacement(const Engine& e, int tableau, int top, int card, bool play);
Placement FoundationPlacement(const Engine& e, int foundation, int top, int card, bool play);

// A card that is no card (outside 1-212) is never placed.
bool CanPlaceCard(Engine& e, const Placement& p);
// The ordinary rule of codes 0-3 (and of the special codes that end in it),
// with the suit condition of `p.rule`.
bool OrdinaryRule(Engine& e, const Placement& p);
// The balance rule of the empty-foundation codes 81, 84, 85 and 90.
bool BalanceRule(Engine& e, int code, int card);

// Dispatchers for a drop on a named pile; any other name is refused, and so
// is every pile beyond the game's count of piles in play. Whether a single
// card or a run is carried is `TMainGame::movingSingleCard`. The tableau
// refuses the pile whose top is the held run's top (its own pile); with no
// run held (0) every pile is open, empty ones included.
bool CanDropOn(Engine& e, int card, std::string_view pileName);
bool CanMoveToFoundation(Engine& e, int foundation, int card);
bool CanMoveToTableau(Engine& e, int tableau, int card);
bool CanMoveToReserve(Engine& e, int reserve, int card);

// Every adjacent pair of the run starting at `bottom` builds on the target
// tableau pile's rule (by the game's run check mode). A gap inside the run
// breaks it; run check values without a meaning check nothing, like 0.
bool IsMovableRun(Engine& e, int bottom, int tableau);
// The pick-up limit; remembers the run's top card as the held run's top.
bool CanLiftRun(Engine& e, int card, bool targetEmpty);
bool IsTopOfTableauOrReserve(const Engine& e, int card);
// The outer-end rule of the half-row games: rows of ten piles, and the piles
// from the card's pile out to its half-row's end must be empty. Reserves
// 0-9 form one row, 10 and 11 the start of the next; other cards are free.
bool IsAtOuterEnd(const Engine& e, int card);

// What may be lifted: the one question pointer play asks when a card is
// pressed (face-down cards, tableau runs, reserves, foundations, waste).
// Clears the held run first, so only a tableau lift leaves one behind.
bool CanLift(Engine& e, int card);

}  // namespace orv
