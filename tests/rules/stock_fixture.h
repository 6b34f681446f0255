// Positions around the stock written with card names, and the press and
// release of the pointer on the stock.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "rules/execute.h"
#include "rules/history.h"
#include "rules/stock.h"
#include "validation_fixture.h"

namespace orv::test {

// "7H", "TS2", "7Hd" when face down, "--" for a gap.
inline std::string CardName(const CardTable& table, int card) {
  if (card < 1) return "--";
  constexpr std::string_view kRanks = "A23456789TJQK", kSuits = "HDCS";
  std::string name{kRanks[static_cast<size_t>(CardRank(card) - 1)], kSuits[static_cast<size_t>(CardSuit(card))]};
  if (card > 52) name += static_cast<char>('1' + (card - 1) / 52);
  if (table.IsFaceDown(card)) name += 'd';
  return name;
}

class StockTest : public RulesTest {
 protected:
  // "Name: cards" per pile asked for, one line each.
  std::string Show(std::initializer_list<std::string_view> piles) const {
    std::string out;
    for (std::string_view name : piles) {
      out += std::string(name) + ":";
      const std::string& pile = *e.table.Pile(name);
      for (size_t pos = 1; pos + 2 <= pile.size(); pos += 3) out += " " + CardName(e.table, CardAt(pile, pos));
      out += "\n";
    }
    return out;
  }
  // The press arms the empty stock; the release performs what it armed.
  bool PressAndRelease() {
    bool moved = StockClick(e);
    if (e.main.stockPressed) moved = ExecuteMove(e, 0, "Mazzo_Vis") || moved;
    e.main.stockPressed = false;
    return moved;
  }
  int Entries() const { return e.undo.Entries(); }

  // A waste game turning `turn` cards per click, one deck of stock.
  void KlondikeStock(int turn, int deals) {
    KlondikeRules();
    Set(P::HasStock, 1);
    Set(P::HasWaste, 1);
    Set(P::StockTurnCount, turn);
    Set(P::Deals, deals);
    Set(P::RedealType, 0);
    Set(P::StockFaceDown, 1);
  }
};

}  // namespace orv::test
