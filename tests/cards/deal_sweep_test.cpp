// Every game of the delivered catalogue, dealt many times: each card of the
// game lies in exactly one pile, once, and nothing is reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "cards/deal.h"
#include "deal_fixture.h"
#include "common/text.h"
#include "play/engine.h"
#include "platform/recording_host.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::Census;

constexpr int kDealsPerGame = 300;

// The cards a game plays with: its deck, its jokers.
std::map<int, int> GameCards(const GameParameters& p) {
  std::map<int, int> cards;
  for (int c = 1; c <= p[P::DeckCards]; ++c) cards[c] = 1;
  if (p[P::Jokers] == 1)
    for (int j = 0; j < std::min(p[P::JokerCount], 4); ++j) cards[kFirstJoker + j] = 1;
  return cards;
}

TEST(DealSweep, EveryCatalogueGameDealsEveryCardOnce) {
  RecordingHost host;
  test::TempDir data;
  Engine e(host, Folders{test::ProgramDir(), data.path()});
  ASSERT_TRUE(e.catalogue.Load(host));
  ASSERT_FALSE(e.catalogue.GameList().empty());
  e.random.Seed(20030517);

  for (const std::string& line : e.catalogue.GameList()) {
    const int game = static_cast<int>(ParseIntOr(Mid(line, 5, 3), -1));
    e.params.Clear();
    ASSERT_TRUE(e.catalogue.LoadGameParameters(host, game, e.params, e.pileRules)) << line;
    const auto expected = GameCards(e.params);
    ASSERT_FALSE(expected.empty()) << line;
    for (int i = 0; i < kDealsPerGame; ++i) {
      e.pileRules.Restore(e.params);
      e.table.ClearPiles();
      const std::string number = NewDealNumber(e);
      Deal(e);
      ASSERT_EQ(Census(e.table), expected) << "game " << game << ", deal " << number;
    }
  }
  EXPECT_TRUE(host.messages.empty()) << host.Texts().front();
}

}  // namespace
}  // namespace orv
