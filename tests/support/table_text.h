// Piles written as text, for test fixtures and failure messages. A pile is
// its cards from the bottom, separated by blanks, each a card number
// ("005" or "5") followed by "d" (face down), "u" (face up) or nothing (the
// face flag is left as it is): "005d 009d 017u". "000" is a gap. A board is
// one pile per line, "Name: cards"; blank lines are skipped.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "cards/card_table.h"

namespace orv::test {

struct PileContent {
  std::string_view name;   // any pile name: "Fila01", "Fila1", "Mazzo_Vis", ...
  std::string_view cards;  // "005d 009d 017u"
};

// Replaces the pile's contents and sets the given face flags. Throws
// std::invalid_argument for a name that is no pile or a malformed card.
void SetPile(CardTable& table, std::string_view name, std::string_view cards);
void SetPiles(CardTable& table, std::initializer_list<PileContent> piles);
// Empties every pile first.
void SetBoard(CardTable& table, std::initializer_list<PileContent> piles);
void SetBoard(CardTable& table, std::string_view board);

// The pile as text, each card with its current flag, gaps as "000".
std::string DescribePile(const CardTable& table, std::string_view name);
// Every non-empty pile, one line each: stock group, foundations, tableau,
// reserves.
std::string DescribeBoard(const CardTable& table);

}  // namespace orv::test
