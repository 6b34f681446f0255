// Turning cards onto the waste and turning the waste back into the stock.
#include "stock_fixture.h"

namespace orv {
namespace {

using test::SetPile;
using test::StockTest;

TEST_F(StockTest, ClickTurnsThreeThenTheTwoLeft) {
  KlondikeStock(3, -1);
  Deal("Mazzo: AHd 2Hd 3Hd 4Hd 5Hd");
  EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Mazzo", "Mazzo_Vis"}), "Mazzo: AHd 2Hd\nMazzo_Vis: 5H 4H 3H\n");
  EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Mazzo", "Mazzo_Vis"}), "Mazzo:\nMazzo_Vis: 5H 4H 3H 2H AH\n");
  EXPECT_EQ(Entries(), 2);
  EXPECT_EQ(host.sounds.size(), 5u);
}

TEST_F(StockTest, WasteTurnsBackOnReleaseInReverseOrder) {
  struct Case {
    int stockFaceDown;
    std::string_view stock;
  };
  const Case cases[] = {{1, "Mazzo: 5Hd 4Hd 3Hd 2Hd AHd\n"}, {0, "Mazzo: 5H 4H 3H 2H AH\n"}};
  for (const Case& c : cases) {
    KlondikeStock(3, -1);
    Set(P::StockFaceDown, c.stockFaceDown);
    e.undo.Clear();
    e.main.dealCounter = 1;
    Deal("Mazzo_Vis: AH 2H 3H 4H 5H");
    EXPECT_FALSE(StockClick(e)) << "the press only arms the stock";
    EXPECT_TRUE(e.main.stockPressed);
    EXPECT_EQ(Entries(), 0);
    EXPECT_TRUE(ExecuteMove(e, 0, "Mazzo_Vis"));
    EXPECT_EQ(Show({"Mazzo"}), c.stock);
    EXPECT_EQ(Show({"Mazzo_Vis"}), "Mazzo_Vis:\n");
    EXPECT_EQ(e.main.dealCounter, 2);
    EXPECT_EQ(Entries(), 1);
  }
}

TEST_F(StockTest, DealsAllowedLimitTheTurningBack) {
  struct Case {
    int deals;
    int turnedBack;  // of three attempts
  };
  for (const Case c : {Case{3, 2}, Case{-1, 3}}) {
    KlondikeStock(1, c.deals);
    e.main.dealCounter = 1;
    Deal("Mazzo_Vis: AH 2H 3H");
    int turned = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!PressAndRelease()) continue;
      ++turned;
      while (StockClick(e)) {
      }
      e.main.stockPressed = false;  // the last click armed the empty stock
    }
    EXPECT_EQ(turned, c.turnedBack) << "deals " << c.deals;
    EXPECT_EQ(e.main.dealCounter, 1 + c.turnedBack);
  }
}

TEST_F(StockTest, WasteOfOneCardIsNeverTurnedBack) {
  KlondikeStock(1, -1);
  Deal("Mazzo_Vis: AH");
  EXPECT_FALSE(PressAndRelease());
  EXPECT_EQ(Show({"Mazzo", "Mazzo_Vis"}), "Mazzo:\nMazzo_Vis: AH\n");
  EXPECT_EQ(e.main.dealCounter, 1);
  EXPECT_EQ(Entries(), 0);
}

TEST_F(StockTest, WasteOnlyWhenEmptyWaitsForTheWaste) {
  KlondikeStock(1, -1);
  Set(P::StockToWasteCondition, 1);
  Deal("Mazzo: AHd 2Hd\nMazzo_Vis: 3H");
  EXPECT_FALSE(StockClick(e));
  SetPile(e.table, "Mazzo_Vis", "");
  EXPECT_TRUE(StockClick(e));
  EXPECT_EQ(Show({"Mazzo_Vis"}), "Mazzo_Vis: 2H\n");
}

}  // namespace
}  // namespace orv
