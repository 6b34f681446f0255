// What may be lifted: the pick-up limits, the run checks, the outer-end
// rule and the lifting rules of every kind of pile.
#include "validation_fixture.h"

namespace orv::test {
namespace {

class LiftTest : public RulesTest {
 protected:
  LiftTest() {
    Set(P::TableauCount, 10);
    Set(P::ReserveCount, 2);
    Set(P::FoundationCount, 4);
  }
};

// Ten piles and two reserves; every pile holds a card unless the board says
// otherwise, so the empty piles and reserves are exactly the ones listed.
std::string FullTableau(const std::string& own, const char* empty) {
  std::string board = own;
  const char* fillers[] = {"2C", "3C", "4C", "5C", "6C", "7C", "8C", "9C", "TC", "JC", "QC", "KC"};
  for (int k = 1; k <= 12; ++k) {
    const std::string name = k <= 10 ? "Fila" + IntToFixed(k, 2) : "Appogg" + IntToFixed(k - 10, 2);
    if (own.find(name) != std::string::npos || std::string(empty).find(name) != std::string::npos) continue;
    board += "\n" + name + ": " + fillers[k - 1];
  }
  return board;
}

TEST_F(LiftTest, PickUpLimits) {
  struct Case { int limit; const char* own; const char* empty; const char* card; bool targetEmpty; bool ok; };
  const char* fiveRun = "Fila01: KS QH JS TH 9S";
  const Case cases[] = {
      {-1, fiveRun, "", "KS", false, true},
      {3, fiveRun, "", "JS", false, true},      {3, fiveRun, "", "QH", false, false},
      {0, fiveRun, "", "9S", false, false},     // 0: nothing at all
      // -12: a king-led run, or one card.
      {-12, fiveRun, "", "KS", false, true},    {-12, fiveRun, "", "QH", false, false},
      {-12, fiveRun, "", "9S", false, true},
      // -13: one card, or the whole pile.
      {-13, fiveRun, "", "KS", false, true},    {-13, fiveRun, "", "TH", false, false},
      {-13, fiveRun, "", "9S", false, true},
      // -17: one card; a longer run is the Draw's business.
      {-17, fiveRun, "", "9S", false, true},    {-17, fiveRun, "", "TH", false, false},
      // -5: free cells + empty piles + 1; into an empty pile that pile does not count twice.
      {-5, fiveRun, "Fila02 Appogg01", "JS", false, true},   // 3 <= 1 + 1 + 1
      {-5, fiveRun, "Fila02 Appogg01", "QH", false, false},
      {-5, fiveRun, "Fila02 Appogg01", "JS", true, false},   // 3 > 1 + 1
      {-5, fiveRun, "Fila02 Appogg01", "TH", true, true},
      {-5, fiveRun, "Appogg01 Appogg02", "JS", false, true}, // no empty pile: cells + 1
      {-5, fiveRun, "Appogg01 Appogg02", "QH", false, false},
      // -6: free cells + empty piles, or cells + 1 without an empty pile.
      {-6, fiveRun, "Fila02 Fila03 Appogg01", "JS", false, true},
      {-6, fiveRun, "Fila02 Fila03 Appogg01", "QH", false, false},
      {-6, fiveRun, "Appogg01", "TH", false, true},
      {-6, fiveRun, "Appogg01", "JS", false, false},
      // Other negative values: the empty piles, at least one.
      {-3, fiveRun, "Appogg01 Appogg02", "TH", false, false},
      {-3, fiveRun, "Appogg01 Appogg02", "9S", false, true},
      {-3, fiveRun, "Fila02 Fila03", "TH", false, true},
      {-3, fiveRun, "Fila02 Fila03", "JS", false, false},
  };
  for (const auto& c : cases) {
    Set(P::PickUpLimit, c.limit);
    const std::string board = FullTableau(c.own, c.empty);
    Deal(board);
    EXPECT_EQ(CanLiftRun(e, Card(c.card), c.targetEmpty), c.ok)
        << c.card << " limit " << c.limit << " to empty " << c.targetEmpty << "\n" << board;
    EXPECT_EQ(e.main.heldRunTopCard, Card("9S")) << "the run's top is remembered, lifted or not";
  }
}

TEST_F(LiftTest, PickUpByGapsAndOuterEnds) {
  struct Case { int limit; const char* board; const char* card; bool ok; };
  const Case cases[] = {
      // -16: nothing but gaps on one side of the card.
      {-16, "Fila01: -- -- 5H 6H", "5H", true},
      {-16, "Fila01: 4H 5H -- --", "5H", true},
      {-16, "Fila01: 4H 5H 6H", "5H", false},
      {-16, "Fila01: 4H -- 5H -- 6H", "5H", false},
      {-16, "Fila01: 4H 5H 6H", "4H", true},
      // -15: the piles between the card's pile and its row's outer end are empty.
      {-15, "Fila03: 5H 6H", "5H", true},
      {-15, "Fila01: 2C\nFila03: 5H 6H", "5H", false},
      {-15, "Fila08: 5H\nFila07: 2C", "5H", true},
      {-15, "Fila08: 5H\nFila10: 2C", "5H", false},
  };
  for (const auto& c : cases) {
    Set(P::PickUpLimit, c.limit);
    Deal(c.board);
    EXPECT_EQ(CanLiftRun(e, Card(c.card), false), c.ok) << c.card << " limit " << c.limit << "\n" << c.board;
  }
}

TEST_F(LiftTest, OuterEndRule) {
  Set(P::TableauCount, 20);
  Set(P::ReserveCount, 12);
  struct Case { const char* board; const char* card; bool ok; };
  const Case cases[] = {
      {"Fila01: 5H 6H", "5H", true},                   // a row's first pile is its own outer end
      {"Fila05: 5H\nFila04: 2C", "5H", false},         // left half: piles to the left
      {"Fila05: 5H\nFila06: 2C", "5H", true},
      {"Fila06: 5H\nFila05: 2C", "5H", true},          // right half: piles to the right
      {"Fila06: 5H\nFila10: 2C", "5H", false},
      {"Fila13: 5H\nFila01: 2C\nFila10: 2D", "5H", true},  // the second row stands alone
      {"Fila13: 5H\nFila11: 2C", "5H", false},
      {"Appogg03: 5H\nAppogg01: 2C", "5H", false},
      {"Appogg03: 5H\nAppogg04: 2C", "5H", true},
      {"Appogg08: 5H\nAppogg10: 2C", "5H", false},
      // Reserves 11 and 12 begin a row of their own.
      {"Appogg11: 5H\nAppogg01: 2C", "5H", true},
      {"Appogg12: 5H\nAppogg11: 2C", "5H", false},
      {"Dest01: 5H\nFila01: 2C", "5H", true},          // cards elsewhere are free
  };
  for (const auto& c : cases) {
    Deal(c.board);
    EXPECT_EQ(IsAtOuterEnd(e, Card(c.card)), c.ok) << c.card << "\n" << c.board;
  }
}

TEST_F(LiftTest, RunChecks) {
  // The target pile builds down in alternating colours.
  SetEach(P::TableauRule, 10, 3);
  SetEach(P::FoundationBaseRank, 4, 1);
  struct Case { int runCheck; const char* run; int dealCounter; bool ok; };
  const Case cases[] = {
      {0, "9S 3H 3H2", 1, true},                           // unchecked
      {1, "9S 8H 7S", 1, true},   {1, "9S 8S 7H", 1, false},
      {10, "9S 8S 7S", 1, true},  {10, "9S 8S 7H", 1, false},  // same suit whatever the pile says
      {11, "9S 8C 7S", 1, true},  {11, "9S 8H 7S", 1, false},
      {12, "9S 8H", 1, false},    {12, "9S 8H", 3, true},      // after the last redeal only
      {12, "9S", 1, true},                                  // a top card always
      {1, "9S", 1, true},
      {1, "9S -- 8H", 1, false},                            // a gap breaks the run
  };
  for (const auto& c : cases) {
    Set(P::RunCheck, c.runCheck);
    e.main.dealCounter = c.dealCounter;
    Deal(std::string("Fila02: ") + c.run);
    EXPECT_EQ(IsMovableRun(e, Card("9S"), 0), c.ok) << c.run << " run check " << c.runCheck;
  }
}

TEST_F(LiftTest, RunCheckUsesTheTargetPilesRule) {
  Set(P::RunCheck, 1);
  SetEach(P::TableauRule, 10, 3);
  e.params.Set(P::TableauRule + 4, 0);  // pile 5 builds in suit
  Deal("Fila02: 9S 8H 7S");
  EXPECT_TRUE(IsMovableRun(e, Card("9S"), 0));
  EXPECT_FALSE(IsMovableRun(e, Card("9S"), 4));
}

TEST_F(LiftTest, WhatMayBeLifted) {
  Set(P::PickUpLimit, -1);
  Set(P::RunCheck, 10);
  struct Case { const char* board; const char* card; int param; int value; bool ok; };
  const char* piles = "Fila01: 2Cd 9S 8S 7S\nFila02: 9H 8S2 7H\nMazzo: 3D 4D\nMazzo_Vis: 5D 6D\n"
                      "Dest01: AH 2H\nDest02: AS\nDest03: JK1\nAppogg01: 9C 8C";
  const Case cases[] = {
      {piles, "2C", 0, 0, false},                    // face down
      {piles, "7S", 0, 0, true},  {piles, "9S", 0, 0, true},
      {piles, "8S2", 0, 0, false},                   // 8S 7H is no same-suit run
      {piles, "7H", 0, 0, true},
      {piles, "8S2", P::TableauKind, 8, true},       // kinds 8 and 9 ask only the limit
      {piles, "9H", P::TableauKind, 9, true},
      // Reserves by parameter 15.
      {piles, "8C", P::ReservePickUpRule, 0, true},  {piles, "9C", P::ReservePickUpRule, 0, false},
      {piles, "9C", P::ReservePickUpRule, -11, true},
      {piles, "8C", P::ReservePickUpRule, -14, false},
      {piles, "8C", P::ReservePickUpRule, -15, true},
      {"Appogg02: 8C\nAppogg01: 2D", "8C", P::ReservePickUpRule, -15, false},
      {"Appogg01: 8Cd", "8C", P::ReservePickUpRule, -11, false},
      // Foundations by parameter 19.
      {piles, "2H", P::FoundationPickUpRule, 0, false}, {piles, "2H", P::FoundationPickUpRule, 1, true},
      {piles, "AH", P::FoundationPickUpRule, 1, false}, {piles, "AS", P::FoundationPickUpRule, 1, true},
      {piles, "2H", P::FoundationPickUpRule, 2, true},  {piles, "AS", P::FoundationPickUpRule, 2, false},
      {piles, "JK1", P::FoundationPickUpRule, 3, true}, {piles, "2H", P::FoundationPickUpRule, 3, false},
      // The waste's top unless parameter 8 locks it; the stock is never lifted.
      {piles, "6D", P::WasteLocked, 0, true},  {piles, "5D", P::WasteLocked, 0, false},
      {piles, "6D", P::WasteLocked, 1, false}, {piles, "4D", 0, 0, false},
      {piles, "KD", 0, 0, false},              // in no pile
  };
  for (const auto& c : cases) {
    Set(P::TableauKind, 1);
    Set(P::ReservePickUpRule, 0);
    Set(P::FoundationPickUpRule, 0);
    Set(P::WasteLocked, 0);
    if (c.param != 0) Set(c.param, c.value);
    Deal(c.board);
    EXPECT_EQ(CanLift(e, Card(c.card)), c.ok) << c.card << " with parameter " << c.param << " = " << c.value;
  }
  for (int notACard : {0, -1, 213}) EXPECT_FALSE(CanLift(e, notACard)) << notACard;
}

TEST_F(LiftTest, LiftingRemembersOnlyATableauRun) {
  Set(P::PickUpLimit, -1);
  Deal("Fila01: 9S 8S 7S\nMazzo_Vis: 5D");
  ASSERT_TRUE(CanLift(e, Card("8S")));
  EXPECT_EQ(e.main.heldRunTopCard, Card("7S"));
  ASSERT_TRUE(CanLift(e, Card("5D")));
  EXPECT_EQ(e.main.heldRunTopCard, 0);
}

TEST_F(LiftTest, CardLocationCodes) {
  Deal("Mazzo: 3D 4D\nMazzo_Vis: 5D\nMazzo_Waste: 6D\nDest01: AH\nDest16: KH\nFila01: 9S 8S\nFila40: 2S\n"
       "Appogg01: 9C\nAppogg12: TC");
  struct Case { const char* card; int location; };
  const Case cases[] = {
      {"3D", -99}, {"4D", -99}, {"5D", -98}, {"6D", 0}, {"AH", -1}, {"KH", -16}, {"9S", 1}, {"8S", 1},
      {"2S", 40},  {"9C", -21}, {"TC", -32}, {"QD", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CardLocation(e, Card(c.card)), c.location) << c.card;
  EXPECT_EQ(CardLocation(e, 0), 0);

  // The search order decides for a card written twice: foundations first.
  Deal("Fila01: 7H\nDest03: 7H");
  EXPECT_EQ(CardLocation(e, Card("7H")), -3);
}

TEST_F(LiftTest, TopOfTableauOrReserveInPlay) {
  Deal("Fila01: 9S 8S\nFila11: 2S\nAppogg02: 9C\nAppogg03: TC");
  struct Case { const char* card; bool ok; };
  const Case cases[] = {{"8S", true}, {"9S", false}, {"9C", true}, {"2S", false}, {"TC", false}};
  for (const auto& c : cases) EXPECT_EQ(IsTopOfTableauOrReserve(e, Card(c.card)), c.ok) << c.card;
}

}  // namespace
}  // namespace orv::test
