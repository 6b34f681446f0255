// Completed runs leaving the tableau for the collecting foundations, and
// exposed cards turning up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "execute_fixture.h"
#include "rules/automatic.h"

namespace orv::test {
namespace {

// The thirteen cards of one suit from the king down, as the pile shows them
// from the bottom: "KS QS ... AS". `deck` is "" or "2".."4".
std::string KingDown(char suit, const std::string& deck = "") {
  std::string out;
  for (const char rank : std::string("KQJT98765432A")) out += std::string(out.empty() ? "" : " ") + rank + suit + deck;
  return out;
}

std::string Reversed(const std::string& words) {
  std::vector<std::string> list;
  for (size_t start = 0; start < words.size();) {
    const size_t end = std::min(words.find(' ', start), words.size());
    list.push_back(words.substr(start, end - start));
    start = end + 1;
  }
  std::string out;
  for (auto it = list.rbegin(); it != list.rend(); ++it) out += (out.empty() ? "" : " ") + *it;
  return out;
}

struct RunCase {
  std::string name;
  int code;          // base rank code of every foundation
  int tableauRule;   // rule code of Fila01
  std::string board;
  std::string after;  // empty: the board stays as it was
  bool firstHidden = false;
};

std::vector<RunCase> RunCases() {
  const std::string spades = KingDown('S');
  const std::string foreign = "KS QS JS TS 9S 8S 7H 6S 5S 4S 3S 2S AS";
  const std::string reds = "KH QD JH TD 9H 8D 7H 6D 5H 4D 3H 2D AH";
  const std::string alternating = "KS QH JS TH 9S 8H 7S 6H 5S 4H 3S 2H AS";
  const std::string chain = "5H 6S 7D 6C 5S 4H 3D 2C AS KH QD JS TC";
  return {
      {"suit run leaves, king on top", 83, 2, "Fila01: 5Hd " + spades, "Fila01: 5Hd\nDest01: " + Reversed(spades)},
      {"first empty collecting foundation", 83, 2, "Fila01: " + spades + "\nDest01: KC",
       "Dest01: KC\nDest02: " + Reversed(spades)},
      {"one foreign card", 83, 2, "Fila01: " + foreign, ""},
      {"king face down", 83, 2, "Fila01: KSd " + spades.substr(3), ""},
      {"twelve cards", 83, 2, "Fila01: " + spades.substr(3), ""},
      {"a gap inside", 83, 2, "Fila01: KS -- " + spades.substr(3), ""},
      {"all foundations full", 83, 2,
       "Fila01: " + spades + "\nDest01: KC\nDest02: KC\nDest03: KC\nDest04: KC\nDest05: KD\nDest06: KD\nDest07: KD\nDest08: KD",
       ""},
      {"king-first code reads king to ace from the top", 95, 2, "Fila01: " + Reversed(spades),
       "Dest01: " + spades},
      {"code a by suit", 97, 2, "Fila01: " + spades, "Dest01: " + Reversed(spades)},
      {"code b by colour", 98, 2, "Fila01: " + reds, "Dest01: " + Reversed(reds)},
      {"code b with a black card", 98, 2, "Fila01: KH QD JH TD 9H 8D 7H 6D 5H 4D 3H 2C AH", ""},
      {"code c: neighbouring ranks, any suit", 99, 2, "Fila01: " + chain, "Dest01: " + Reversed(chain)},
      {"code c with a break", 99, 2, "Fila01: 5H 7S 7D 6C 5S 4H 3D 2C AS KH QD JS TC", ""},
      {"code R, alternating tableau", 82, 3, "Fila01: " + alternating, "Dest01: " + Reversed(alternating)},
      {"code R, alternating tableau, one suit", 82, 3, "Fila01: " + spades, ""},
      {"code R, same-suit tableau", 82, 0, "Fila01: " + spades, "Dest01: " + Reversed(spades)},
      {"code R, same-suit tableau, alternating run", 82, 0, "Fila01: " + alternating, ""},
      {"hidden foundation: the second waste", 83, 2, "Fila01: " + spades, "Mazzo_Waste: " + Reversed(spades),
       true},
  };
}

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class RemoveRunTest : public ExecuteTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RemoveRunTest, RemovesOnlyACompletedRun) {
  const RunCase& c = GetParam();
  SpiderRules();
  SetEach(P::FoundationBaseRank, 8, c.code);
  Set(P::TableauRule, c.tableauRule);
  if (c.firstHidden) e.main.foundationX[0] = kHiddenPileX;
  Deal(c.board);
  RemoveCompletedRun(e, 0);
  EXPECT_EQ(Board(), Expected(c.after.empty() ? c.board : c.after));
  EXPECT_EQ(e.undo.Entries(), 0) << "the removal keeps no history entry of its own";
  if (!c.after.empty()) {
    ASSERT_FALSE(host.sounds.empty());
    EXPECT_EQ(host.sounds.front(), "Redeal");
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, RemoveRunTest, ::testing::ValuesIn(RunCases()), [](const auto& info) {
  std::string name;
  for (const char ch : info.param.name) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
});

// Foundations marked "R" take red and black runs in equal shares: with eight
// of them, four runs of each colour.
TEST_F(ExecuteTest, RedAndBlackRunsEachFillHalfTheFoundations) {
  struct Case {
    const char* collected;
    std::string run;
    bool removed;
  };
  const Case cases[] = {
      {"Dest01: AH\nDest02: AD\nDest03: AH2\nDest04: AD2", KingDown('H', "3"), false},
      {"Dest01: AH\nDest02: AD\nDest03: AH2\nDest04: AD2", KingDown('S'), true},
      {"Dest01: AH", KingDown('H', "2"), true},  // a second run of one suit is welcome
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.run);
    SpiderRules();
    Set(P::DeckCards, 156);
    SetEach(P::FoundationBaseRank, 8, 82);
    SetEach(P::TableauRule, 10, 0);
    Deal(std::string(c.collected) + "\nFila01: " + c.run);
    RemoveCompletedRun(e, 0);
    EXPECT_EQ(e.table.piles().tableau[0].empty(), c.removed);
  }
}

// The Spider move that places the ace: the run leaves, the card it uncovers
// turns up, and all of it is one history step that Undo takes back whole.
TEST_F(ExecuteTest, CompletedRunAndTurnUpAreOneStep) {
  SpiderRules();
  SetAutomaticFaceUp(true);
  Set(P::AutoplayTurnsUpFirst, 1);
  const std::string start = "Fila01: 5Hd " + KingDown('S').substr(0, 35) + "\nFila02: 7C AS";
  Deal(start);
  const std::string before = Board();
  ASSERT_TRUE(ExecuteMove(e, Card("AS"), "Fila01"));
  EXPECT_EQ(Board(), Expected("Fila01: 5H\nFila02: 7C\nDest01: " + Reversed(KingDown('S'))));
  EXPECT_EQ(e.undo.Entries(), 1);
  EXPECT_EQ(e.main.movesMade, 1) << "the collected cards are no moves of the player";
  ASSERT_TRUE(Undo(e));
  EXPECT_EQ(Board(), before);
}

TEST_F(ExecuteTest, TurnUpNeedsTheSettingAndTheGame) {
  struct Case {
    bool setting;
    int parameter44;
    bool turned;
  };
  const Case cases[] = {{true, 1, true}, {false, 1, false}, {true, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.setting << c.parameter44);
    e.undo.Clear();
    KlondikeRules();
    SetAutomaticFaceUp(c.setting);
    Set(P::AutoplayTurnsUpFirst, c.parameter44);
    // A gap on top is no card; piles beyond those in play are not looked at.
    Deal("Fila01: 4Cd\nFila02: 9S\nFila03: 5Dd --\nFila04: 8Hd\nFila08: 2Sd");
    EXPECT_EQ(TurnUpExposedCards(e), c.turned);
    EXPECT_EQ(Board(), Expected(c.turned ? "Fila01: 4C\nFila02: 9S\nFila03: 5Dd --\nFila04: 8H\nFila08: 2Sd"
                                         : "Fila01: 4Cd\nFila02: 9S\nFila03: 5Dd --\nFila04: 8Hd\nFila08: 2Sd"));
    EXPECT_EQ(e.undo.Entries(), 0);
  }
}

// Turning a card by hand is a step of its own.
TEST_F(ExecuteTest, TurnFaceUpByHandKeepsItsEntry) {
  KlondikeRules();
  SetAutomaticFaceUp(false);
  Deal("Fila01: 4Cd");
  TurnFaceUp(e, Card("4C"), 0);
  EXPECT_FALSE(e.table.IsFaceDown(Card("4C")));
  EXPECT_EQ(host.sounds, std::vector<std::string>{"Face_up"});
  EXPECT_EQ(e.undo.Entries(), 1);
  ASSERT_TRUE(Undo(e));
  EXPECT_TRUE(e.table.IsFaceDown(Card("4C")));
}

}  // namespace
}  // namespace orv::test
