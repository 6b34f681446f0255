// The Spider game's own rules, with the parameter values the shipped
// catalogue gives it: build down in any suit, move same-suit runs, any card
// into an empty pile, nothing played to the foundations by hand.
#include "validation_fixture.h"

namespace orv::test {
namespace {

class SpiderTest : public RulesTest {
 protected:
  SpiderTest() {
    SpiderRules();
    Deal("Fila01: 4Dd 9S 8S 7S\n"
         "Fila02: 9S2 8S2 7H\n"
         "Fila03: TH\n"
         "Fila04: 8D\n"
         "Fila05: AC\n"
         "Fila06: 2D KS QS JS TS 9S3 8S3 7S3 6S 5S 4S 3S 2S AS\n"
         "Mazzo: 3Cd 4Cd 5Cd 6Cd 7Cd 8Cd 9Cd TCd JCd QCd");
  }
  // Lifts the card as the pointer would and reports whether it may drop on the pile.
  bool LiftAndDrop(const char* card, const char* pile) {
    if (!CanLift(e, Card(card))) return false;
    Carry(e.main.heldRunTopCard == Card(card));
    return CanDropOn(e, Card(card), pile);
  }
};

TEST_F(SpiderTest, SameSuitRunsMoveMixedRunsDoNot) {
  struct Case { const char* card; bool liftable; };
  const Case cases[] = {
      {"9S", true}, {"8S", true}, {"7S", true},  // every part of a same-suit run
      {"9S2", false}, {"8S2", false},            // 7H breaks the suit
      {"7H", true}, {"4D", false},               // the top card; a face-down card
      {"KS", true},                              // a whole suit, whatever its length
  };
  for (const auto& c : cases) EXPECT_EQ(CanLift(e, Card(c.card)), c.liftable) << c.card;
}

TEST_F(SpiderTest, BuildingDownInAnySuit) {
  struct Case { const char* card; const char* pile; bool ok; };
  const Case cases[] = {
      {"9S", "Fila03", true},    // a run on a card one higher, of another suit
      {"7S", "Fila04", true},
      {"7H", "Fila04", true},
      {"8S", "Fila03", false},   // two ranks apart
      {"9S", "Fila04", false},   // up
      {"9S", "Fila07", true},    // any card or run into an empty pile
      {"KS", "Fila07", true},
      {"7H", "Fila07", true},
      {"8S2", "Fila03", false},  // a mixed run is never lifted
  };
  for (const auto& c : cases) EXPECT_EQ(LiftAndDrop(c.card, c.pile), c.ok) << c.card << " to " << c.pile;
}

TEST_F(SpiderTest, StrictlyOneRankDownWithoutWrap) {
  struct Case { const char* board; const char* card; bool ok; };
  const Case cases[] = {
      {"Fila01: KH\nFila02: AC", "KH", false},  // wrap code 2: never a king on an ace
      {"Fila01: 2H\nFila02: AC", "2H", false},  // nor up
      {"Fila01: AC\nFila02: 2H", "AC", true},
      {"Fila01: QC\nFila02: KH", "QC", true},
  };
  for (const auto& c : cases) {
    Deal(c.board);
    EXPECT_EQ(LiftAndDrop(c.card, "Fila02"), c.ok) << c.card << "\n" << c.board;
  }
}

TEST_F(SpiderTest, FoundationsTakeNothingByHand) {
  Deal("Dest02: KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS\nFila01: AH\nFila02: KH\nFila03: 2S2");
  for (const char* card : {"AH", "KH", "2S2"})
    for (const char* pile : {"Dest01", "Dest02"}) EXPECT_FALSE(LiftAndDrop(card, pile)) << card << " to " << pile;
  EXPECT_FALSE(CanLift(e, Card("AS")));  // nor back
}

}  // namespace
}  // namespace orv::test
