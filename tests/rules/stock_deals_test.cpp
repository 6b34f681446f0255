// Deals from the stock: the Spider row, the deal codes of the piles, the
// reserves, and the stock clicks that batch several deals into one step.
#include "stock_fixture.h"

namespace orv {
namespace {

using test::SetPile;
using test::StockTest;

constexpr std::string_view kSpiderRows =
    "Fila01: 9C\nFila02: 9C\nFila03: 9C\nFila04: 9C\nFila05: 9C\n"
    "Fila06: 9C\nFila07: 9C\nFila08: 9C\nFila09: 9C\n";

TEST_F(StockTest, SpiderRefusesWhileATableauPileIsEmpty) {
  SpiderRules();
  Deal(std::string(kSpiderRows) + "Mazzo: AHd 2Hd 3Hd 4Hd 5Hd 6Hd 7Hd 8Hd 9Hd THd");
  EXPECT_FALSE(StockClick(e));
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"Fill in any gaps in the tableau before dealing."});
  EXPECT_EQ(CodeCount(e.table.piles().stock[0]), 10u);
  EXPECT_EQ(Entries(), 0);
}

TEST_F(StockTest, SpiderDealsOneFaceUpCardPerPileAsOneStep) {
  SpiderRules();
  Deal(std::string(kSpiderRows) + "Fila10: 9C\nMazzo: AHd 2Hd 3Hd 4Hd 5Hd 6Hd 7Hd 8Hd 9Hd THd");
  EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Fila01", "Fila02", "Fila10", "Mazzo"}), "Fila01: 9C TH\nFila02: 9C 9H\nFila10: 9C AH\nMazzo:\n");
  EXPECT_EQ(Entries(), 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StockTest, RunCompletedByTheDealtCardLeavesAtOnce) {
  SpiderRules();
  Deal(std::string(kSpiderRows) + "Fila10: 5D KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S\n"
                                  "Mazzo: ASd 2Hd 3Hd 4Hd 5Hd 6Hd 7Hd 8Hd 9Hd THd");
  EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Fila10"}), "Fila10: 5D\n");
  EXPECT_EQ(CodeCount(e.table.piles().foundations[0]), 13u);
  EXPECT_EQ(Entries(), 1);
}

TEST_F(StockTest, DealCommandsFollowThePileCodes) {
  struct Case {
    std::string_view name, command;
    int tableau[3], reserve[2];
    std::string_view board, expected;
    int entries;
  };
  const Case cases[] = {
      {"code 6 deals face down", "Add_Tableaus", {6, 1, 0}, {0, 0},
       "Fila01: 9C\nMazzo: AHd 2Hd 3Hd", "Fila01: 9C 3Hd\nFila02: 2H\nFila03:\nMazzo: AHd\n", 1},
      {"code 7 skips an empty pile", "Add_Tableaus", {7, 7, 7}, {0, 0},
       "Fila02: 9C\nMazzo: AHd 2Hd 3Hd", "Fila01:\nFila02: 9C 3H\nFila03:\nMazzo: AHd 2Hd\n", 1},
      {"fill takes only the empty piles, unrecorded", "Fill_Tableaus", {0, 0, 0}, {0, 0},
       "Fila02: 9C\nMazzo: AHd 2Hd 3Hd", "Fila01: 3H\nFila02: 9C\nFila03: 2H\nMazzo: AHd\n", 0},
      {"last row: every pile takes a card", "Add_Tableaus_Last", {0, 0, 0}, {0, 0},
       "Fila02: 9C\nMazzo: AHd 2Hd 3Hd", "Fila01: 3H\nFila02: 9C 2H\nFila03: AH\nMazzo:\n", 1},
      {"dealing stops with the stock", "Add_Tableaus", {1, 1, 1}, {0, 0},
       "Mazzo: 2Hd 3Hd", "Fila01: 3H\nFila02: 2H\nFila03:\nMazzo:\n", 1},
      {"one pile by name", "Add_Tableau_03", {1, 1, 1}, {0, 0},
       "Mazzo: 2Hd 3Hd", "Fila01:\nFila02:\nFila03: 3H\nMazzo: 2Hd\n", 1},
      {"code 0 takes nothing", "Add_Tableaus", {0, 0, 0}, {0, 0},
       "Mazzo: 2Hd 3Hd", "Fila01:\nFila02:\nFila03:\nMazzo: 2Hd 3Hd\n", 0},
      {"reserves: code 5 face down", "Add_Reserves", {0, 0, 0}, {1, 5},
       "Mazzo: 2Hd 3Hd", "Appogg01: 3H\nAppogg02: 2Hd\nMazzo:\n", 1},
      {"one reserve by name", "Add_Reserve_2", {0, 0, 0}, {1, 1},
       "Mazzo: 2Hd 3Hd", "Appogg01:\nAppogg02: 3H\nMazzo: 2Hd\n", 1},
  };
  for (const Case& c : cases) {
    e.undo.Clear();
    Set(P::TableauCount, 3);
    Set(P::ReserveCount, 2);
    for (int k = 0; k < 3; ++k) e.params.Set(P::TableauStockDeal + k, c.tableau[k]);
    for (int k = 0; k < 2; ++k) e.params.Set(P::ReserveStockDeal + k, c.reserve[k]);
    Deal(c.board);
    ExecuteMove(e, 1, c.command);
    const bool reserves = c.command.find("Reserve") != std::string_view::npos;
    EXPECT_EQ(reserves ? Show({"Appogg01", "Appogg02", "Mazzo"}) : Show({"Fila01", "Fila02", "Fila03", "Mazzo"}),
              c.expected)
        << c.name;
    EXPECT_EQ(Entries(), c.entries) << c.name;
  }
}

TEST_F(StockTest, ThreeReserveRedealDealsFewerReservesAndWantsGapsFilled) {
  Set(P::TableauCount, 1);
  Set(P::ReserveCount, 3);
  Set(P::RedealType, 18);
  SetEach(P::ReserveStockDeal, 3, 1);
  e.main.dealCounter = 2;
  Deal("Fila01: 9C\nMazzo: AHd 2Hd 3Hd");
  EXPECT_TRUE(ExecuteMove(e, 1, "Add_Reserves"));
  EXPECT_EQ(Show({"Appogg01", "Appogg02", "Appogg03"}), "Appogg01: 3H\nAppogg02: 2H\nAppogg03:\n");

  SetPile(e.table, "Fila01", "");
  EXPECT_FALSE(ExecuteMove(e, 1, "Add_Reserves"));
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"Fill in any gaps in the tableau before dealing."});
  EXPECT_EQ(Show({"Mazzo"}), "Mazzo: AHd\n");
  EXPECT_EQ(Entries(), 1);
}

TEST_F(StockTest, LastReserveCodeStopsDealingAfterTheLastRedeal) {
  Set(P::ReserveCount, 1);
  Set(P::ReserveStockDeal, 5);
  Set(P::Deals, 2);
  e.main.dealCounter = 2;
  Deal("Mazzo: AHd");
  EXPECT_FALSE(ExecuteMove(e, 1, "Add_Reserves"));
  EXPECT_EQ(Show({"Appogg01"}), "Appogg01:\n");
}

TEST_F(StockTest, AlternatingReservesTakeThreeCardsPerClickTaggedAsDeals) {
  Set(P::ReserveCount, 2);
  SetEach(P::ReserveStockDeal, 2, 4);
  Deal("Mazzo: 8Hd 7Hd 6Hd 5Hd 4Hd 3Hd 2Hd");
  for (int click = 0; click < 3; ++click) EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Appogg01", "Appogg02", "Mazzo"}), "Appogg01: 2H 3H 4H 8H\nAppogg02: 5H 6H 7H\nMazzo:\n");
  EXPECT_EQ(Entries(), 3);
  EXPECT_EQ(CountTaggedEntries(e, "002"), 3);
}

TEST_F(StockTest, EightPileGroupsDealAsOneTaggedStep) {
  Set(P::TableauCount, 16);
  SetEach(P::TableauStockDeal, 16, 10);
  Deal("Mazzo: AHd 2Hd 3Hd 4Hd 5Hd 6Hd 7Hd 8Hd 9Hd THd");
  EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Fila01", "Fila08", "Fila09"}), "Fila01: TH\nFila08: 3H\nFila09:\n");
  EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Fila09", "Fila10", "Fila11", "Mazzo"}), "Fila09: 2H\nFila10: AH\nFila11:\nMazzo:\n");
  EXPECT_EQ(Entries(), 2);
  EXPECT_EQ(CountTaggedEntries(e, "002"), 2);
}

TEST_F(StockTest, RowsFirstThenTheWasteUnderDealCode15) {
  KlondikeStock(1, 1);
  Set(P::TableauCount, 1);
  Set(P::TableauStockDeal, 15);
  Deal("Mazzo: AHd 2Hd 3Hd 4Hd 5Hd");
  for (int click = 0; click < 4; ++click) EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Fila01", "Mazzo_Vis"}), "Fila01: 5H 4H 3H\nMazzo_Vis: 2H\n");
  EXPECT_EQ(CountTaggedEntries(e, "002"), 3);
}

}  // namespace
}  // namespace orv
