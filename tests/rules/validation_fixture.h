// A fresh engine per test, positions written with card names, and the
// parameter sets of a few typical games.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/text.h"
#include "platform/recording_host.h"
#include "play/engine.h"
#include "rules/validation.h"
#include "support/table_text.h"

namespace orv::test {

// "7H", "TS", "KS2" (second deck), "JK1" (first joker).
inline int Card(std::string_view name) {
  constexpr std::string_view kRanks = "A23456789TJQK";
  constexpr std::string_view kSuits = "HDCS";
  if (name.starts_with("JK") && name.size() == 3 && name[2] >= '1' && name[2] <= '4')
    return kFirstJoker + (name[2] - '1');
  const size_t rank = name.empty() ? std::string_view::npos : kRanks.find(name[0]);
  const size_t suit = name.size() < 2 ? std::string_view::npos : kSuits.find(name[1]);
  const bool deckOk = name.size() == 2 || (name.size() == 3 && name[2] >= '1' && name[2] <= '4');
  if (rank == std::string_view::npos || suit == std::string_view::npos || !deckOk)
    throw std::invalid_argument("not a card name: " + std::string(name));
  const int deck = name.size() == 3 ? name[2] - '1' : 0;
  return static_cast<int>(52 * deck + 13 * suit + rank + 1);
}

// A board in card names: "Fila01: 9S 8S 7Hd" (d: face down, otherwise face
// up), "--" a gap; one pile per line.
inline std::string BoardText(std::string_view board) {
  std::string out;
  while (!board.empty()) {
    const size_t end = board.find('\n');
    std::string_view line = board.substr(0, end);
    board.remove_prefix(end == std::string_view::npos ? board.size() : end + 1);
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    out += std::string(line.substr(0, colon + 1));
    std::string_view rest = line.substr(colon + 1);
    while (!rest.empty()) {
      const size_t space = rest.find(' ');
      std::string_view word = rest.substr(0, space);
      rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
      if (word.empty()) continue;
      if (word == "--") {
        out += " 000";
        continue;
      }
      const bool down = word.back() == 'd';
      if (down) word.remove_suffix(1);
      out += " " + IntToFixed(Card(word), 3) + (down ? "d" : "u");
    }
    out += "\n";
  }
  return out;
}

class RulesTest : public ::testing::Test {
 protected:
  RecordingHost host;
  Engine e{host, Folders{}};

  void Set(int parameter, int value) { e.params.Set(parameter, value); }
  // A per-pile parameter for piles 0..count-1.
  void SetEach(int first, int count, int value) {
    for (int k = 0; k < count; ++k) e.params.Set(first + k, value);
  }
  void Deal(std::string_view board) { SetBoard(e.table, BoardText(board)); }
  // The next drop carries one card (true) or a run.
  void Carry(bool singleCard) { e.main.movingSingleCard = singleCard; }

  // Seven piles built down in alternating colours, kings into empty piles,
  // four foundations built up in suit from the ace; runs checked pair by
  // pair under the pile's own rule.
  void KlondikeRules(int wrap = 0) {
    Set(P::TableauCount, 7);
    Set(P::FoundationCount, 4);
    SetEach(P::TableauBaseRank, 7, 13);
    SetEach(P::TableauDirection, 7, 0);
    SetEach(P::TableauRule, 7, 3);
    SetEach(P::TableauWrap, 7, wrap);
    SetEach(P::FoundationBaseRank, 4, 1);
    SetEach(P::FoundationDirection, 4, 1);
    SetEach(P::FoundationRule, 4, 0);
    Set(P::FoundationMaxCards, 13);
    Set(P::TableauMaxCards, -1);
    Set(P::PickUpLimit, -1);
    Set(P::RunCheck, 1);
  }

  // Eight piles in alternating colours, any card into an empty pile, four
  // cells; runs limited by the free cells and empty piles (-5).
  void FreeCellRules() {
    KlondikeRules();
    Set(P::TableauCount, 8);
    SetEach(P::TableauBaseRank, 8, -1);
    SetEach(P::TableauDirection, 8, 0);
    SetEach(P::TableauRule, 8, 3);
    Set(P::ReserveCount, 4);
    Set(P::PickUpLimit, -5);
  }

  // The Spider game of the shipped catalogue (data/games/spider.toml): ten
  // piles down regardless of suit without king-ace wrap, any card into an
  // empty pile, same-suit runs of any length, foundations that only collect
  // completed runs.
  void SpiderRules() {
    Set(P::DeckCards, 104);
    Set(P::TableauCount, 10);
    Set(P::FoundationCount, 8);
    Set(P::TableauKind, 1);
    SetEach(P::TableauBaseRank, 10, -1);
    SetEach(P::TableauDirection, 10, 0);
    SetEach(P::TableauRule, 10, 2);
    SetEach(P::TableauWrap, 10, 2);
    SetEach(P::TableauStockDeal, 10, 2);
    Set(P::TableauMaxCards, -1);
    Set(P::PickUpLimit, -1);
    Set(P::RunCheck, 10);
    Set(P::HasStock, 1);
    Set(P::HasWaste, 0);
    Set(P::Deals, 1);
    SetEach(P::FoundationBaseRank, 8, 83);
    SetEach(P::FoundationDirection, 8, 0);
    SetEach(P::FoundationRule, 8, 0);
    Set(P::FoundationMaxCards, 13);
    Set(P::FoundationPickUpRule, 0);
  }
};

}  // namespace orv::test
