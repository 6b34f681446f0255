// Small helpers the deal tests share.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "cards/card_table.h"
#include "cards/deal.h"
#include "common/text.h"

namespace orv::test {

// "1 14 0 27": a deck order as card numbers, 0 an unfilled place.
inline DeckOrder Cards(std::string_view text) {
  DeckOrder deck;
  for (size_t pos = 0; pos < text.size();) {
    const size_t end = std::min(text.find(' ', pos), text.size());
    if (end > pos) deck.push_back(static_cast<int>(ParseIntOr(text.substr(pos, end - pos), -1)));
    pos = end + 1;
  }
  return deck;
}

// Each card of every pile, with how often it lies there (gaps are no cards).
inline std::map<int, int> Census(const CardTable& table) {
  std::map<int, int> seen;
  auto count = [&](const std::string& pile) {
    for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3)
      if (const int card = CardAt(pile, pos); card != 0) ++seen[card];
  };
  const PileLists& piles = table.piles();
  for (const auto& p : piles.stock) count(p);
  for (const auto& p : piles.foundations) count(p);
  for (const auto& p : piles.tableau) count(p);
  for (const auto& p : piles.reserves) count(p);
  return seen;
}

}  // namespace orv::test
