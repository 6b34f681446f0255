// The core placement rule: suits, directions, the wrap at king and ace,
// empty piles by base rank and the balance of the foundation groups.
#include "validation_fixture.h"

namespace orv::test {
namespace {

class PlacementTest : public RulesTest {
 protected:
  // A placement on tableau pile 0 (whose wrap parameter is set) or on
  // foundation 0 (whose base is also the first base).
  Placement On(const char* top, const char* card, bool foundation, int rule, int direction, int wrap, int base,
               int firstBase) {
    Set(P::TableauWrap, wrap);
    Placement p;
    p.top = top[0] == '\0' ? -1 : Card(top);
    p.card = Card(card);
    p.foundation = foundation;
    p.wrap = foundation || wrap > 0;
    p.rule = rule;
    p.direction = direction;
    p.base = base;
    p.firstBase = foundation ? base : firstBase;
    return p;
  }
};

TEST_F(PlacementTest, SuitConditionByRuleCode) {
  struct Case { const char* top; const char* card; int rule; bool ok; };
  const Case cases[] = {
      {"7S", "6S", 0, true},  {"7S", "6C", 0, false},   // same suit
      {"7S", "6C", 1, true},  {"7S", "6H", 1, false},   // same colour
      {"7S", "6H", 2, true},  {"7S", "6S", 2, true},    // any suit
      {"7S", "6H", 3, true},  {"7S", "6C", 3, false},   // alternating colours
      {"7S", "6D", 3, true},  {"7H", "6D", 3, false},
      {"7S", "6S", 6, false}, {"7S", "6H", 6, false},   // 6 builds nothing
      {"7S", "6S", 11, true}, {"7S", "6C", 11, false},  // 11 ends in same suit
      {"7S", "6H", 68, true},                           // other codes: any suit
      {"7S", "5S", 0, false},                           // the rank still counts
  };
  for (const auto& c : cases) {
    const Placement p = On(c.top, c.card, false, c.rule, 0, 1, -1, 1);
    EXPECT_EQ(OrdinaryRule(e, p), c.ok) << c.card << " on " << c.top << " rule " << c.rule;
  }
}

TEST_F(PlacementTest, TableauStepsByDirectionAndWrap) {
  // firstBase is foundation 0's base: 1 (aces), 7, or the collecting code 83.
  struct Case { const char* top; const char* card; int direction; int wrap; int firstBase; bool ok; };
  const Case cases[] = {
      // Plain steps in each direction; an unknown direction builds nothing.
      {"7S", "6H", 0, 0, 1, true},   {"7S", "8H", 0, 0, 1, false},
      {"7S", "8H", 1, 0, 1, true},   {"7S", "6H", 1, 0, 1, false},
      {"7S", "8H", 2, 0, 1, true},   {"7S", "6H", 2, 0, 1, true},
      {"7S", "6H", 3, 0, 1, false},  {"7S", "7H", 2, 0, 1, false},
      // Down: nothing on an ace while the wrap flag is clear; a king with it.
      {"AS", "KH", 0, 0, 1, false},  {"2S", "AH", 0, 0, 1, true},
      {"AS", "KH", 0, 1, 1, true},   {"AS", "QH", 0, 1, 1, false},
      // Wrap code 2: plain steps only, never a king on an ace.
      {"AS", "KH", 0, 2, 1, false},  {"KS", "QH", 0, 2, 1, true},
      // Foundations from 7: the 7 is closed, the ace takes a king freely.
      {"7S", "6H", 0, 0, 7, false},  {"8S", "7H", 0, 0, 7, true},
      {"AS", "KH", 0, 0, 7, true},   {"7S", "6H", 0, 1, 7, true},
      // Collecting foundations (83) close the ace like an ace base would.
      {"AS", "KH", 0, 0, 83, false}, {"AS", "KH", 0, 1, 83, true},
      {"2S", "AH", 0, 0, 83, true},
      // Up: an ace on a king wraps; the first base closes unless wrapped.
      {"KS", "AH", 1, 0, 1, true},   {"AS", "2H", 1, 0, 1, false},
      {"AS", "2H", 1, 1, 1, true},   {"KS", "AH", 1, 2, 1, false},
      {"AS", "2H", 1, 2, 1, true},   {"QS", "KH", 1, 2, 1, true},
      // Both ways: a closed first base refuses outright, in both directions.
      {"AS", "2H", 2, 0, 1, false},  {"AS", "KH", 2, 0, 1, false},
      {"AS", "KH", 2, 1, 1, true},   {"KS", "AH", 2, 0, 1, true},
  };
  for (const auto& c : cases) {
    const Placement p = On(c.top, c.card, false, 2, c.direction, c.wrap, -1, c.firstBase);
    EXPECT_EQ(CanPlaceCard(e, p), c.ok)
        << c.card << " on " << c.top << " direction " << c.direction << " wrap " << c.wrap << " first base "
        << c.firstBase;
  }
}

TEST_F(PlacementTest, FoundationStepsWrapByTheirOwnBase) {
  struct Case { const char* top; const char* card; int direction; int base; bool ok; };
  const Case cases[] = {
      {"AH", "2H", 1, 1, true},   {"QH", "KH", 1, 1, true},
      {"KH", "AH", 1, 1, false},  // a foundation from the ace ends at the king
      {"KH", "AH", 1, 7, true},   {"KH", "QH", 1, 7, false},  // up only: nothing further
      {"KH", "AH", 1, -1, true},
      {"KH", "QH", 0, 13, true},  {"AH", "KH", 0, 13, false},  // from the king down ends at the ace
      {"AH", "KH", 0, 6, true},   {"3H", "2H", 0, 6, true},
      {"KH", "QH", 2, 1, true},   // both ways: a refused wrap still goes down
      {"KH", "AH", 2, 1, false},  {"5H", "6H", 2, 1, true},
      {"5H", "4H", 2, 1, true},
  };
  for (const auto& c : cases) {
    const Placement p = On(c.top, c.card, true, 0, c.direction, 0, c.base, c.base);
    EXPECT_EQ(CanPlaceCard(e, p), c.ok) << c.card << " on " << c.top << " direction " << c.direction << " base "
                                        << c.base;
  }
}

TEST_F(PlacementTest, EmptyPileByBaseRank) {
  struct Case { int base; int firstBase; const char* card; bool single; bool ok; };
  const Case cases[] = {
      {13, 1, "KH", true, true},   {13, 1, "QH", true, false},
      {-1, 1, "5C", true, true},   {13, -1, "5C", true, true},   // any card by either base
      {0, 1, "KH", true, false},   // 0: no card opens the pile
      {82, 1, "AH", true, false},  {83, 1, "KH", true, false},   // collecting piles take nothing
      {86, 1, "5C", true, true},   {86, 1, "5C", false, false},  // a single card only
      // The balanced codes with no started foundation in their group.
      {81, 1, "AH", true, true},   {81, 1, "2H", true, false},
      {85, 1, "AS", true, true},   {84, 1, "KS", true, true},
      {84, 1, "AS", true, false},  {90, 1, "2D", true, true},
      {90, 1, "AD", true, false},
  };
  for (const auto& c : cases) {
    Carry(c.single);
    const Placement p = On("", c.card, false, 2, 0, 0, c.base, c.firstBase);
    EXPECT_EQ(CanPlaceCard(e, p), c.ok) << c.card << " on base " << c.base << " first base " << c.firstBase;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PlacementTest, EmptyPileByWhereTheCardComesFrom) {
  Set(P::TableauCount, 4);
  Set(P::ReserveCount, 2);
  Set(P::FoundationCount, 4);
  struct Case { const char* board; int base; const char* card; bool ok; };
  const char* spread = "Mazzo: 5H\nMazzo_Vis: 6H\nFila02: 7H\nAppogg01: 8H\nMazzo_Waste: 9H";
  const Case cases[] = {
      // 87 "W": from the stock, the waste, or no pile (the second waste counts as none).
      {spread, 87, "5H", true},  {spread, 87, "6H", true},  {spread, 87, "9H", true},
      {spread, 87, "TH", true},  {spread, 87, "7H", false}, {spread, 87, "8H", false},
      // 88 "X": anything but a tableau card.
      {spread, 88, "8H", true},  {spread, 88, "6H", true},  {spread, 88, "7H", false},
      // 96: the reserves are emptied first, then the waste feeds the pile.
      {spread, 96, "8H", true},  {spread, 96, "6H", false}, {spread, 96, "7H", false},
      {"Mazzo_Vis: 6H\nFila02: 7H\nMazzo: 5H", 96, "6H", true},
      {"Mazzo_Vis: 6H\nFila02: 7H\nMazzo: 5H", 96, "5H", false},
      // 92 and 93: the rank every started foundation began with.
      {"Dest01: 5H 6H\nDest03: 5S\nFila02: 5C", 92, "5C", true},
      {"Dest01: 5H 6H\nDest03: 5S\nFila02: 6C", 92, "6C", false},
      {"Dest01: 5H 6H\nFila02: 5C", 93, "5C", true},
      // ... and while none is started, any card (92) or a reserve card (93).
      {"Fila02: 9C", 92, "9C", true},
      {"Appogg02: 9C\nFila02: 8C", 93, "9C", true},
      {"Appogg02: 9C\nFila02: 8C", 93, "8C", false},
  };
  for (const auto& c : cases) {
    Deal(c.board);
    const Placement p = On("", c.card, false, 2, 0, 0, c.base, 1);
    EXPECT_EQ(CanPlaceCard(e, p), c.ok) << c.card << " on base " << c.base << " with\n" << c.board;
  }
}

TEST_F(PlacementTest, BalanceRuleKeepsColoursAndSuitsApartInTheGroup) {
  // `target` is the empty foundation the card goes to.
  struct Case { int code; int foundations; const char* board; int target; const char* card; bool ok; };
  const char* fourRedAces = "Dest01: AH\nDest02: AD\nDest03: AH2\nDest04: AD2";
  const Case cases[] = {
      // 81 with eight foundations: at most four of each colour, suits may repeat.
      {81, 8, fourRedAces, 4, "AH3", false},
      {81, 8, fourRedAces, 4, "AS", true},
      {81, 8, "Dest01: AH\nDest02: AD\nDest03: AH2", 7, "AD3", true},
      // 85, 84 and 90: no suit twice, and half the group of each colour.
      {85, 4, "Dest01: AH", 1, "AH2", false},
      {85, 4, "Dest01: AH", 1, "AD", true},
      {85, 4, "Dest01: AH\nDest02: AD", 2, "AC", true},
      {85, 8, "Dest01: AH\nDest02: AD\nDest03: AC\nDest04: AS", 4, "AH2", false},
      {84, 4, "Dest01: KS\nDest03: KC", 1, "KS2", false},
      {84, 4, "Dest01: KS\nDest03: KC", 1, "KH", true},
      {90, 2, "Dest01: 2S", 1, "2C", false},
      {90, 2, "Dest01: 2S", 1, "2H", true},
  };
  for (const auto& c : cases) {
    e.params.Clear();
    Set(P::FoundationCount, c.foundations);
    SetEach(P::FoundationBaseRank, c.foundations, c.code);
    SetEach(P::FoundationDirection, c.foundations, 1);
    Set(P::FoundationMaxCards, 13);
    Deal(c.board);
    EXPECT_EQ(CanMoveToFoundation(e, c.target, Card(c.card)), c.ok) << c.card << " under " << c.code << " with\n"
                                                                    << c.board;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PlacementTest, BalanceRuleGroupIsTheFoundationsInPlay) {
  // Foundations 5-8 carry the code but are not in play: the group is two,
  // so one red ace already fills its red half.
  SetEach(P::FoundationBaseRank, 8, 81);
  Set(P::FoundationCount, 2);
  Deal("Dest01: AH");
  EXPECT_FALSE(BalanceRule(e, 81, Card("AD")));
  EXPECT_TRUE(BalanceRule(e, 81, Card("AS")));
}

TEST_F(PlacementTest, BalanceRuleReportsACardWithoutSuitAndCountsItNowhere) {
  Set(P::FoundationCount, 4);
  SetEach(P::FoundationBaseRank, 4, 81);
  Deal("Dest01: JK1\nDest02: AH");
  // The joker is not counted: two reds fit the half of four.
  EXPECT_TRUE(BalanceRule(e, 81, Card("AD")));
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"Error suit - 1"});

  host.messages.clear();
  Deal("Dest02: AH");
  EXPECT_TRUE(BalanceRule(e, 81, Card("JK2")));
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"Error suit - 1"});

  host.messages.clear();
  Deal("");  // a group with no started foundation holds without looking at the card
  EXPECT_TRUE(BalanceRule(e, 81, Card("JK2")));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PlacementTest, ACardNeverGoesOnItselfAndANonCardNowhere) {
  EXPECT_FALSE(CanPlaceCard(e, On("7S", "7S", false, 2, 2, 1, -1, 1)));
  Placement p = On("", "7S", false, 2, 0, 0, 0, 1);
  for (int notACard : {0, -1, 213, 999}) {
    p.card = notACard;  // base 0 would match the gap's rank 0
    EXPECT_FALSE(CanPlaceCard(e, p)) << notACard;
  }
}

TEST_F(PlacementTest, AGapOnTopCountsAsAnEmptyPlace) {
  Placement p = On("", "KH", false, 3, 0, 0, 13, 1);
  p.top = 0;
  EXPECT_TRUE(CanPlaceCard(e, p));
  p.card = Card("QH");
  EXPECT_FALSE(CanPlaceCard(e, p));
}

}  // namespace
}  // namespace orv::test
