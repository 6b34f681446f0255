// What happens around a move: the first-move rule, the fill after the first
// move, the move count, kept places, jump captures, exchanges, and the
// follow-up steps with their single history entry.
#include <gtest/gtest.h>

#include "execute_fixture.h"

namespace orv::test {
namespace {

TEST_F(ExecuteTest, FirstMoveRuleAllowsOnlyTableauToFoundation) {
  struct Case {
    const char* card;
    const char* target;
    bool moved;
  };
  const Case cases[] = {
      {"AH", "Dest01", false},   // from a reserve
      {"9S", "Fila02", false},   // tableau to tableau
      {"2C", "Appogg02", false},  // tableau to a reserve
      {"2C", "Dest02", true},     // tableau to a foundation
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.card) + " to " + c.target);
    e.undo.Clear();
    e.main.movesMade = 0;
    KlondikeRules();
    Set(P::ReserveCount, 2);
    Set(P::FirstMoveToFoundation, 1);
    Deal("Fila01: 9S\nFila02: TD 2C\nAppogg01: AH");
    const std::string before = Board();
    EXPECT_EQ(ExecuteMove(e, Card(c.card), c.target), c.moved);
    EXPECT_EQ(e.main.movesMade, c.moved ? 1 : 0);
    if (!c.moved) {
      EXPECT_EQ(Board(), before);
    }
    EXPECT_EQ(e.undo.Entries(), c.moved ? 1 : 0);
  }
  // Once the first move is made, every move is free.
  EXPECT_TRUE(ExecuteMove(e, Card("AH"), "Dest01"));
  EXPECT_EQ(e.main.movesMade, 2);
}

TEST_F(ExecuteTest, MovesAreCountedUpToTwo) {
  KlondikeRules();
  Deal("Fila01: 9S 8H 7C");
  const int expected[] = {1, 2, 2};
  const char* cards[] = {"7C", "8H", "9S"};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(ExecuteMove(e, Card(cards[i]), "Fila03"));
    EXPECT_EQ(e.main.movesMade, expected[i]);
  }
}

// The games that fill the tableau from the stock once play has begun: the
// fill belongs to the first move's history step, and happens once only.
TEST_F(ExecuteTest, FirstMoveIsFollowedByTheFill) {
  KlondikeRules();
  Set(P::TableauCount, 3);
  Set(P::FillFromStockAfterFirstMove, 1);
  Deal("Fila01: 9S\nFila02: 8H\nFila03: KC\nMazzo: 2C 3C 4C 5C");
  ASSERT_TRUE(ExecuteMove(e, Card("8H"), "Fila01"));
  EXPECT_EQ(Board(), Expected("Fila01: 9S 8H\nFila02: 5C\nFila03: KC\nMazzo: 2C 3C 4C"));
  EXPECT_EQ(e.undo.Entries(), 1);
  EXPECT_EQ(e.main.movesMade, 2) << "the fill counts as a move of its own";

  ASSERT_TRUE(ExecuteMove(e, Card("5C"), "Dest01"));
  EXPECT_EQ(Board(), Expected("Fila01: 9S 8H\nFila03: KC\nMazzo: 2C 3C 4C\nDest01: 5C"));
}

TEST_F(ExecuteTest, KeptPlacesLeaveAGapOnlyOnTheTableau) {
  KlondikeRules();
  Set(P::TableauKind, 12);
  Set(P::ReserveCount, 1);
  Deal("Fila01: 9S 8H 7C\nAppogg01: AH");
  ASSERT_TRUE(ExecuteMove(e, Card("8H"), "Dest01"));
  ASSERT_TRUE(ExecuteMove(e, Card("AH"), "Dest02"));
  EXPECT_EQ(Board(), Expected("Fila01: 9S -- 7C\nDest01: 8H\nDest02: AH"));
}

// A jump over an occupied grid place captures the card jumped over; the jump
// and the capture are one history step.
TEST_F(ExecuteTest, JumpCapturesTheCardJumpedOver) {
  KlondikeRules();
  Set(P::TableauCount, 9);
  Set(P::GridWidth, 3);
  SetEach(P::TableauRule, 9, 71);
  // Rows of three: Fila01 jumps Fila02 to Fila03, Fila04 jumps Fila05 to Fila06.
  Deal("Fila01: 5H\nFila02: 6S\nFila04: 7D\nFila05: 9C");
  ASSERT_TRUE(ExecuteMove(e, Card("5H"), "Fila03"));
  ASSERT_TRUE(ExecuteMove(e, Card("7D"), "Fila06"));
  EXPECT_EQ(Board(), Expected("Fila03: 5H\nFila06: 7D\nMazzo_Waste: 6S 9C"));
  EXPECT_EQ(e.undo.Entries(), 2);
  ASSERT_TRUE(Undo(e));
  EXPECT_EQ(Board(), Expected("Fila03: 5H\nFila04: 7D\nFila05: 9C\nMazzo_Waste: 6S"));
}

TEST_F(ExecuteTest, FamiliesOneAndQuestionMarkExchangeAMisplacedBottomCard) {
  struct Case {
    int family;
    int base;  // the target pile's base rank
    const char* after;
  };
  const Case cases[] = {
      {'1', 1, "Fila01: 7D\nFila02: 5H"},   // 7D does not belong there: it goes back to 5H's pile
      {'?', 1, "Fila01: 7D\nFila02: 5H"},
      {'?', 7, "Fila02: 7D 5H"},            // 7D is the pile's base: both stay
      {0, 1, "Fila02: 7D 5H"},              // other families never exchange
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family);
    KlondikeRules();
    Set(P::Family, c.family);
    Set(P::TableauBaseRank + 1, c.base);
    Deal("Fila01: 5H\nFila02: 7D");
    ASSERT_TRUE(ExecuteMove(e, Card("5H"), "Fila02"));
    EXPECT_EQ(Board(), Expected(c.after));
  }
}

// The exposed card turns up as part of the move: one history entry, holding
// the position before the move with the card still face-down. Autoplay, when
// it runs, turns cards up itself.
TEST_F(ExecuteTest, TurnUpFollowsTheMoveUnlessAutoplayRuns) {
  struct Case {
    bool automaticFaceUp;
    int parameter44;
    bool autoplay;
    bool turned;
  };
  const Case cases[] = {
      {true, 1, false, true},
      {false, 1, false, false},
      {true, 0, false, false},
      {true, 1, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.automaticFaceUp << c.parameter44 << c.autoplay);
    e.undo.Clear();
    KlondikeRules();
    SetAutomaticFaceUp(c.automaticFaceUp);
    Set(P::AutoplayTurnsUpFirst, c.parameter44);
    Set(P::AutoplayAvailable, c.autoplay ? 1 : 0);
    e.startup.autoplay = true;
    Deal("Fila01: 4Cd 9S\nFila02: TD");
    const std::string before = Board();
    host.sounds.clear();
    ASSERT_TRUE(ExecuteMove(e, Card("9S"), "Fila02"));
    EXPECT_EQ(e.table.IsFaceDown(Card("4C")), !c.turned);
    EXPECT_EQ(host.sounds.back(), c.turned ? "Face_up" : "Tableau");
    EXPECT_EQ(e.undo.Entries(), 1);
    ASSERT_TRUE(Undo(e));
    EXPECT_EQ(Board(), before);
  }
}

// A card from the waste exposes nothing: face-down tops elsewhere stay.
TEST_F(ExecuteTest, OnlyATableauCardTriggersTheTurnUp) {
  KlondikeRules();
  SetAutomaticFaceUp(true);
  Set(P::AutoplayTurnsUpFirst, 1);
  Deal("Fila01: 4Cd\nFila02: TD\nMazzo_Vis: 9S");
  ASSERT_TRUE(ExecuteMove(e, Card("9S"), "Fila02"));
  EXPECT_TRUE(e.table.IsFaceDown(Card("4C")));
}

TEST_F(ExecuteTest, ChangedPilesAreAnnounced) {
  RecordingView view;
  e.view = &view;
  KlondikeRules();
  Deal("Fila01: 9S 8H\nFila02: TD");
  Carry(false);
  ASSERT_TRUE(ExecuteMove(e, Card("9S"), "Fila02"));
  EXPECT_EQ(view.changedPiles, (std::vector<std::string>{"Fila01", "Fila02"}));
}

// How the selection games take their chosen cards away.
TEST_F(ExecuteTest, DiscardFollowsTheGamesOwnWay) {
  struct Case {
    const char* name;
    int family;
    int tableauKind;
    const char* board;
    const char* after;
  };
  const Case cases[] = {
      {"in order of choice", 0, 0, "Fila01: 5H\nFila02: 5D\nDest01: 5D 5H", "Mazzo_Waste: 5D 5H"},
      {"kept places leave gaps, the waste closes", 0, 4, "Fila01: 5H 9S 7H\nMazzo_Vis: 9C\nDest01: 9S 9C",
       "Fila01: 5H -- 7H\nMazzo_Waste: 9S 9C"},
      {"three piles: their bottom cards", 64, 0, "Fila01: 7H 2C\nFila02: 7D\nFila03: 9S\nFila04: 8S",
       "Fila01: 2C\nFila04: 8S\nMazzo_Waste: 7H 7D 9S"},
      // The pair below a discarded pair goes too while it pairs again.
      {"chained pairs down to the bottom", 47, 0, "Fila01: 3H 9S 5H\nFila03: 3D 9C 5D\nDest01: 5H 5D",
       "Mazzo_Waste: 5H 5D 9S 9C 3H 3D"},
      {"the chain stops at a mismatch", 47, 0, "Fila01: 3H 8S 5H\nFila03: 3D 9C 5D\nDest01: 5H 5D",
       "Fila01: 3H 8S\nFila03: 3D 9C\nMazzo_Waste: 5H 5D"},
      {"the chain stops at a face-down card", 47, 0, "Fila01: 9Sd 5H\nFila03: 9C 5D\nDest01: 5H 5D",
       "Fila01: 9Sd\nFila03: 9C\nMazzo_Waste: 5H 5D"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    e.undo.Clear();
    KlondikeRules();
    Set(P::Family, c.family);
    Set(P::TableauKind, c.tableauKind);
    Deal(c.board);
    ASSERT_TRUE(ExecuteMove(e, 0, "Selezionate_Dest"));
    EXPECT_EQ(Board(), Expected(c.after));
    EXPECT_EQ(e.undo.Entries(), 1);
  }
}

}  // namespace
}  // namespace orv::test
