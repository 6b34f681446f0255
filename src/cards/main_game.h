// The game-state object's table geometry: pile positions, scroll offset,
// card size, fan steps and the untidy-pile offsets. The layout writes the
// positions; drawing and hit testing read them through the card places.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>

#include "games/parameters.h"

namespace orv {

inline constexpr int kHiddenPileX = -10000;

struct CardSize {
  int width;
  int height;
};
// "X" 102x138, "S" 85x115, "B" 71x96, "M" 59x80, "L" 25x32; others 71x96.
CardSize CardSizeForLetter(std::string_view letter);

// A place on the table computed by the special one-pile arrangements, with
// the card code found there.
struct SpecialPlace {
  int x = 0;
  int y = 0;  // unscrolled
  int code = 0;
};
// Tableau kinds 8 and 9 are arranged by the table layout, which installs
// this hook: kind, pile string, considered characters, pile index (0-based).
using SpecialArrangement = std::function<SpecialPlace(int kind, std::string_view pile, int chars, int pileIndex)>;

using JitterTable = std::array<std::array<std::int16_t, 13>, 8>;  // rows 1-7 used

struct TMainGame {
  // Pile corners; y values unscrolled.
  std::array<std::int16_t, 42> tableauX{}, tableauY{};
  std::array<std::int16_t, 16> foundationX{}, foundationY{};
  std::array<std::int16_t, 12> reserveX{}, reserveY{};
  std::array<std::int16_t, 3> stockX{}, stockY{};
  std::int16_t scrollY = 0;

  std::int16_t cardWidth = 71;
  std::int16_t cardHeight = 96;

  // Fan steps (SetCardSteps).
  std::int16_t faceUpStepY = 0, faceDownStepY = 0;
  std::int16_t faceUpStepX = 0, faceDownStepX = 0;
  std::int16_t reserveStepY = 3, secondReserveStepY = 3;
  std::int16_t sideGapX = 6;
  std::int16_t looseStepX = 0, looseStepX2 = 0;
  std::int16_t specialStepX = 0, specialStepY = 0;

  JitterTable jitter{};
  SpecialArrangement specialArrangement;

  // Rules state shared by validation, execution and pointer play.
  int heldRunTopCard = 0;     // top card of the run last checked for lifting
  int dealCounter = 1;        // 1 for the first deal, raised by each redeal
  bool movingSingleCard = true;  // the carried cards are one card, not a run
  // The target rank building rule code 40 compares with (0 stands for the
  // king; -1 none kept).
  int targetRank = -1;

  // Move execution and the stock (reset by every new game).
  int movesMade = 0;            // executed moves, counted up to 2
  bool tableauMoveSeen = false;  // the move being executed took a tableau card
  bool stockPressed = false;    // the pointer was pressed on the empty stock
  int oneTimeAction = 0;        // 1 once the Draw has been used
  int stockClicks = 0;          // stock clicks of the games that count them
  int missCount = 0;            // failed attempts of the memory games
  // The dealt table has been drawn whole (scores that read the finished
  // layout wait for it).
  bool dealFinished = false;

  // Set by the deal.
  std::int16_t dealtSuit = -1;  // the suit foundation base-rank mode 7 remembered
  std::array<std::int16_t, 4> targetTotals{};  // row sums deal type 18 asks for

  // Position readers: y readers subtract the scroll offset.
  int TableauX(int i) const { return tableauX.at(static_cast<size_t>(i)); }
  int TableauY(int i) const { return tableauY.at(static_cast<size_t>(i)) - scrollY; }
  int FoundationX(int i) const { return foundationX.at(static_cast<size_t>(i)); }
  int FoundationY(int i) const { return foundationY.at(static_cast<size_t>(i)) - scrollY; }
  int ReserveX(int i) const { return reserveX.at(static_cast<size_t>(i)); }
  int ReserveY(int i) const { return reserveY.at(static_cast<size_t>(i)) - scrollY; }
  int StockX(int i) const { return stockX.at(static_cast<size_t>(i)); }
  int StockY(int i) const { return stockY.at(static_cast<size_t>(i)) - scrollY; }

  void SetCardSize(std::string_view letter);
};

// Off the table: neither drawn nor hit.
inline bool IsHiddenX(int x) { return x < -9999; }

// Recomputes the fan steps for the game's pile kinds and the card size letter.
void SetCardSteps(TMainGame& game, const GameParameters& params, std::string_view sizeLetter);

// Redraws the untidy-pile offsets of rows 1-7; `rng` is the only source of
// chance. Every row starts at 0 and its running sum stays within -2..2, so
// a pile never strays more than two pixels from its column.
void BuildJitterTable(TMainGame& game, std::mt19937& rng);

// One row of offsets from its draws (each 0-3): draws[0] is the opening
// draw, draws[1..12] those of columns 1-12.
std::array<std::int16_t, 13> JitterRow(const std::array<int, 13>& draws);

}  // namespace orv
