// Redeals by type, the Draw and closing up the tableau.
#include <functional>

#include "stock_fixture.h"

namespace orv {
namespace {

using test::StockTest;

class RedealTest : public StockTest {
 protected:
  // Three piles dealt two cards each, the top one face up.
  void RedealRules(int type) {
    Set(P::TableauCount, 3);
    Set(P::RedealType, type);
    Set(P::Deals, 3);
    Set(P::StockFaceDown, 1);
    SetEach(P::TableauDealt, 3, 2);
    SetEach(P::TableauFaceUp, 3, 1);
  }
};

TEST_F(RedealTest, GatheredTableauIsDealtAgainAsAtTheDeal) {
  // Types 7, 13 and 20 redeal like the ordinary types.
  for (int type : {4, 5, 2, 7, 13, 20}) {
    RedealRules(type);
    e.undo.Clear();
    e.main.dealCounter = 1;
    Deal("Fila01: AHd 2H\nFila02: 3H\nFila03: 4Hd 5H 6H");
    EXPECT_TRUE(PressAndRelease()) << type;
    EXPECT_EQ(Show({"Fila01", "Fila02", "Fila03", "Mazzo"}), "Fila01: AHd 2H\nFila02: 3Hd 4H\nFila03: 5Hd 6H\nMazzo:\n")
        << type;
    EXPECT_EQ(e.main.dealCounter, 2);
    EXPECT_EQ(CountTaggedEntries(e, "003"), 1);
  }
}

TEST_F(RedealTest, CardsBeyondTheDealCountsWaitOnTheStockOrWaste) {
  struct Case {
    bool toWaste;
    std::string_view rest;
  };
  for (const Case c : {Case{false, "Mazzo: 6Hd 5Hd 4Hd\nMazzo_Vis:\n"}, Case{true, "Mazzo:\nMazzo_Vis: 6H 5H 4H\n"}}) {
    RedealRules(5);
    SetEach(P::TableauDealt, 3, 1);
    Set(P::StockGroupPiles, c.toWaste ? 1 : 0);
    Set(P::HasStock, 0);
    Set(P::HasWaste, c.toWaste ? 1 : 0);
    e.main.dealCounter = 1;
    Deal("Fila01: AH 2H\nFila02: 3H\nFila03: 4H 5H 6H");
    EXPECT_TRUE(PressAndRelease());
    EXPECT_EQ(Show({"Fila01", "Fila02", "Fila03", "Mazzo", "Mazzo_Vis"}),
              "Fila01: AH\nFila02: 2H\nFila03: 3H\n" + std::string(c.rest));
  }
}

TEST_F(RedealTest, ReservesJoinTheRedealOfType10) {
  RedealRules(10);
  SetEach(P::TableauDealt, 2, 2);
  Set(P::TableauCount, 2);
  Set(P::ReserveCount, 1);
  Set(P::ReserveDealt, 1);
  Set(P::ReserveFaceUp, 1);
  Deal("Fila01: AH\nFila02: 2H 3H\nAppogg01: 4H");
  EXPECT_TRUE(PressAndRelease());
  EXPECT_EQ(Show({"Fila01", "Fila02", "Appogg01"}), "Fila01: AHd 2H\nFila02: 3Hd 4H\nAppogg01:\n");
}

TEST_F(RedealTest, Type16GathersTableauThenWasteAndTurnsTheFirstCard) {
  RedealRules(16);
  Set(P::TableauCount, 1);
  Set(P::HasWaste, 1);
  Set(P::StockTurnCount, 1);
  Set(P::StockFaceDown, 1);
  Deal("Fila01: AH 2H\nMazzo_Vis: 3H 4H");
  EXPECT_TRUE(PressAndRelease());
  EXPECT_EQ(Show({"Fila01", "Mazzo", "Mazzo_Vis"}), "Fila01:\nMazzo: 2Hd AHd 4Hd\nMazzo_Vis: 3H\n");
  EXPECT_EQ(Entries(), 1);
}

TEST_F(RedealTest, Type8KeepsRunsFromTheTwoAndRefillsAfterTheGap) {
  RedealRules(8);
  Deal("Fila01: 2H 3H -- 9C 4D\nFila02: 2S 3S 4S\nFila03: 5C 2D --");
  EXPECT_TRUE(PressAndRelease());
  EXPECT_EQ(Show({"Fila01", "Fila02", "Fila03", "Mazzo"}),
            "Fila01: 2H 3H -- 5C 2D\nFila02: 2S 3S 4S\nFila03: -- 9C 4D\nMazzo:\n");
}

TEST_F(RedealTest, PassingMovesTopCardsToTheNeighbourAndBack) {
  RedealRules(19);
  Set(P::Deals, -1);
  Deal("Fila01: AH 2H\nFila02: 3H\nFila03: 4H 5H");
  EXPECT_TRUE(PressAndRelease());
  EXPECT_EQ(Show({"Fila01", "Fila02", "Fila03"}), "Fila01: AH\nFila02: 2H\nFila03: 4H 5H 3H\n");
  EXPECT_TRUE(PressAndRelease());
  EXPECT_EQ(Show({"Fila01", "Fila02", "Fila03"}), "Fila01: AH 2H\nFila02: 3H\nFila03: 4H 5H\n");
  EXPECT_EQ(CountTaggedEntries(e, "002"), 2);
  EXPECT_EQ(e.main.dealCounter, 3);
}

TEST_F(RedealTest, PassingRefusalsNameTheReasonAndUseNoRedeal) {
  struct Case {
    std::string_view board, message;
  };
  const Case cases[] = {
      {"Fila02: AH 2H", "Only one pile left.  There are no more redeals."},
      {"Fila01: AH\nFila03: 2H", "No cards available to move."},
  };
  for (const Case& c : cases) {
    RedealRules(19);
    host.messages.clear();
    Deal(c.board);
    EXPECT_FALSE(PressAndRelease());
    EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string(c.message)});
    EXPECT_EQ(e.main.dealCounter, 1);
    EXPECT_EQ(Entries(), 0);
  }
}

TEST_F(RedealTest, NoRedealAfterTheLastDeal) {
  RedealRules(4);
  e.main.dealCounter = 3;
  Deal("Fila01: AH 2H");
  EXPECT_FALSE(PressAndRelease());
  EXPECT_EQ(Show({"Fila01"}), "Fila01: AH 2H\n");
}

TEST_F(StockTest, DrawOnlyOnceAndOnlyAfterTheLastRedeal) {
  Set(P::TableauCount, 1);
  Deal("Fila01: 5H 6H 7H");
  EXPECT_FALSE(Draw(e, test::Card("5H")));
  e.main.dealCounter = 3;
  EXPECT_TRUE(Draw(e, test::Card("5H")));
  EXPECT_EQ(Show({"Fila01"}), "Fila01: 6H 7H 5H\n");
  EXPECT_EQ(CountTaggedEntries(e, "004"), 1);
  EXPECT_FALSE(Draw(e, test::Card("6H")));
  EXPECT_EQ(Show({"Fila01"}), "Fila01: 6H 7H 5H\n");
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{"The Draw is allowed after the last Redeal.", "Only one Draw is permitted."}));
}

TEST_F(StockTest, CloseUpMovesLastPilesIntoEarlierGaps) {
  Set(P::TableauCount, 5);
  Deal("Fila01: AH\nFila03: 2H\nFila05: 3H 4H");
  CloseUpTableau(e);
  EXPECT_EQ(Show({"Fila01", "Fila02", "Fila03", "Fila04", "Fila05"}), "Fila01: AH\nFila02: 3H 4H\nFila03: 2H\nFila04:\nFila05:\n");
  EXPECT_EQ(Entries(), 1);
  CloseUpTableau(e);
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"No tableau space to fill."});
  EXPECT_EQ(Entries(), 1);
}

// Undo gives back what the click counted: a turned-back waste or a redeal is
// available again, a counted click deals the same piles again, an undone
// Draw may be made again. Redo counts them once more.
TEST_F(RedealTest, UndoAndRedoCarryTheCountsOfTheClick) {
  struct Case {
    const char* what;
    std::function<void()> setUp;
    std::function<bool()> act;
    PlayCounters after;
  };
  const Case cases[] = {
      {"waste turned back",
       [&] {
         KlondikeStock(1, 3);
         Deal("Mazzo_Vis: AH 2H 3H");
       },
       [&] { return PressAndRelease(); }, {2, 0, 0}},
      {"redeal by type",
       [&] {
         RedealRules(4);
         Deal("Fila01: AHd 2H\nFila02: 3H\nFila03: 4Hd 5H 6H");
       },
       [&] { return PressAndRelease(); }, {2, 0, 0}},
      {"counted row deal",
       [&] {
         Set(P::TableauCount, 16);
         SetEach(P::TableauStockDeal, 16, 10);
         Deal("Mazzo: AHd 2Hd 3Hd 4Hd 5Hd 6Hd 7Hd 8Hd 9Hd THd");
       },
       [&] { return StockClick(e); }, {1, 1, 0}},
      {"the Draw",
       [&] {
         Set(P::TableauCount, 1);
         Deal("Fila01: 5H 6H 7H");
         e.main.dealCounter = 3;
       },
       [&] { return Draw(e, test::Card("5H")); }, {3, 0, 1}},
  };
  for (const auto& c : cases) {
    e.params.Clear();
    ClearHistories(e);
    e.main = TMainGame{};
    e.table.ClearPiles();
    c.setUp();
    const PlayCounters before{e.main.dealCounter, e.main.stockClicks, e.main.oneTimeAction};
    const auto counters = [&] { return PlayCounters{e.main.dealCounter, e.main.stockClicks, e.main.oneTimeAction}; };
    ASSERT_TRUE(c.act()) << c.what;
    EXPECT_EQ(counters(), c.after) << c.what;
    ASSERT_TRUE(Undo(e)) << c.what;
    EXPECT_EQ(counters(), before) << c.what;
    ASSERT_TRUE(Redo(e)) << c.what;
    EXPECT_EQ(counters(), c.after) << c.what;
  }
}

}  // namespace
}  // namespace orv
