// The distribution of a deck order over the piles: the order of the steps,
// the pile counts and face flags, the foundations' initial cards and base
// ranks, and the family rules. Most cases deal a deck order written out as
// card numbers, so that each expected board can be read off by hand.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
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

class DealTest : public ::testing::Test {
 protected:
  DealTest() { e.params.Set(P::DeckCards, 52); }

  void Set(int n, int v) { e.params.Set(n, v); }
  void SetEach(int first, std::initializer_list<int> values) {
    int k = 0;
    for (int v : values) e.params.Set(first + k++, v);
  }
  int Base(int k) const { return e.params[P::FoundationBaseRank + k]; }
  std::vector<int> Bases(size_t count) const {
    std::vector<int> out;
    for (size_t k = 0; k < count; ++k) out.push_back(Base(static_cast<int>(k)));
    return out;
  }

  // Deals a deck order onto the emptied table; the cards left over stay in
  // `left`. Returns the board.
  std::string DealOrder(std::string_view cards) {
    e.table.ClearPiles();
    left = Cards(cards);
    DealFrom(e, left);
    return DescribeBoard(e.table);
  }

  RecordingHost host;
  Engine e{host, Folders{}};
  DeckOrder left;
};

TEST_F(DealTest, DealCardsTakesCountsRanksAndJokers) {
  struct Case { int n; const char* pile; const char* left; };
  const Case cases[] = {
      {2, "001d 002d", "53 0 4 209 14 210"},
      {3, "001d 002d 053d", "0 4 209 14 210"},
      {4, "001d 002d 053d 000", "4 209 14 210"},  // an unfilled place is dealt as a gap
      {1000, "001d 002d 053d 000 004d 209d 014d 210d", ""},  // only what remains
      {1004, "004d", "1 2 53 0 209 14 210"},   // the first card of rank 4
      {1001, "001d", "2 53 0 4 209 14 210"},
      {1013, "", "1 2 53 0 4 209 14 210"},     // no king: nothing
      {1100, "209d", "1 2 53 0 4 14 210"},     // rank 100 is a joker's
      {1502, "210u", "1 2 53 0 4 209 14"},     // joker 2, face up, wherever it lies
      {1504, "", "1 2 53 0 4 209 14 210"},     // not in the order
      {0, "", "1 2 53 0 4 209 14 210"},
      {-3, "", "1 2 53 0 4 209 14 210"},
      {1500, "", "1 2 53 0 4 209 14 210"},
      {1505, "", "1 2 53 0 4 209 14 210"},
  };
  for (const auto& c : cases) {
    e.table.ClearPiles();
    DeckOrder deck = Cards("1 2 53 0 4 209 14 210");
    DealCards(e, deck, c.n, PileGroup::Tableau, 4);
    EXPECT_EQ(DescribePile(e.table, "Fila05"), c.pile) << c.n;
    EXPECT_EQ(deck, Cards(c.left)) << c.n;
  }
}

TEST_F(DealTest, PilesAreDealtInTheirFixedOrder) {
  // The tableau count above 1000 (1002: the first 2) goes before the stock,
  // then the stock, the waste, the plain tableau counts as consecutive
  // blocks, the second waste and the reserves.
  SetEach(P::TableauDealt, {1002, 2, 3});
  SetEach(P::TableauFaceUp, {1, 1, 0});
  Set(P::StockCards, 3);
  Set(P::StockFaceDown, 1);
  Set(P::WasteCards, 2);
  Set(P::SecondWasteCards, 1);
  Set(P::ReserveDealt, 2);
  Set(P::ReserveFaceUp, 1);
  EXPECT_EQ(DealOrder("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"),
            "Mazzo: 001d 003d 004d\n"
            "Mazzo_Vis: 005u 006u\n"
            "Mazzo_Waste: 012u\n"
            "Fila01: 002u\n"
            "Fila02: 007d 008u\n"
            "Fila03: 009d 010d 011d\n"
            "Appogg01: 013d 014u\n");
  EXPECT_EQ(left, Cards("15"));

  Set(P::StockFaceDown, 0);  // the stock is dealt face up
  EXPECT_EQ(DealOrder("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15").substr(0, 25), "Mazzo: 001u 003u 004u\nMaz");
}

TEST_F(DealTest, FirstCardOfARankGoesOutBeforeTheStock) {
  // 1003 takes the first three of the order, wherever it lies; the stock
  // then has the first cards of what is left.
  SetEach(P::TableauDealt, {0, 1003});
  Set(P::StockCards, 4);
  Set(P::StockFaceDown, 1);
  EXPECT_EQ(DealOrder("1 2 16 3 4 29"), "Mazzo: 001d 002d 003d 004d\nFila02: 016d\n");
  EXPECT_EQ(left, Cards("29"));
}

TEST_F(DealTest, FaceUpModesOfATableauPile) {
  struct Case { int mode; const char* pile; };
  const Case cases[] = {
      {2, "001d 002d 003d 004u 005u"}, {9, "001u 002u 003u 004u 005u"}, {0, "001d 002d 003d 004d 005d"},
      {-1, "001u 002d 003u 004d 005u"}, {-2, "001d 002u 003d 004u 005d"}, {-3, "001u 002d 003d 004d 005d"},
      {-4, "001d 002d 003d 004d 005d"},
  };
  for (const auto& c : cases) {
    SetEach(P::TableauDealt, {5});
    SetEach(P::TableauFaceUp, {c.mode});
    DealOrder("1 2 3 4 5");
    EXPECT_EQ(DescribePile(e.table, "Fila01"), c.pile) << c.mode;
  }
}

TEST_F(DealTest, JokerCountsDealFaceUpJokers) {
  SetEach(P::TableauDealt, {1501, 1503, 2});
  SetEach(P::TableauFaceUp, {0, 0, 1});
  EXPECT_EQ(DealOrder("5 211 6 209 7"), "Fila01: 209u\nFila02: 211u\nFila03: 005d 006u\n");
  EXPECT_EQ(left, Cards("7"));
}

TEST_F(DealTest, InitialFoundationCards) {
  struct Case {
    std::vector<int> codes;  // parameters 103 + k; their count is the foundations in play
    const char* deck;
    const char* board;
    std::vector<int> bases;
    const char* left;
  };
  const Case cases[] = {
      // 91: the first card plus 13 (k + 1), wrapped onto the deck.
      {{91, 91, 91, 91}, "27 40 5 18 14 1",
       "Dest01: 040u\nDest02: 001u\nDest03: 014u\nDest04: 027u\n", {1, 1, 1, 1}, "5 18"},
      // 52 + 52 = 104 wraps to the deck's last card, not to card 0.
      {{0, 0, 0, 91}, "52 13", "Dest04: 052u\n", {7, 0, 0, 13}, "13"},
      // 93, 94: the ace of suit k.
      {{93, 93, 94, 94}, "40 27 14 1 2",
       "Dest01: 001u\nDest02: 014u\nDest03: 027u\nDest04: 040u\n", {1, 1, 1, 1}, "2"},
      // 95: kings on the first four, aces from the fifth on.
      {{95, 95, 95, 95, 95, 95}, "1 14 13 26 39 52 5",
       "Dest01: 013u\nDest02: 026u\nDest03: 039u\nDest04: 052u\nDest05: 001u\nDest06: 014u\n",
       {13, 13, 13, 13, 1, 1}, "5"},
      // 20: the first card, unfilled places passed over.
      {{20, 20}, "0 7 9 11", "Dest01: 007u\nDest02: 009u\n", {7, 9}, "0 11"},
      // 21: a suit no lower foundation starts with.
      {{21, 21, 21, 21}, "1 2 14 3 27 40",
       "Dest01: 001u\nDest02: 014u\nDest03: 027u\nDest04: 040u\n", {1, 1, 1, 1}, "2 3"},
      // 22: no king, and a rank no lower foundation starts with.
      {{22, 22, 22}, "13 1 14 2 26 3", "Dest01: 001u\nDest02: 002u\nDest03: 003u\n", {1, 2, 3}, "13 14 26"},
      // 51-63: the first card of rank x - 50.
      {{55, 63}, "13 5 18 26", "Dest01: 005u\nDest02: 013u\n", {5, 13}, "18 26"},
      // Above 99: card x - 100. A card already laid is not laid twice.
      {{101, 152, 101}, "52 1 9", "Dest01: 001u\nDest02: 052u\n", {1, 13, 0}, "9"},
      // Any other code: card 13 k + x.
      {{1, 5, 1}, "27 18 1 2", "Dest01: 001u\nDest02: 018u\nDest03: 027u\n", {1, 5, 1}, "2"},
      // 92 copies foundation 1's base rank; 96-98 lay nothing here.
      {{0, 92}, "1", "", {7, 7}, "1"},
      {{98, 96, 97}, "1 2", "", {7, 0, 0}, "1 2"},
  };
  for (const auto& c : cases) {
    e.params.Clear();
    Set(P::DeckCards, 52);
    Set(P::FoundationCount, static_cast<int>(c.codes.size()));
    Set(P::FoundationBaseRank, 7);  // foundation 1's base until a card sets it
    for (size_t k = 0; k < c.codes.size(); ++k) Set(P::FoundationInitialCard + static_cast<int>(k), c.codes[k]);
    EXPECT_EQ(DealOrder(c.deck), c.board) << c.deck;
    EXPECT_EQ(Bases(c.bases.size()), c.bases) << c.deck;
    EXPECT_EQ(left, Cards(c.left)) << c.deck;
  }
}

TEST_F(DealTest, CodeNinetySevenLaysTwoToNine) {
  Set(P::FoundationCount, 8);
  Set(P::FoundationInitialCard, 97);
  EXPECT_EQ(DealOrder("2 15 3 4 5 6 7 8 9 10 28"),
            "Dest01: 002u\nDest02: 003u\nDest03: 004u\nDest04: 005u\n"
            "Dest05: 006u\nDest06: 007u\nDest07: 008u\nDest08: 009u\n");
  EXPECT_EQ(Bases(8), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(left, Cards("15 10 28"));
}

TEST_F(DealTest, FamilyFiftyDoublesTheLowerRow) {
  Set(P::Family, 50);
  Set(P::FoundationCount, 8);
  SetEach(P::FoundationBaseRank, {7, 13, 0, 5});
  DealOrder("");
  // 14 - 13 = 1; 26 - 13 = 13; 0 becomes 13; 10.
  EXPECT_EQ(Bases(8), (std::vector<int>{7, 13, 0, 5, 1, 13, 13, 10}));
}

TEST_F(DealTest, SameRankModeFillsFoundationsInPlay) {
  Set(P::FoundationBaseMode, 5);
  Set(P::FoundationCount, 3);
  // Three foundations in play: the fourth 5 stays in the order.
  EXPECT_EQ(DealOrder("5 1 18 31 2 44"), "Dest01: 005u\nDest02: 018u\nDest03: 031u\n");
  EXPECT_EQ(left, Cards("1 2 44"));
  EXPECT_EQ(Base(15), 5);

  DealOrder("210 5 212");  // jokers share their rank and base -2
  EXPECT_EQ(DescribePile(e.table, "Dest02"), "212u");
  EXPECT_EQ(Base(0), kJokerBaseRank);
}

TEST_F(DealTest, BaseRankModesAfterTheDeal) {
  struct Case {
    int mode;
    int foundations;
    const char* deck;
    const char* board;
    std::vector<int> bases;  // from foundation 1 on
    int suit;                // remembered suit, -1 none
    const char* left;
  };
  const Case cases[] = {
      {1, 4, "5 9", "Dest01: 005u\n", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, -1, "9"},
      {1, 4, "209", "Dest01: 209u\n", {-2, -2, -2, -2}, -1, ""},
      {2, 3, "5 18 31 44", "Dest01: 005u\nDest02: 018u\nDest03: 031u\n", {5, 5, 5, 0}, -1, "44"},
      {4, 8, "13 2", "Dest01: 013u\n", {13, 13, 13, 13, 1, 1, 1, 1, 0}, -1, "2"},
      {6, 4, "2", "Dest01: 002u\n", {2, 1, 13, 12, 11, 10}, -1, ""},
      {7, 12, "11 3", "Fila01: 011u\n", {0, 0}, 0, "3"},
      {7, 12, "25", "Dest11: 025u\n", {0}, 1, ""},
      {7, 12, "39", "Dest12: 039u\n", {0}, 2, ""},
      {7, 12, "44", "Dest05: 044u\n", {0}, 3, ""},
      {7, 12, "209 7", "Dest07: 007u\n", {0}, 0, "209"},  // a joker has no place here
      {8, 9, "1", "Dest05: 001u\n", {2, 2, 2, 2, 1, 13, 13, 13, 13}, -1, ""},
      {0, 4, "1", "", {0, 0}, -1, "1"},
  };
  for (const auto& c : cases) {
    e.params.Clear();
    Set(P::FoundationBaseMode, c.mode);
    Set(P::FoundationCount, c.foundations);
    Set(P::TableauCount, 1);
    EXPECT_EQ(DealOrder(c.deck), c.board) << "mode " << c.mode << ": " << c.deck;
    EXPECT_EQ(Bases(c.bases.size()), c.bases) << "mode " << c.mode << ": " << c.deck;
    EXPECT_EQ(e.main.dealtSuit, c.suit) << "mode " << c.mode << ": " << c.deck;
    EXPECT_EQ(left, Cards(c.left)) << "mode " << c.mode << ": " << c.deck;
  }
}

TEST_F(DealTest, ModeThreeFollowsTheReserves) {
  Set(P::FoundationBaseMode, 3);
  Set(P::FoundationCount, 3);
  SetEach(P::ReserveDealt, {1, 1, 1});
  EXPECT_EQ(DealOrder("13 5 209"), "Appogg01: 013d\nAppogg02: 005d\nAppogg03: 209d\n");
  EXPECT_EQ(Bases(3), (std::vector<int>{1, 6, kJokerBaseRank}));  // king -> ace
}

TEST_F(DealTest, OneMoreCardForTheFirstFoundation) {
  Set(P::FoundationBaseMode, 1);
  Set(P::FirstFoundationCard, 1);
  EXPECT_EQ(DealOrder("4 5 6"), "Dest01: 004u 005u\n");
  EXPECT_EQ(Base(0), 4);
}

TEST_F(DealTest, TableauBaseNinetyOneIsOneBelowTheFirstFoundation) {
  struct Case { int foundationBase; int below; };
  // A base that is no rank ("any", a letter code) opens the pile to any card.
  const Case cases[] = {{1, 13}, {7, 6}, {13, 12}, {-1, -1}, {83, -1}};
  for (const auto& c : cases) {
    e.params.Clear();
    Set(P::FoundationBaseRank, c.foundationBase);
    SetEach(P::TableauBaseRank, {91, 5});
    Set(P::TableauBaseRank + 39, 91);
    DealOrder("");
    EXPECT_EQ(e.params[P::TableauBaseRank], c.below) << c.foundationBase;
    EXPECT_EQ(e.params[P::TableauBaseRank + 1], 5) << c.foundationBase;
    EXPECT_EQ(e.params[P::TableauBaseRank + 39], c.below) << c.foundationBase;
  }
}

TEST_F(DealTest, FamilyElevenSendsAcesHomeAndRefillsTheReserve) {
  Set(P::Family, 11);
  Set(P::FoundationCount, 4);
  Set(P::WasteCards, 5);
  Set(P::ReserveDealt, 3);
  // Reserve 1 holds 1 5 14: its aces go to foundations 2 and 3; the waste
  // 6 27 7 8 9 gives its first ace to foundation 1 and two cards back to
  // the reserve, one for each ace that left.
  EXPECT_EQ(DealOrder("6 27 7 8 9 1 5 14"),
            "Mazzo_Vis: 008u 009u\n"
            "Dest01: 027u\nDest02: 001u\nDest03: 014u\n"
            "Appogg01: 005u 006u 007u\n");
}

TEST_F(DealTest, FamilyTwentyTwoSeparatesTheHeartsCouple) {
  Set(P::Family, 22);
  Set(P::TableauCount, 1);
  Set(P::StockCards, 4);
  Set(P::StockFaceDown, 1);
  SetEach(P::TableauDealt, {2});
  SetEach(P::TableauFaceUp, {1});
  EXPECT_EQ(DealOrder("1 13 2 3 12 4"), "Mazzo: 013d 001d 002d 003d\nFila01: 004u 012u\n");
}

TEST_F(DealTest, SecondWasteCardComesFromTheDeck) {
  struct Case { int card; const char* pile; const char* left; };
  const Case cases[] = {{112, "012u 005u", "7"}, {7, "007u 012u", "5"}, {60, "012u", "5 7"}};
  for (const auto& c : cases) {
    Set(P::SecondWasteCard, c.card);
    Set(P::SecondWasteCards, 1);
    DealOrder("12 5 7");
    EXPECT_EQ(DescribePile(e.table, "Mazzo_Waste"), c.pile) << c.card;
    EXPECT_EQ(left, Cards(c.left)) << c.card;
  }
}

TEST_F(DealTest, SerpentineKindLeavesAPlaceAfterEveryCard) {
  Set(P::TableauKind, 8);
  SetEach(P::TableauDealt, {3, 2});
  SetEach(P::TableauFaceUp, {3, 2});
  EXPECT_EQ(DealOrder("1 2 3 4 5"), "Fila01: 001u 000 002u 000 003u 000\nFila02: 004u 005u\n");
}

// ---- Whole deals from a deal number ----

void SpiderParameters(GameParameters& p) {
  p.Set(P::DeckCards, 104);
  p.Set(P::TableauCount, 10);
  p.Set(P::FoundationCount, 8);
  const int dealt[] = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};
  for (int k = 0; k < 10; ++k) {
    p.Set(P::TableauDealt + k, dealt[k]);
    p.Set(P::TableauFaceUp + k, 1);
  }
  p.Set(P::StockCards, 50);
  p.Set(P::StockFaceDown, 1);
}

TEST_F(DealTest, SpiderDealsTenPilesAndAFaceDownStock) {
  SpiderParameters(e.params);
  e.session.Put(sr::DealNumber, "0270195687553");
  e.session.Put(sr::ScoringSystem, "01");
  e.session.Put(sr::Score, "0");
  Deal(e);
  DeckOrder order;
  fnGameNumberCardsArray(e, order);

  // The stock takes the first 50 cards, then each pile a block of the order.
  const std::string& stock = e.table.piles().stock[0];
  ASSERT_EQ(CodeCount(stock), 50u);
  size_t next = 0;
  for (size_t i = 0; i < 50; ++i, ++next) {
    EXPECT_EQ(CardAt(stock, 3 * i + 1), order[next]) << "stock " << i;
    EXPECT_TRUE(e.table.IsFaceDown(order[next]));
  }
  const size_t counts[] = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};
  for (size_t k = 0; k < 10; ++k) {
    const std::string& pile = e.table.piles().tableau[k];
    ASSERT_EQ(CodeCount(pile), counts[k]) << "pile " << k;
    for (size_t i = 0; i < counts[k]; ++i, ++next) {
      EXPECT_EQ(CardAt(pile, 3 * i + 1), order[next]) << "pile " << k;
      EXPECT_EQ(e.table.IsFaceDown(order[next]), i + 1 < counts[k]) << "pile " << k << " card " << i;
    }
  }
  const auto seen = Census(e.table);
  ASSERT_EQ(seen.size(), 104u);
  for (const auto& [card, times] : seen) EXPECT_TRUE(card >= 1 && card <= 104 && times == 1) << card;
  EXPECT_EQ(e.table.piles().stock[1], "");
  EXPECT_EQ(StoredScore(e), 0);  // nothing went home
}

TEST_F(DealTest, SameNumberSameTableWithFaceFlags) {
  SpiderParameters(e.params);
  e.params.Set(P::TableauFaceUp + 3, -1);
  e.params.Set(P::WasteCards, 3);
  e.params.Set(P::StockCards, 47);
  e.session.Put(sr::DealNumber, "3141592653589");
  Deal(e);
  const std::string first = DescribeBoard(e.table);

  // Another deal in between, and every card turned up before the replay.
  e.table.ClearPiles();
  e.session.Put(sr::DealNumber, "2718281828459");
  Deal(e);
  EXPECT_NE(DescribeBoard(e.table), first);
  for (int card = 1; card <= kCardCount; ++card) e.table.SetFaceFlag(card, "1");
  e.table.ClearPiles();
  e.session.Put(sr::DealNumber, "3141592653589");
  Deal(e);
  EXPECT_EQ(DescribeBoard(e.table), first);
}

}  // namespace
}  // namespace orv
