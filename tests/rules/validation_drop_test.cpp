// Dropping a card or run on a named pile: the tableau, foundation and
// reserve checks around the placement rule.
#include "validation_fixture.h"

namespace orv::test {
namespace {

class DropTest : public RulesTest {};

TEST_F(DropTest, KlondikeTableau) {
  struct Case { int wrap; const char* board; const char* card; const char* pile; bool ok; };
  const Case cases[] = {
      {0, "Fila01: 7S\nFila02: 6H", "6H", "Fila01", true},    // red 6 on black 7
      {0, "Fila01: 7S\nFila02: 6C", "6C", "Fila01", false},   // black on black
      {0, "Fila01: 7S\nFila02: 8H", "8H", "Fila01", false},   // up
      {0, "Fila02: KH", "KH", "Fila01", true},                // a king into an empty pile
      {0, "Fila02: QH", "QH", "Fila01", false},               // nothing else
      {0, "Fila01: AS\nFila02: 2H", "2H", "Fila01", false},   // nothing on an ace
      {0, "Fila01: AS\nFila02: KH", "KH", "Fila01", false},   // not even a king
      {1, "Fila01: AS\nFila02: KH", "KH", "Fila01", true},    // unless the wrap flag opens it
      {1, "Fila01: AS\nFila02: KS", "KS", "Fila01", false},   // colours still alternate
      {0, "Fila01: 8Sd\nFila02: 7H", "7H", "Fila01", false},  // a face-down top takes nothing
  };
  for (const auto& c : cases) {
    KlondikeRules(c.wrap);
    Deal(c.board);
    EXPECT_EQ(CanDropOn(e, Card(c.card), c.pile), c.ok) << c.card << " on " << c.pile << " wrap " << c.wrap << "\n"
                                                        << c.board;
  }
}

TEST_F(DropTest, FoundationsBuildUpInSuitFromTheirBase) {
  struct Case { int base; const char* board; const char* card; bool ok; };
  const Case cases[] = {
      {1, "Fila01: AH", "AH", true},           {1, "Fila01: 2H", "2H", false},
      {1, "Dest01: AH\nFila01: 2H", "2H", true}, {1, "Dest01: AH\nFila01: 2S", "2S", false},
      {7, "Fila01: 7H", "7H", true},           {7, "Fila01: AH", "AH", false},
      {7, "Dest01: 7H 8H 9H TH JH QH KH\nFila01: AH", "AH", true},
      {1, "Dest01: AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH\nFila01: AH2", "AH2", false},
  };
  for (const auto& c : cases) {
    KlondikeRules();
    SetEach(P::FoundationBaseRank, 4, c.base);
    Deal(c.board);
    EXPECT_EQ(CanDropOn(e, Card(c.card), "Dest01"), c.ok) << c.card << " base " << c.base << "\n" << c.board;
  }
}

TEST_F(DropTest, FoundationsTakeSingleCardsUpToTheirCapacity) {
  KlondikeRules();
  Deal("Dest01: AH 2H\nFila01: 3H");
  EXPECT_TRUE(CanMoveToFoundation(e, 0, Card("3H")));
  Carry(false);
  EXPECT_FALSE(CanMoveToFoundation(e, 0, Card("3H")));  // a run never goes to a foundation
  Carry(true);
  Set(P::FoundationMaxCards, 2);
  EXPECT_FALSE(CanMoveToFoundation(e, 0, Card("3H")));
}

TEST_F(DropTest, FoundationCodesWithChecksOfTheirOwn) {
  KlondikeRules();
  struct Case { int rule; const char* board; const char* card; bool ok; };
  const Case cases[] = {
      // 10: a queen opens the foundation, and nothing else goes there by hand.
      {10, "Fila01: QS", "QS", true},
      {10, "Fila01: KS", "KS", false},
      {10, "Dest01: QH\nFila01: QS", "QS", false},
      // 22: not an ace; a tableau top of its suit must still outrank it (or be an ace).
      {22, "Fila01: 5H\nFila02: 9H", "5H", true},
      {22, "Fila01: 5H\nFila02: 4H\nFila03: 9S", "5H", false},
      {22, "Fila01: 5H\nFila02: AH", "5H", true},
      {22, "Fila01: AH\nFila02: 9H", "AH", false},
  };
  for (const auto& c : cases) {
    SetEach(P::FoundationRule, 4, c.rule);
    Deal(c.board);
    EXPECT_EQ(CanMoveToFoundation(e, 0, Card(c.card)), c.ok) << c.card << " rule " << c.rule << "\n" << c.board;
  }
}

// A foundation string of `count` cards: hearts and diamonds from the ace up,
// then `top`.
std::string FoundationOf(int count, int top) {
  std::string cards;
  for (int n = 1; n < count; ++n) cards += CardCode(n);
  return cards + CardCode(top);
}

TEST_F(DropTest, FoundationCodes20And29IgnoreTheCardLimit) {
  KlondikeRules();
  SetEach(P::FoundationBaseRank, 4, -1);
  SetEach(P::FoundationDirection, 4, 2);
  struct Case { int rule; int count; const char* top; const char* card; bool ok; };
  const Case cases[] = {
      {20, 51, "QS", "KS", true},   // far past 13 cards
      {20, 52, "KS", "AH2", false}, // but code 20 holds 52 at most
      {29, 20, "5S", "4S", true},
      {0, 20, "5S", "4S", false},   // the others stop at the limit
  };
  for (const auto& c : cases) {
    SetEach(P::FoundationRule, 4, c.rule);
    e.table.ClearPiles();
    e.table.piles().foundations[0] = FoundationOf(c.count, Card(c.top));
    EXPECT_EQ(CanMoveToFoundation(e, 0, Card(c.card)), c.ok) << "rule " << c.rule << " holding " << c.count;
  }
}

TEST_F(DropTest, StockRestrictionKeepsTableauCardsBack) {
  struct Case { int restriction; const char* board; const char* card; const char* pile; bool ok; };
  const char* withStock = "Mazzo: 9D\nFila01: AH\nFila02: 8S\nFila03: 7H";
  const char* withWaste = "Mazzo_Vis: AD\nFila01: AH\nFila02: 8S\nFila03: 7H";
  const char* drawnOut = "Fila01: AH\nFila02: 8S\nFila03: 7H";
  const Case cases[] = {
      {1, withStock, "AH", "Dest01", false},  // tableau to foundation waits for the stock
      {1, withStock, "7H", "Fila02", true},   // tableau to tableau goes on
      {1, withWaste, "AH", "Dest01", false},
      {1, withWaste, "AD", "Dest02", true},   // the waste's own card is free
      {1, drawnOut, "AH", "Dest01", true},
      {2, withWaste, "7H", "Fila02", false},  // 2 and 3 hold every tableau card
      {3, withStock, "AH", "Dest01", false},
      {2, drawnOut, "7H", "Fila02", true},
      {0, withStock, "AH", "Dest01", true},
  };
  for (const auto& c : cases) {
    KlondikeRules();
    Set(P::StockRestriction, c.restriction);
    Deal(c.board);
    EXPECT_EQ(CanDropOn(e, Card(c.card), c.pile), c.ok)
        << c.card << " to " << c.pile << " restriction " << c.restriction << "\n" << c.board;
  }
}

TEST_F(DropTest, OnlyPilesInPlayTakeCards) {
  KlondikeRules();
  SetEach(P::TableauBaseRank, 40, -1);
  SetEach(P::FoundationBaseRank, 16, -1);
  SetEach(P::ReserveRule, 12, 12);
  Set(P::ReserveCount, 2);
  Deal("Mazzo_Vis: 5C");
  const int card = Card("5C");
  struct Case { const char* pile; bool ok; };
  const Case cases[] = {
      {"Fila07", true},    {"Fila7", true},     {"Fila08", false},  {"Dest04", true},
      {"Dest05", false},   {"Appogg02", true},  {"Appogg03", false}, {"Mazzo", false},
      {"Mazzo_Vis", false}, {"Mazzo_Waste", false}, {"Fila", false}, {"fila01", false},
      {"", false},         {"Dest_Autoplay1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(CanDropOn(e, card, c.pile), c.ok) << '"' << c.pile << '"';
  for (int bad : {-5, 40, 1000}) {
    EXPECT_FALSE(CanMoveToTableau(e, bad, card));
    EXPECT_FALSE(CanMoveToFoundation(e, bad, card));
    EXPECT_FALSE(CanMoveToReserve(e, bad, card));
  }
  EXPECT_FALSE(CanDropOn(e, 0, "Fila01"));
  EXPECT_FALSE(CanDropOn(e, 213, "Appogg01"));
}

TEST_F(DropTest, TableauLimitsAndFaceDownTops) {
  struct Case { int limit; int family; const char* board; bool ok; };
  const Case cases[] = {
      {-1, 0, "Fila01: 9H 8S", true},   {2, 0, "Fila01: 9H 8S", false},
      {3, 0, "Fila01: 9H 8S", true},    {0, 0, "", true},  // the limit binds non-empty piles only
      {-1, 0, "Fila01: 8Sd", false},    {-1, 40, "Fila01: 8Sd", true},
  };
  for (const auto& c : cases) {
    KlondikeRules();
    SetEach(P::TableauBaseRank, 7, -1);
    Set(P::TableauMaxCards, c.limit);
    Set(P::Family, c.family);
    Deal(c.board);
    *e.table.Pile("Fila02") = CardCode(Card("7H"));
    EXPECT_EQ(CanMoveToTableau(e, 0, Card("7H")), c.ok) << "limit " << c.limit << " family " << c.family << "\n"
                                                         << c.board;
  }
}

TEST_F(DropTest, RunsOntoTheTableau) {
  struct Case { int runCheck; int rule; const char* board; bool ok; };
  const Case cases[] = {
      {1, 3, "Fila01: 9H\nFila02: 8S 7H", true},
      {1, 3, "Fila01: 9H\nFila02: 8S 7C", false},  // the run itself must build by the target's rule
      {0, 3, "Fila01: 9H\nFila02: 8S 7C", true},   // unless runs are not checked
      {10, 3, "Fila01: 9H\nFila02: 8S 7S", true},
      {10, 3, "Fila01: 9H\nFila02: 8S 7H", false},
      {1, 34, "Fila01: 9H\nFila02: 8S 7H", false}, // 34 takes single cards on a card
      {1, 34, "Fila02: 8S 7H", true},
  };
  for (const auto& c : cases) {
    KlondikeRules();
    SetEach(P::TableauBaseRank, 7, -1);
    SetEach(P::TableauRule, 7, c.rule);
    Set(P::RunCheck, c.runCheck);
    Deal(c.board);
    Carry(false);
    EXPECT_EQ(CanMoveToTableau(e, 0, Card("8S")), c.ok) << "run check " << c.runCheck << " rule " << c.rule << "\n"
                                                         << c.board;
  }
}

TEST_F(DropTest, FreeCellRunsIntoAnEmptyPileCannotCountIt) {
  // Two free cells and one empty pile: four cards may be lifted, but only
  // three fit into the empty pile, which cannot park a card for itself.
  FreeCellRules();
  Deal("Fila01: TD 9S 8H 7S 6H\nFila02: TH\nFila03: JC\nFila04: 2C\nFila05: 3C\nFila06: 4C\nFila07: 5C\n"
       "Appogg01: KC\nAppogg02: KD");
  EXPECT_TRUE(CanLift(e, Card("9S")));
  EXPECT_FALSE(CanLift(e, Card("TD")));
  Carry(false);
  EXPECT_TRUE(CanDropOn(e, Card("9S"), "Fila02"));
  EXPECT_FALSE(CanDropOn(e, Card("9S"), "Fila08"));
  EXPECT_TRUE(CanLift(e, Card("8H")));
  EXPECT_TRUE(CanDropOn(e, Card("8H"), "Fila08"));
  Carry(true);
  EXPECT_TRUE(CanLift(e, Card("6H")));
  EXPECT_TRUE(CanDropOn(e, Card("6H"), "Fila08"));
}

TEST_F(DropTest, TheHeldRunNeverDropsBackOnItsOwnPile) {
  KlondikeRules();
  SetEach(P::TableauBaseRank, 7, -1);
  Set(P::RunCheck, 0);
  // 6S on 7D would build, but 7D is the top of 6S's own run.
  Deal("Fila01: 7H 6S 7D\nFila02: 7H2\nFila03: KS");
  ASSERT_TRUE(CanLift(e, Card("6S")));
  EXPECT_EQ(e.main.heldRunTopCard, Card("7D"));
  Carry(false);
  EXPECT_FALSE(CanDropOn(e, Card("6S"), "Fila01"));
  EXPECT_TRUE(CanDropOn(e, Card("6S"), "Fila02"));
  e.main.heldRunTopCard = 0;  // the run was put down
  EXPECT_TRUE(CanDropOn(e, Card("6S"), "Fila01"));
}

TEST_F(DropTest, AnEmptyPileStaysOpenWhenNoRunIsHeld) {
  // Cards sent by a click or moved by the gap filling carry no held run.
  KlondikeRules();
  Deal("Fila01: KH");
  e.main.heldRunTopCard = 0;
  EXPECT_TRUE(CanDropOn(e, Card("KH"), "Fila02"));
}

TEST_F(DropTest, ReserveRules) {
  KlondikeRules();
  Set(P::TableauCount, 10);
  Set(P::ReserveCount, 4);
  struct Case { int rule; const char* board; const char* card; bool single; const char* pile; bool ok; };
  const Case cases[] = {
      {4, "Fila01: KH", "KH", true, "Appogg01", false},
      {8, "Fila01: KH\nAppogg01: 2C 3C", "KH", true, "Appogg02", true},
      {8, "Fila01: KH\nAppogg01: 2C 3C 4C", "KH", true, "Appogg02", false},  // reserve 1 holds 3
      {8, "Fila01: QH", "QH", true, "Appogg01", false},
      {12, "Fila01: 9S 8H\nAppogg01: 2C", "9S", false, "Appogg01", true},
      {85, "Mazzo_Vis: 5H", "5H", true, "Appogg01", true},
      {85, "Fila01: 5H", "5H", true, "Appogg01", false},
      {13, "Fila01: 5H\nAppogg01: 2C 3C 4C 5C", "5H", true, "Appogg01", true},
      {13, "Fila01: 5H\nAppogg01: 2C 3C 4C 5C 6C", "5H", true, "Appogg01", false},
      {88, "Fila01: JH", "JH", true, "Appogg01", true},
      {88, "Fila01: QH", "QH", true, "Appogg01", false},
      {89, "Fila01: QH", "QH", true, "Appogg01", true},
      {89, "Fila01: QH\nAppogg01: 2C", "QH", true, "Appogg01", false},
      {90, "Fila01: KH", "KH", true, "Appogg01", true},
      {90, "Fila01: KH QS", "KH", false, "Appogg01", false},
      {103, "Fila03: 5H", "5H", true, "Appogg01", true},
      {103, "Fila02: 2C\nFila03: 5H", "5H", true, "Appogg01", false},  // not at its row's end
      {107, "Fila01: AH", "AH", true, "Appogg01", true},
      {107, "Fila01: AH\nAppogg01: 5S", "AH", true, "Appogg01", true},
      {107, "Fila01: AH\nAppogg01: 5D", "AH", true, "Appogg01", false},
      {107, "Fila01: 2H", "2H", true, "Appogg01", false},
      {119, "Dest02: AS\nFila01: QS", "QS", true, "Appogg02", true},
      {119, "Dest02: AS\nFila01: QH", "QH", true, "Appogg02", false},
      {119, "Dest01: AS\nFila01: QS", "QS", true, "Appogg02", false},  // foundation 2 not started
      {145, "Fila01: 9D", "9D", true, "Appogg01", true},
      {145, "Fila01: 6S\nAppogg01: 5S", "6S", true, "Appogg01", true},
      {145, "Fila01: 6S\nAppogg01: 5H", "6S", true, "Appogg01", false},
      {9, "Fila01: JH", "JH", true, "Appogg01", true},
      {9, "Fila01: TH", "TH", true, "Appogg01", false},
      {81, "Mazzo_Vis: 5H", "5H", true, "Appogg01", true},
      {81, "Fila01: 5H", "5H", true, "Appogg01", false},
      {0, "Fila01: 5H", "5H", true, "Appogg01", true},
      {0, "Fila01: 5H\nAppogg01: 2C", "5H", true, "Appogg01", false},
      {0, "Fila01: 5H 4C", "5H", false, "Appogg01", false},
  };
  for (const auto& c : cases) {
    SetEach(P::ReserveRule, 4, c.rule);
    Deal(c.board);
    Carry(c.single);
    EXPECT_EQ(CanDropOn(e, Card(c.card), c.pile), c.ok) << c.card << " to " << c.pile << " rule " << c.rule << "\n"
                                                        << c.board;
  }
}

}  // namespace
}  // namespace orv::test
