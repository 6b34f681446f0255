// Positions for the building-rule tests, written with card labels: "7h" is
// the seven of hearts of the first deck, "Qs2" the queen of spades of the
// second, "Ah*12" twelve copies (for piles whose size is what counts).
#pragma once

#include <set>
#include <span>
#include <string>
#include <string_view>

#include "cards/card_table.h"

namespace orv::test {

// One placement to judge. The target pile gets the rule code; the card is
// placed from wherever the board shows it (nowhere when it is absent).
struct RuleCase {
  int code;
  std::string_view target;  // "Dest01", "Fila05"
  std::string_view card;    // "7h"
  // Piles separated by "|": "Dest01: Ah 2h | Fila03: 7s". A name may span
  // piles ("Fila01-13: 2c"); later entries replace earlier ones.
  std::string_view board;
  // Blank-separated "key=value": base, dir and wrap of the target pile;
  // first (foundation 0's base); deal (deal counter); suit (the suit the
  // deal remembered); target (the target rank of code 40); or a parameter
  // number ("30=3").
  std::string_view params;
  bool accepted;
  bool play = true;
};

// Card number of a label ("Th" = 10; "Kd2" = 65); throws for a bad label.
int CardByLabel(std::string_view label);
void SetLabelledBoard(CardTable& table, std::string_view board);

// Judges every case on a fresh engine through CanPlaceCard, failing with
// the case and its board when the verdict differs.
void ExpectVerdicts(std::span<const RuleCase> cases);
// The codes of the table that lack an accepted or a refused case.
std::set<int> CodesMissingAVerdict(std::span<const RuleCase> cases);

}  // namespace orv::test
