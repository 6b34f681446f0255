// The special deal types: reduced decks before the deal and the layouts
// no pile count describes. Each case deals a short deck order written out
// as card numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <set>
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
using test::Census;

using test::DescribeBoard;
using test::DescribePile;

class DealTypeTest : public ::testing::Test {
 protected:
  // `counts` cards on the tableau piles, each pile face up by `faceUp`
  // (99: all of it).
  void Setup(int type, std::vector<int> counts, int faceUp = 99) {
    e.params.Clear();
    e.params.Set(P::DeckCards, 52);
    e.params.Set(P::DealType, type);
    e.params.Set(P::TableauCount, static_cast<int>(counts.size()));
    for (size_t k = 0; k < counts.size(); ++k) {
      e.params.Set(P::TableauDealt + static_cast<int>(k), counts[k]);
      e.params.Set(P::TableauFaceUp + static_cast<int>(k), faceUp);
    }
  }
  // Foundations that take an ace first and build up in suit.
  void AceFoundations(int count, int code = 0) {
    e.params.Set(P::FoundationCount, count);
    e.params.Set(P::FoundationMaxCards, 13);
    for (int k = 0; k < count; ++k) {
      e.params.Set(P::FoundationBaseRank + k, 1);
      e.params.Set(P::FoundationDirection + k, 1);
      e.params.Set(P::FoundationInitialCard + k, code);
    }
  }
  std::string DealOrder(std::string_view cards) {
    e.table.ClearPiles();
    e.session.Put(sr::ScoringSystem, "01");
    e.session.Put(sr::Score, "0");
    left = Cards(cards);
    DealFrom(e, left);
    return DescribeBoard(e.table);
  }
  std::string DealNumber(std::string_view number) {
    e.table.ClearPiles();
    e.session.Put(sr::DealNumber, number);
    Deal(e);
    return DescribeBoard(e.table);
  }

  RecordingHost host;
  Engine e{host, Folders{}};
  DeckOrder left;
};

TEST_F(DealTypeTest, Distributions) {
  struct Case {
    int type;
    std::vector<int> counts;  // tableau piles and their cards
    int faceUp;
    const char* deck;
    const char* board;
    const char* left;
  };
  const Case cases[] = {
      // 3: pooled and dealt again, no rank twice on a pile; 27 finds no
      // pile without an ace and takes the place left open.
      {3, {3, 3}, 1, "1 14 2 5 27 3", "Fila01: 001d 002d 005u\nFila02: 014d 003d 027u\n", ""},
      // 5: one pile per rank from the 2s on; aces and jokers stay out.
      {5, {}, 99, "2 15 13 1 209 5", "Fila01: 002u 015u\nFila04: 005u\nFila12: 013u\n", "1 209"},
      {6, {}, 99, "2 13 1 209", "Fila01: 001u\nFila02: 002u\nFila13: 013u\n", "209"},
      // 8: the aces leave the tableau and leave their places open.
      {8, {3, 2}, 99, "1 5 14 27 6", "Fila01: 000 005u 000\nFila02: 000 006u\n", ""},
      // 9: cards 1-4 only; the pile holding 4 is the hole.
      {9, {1, 1, 1, 1}, 99, "3 50 1 4 2 30", "Fila01: 003u\nFila02: 001u\nFila04: 002u\n", ""},
      // 11: the first card of each rank 1-3.
      {11, {1, 1, 1}, 99, "14 2 1 16 3 29 5", "Fila01: 014u\nFila02: 002u\nFila03: 016u\n", ""},
      // 14: ranks 1-9 of the first card's suit, the first of each.
      {14, {6}, 99, "20 1 15 16 14 33 22 24 66", "Fila01: 020u 015u 016u 014u 022u\n", ""},
      // 15: kings become open places; every pile has nine places.
      {15, {2, 1}, 99, "13 5 26",
       "Fila01: 000 005u 000 000 000 000 000 000 000\nFila02: 000 000 000 000 000 000 000 000 000\n", ""},
      // 16: no queens or kings.
      {16, {5}, 99, "12 5 13 38 6", "Fila01: 005u 006u\n", ""},
      // 17: the clock; a card of the counter's rank goes to the stock.
      {17, {}, 99, "1 5 2 13 14 7", "Mazzo: 001d 002d\nFila01: 005u\nFila02: 013u\nFila03: 014u\nFila04: 007u\n", ""},
      {17, {}, 99, "2 3 4 5 6 7 8 9 10 11 12 13 1",
       "Fila01: 002u\nFila02: 003u\nFila03: 004u\nFila04: 005u\nFila05: 006u\nFila06: 007u\nFila07: 008u\n"
       "Fila08: 009u\nFila09: 010u\nFila10: 011u\nFila11: 012u\nFila12: 013u\nAppogg01: 001u\n", ""},
      // 22: no aces; rows of twelve with an open place after the sixth.
      {22, {}, 99, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15",
       "Fila01: 002u 003u 004u 005u 006u 007u 000 008u 009u 010u 011u 012u 013u\nFila02: 015u\n", ""},
      // 19 and 20 are plain deals.
      {19, {2}, 1, "1 2 3", "Fila01: 001d 002u\n", "3"},
  };
  for (const auto& c : cases) {
    Setup(c.type, c.counts, c.faceUp);
    EXPECT_EQ(DealOrder(c.deck), c.board) << "type " << c.type << ": " << c.deck;
    EXPECT_EQ(left, Cards(c.left)) << "type " << c.type << ": " << c.deck;
  }
}

TEST_F(DealTypeTest, KingsGoUnderTheStock) {
  Setup(1, {1, 1, 1});
  e.params.Set(P::FoundationCount, 1);
  e.params.Set(P::FoundationInitialCard, 20);  // the first card: a king
  e.params.Set(P::StockCards, 3);
  e.params.Set(P::StockFaceDown, 1);
  // Piles 1 and 3 and the foundation start with kings; each king goes under
  // the stock and the stock's lowest card that is no king takes its place.
  EXPECT_EQ(DealOrder("26 2 3 4 13 5 39"),
            "Mazzo: 026u 039u 013u\nDest01: 004u\nFila01: 002u\nFila02: 005u\nFila03: 003u\n");
}

TEST_F(DealTypeTest, LeadersOpenPilesAndTheRestGoesHome) {
  // Type 2: kings open the piles, the cards after them follow face up, then
  // the cards that fit go home (row by row: 3H is passed before 2H moves).
  Setup(2, {0, 0});
  AceFoundations(4, 93);
  EXPECT_EQ(DealOrder("1 14 27 40 5 13 2 6 26 3 7"),
            "Dest01: 001u 002u\nDest02: 014u\nDest03: 027u\nDest04: 040u\n"
            "Fila01: 013u 005u 006u\nFila02: 026u 003u 007u\n");
  EXPECT_EQ(StoredScore(e), 5);

  // Type 4: queens; the cards before the first queen follow it.
  Setup(4, {0, 0});
  EXPECT_EQ(DealOrder("5 12 6 25 7"), "Fila01: 012u 005u 006u\nFila02: 025u 007u\n");
}

TEST_F(DealTypeTest, BottomCardsAreOfferedFromTheirOwnPileOn) {
  Setup(7, {2, 1, 1});
  AceFoundations(2);
  // Pile 3's ace would need a third foundation.
  EXPECT_EQ(DealOrder("1 5 14 27"), "Dest01: 001u\nDest02: 014u\nFila01: 005u\nFila03: 027u\n");
  EXPECT_EQ(StoredScore(e), 10);
}

TEST_F(DealTypeTest, CourtCardsAndAcesOnTheFoundations) {
  Setup(21, {6});
  // The court cards never reach the tableau; the aces leave open places.
  EXPECT_EQ(DealOrder("1 11 5 14 27 40 12 13 6"),
            "Dest01: 014d 027d 040d 001u\nDest02: 024d 037d 050d 011u\n"
            "Dest03: 025d 038d 051d 012u\nDest04: 026d 039d 052d 013u\n"
            "Fila01: 000 005u 000 000 000 006u\n");
}

TEST_F(DealTypeTest, FoundationsShowTheNextCards) {
  Setup(13, {});
  e.params.Set(P::FoundationCount, 3);
  EXPECT_EQ(DealOrder("5 6 7 8"), "Dest01: 005u\nDest02: 006u\nDest03: 007u\n");
  EXPECT_EQ(left, Cards("8"));
}

TEST_F(DealTypeTest, RowSumsAndTheirShuffledCards) {
  Setup(18, {});
  // The jack goes; the rows of the order are 1+2+3+4, 5+6+7+8, 9+10+A+2 and
  // 3+4+5+6. The sixteen cards are then drawn from index 9 (the rank of the
  // ninth card), then from the rank of the first card left plus 2 or 3.
  DealOrder("11 1 2 3 4 5 6 7 8 9 10 14 15 16 17 18 19 20");
  EXPECT_EQ(e.main.targetTotals, (std::array<std::int16_t, 4>{10, 26, 22, 18}));
  const int order[] = {10, 4, 6, 5, 8, 7, 14, 9, 16, 15, 18, 17, 1, 2, 3, 19};
  for (int k = 0; k < 16; ++k)
    EXPECT_EQ(DescribePile(e.table, PileName({PileGroup::Tableau, k})), CardCode(order[k]) + "u") << k;
  EXPECT_EQ(left, Cards("20"));
}

TEST_F(DealTypeTest, OnePileEmptiedAtRandomNeverTheLast) {
  Setup(10, {1, 1, 1, 1});
  std::set<int> emptied;
  for (std::uint32_t seed = 0; seed < 60; ++seed) {
    e.random.Seed(seed);
    DealRandom expected(seed);
    const int chosen = expected.Random(3);
    DealOrder("1 2 3 4");
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(e.table.piles().tableau[static_cast<size_t>(k)].empty(), k == chosen) << seed << " pile " << k;
    emptied.insert(chosen);
  }
  EXPECT_EQ(emptied, (std::set<int>{0, 1, 2}));
}

TEST_F(DealTypeTest, ReducedDecksOfWholeDeals) {
  struct Case { int type; int piles; int perPile; int deckCards; std::set<int> cards; };
  const Case cases[] = {
      {12, 3, 8, 104, {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95}},
      {12, 4, 8, 104, {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95, 9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103}},
      {12, 5, 8, 104, {1,  5,  15, 19, 29, 43, 53, 57, 67, 71, 81, 95, 9,  23, 33, 37, 47, 51, 61, 75,
                    85, 89, 99, 103, 2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104}},
      // 9 with fifteen piles: the hearts, 27 and 28; the pile of 28 is the hole.
      {9, 15, 1, 52, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27}},
  };
  for (const auto& c : cases) {
    Setup(c.type, std::vector<int>(static_cast<size_t>(c.piles), c.perPile));
    e.params.Set(P::DeckCards, c.deckCards);
    for (const char* number : {"0000000000000", "1322955557341", "9876543210987"}) {
      DealNumber(number);
      const auto seen = Census(e.table);
      std::set<int> cards;
      for (const auto& [card, times] : seen) {
        cards.insert(card);
        EXPECT_EQ(times, 1) << card;
      }
      EXPECT_EQ(cards, c.cards) << "type " << c.type << " piles " << c.piles << " " << number;
    }
  }
}

TEST_F(DealTypeTest, NumberedPuzzleLeavesTheHoleWhereItsCardWas) {
  Setup(9, std::vector<int>(15, 1));
  DealNumber("1322955557341");
  int empty = 0;
  for (int k = 0; k < 15; ++k) empty += e.table.piles().tableau[static_cast<size_t>(k)].empty() ? 1 : 0;
  EXPECT_EQ(empty, 1);
  EXPECT_EQ(Census(e.table).count(28), 0u);
}

TEST_F(DealTypeTest, FourRowsOfTwelveFromAWholeDeck) {
  Setup(22, {});
  DealNumber("9876543210987");
  std::set<int> cards;
  for (int k = 0; k < 4; ++k) {
    const std::string& pile = e.table.piles().tableau[static_cast<size_t>(k)];
    ASSERT_EQ(CodeCount(pile), 13u) << k;
    EXPECT_EQ(pile.substr(18, 3), "000") << k;
    for (size_t pos = 1; pos < pile.size(); pos += 3)
      if (const int card = CardAt(pile, pos); card != 0) {
        EXPECT_NE(CardRank(card), 1);
        EXPECT_FALSE(e.table.IsFaceDown(card));
        cards.insert(card);
      }
  }
  EXPECT_EQ(cards.size(), 48u);
}

}  // namespace
}  // namespace orv
