// Cards the deal sends straight to the foundations (post-deal codes 93-98):
// the foundations' own rules decide, the cards are taken in the order they
// were dealt, and each one scores.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "cards/deal.h"
#include "deal_fixture.h"
#include "common/text.h"
#include "play/engine.h"
#include "platform/recording_host.h"
#include "records/score.h"
#include "support/table_text.h"

namespace orv {
namespace {

using test::Cards;

using test::DescribeBoard;

class PostDealMovesTest : public ::testing::Test {
 protected:
  void SetEach(int first, std::initializer_list<int> values) {
    int k = 0;
    for (int v : values) e.params.Set(first + k++, v);
  }
  // Foundations that build in suit, upwards from their initial card unless
  // `down` names them, at most 13 cards.
  void Foundations(int count, int code, std::initializer_list<int> down = {}) {
    e.params.Set(P::DeckCards, 52);
    e.params.Set(P::FoundationCount, count);
    e.params.Set(P::FoundationMaxCards, 13);
    for (int k = 0; k < count; ++k) {
      e.params.Set(P::FoundationInitialCard + k, code);
      e.params.Set(P::FoundationDirection + k, 1);
      e.params.Set(P::FoundationBaseRank + k, 1);
    }
    for (int k : down) e.params.Set(P::FoundationDirection + k, 0);
  }
  // Tableau piles dealt with the given counts, every card face up.
  void Tableau(std::initializer_list<int> counts) {
    e.params.Set(P::TableauCount, static_cast<int>(counts.size()));
    SetEach(P::TableauDealt, counts);
    for (int k = 0; k < static_cast<int>(counts.size()); ++k) e.params.Set(P::TableauFaceUp + k, 99);
  }
  std::string DealOrder(std::string_view cards) {
    e.table.ClearPiles();
    e.session.Put(sr::ScoringSystem, "01");
    e.session.Put(sr::Score, "0");
    DeckOrder deck = Cards(cards);
    DealFrom(e, deck);
    return DescribeBoard(e.table);
  }

  RecordingHost host;
  Engine e{host, Folders{}};
};

TEST_F(PostDealMovesTest, AcesOnFoundationsCollectTheCardsDealtAfterThem) {
  struct Case {
    const char* what;
    int code;
    bool pileByPile;
    int faceUp;  // face-up count of every pile
    const char* deck;
    const char* board;
    int score;
  };
  // Four aces go home first; the rest falls on two piles of two.
  const Case cases[] = {
      // Row by row: 5S and 2H, then 3H (2H is home by then).
      {"row by row", 93, false, 2, "1 14 27 40 44 3 2 48",
       "Dest01: 001u 002u 003u\nDest02: 014u\nDest03: 027u\nDest04: 040u\nFila01: 044u\nFila02: 048u\n", 10},
      // Pile by pile: 3H is looked at before 2H and stays.
      {"pile by pile", 93, true, 2, "1 14 27 40 44 3 2 48",
       "Dest01: 001u 002u\nDest02: 014u\nDest03: 027u\nDest04: 040u\nFila01: 044u 003u\nFila02: 048u\n", 5},
      // A face-down card is not played, even when it would fit.
      {"face down", 93, false, 1, "1 14 27 40 44 3 2 48",
       "Dest01: 001u\nDest02: 014u\nDest03: 027u\nDest04: 040u\nFila01: 044d 003u\nFila02: 002d 048u\n", 0},
      // The cards above a card that went home close up and are looked at in
      // its place: 2H then 3H from pile 2, 2D then 3D.
      {"close up", 93, false, 2, "1 14 27 40 15 2 3 16",
       "Dest01: 001u 002u 003u\nDest02: 014u 015u 016u\nDest03: 027u\nDest04: 040u\n", 20},
      // 94: pile 2 may not use foundation 1, so 3H stays.
      {"own index on", 94, false, 2, "1 14 27 40 15 2 3 16",
       "Dest01: 001u 002u\nDest02: 014u 015u 016u\nDest03: 027u\nDest04: 040u\nFila02: 003u\n", 15},
  };
  for (const auto& c : cases) {
    e.params.Clear();
    Foundations(4, c.code);
    Tableau({2, 2});
    for (int k = 0; k < 2; ++k) e.params.Set(P::TableauFaceUp + k, c.faceUp);
    e.params.Set(P::DealPileByPile, c.pileByPile ? 1 : 0);
    EXPECT_EQ(DealOrder(c.deck), c.board) << c.what;
    EXPECT_EQ(StoredScore(e), c.score) << c.what;
    // Part of the deal, not the player's moves: nothing to undo.
    EXPECT_TRUE(e.undo.Empty() && e.redo.Empty()) << c.what;
  }
}

TEST_F(PostDealMovesTest, CodeNinetyFiveOffersGroupsOfFour) {
  // Kings on foundations 1-4 build down, aces on 5-8 build up. Ten piles of
  // one card: row by row a card's pile chooses the group (piles 1-4 the
  // kings, 7-10 the aces, 5 and 6 all eight); pile by pile its row does,
  // and every card lies in row 0.
  struct Case { bool pileByPile; const char* board; };
  const Case cases[] = {
      {false,
       "Dest01: 013u 012u\nDest02: 026u\nDest03: 039u\nDest04: 052u\nDest05: 001u 002u\nDest06: 014u\n"
       "Dest07: 027u\nDest08: 040u\nFila01: 015u\nFila02: 005u\nFila03: 006u\nFila04: 007u\nFila06: 008u\n"
       "Fila08: 025u\nFila09: 009u\nFila10: 010u\n"},
      {true,
       "Dest01: 013u 012u\nDest02: 026u 025u\nDest03: 039u\nDest04: 052u\nDest05: 001u\nDest06: 014u\n"
       "Dest07: 027u\nDest08: 040u\nFila01: 015u\nFila02: 005u\nFila03: 006u\nFila04: 007u\nFila06: 008u\n"
       "Fila07: 002u\nFila09: 009u\nFila10: 010u\n"},
  };
  for (const auto& c : cases) {
    e.params.Clear();
    Foundations(8, 95, {0, 1, 2, 3});
    Tableau({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    e.params.Set(P::DealPileByPile, c.pileByPile ? 1 : 0);
    EXPECT_EQ(DealOrder("13 26 39 52 1 14 27 40 15 5 6 7 12 8 2 25 9 10"), c.board) << c.pileByPile;
    EXPECT_EQ(StoredScore(e), 10) << c.pileByPile;
  }
}

TEST_F(PostDealMovesTest, TableauAcesGoHomeAndTheStockFillsTheirPlace) {
  struct Case { int stock; int waste; const char* deck; const char* board; };
  // Row by row: the ace of diamonds (pile 2, row 1) goes first, to the first
  // empty foundation; then the ace of hearts.
  const Case cases[] = {
      {2, 0, "30 31 5 1 14", "Dest01: 014u\nDest02: 001u\nFila01: 005u 030u\nFila02: 031u\n"},
      // The stock runs out: the waste gives the second card.
      {1, 1, "30 31 5 1 14", "Dest01: 014u\nDest02: 001u\nFila01: 005u 031u\nFila02: 030u\n"},
      // Nothing to fill with: the place closes.
      {0, 0, "5 1 14", "Dest01: 014u\nDest02: 001u\nFila01: 005u\n"},
      // A card from the stock that is an ace goes home too.
      {1, 0, "27 5 1 14", "Dest01: 014u\nDest02: 027u\nDest03: 001u\nFila01: 005u\n"},
  };
  for (const auto& c : cases) {
    e.params.Clear();
    Foundations(4, 96);
    Tableau({2, 1});
    e.params.Set(P::StockCards, c.stock);
    e.params.Set(P::StockFaceDown, 1);
    e.params.Set(P::WasteCards, c.waste);
    EXPECT_EQ(DealOrder(c.deck), c.board) << c.deck;
    EXPECT_EQ(StoredScore(e), 10 + (c.deck[0] == '2' ? 5 : 0)) << c.deck;
  }
}

TEST_F(PostDealMovesTest, ReserveAcesGoHomeWhateverTheFoundationRule) {
  Foundations(4, 98);
  for (int k = 0; k < 4; ++k) e.params.Set(P::FoundationRule + k, 10);  // only a queen starts them
  e.params.Set(P::ReserveCount, 2);
  SetEach(P::ReserveDealt, {1, 2});
  SetEach(P::ReserveFaceUp, {1, 2});
  e.params.Set(P::StockCards, 1);
  e.params.Set(P::StockFaceDown, 1);
  EXPECT_EQ(DealOrder("33 1 7 27"), "Dest01: 001u\nDest02: 027u\nAppogg01: 033u\nAppogg02: 007u\n");
  EXPECT_EQ(StoredScore(e), 10);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(e.params[P::FoundationRule + k], 10) << k;
}

TEST_F(PostDealMovesTest, OtherCodesMoveNothing) {
  for (int code : {0, 20, 91, 97}) {
    e.params.Clear();
    Foundations(4, code);
    Tableau({2});
    const std::string board = DealOrder("2 3 4 5 6 7 8 9 10 11 12");
    EXPECT_NE(board.find("Fila01: "), std::string::npos) << code;
    EXPECT_EQ(StoredScore(e), 0) << code;
  }
}

}  // namespace
}  // namespace orv
