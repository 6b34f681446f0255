// A fresh engine for the score and win tests: a game described by a few
// parameters and a board written as text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "play/engine.h"
#include "platform/recording_host.h"
#include "support/table_text.h"

namespace orv::test {

using ParamList = std::vector<std::pair<int, int>>;

// The text of `count` piles named prefix + number from `first` on, each
// holding `cards`: "Fila01: 1 2\nFila02: 1 2\n".
inline std::string SamePiles(std::string_view prefix, int first, int count, std::string_view cards) {
  std::string text;
  for (int k = first; k < first + count; ++k)
    text += std::string(prefix) + (k < 10 ? "0" : "") + std::to_string(k) + ": " + std::string(cards) + "\n";
  return text;
}

// The cards first..last as a pile text: "1 2 3".
inline std::string CardRun(int first, int last) {
  std::string text;
  for (int c = first; c <= last; ++c) text += (text.empty() ? "" : " ") + std::to_string(c);
  return text;
}

class RecordsTest : public ::testing::Test {
 protected:
  // One deck, four tableau piles, four foundations and a reserve in play,
  // the general scoring system and a score of 0; then `params` on top.
  void Game(int family, const ParamList& params = {}) {
    e.params.Clear();
    e.params.Set(P::Family, family);
    e.params.Set(P::DeckCards, 52);
    e.params.Set(P::TableauCount, 4);
    e.params.Set(P::FoundationCount, 4);
    e.params.Set(P::ReserveCount, 1);
    for (const auto& [number, value] : params) e.params.Set(number, value);
    e.session.Put(sr::ScoringSystem, "01");
    e.session.Put(sr::Score, "0");
  }
  void Board(std::string_view text) { SetBoard(e.table, text); }

  RecordingHost host;
  Engine e{host, Folders{}};
};

}  // namespace orv::test
