// The delivered Spider games, compiled from data/games and loaded through
// the program's own catalogue, hold the values that make them Spider.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "games/catalogue.h"
#include "gamesdat/catalogue_compiler.h"
#include "gamesdat/definitions_writer.h"
#include "platform/recording_host.h"
#include "support/temp_dir.h"

namespace orv::gamesdat {
namespace {

// Foundation base ranks that take a completed run by themselves.
constexpr int kCollectInSuit = 83, kCollectByColour = 98, kCollectByTableauRule = 82;
constexpr int kSameSuitPairs = 10, kSameColourPairs = 11, kTableauRulePairs = 1;
constexpr int kAnySuit = 2, kDown = 0, kAnyCard = -1, kNoWrapAtEnds = 2, kDealRefusedWhileGap = 2;

class SpiderCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> errors;
    const std::vector<std::string> folder{ORVANE_CATALOGUE_DIR};
    const auto sources = ReadSources(folder, errors);
    ASSERT_TRUE(errors.empty()) << errors.front();
    compiled = CompileCatalogue(sources);
    ASSERT_TRUE(compiled.ok()) << compiled.errors.front();
    dir.Write("GAMES.DAT", WriteDefinitionsFile(compiled.games));
    ASSERT_TRUE(catalogue.Load(host));
  }

  GameParameters Load(int game) {
    GameParameters params;
    PileRuleBackup backup;
    EXPECT_TRUE(catalogue.LoadGameParameters(host, game, params, backup)) << game;
    return params;
  }

  test::TempDir dir;
  RecordingHost host;
  CompileResult compiled;
  Catalogue catalogue{dir.path(), dir.path()};
};

TEST_F(SpiderCatalogueTest, EveryGameLoadsAsCompiled) {
  for (const auto& game : compiled.games) {
    EXPECT_EQ(catalogue.GameName(game.number), game.name);
    EXPECT_EQ(catalogue.GameGroup(game.number), game.group);
    EXPECT_EQ(Load(game.number), game.params) << game.name;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SpiderCatalogueTest, TheSpiderGamesHoldTheirDefiningValues) {
  struct Case {
    int number;
    const char* name;
    int decks;
    std::vector<int> dealt;
    int stock;
    int foundations;
    int facePictures;
    int runCheck;     // how the pairs of a moved run are checked
    int collect;      // what completes a run on the foundations
  };
  const Case cases[] = {
      {18, "Spider", 2, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5}, 50, 8, 0, kSameSuitPairs, kCollectInSuit},
      {180, "Spider (1 suit)", 2, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5}, 50, 8, 1, kTableauRulePairs, kCollectByTableauRule},
      {181, "Spider (2 suits)", 2, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5}, 50, 8, 2, kSameColourPairs, kCollectByColour},
      {182, "Spiderette", 1, {1, 2, 3, 4, 5, 6, 7}, 24, 4, 0, kSameSuitPairs, kCollectInSuit},
      {183, "Will o' the Wisp", 1, {3, 3, 3, 3, 3, 3, 3}, 31, 4, 0, kSameSuitPairs, kCollectInSuit},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(catalogue.FindGameByName(c.name), c.number);
    const GameParameters p = Load(c.number);
    const int piles = static_cast<int>(c.dealt.size());
    EXPECT_EQ(p[P::DeckCards], 52 * c.decks);
    EXPECT_EQ(p[P::TableauCount], piles);
    EXPECT_EQ(p[P::StockCards], c.stock);
    EXPECT_EQ(c.stock + std::accumulate(c.dealt.begin(), c.dealt.end(), 0), p[P::DeckCards]) << "every card dealt";
    EXPECT_EQ(p[P::StockFaceDown], 1);
    EXPECT_EQ(p[P::FoundationCount], c.foundations);
    EXPECT_EQ(p[P::ReserveCount], 0);
    EXPECT_EQ(p[P::FacePictures], c.facePictures);
    EXPECT_EQ(p[P::RunCheck], c.runCheck);
    EXPECT_EQ(p[P::PickUpLimit], -1) << "runs of any length";
    EXPECT_EQ(p[P::TableauMaxCards], -1);
    EXPECT_EQ(p[P::HasStock], 1);
    EXPECT_EQ(p[P::HasWaste], 0);
    EXPECT_EQ(p[P::AutoplayTurnsUpFirst], 1) << "exposed cards turn up";
    EXPECT_EQ(p[P::TableauSuitRuleText], -1);
    EXPECT_EQ(p[P::FoundationSuitRuleText], -1);
    for (int pile = 1; pile <= 40; ++pile) {
      const bool inPlay = pile <= piles;
      EXPECT_EQ(p.Pile(P::TableauDealt, pile), inPlay ? c.dealt[static_cast<size_t>(pile - 1)] : 0) << pile;
      EXPECT_EQ(p.Pile(P::TableauFaceUp, pile), inPlay ? 1 : 0) << pile;
      EXPECT_EQ(p.Pile(P::TableauRule, pile), inPlay ? kAnySuit : 0) << pile;
      EXPECT_EQ(p.Pile(P::TableauDirection, pile), kDown) << pile;
      EXPECT_EQ(p.Pile(P::TableauBaseRank, pile), inPlay ? kAnyCard : 0) << pile;
      EXPECT_EQ(p.Pile(P::TableauWrap, pile), inPlay ? kNoWrapAtEnds : 0) << pile;
      EXPECT_EQ(p.Pile(P::TableauStockDeal, pile), inPlay ? kDealRefusedWhileGap : 0) << pile;
    }
    for (int f = 1; f <= 16; ++f) {
      const bool inPlay = f <= c.foundations;
      EXPECT_EQ(p.Pile(P::FoundationBaseRank, f), inPlay ? c.collect : 0) << f;
      EXPECT_EQ(p.Pile(P::FoundationCompleteCount, f), inPlay ? 13 : 0) << f;
    }
  }
}

TEST_F(SpiderCatalogueTest, SpiderAndItsOneSuitGameAreThePopularGames) {
  EXPECT_EQ(catalogue.PopularGames(), (std::vector<int>{18, 180}));
}

}  // namespace
}  // namespace orv::gamesdat
