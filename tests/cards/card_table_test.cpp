#include "cards/card_table.h"

#include <gtest/gtest.h>

#include "support/table_text.h"

namespace orv {
namespace {

using test::DescribeBoard;
using test::DescribePile;
using test::SetBoard;

class CardTableTest : public ::testing::Test {
 protected:
  CardTableTest() { params.Set(P::TableauCount, 10); }
  GameParameters params;
  CardTable table{params};
};

TEST(PileNames, AddressTheirListEntry) {
  struct Case { const char* name; PileGroup group; int index; };
  const Case cases[] = {
      {"Fila7", PileGroup::Tableau, 6},      {"Fila07", PileGroup::Tableau, 6},
      {"Fila07x", PileGroup::Tableau, 6},    {"Fila1", PileGroup::Tableau, 0},
      {"Fila40", PileGroup::Tableau, 39},    {"Dest16", PileGroup::Foundation, 15},
      {"Dest1", PileGroup::Foundation, 0},   {"Appogg12", PileGroup::Reserve, 11},
      {"Appogg3", PileGroup::Reserve, 2},    {"Mazzo", PileGroup::Stock, 0},
      {"Mazzo_Vis", PileGroup::Stock, 1},    {"Mazzo_Waste", PileGroup::Stock, 2},
      // No pile: wrong case, not exactly a stock name, no or bad number,
      // a number past the list.
      {"fila01", PileGroup::None, 0},        {"DEST01", PileGroup::None, 0},
      {"Mazzo_V", PileGroup::None, 0},       {"Mazzo ", PileGroup::None, 0},
      {"mazzo", PileGroup::None, 0},         {"Fila", PileGroup::None, 0},
      {"FilaAB", PileGroup::None, 0},        {"Fila7x", PileGroup::None, 0},
      {"Fila-1", PileGroup::None, 0},        {"Fila+7", PileGroup::None, 0},
      {"Fila 7", PileGroup::None, 0},        {"Fila00", PileGroup::None, 0},
      {"Fila41", PileGroup::None, 0},        {"Dest17", PileGroup::None, 0},
      {"Appogg13", PileGroup::None, 0},      {"Appog12", PileGroup::None, 0},
      {"", PileGroup::None, 0},              {"Mazzo_Redeal", PileGroup::None, 0},
  };
  for (const auto& c : cases) {
    const PileRef ref = ParsePileName(c.name);
    EXPECT_EQ(ref.group, c.group) << '"' << c.name << '"';
    if (ref.valid()) {
      EXPECT_EQ(ref.index, c.index) << c.name;
    }
  }
}

TEST(PileNames, BuiltNamesParseBack) {
  EXPECT_EQ(PileName({PileGroup::Tableau, 6}), "Fila07");
  EXPECT_EQ(PileName({PileGroup::Foundation, 15}), "Dest16");
  EXPECT_EQ(PileName({PileGroup::Reserve, 0}), "Appogg01");
  EXPECT_EQ(PileName({PileGroup::Stock, 2}), "Mazzo_Waste");
  EXPECT_EQ(PileName({PileGroup::Tableau, 40}), "");
  EXPECT_EQ(PileName({}), "");
  for (PileGroup g : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (int i = 0; i < PileCount(g); ++i) {
      const PileRef back = ParsePileName(PileName({g, i}));
      EXPECT_TRUE(back.group == g && back.index == i) << PileName({g, i});
    }
}

TEST_F(CardTableTest, TopCardOfAcceptedPiles) {
  SetBoard(table, {{"Fila03", "012 045"}, {"Fila04", "012 000"}, {"Mazzo", "007 008"}, {"Mazzo_Vis", "009"},
                   {"Mazzo_Waste", "010"}, {"Dest02", "001"}, {"Appogg12", "020"}});
  struct Case { const char* name; int top; };
  const Case cases[] = {
      {"Fila3", 45},    {"Fila03", 45},    {"Fila03x", 45},      {"Fila01", 0},  // empty
      {"Fila04", 0},    {"Mazzo", 8},      {"Mazzo_Vis", 9},     {"Mazzo_Waste", 0},
      {"Dest2", 1},     {"Appogg12", 20},  {"Mazzo_V", 0},       {"Fila41", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(table.TopCard(c.name), c.top) << c.name;

  *table.Pile("Fila05") = "01204";  // a trailing part is no card
  EXPECT_EQ(table.TopCard("Fila05"), 12);
}

TEST_F(CardTableTest, TopOfTableauLooksAtPilesInPlayOnly) {
  params.Set(P::TableauCount, 4);
  SetBoard(table, {{"Fila01", "005 006"}, {"Fila05", "007"}});
  EXPECT_TRUE(table.IsTopOfTableau(6));
  EXPECT_FALSE(table.IsTopOfTableau(5));
  EXPECT_FALSE(table.IsTopOfTableau(7));
  EXPECT_FALSE(table.IsTopOfTableau(0));  // empty piles have no top card
  params.Set(P::TableauCount, 5);
  EXPECT_TRUE(table.IsTopOfTableau(7));
}

TEST_F(CardTableTest, AppendCardCodeSetsFlagsOfRealCards) {
  table.AppendCardCode(PileGroup::Tableau, 0, 5, "0");
  table.AppendCardCode(PileGroup::Tableau, 0, 0, "0");   // a gap takes no flag
  table.AppendCardCode(PileGroup::Tableau, 0, 9, "");    // flag left as it was
  table.AppendCardCode(PileGroup::Stock, 2, 10, "0");
  table.AppendCardCode(PileGroup::Tableau, 40, 11, "0");  // no such entry
  table.AppendCardCode(PileGroup::Reserve, -1, 11, "0");
  table.AppendCardCode(PileGroup::None, 0, 11, "0");
  table.AppendCardCode(PileGroup::Tableau, 1, 1000, "0");  // does not fit a code
  EXPECT_EQ(DescribeBoard(table), "Mazzo_Waste: 010d\nFila01: 005d 000 009u\n");
  EXPECT_FALSE(table.IsFaceDown(11));
}

TEST_F(CardTableTest, AddCardToPileAcceptsPlayPilesAndTheWaste) {
  struct Case { const char* name; const char* flag; const char* board; bool faceDown; };
  const Case cases[] = {
      {"Fila07", "0", "Fila07: 005d\n", true},     {"Fila7", "1", "Fila07: 005u\n", false},
      {"Dest1", "0", "Dest01: 005d\n", true},      {"Appogg12", "", "Appogg12: 005u\n", false},
      {"Mazzo_Vis", "0", "Mazzo_Vis: 005d\n", true},
      // Refused names append nothing, yet the flag is still set.
      {"Mazzo", "0", "", true},                    {"Mazzo_Waste", "0", "", true},
      {"Bogus", "0", "", true},                    {"Fila41", "0", "", true},
  };
  for (const auto& c : cases) {
    table.ClearPiles();
    table.SetFaceFlag(5, "1");
    table.AddCardToPile(c.name, 5, c.flag);
    EXPECT_EQ(DescribeBoard(table), c.board) << c.name;
    EXPECT_EQ(table.IsFaceDown(5), c.faceDown) << c.name;
  }
}

TEST_F(CardTableTest, RemoveCardSearchesInFixedOrder) {
  const char* const where[] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Fila09", "Fila02",
                               "Dest16", "Dest01", "Appogg12", "Appogg01"};
  table.ClearPiles();
  for (const char* name : where) test::SetPile(table, name, "045");
  struct Step { Location location; const char* emptied; };
  const Step steps[] = {
      {kInWaste, "Mazzo_Vis"},        {kInTableau, "Fila02"},     {kInTableau, "Fila09"},
      {kInFoundation, "Dest01"},      {kInFoundation, "Dest16"},  {kInStock, "Mazzo"},
      {kInSecondWaste, "Mazzo_Waste"}, {kInReserve, "Appogg01"},  {kInReserve, "Appogg12"},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(table.RemoveCard(45), s.location) << s.emptied;
    EXPECT_EQ(*table.Pile(s.emptied), "") << s.emptied;
  }
  EXPECT_EQ(table.RemoveCard(45), kNowhere);
}

TEST_F(CardTableTest, RemoveCardTakesTheWasteBeforeTheTableau) {
  SetBoard(table, {{"Mazzo_Vis", "045"}, {"Fila03", "012 045"}});
  EXPECT_EQ(table.RemoveCard(45), kInWaste);
  EXPECT_EQ(DescribeBoard(table), "Fila03: 012u 045u\n");
}

TEST_F(CardTableTest, RemoveCardChangesNothingWhenNotFound) {
  // 45 beyond the tableau in play; "045" straddling two codes; 0 is a gap.
  SetBoard(table, {{"Fila11", "045"}, {"Dest01", "000 007"}});
  *table.Pile("Fila01") = "104510";
  const PileLists before = table.piles();
  for (int card : {45, 0, -1, 213}) {
    EXPECT_EQ(table.RemoveCard(card), kNowhere) << card;
    EXPECT_EQ(table.LeaveGap(card), kNowhere) << card;
    EXPECT_EQ(table.RemoveCardClosingGap(card), kNowhere) << card;
  }
  EXPECT_TRUE(table.piles() == before);
}

TEST_F(CardTableTest, RemoveCardTakesTheLowestCopyInAPile) {
  SetBoard(table, {{"Fila01", "045 012 045"}});
  EXPECT_EQ(table.RemoveCard(45), kInTableau);
  EXPECT_EQ(*table.Pile("Fila01"), "012045");
}

TEST_F(CardTableTest, LeaveGapThenCloseTheGap) {
  SetBoard(table, {{"Fila03", "012 045 033"}});
  EXPECT_EQ(table.LeaveGap(45), kInTableau);
  EXPECT_EQ(*table.Pile("Fila03"), "012000033");
  EXPECT_EQ(table.RemoveCardClosingGap(33), kInTableau);
  EXPECT_EQ(*table.Pile("Fila03"), "012");
}

TEST_F(CardTableTest, ClosingGapTakesOnlyAGapBelowTheCard) {
  struct Case { const char* before; const char* after; };
  const Case cases[] = {
      {"012 033", "012"},
      {"000 033 045", "045"},
      {"000 000 033", "000"},      // one gap only
      {"012 033 000", "012000"},   // a gap above stays
      {"033 000 045", "000045"},   // the bottom card has nothing below it
  };
  for (const auto& c : cases) {
    SetBoard(table, {{"Fila01", c.before}});
    EXPECT_EQ(table.RemoveCardClosingGap(33), kInTableau) << c.before;
    EXPECT_EQ(*table.Pile("Fila01"), c.after) << c.before;
  }
}

TEST_F(CardTableTest, SetFaceFlagsModes) {
  struct Case { int mode; const char* flag; const char* before; const char* after; };
  const Case cases[] = {
      {-1, "", "001d 002d 003d", "001u 002d 003u"},
      {2, "0", "001u 002u 000 003u 004u", "001u 002u 000 003d 004d"},
      {9, "0", "001u 002u 000 003u", "001d 002d 000 003d"},        // fewer cards than k
      {1, "0", "001u 002u 000", "001u 002d 000"},                  // a gap is no card
      {1, "1", "001d 002d", "001d 002u"},
      {-1, "0", "001d 002u 000 003d 004u", "001u 002d 000 003u 004d"},
      {-2, "1", "001u 002d 000 003u 004d", "001d 002u 000 003d 004u"},
      {-3, "0", "001d 002u 000 003u 004u", "001u 002d 000 003d 004d"},
      {0, "0", "001d 002u", "001d 002u"},
      {-4, "0", "001d 002u", "001d 002u"},
  };
  for (const auto& c : cases) {
    SetBoard(table, {{"Fila01", c.before}});
    table.SetFaceFlags(*table.Pile("Fila01"), c.mode, c.flag);
    EXPECT_EQ(DescribePile(table, "Fila01"), c.after) << "mode " << c.mode << " on " << c.before;
  }
}

TEST_F(CardTableTest, SetFaceFlagsStepsOverDamagedText) {
  SetBoard(table, {{"Fila01", "001d 002d"}, {"Fila02", "003d"}});
  table.SetFaceFlags("001x2z00203", 5, "1");  // "x2z" is no card, "03" no code
  EXPECT_EQ(DescribePile(table, "Fila01"), "001u 002u");
  EXPECT_TRUE(table.IsFaceDown(3));
}

}  // namespace
}  // namespace orv
