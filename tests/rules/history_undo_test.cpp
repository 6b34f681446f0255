// Undo and Redo write back exactly the recorded position: every pile string
// and the face flag of every card in a pile.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/recording_host.h"
#include "play/engine.h"
#include "rules/history.h"
#include "support/table_text.h"

namespace orv {
namespace {

using test::DescribeBoard;
using test::DescribePile;
using test::SetBoard;

class UndoTest : public ::testing::Test {
 protected:
  UndoTest() { e.view = &view; }

  RecordingHost host;
  RecordingView view;
  Engine e{host, Folders{}};

  // What Undo must bring back: the pile strings, and the board as text for
  // the face flags (and for readable failures).
  struct Snapshot {
    PileLists piles;
    std::string board;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() const { return {e.table.piles(), DescribeBoard(e.table)}; }

  // The top card of one pile onto another, as a move would leave it.
  void MoveTop(std::string_view from, std::string_view to) {
    std::string* source = e.table.Pile(from);
    *e.table.Pile(to) += source->substr(source->size() - 3);
    source->resize(source->size() - 3);
  }

  // A position drawn at random over all 71 piles: each card of the four
  // decks and the jokers lands, with a probability of one in two, on a pile
  // at random with a random face; one place in ten is a gap.
  void DealRandom(std::mt19937& rng) {
    e.table.ClearPiles();
    std::vector<int> cards(kCardCount);
    std::iota(cards.begin(), cards.end(), 1);
    std::shuffle(cards.begin(), cards.end(), rng);
    std::uniform_int_distribution<int> pile(0, 70), percent(0, 99);
    for (int card : cards) {
      if (percent(rng) < 50) continue;
      std::string& target = PileByNumber(pile(rng));
      if (percent(rng) < 10) target += kGapCode;
      target += CardCode(card);
      e.table.SetFaceFlag(card, percent(rng) < 50 ? "0" : "1");
    }
  }

  std::string& PileByNumber(int n) {
    PileLists& p = e.table.piles();
    if (n < 3) return p.stock[static_cast<size_t>(n)];
    if (n < 19) return p.foundations[static_cast<size_t>(n - 3)];
    if (n < 59) return p.tableau[static_cast<size_t>(n - 19)];
    return p.reserves[static_cast<size_t>(n - 59)];
  }
};

TEST_F(UndoTest, UndoAndRedoRestoreExactPositions) {
  struct Case {
    std::string_view what, before, after;
  };
  const Case cases[] = {
      {"card turned in place", "Fila01: 5d", "Fila01: 5u"},
      {"move exposing a face-down card", "Fila01: 5d 9u\nFila02: 10u", "Fila01: 5u\nFila02: 10u 9u"},
      {"gaps inside piles", "Fila03: 7u 000 9d\nAppogg01: 000", "Fila03: 7u 12u 9d\nAppogg01: 000 000"},
      {"stock to waste, stock empties", "Mazzo: 20d 21d 22d\nMazzo_Vis: 23u", "Mazzo_Vis: 23u 22u 21u 20u"},
      {"every group",
       "Mazzo: 30d\nMazzo_Waste: 31u\nDest01: 1u\nDest16: 40u 41u\nFila40: 50d 51u\nAppogg12: 60u",
       "Dest01: 1u 2u\nFila01: 50u 51d\nAppogg01: 60d 31d 30u\nMazzo_Waste: 41d"},
      {"from an empty table", "", "Fila01: 1u\nDest05: 209u"},
      {"to an empty table", "Fila01: 1u 000\nMazzo: 104d", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearHistories(e);
    SetBoard(e.table, c.before);
    const Snapshot before = Take();
    RecordPosition(e, e.undo);
    SetBoard(e.table, c.after);
    const Snapshot after = Take();

    ASSERT_TRUE(Undo(e));
    EXPECT_EQ(Take(), before);
    EXPECT_EQ(e.undo.Entries(), 0);
    EXPECT_EQ(e.redo.Entries(), 1);
    ASSERT_TRUE(Redo(e));
    EXPECT_EQ(Take(), after);
    EXPECT_EQ(e.undo.Entries(), 1);
    EXPECT_EQ(e.redo.Entries(), 0);
    ASSERT_TRUE(Undo(e));
    EXPECT_EQ(Take(), before);
  }
}

TEST_F(UndoTest, RandomPositionsComeBackStepByStep) {
  for (unsigned seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    ClearHistories(e);
    std::vector<Snapshot> positions;
    for (int step = 0; step < 4; ++step) {
      if (step > 0) RecordPosition(e, e.undo);
      DealRandom(rng);
      positions.push_back(Take());
    }
    for (int k = 2; k >= 0; --k) {
      ASSERT_TRUE(Undo(e));
      ASSERT_EQ(Take(), positions[static_cast<size_t>(k)]) << "undo to " << k;
    }
    EXPECT_FALSE(Undo(e));
    for (int k = 1; k <= 3; ++k) {
      ASSERT_TRUE(Redo(e));
      ASSERT_EQ(Take(), positions[static_cast<size_t>(k)]) << "redo to " << k;
    }
    EXPECT_FALSE(Redo(e));
    EXPECT_EQ(e.undo.tags, ",,,");
    EXPECT_EQ(e.redo.tags, "");
  }
}

TEST_F(UndoTest, EmptyHistoryRefusesAndChangesNothing) {
  struct Case {
    std::string_view what;
    bool (*command)(Engine&);
  };
  const Case cases[] = {{"undo", Undo}, {"redo", Redo}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetBoard(e.table, "Fila01: 5d 9u\nMazzo: 20d");
    const Snapshot before = Take();
    EXPECT_FALSE(c.command(e));
    EXPECT_EQ(Take(), before);
    EXPECT_EQ(e.undo, History{});
    EXPECT_EQ(e.redo, History{});
    EXPECT_EQ(view.tableChanges, 0);
  }
}

TEST_F(UndoTest, IncompleteEntryIsRefused) {
  SetBoard(e.table, "Fila01: 5u");
  RecordPosition(e, e.undo);
  e.undo.groups[2].resize(39);  // a damaged history: one tableau line short
  SetBoard(e.table, "Fila02: 5u");
  const Snapshot now = Take();
  EXPECT_FALSE(Undo(e));
  EXPECT_EQ(Take(), now);
  EXPECT_EQ(e.redo, History{});
}

TEST_F(UndoTest, MalformedGroupsAreSkipped) {
  struct Case {
    std::string_view line, pile;
  };
  const Case cases[] = {
      {"00110021", "001u 002u"},
      {"001100x10071", "001u 007u"},  // a group with a letter
      {"0011-0010021", "001u 002u"},  // a sign
      {"001x0021", "002u"},           // a face that is no digit
      {" 0110021", "002u"},           // a blank
      {"0011005", "001u"},            // a trailing part
      {"00000050", "000 005d"},
      {"0000", "000"},
      {"2131", "213"},                // above the cards: kept, no face
      {"abc", ""},
  };
  for (const Case& c : cases) {
    ClearHistories(e);
    SetBoard(e.table, "");
    RecordPosition(e, e.undo);
    e.undo.groups[2][0] = c.line;
    for (int card = 1; card <= kCardCount; ++card) e.table.SetFaceFlag(card, card == 5 ? "1" : "0");
    ASSERT_TRUE(Undo(e)) << c.line;
    EXPECT_EQ(DescribePile(e.table, "Fila01"), c.pile) << c.line;
  }
}

TEST_F(UndoTest, TagTravelsWithItsEntry) {
  // A tagged stock deal, then an untagged move; undoing both and redoing
  // both leaves the deal counted once, on the same entry.
  SetBoard(e.table, "Mazzo: 20d 21d\nFila01: 5u");
  RecordPosition(e, e.undo);
  TagNewestEntry(e, "002");
  SetBoard(e.table, "Mazzo: 20d\nFila01: 5u 21u");
  RecordPosition(e, e.undo);
  SetBoard(e.table, "Mazzo: 20d\nFila01: 5u\nFila02: 21u");
  ASSERT_EQ(e.undo.tags, "002,,");

  ASSERT_TRUE(Undo(e));
  EXPECT_EQ(e.undo.tags, "002,");
  EXPECT_EQ(e.redo.tags, ",");
  ASSERT_TRUE(Undo(e));
  EXPECT_EQ(e.undo.tags, "");
  EXPECT_EQ(e.redo.tags, ",002,");
  EXPECT_EQ(CountTaggedEntries(e, "002"), 0);
  ASSERT_TRUE(Redo(e));
  EXPECT_EQ(e.undo.tags, "002,");
  EXPECT_EQ(CountTaggedEntries(e, "002"), 1);
  ASSERT_TRUE(Redo(e));
  EXPECT_EQ(e.undo.tags, "002,,");
  EXPECT_EQ(e.redo.tags, "");
  EXPECT_EQ(view.tableChanges, 4);
}

TEST_F(UndoTest, SelectionOnFoundationZeroStaysAsItIs) {
  struct Case {
    int selection, family;
    std::string_view foundation0;  // after Undo
  };
  const Case cases[] = {{0, 0, "001u"}, {10, 0, "003u"}, {0, 4, "003u"}, {0, 67, "003u"}};
  for (const Case& c : cases) {
    SCOPED_TRACE("selection " + std::to_string(c.selection) + ", family " + std::to_string(c.family));
    e.params.Set(P::SelectionGame, c.selection);
    e.params.Set(P::Family, c.family);
    ClearHistories(e);
    SetBoard(e.table, "Dest01: 1u\nDest02: 14u\nFila01: 5u");
    RecordPosition(e, e.undo);
    SetBoard(e.table, "Dest01: 3u\nDest02: 14u 15u\nFila01: 5u 6u");
    ASSERT_TRUE(Undo(e));
    EXPECT_EQ(DescribePile(e.table, "Dest01"), c.foundation0);
    EXPECT_EQ(DescribePile(e.table, "Dest02"), "014u");
    EXPECT_EQ(DescribePile(e.table, "Fila01"), "005u");
    ASSERT_TRUE(Redo(e));
    EXPECT_EQ(DescribePile(e.table, "Dest01"), "003u");
    EXPECT_EQ(DescribePile(e.table, "Fila01"), "005u 006u");
  }
}

// The protocol the moves follow: record before the player's move, and drop
// the entry of every follow-up move, so that one Undo takes back the lot.
TEST_F(UndoTest, FollowUpMovesLeaveOneStep) {
  // A move exposes card 5, which is turned up automatically.
  SetBoard(e.table, "Fila01: 5d 9u\nFila02: 10u");
  const Snapshot before = Take();
  RecordPosition(e, e.undo);
  MoveTop("Fila01", "Fila02");
  ClearRedo(e);
  RecordPosition(e, e.undo);
  e.table.SetFaceFlag(5, "1");
  DropNewestEntries(e, 1);
  ASSERT_EQ(e.undo.Entries(), 1);
  EXPECT_EQ(e.undo.groups[2][0], "00500091");
  EXPECT_EQ(e.undo.groups[2][1], "0101");
  ASSERT_TRUE(Undo(e));
  EXPECT_EQ(Take(), before);

  // A move completes a run of spades, which leaves card by card for a
  // foundation, and the card under it is turned up.
  ClearHistories(e);
  SetBoard(e.table, "Fila01: 5d 52u 51u 50u 49u 48u 47u 46u 45u 44u 43u 42u 41u\nFila02: 40u\nDest01: 1u");
  const Snapshot beforeRun = Take();
  RecordPosition(e, e.undo);
  MoveTop("Fila02", "Fila01");
  for (int k = 0; k < 13; ++k) {
    RecordPosition(e, e.undo);
    MoveTop("Fila01", "Dest02");
    DropNewestEntries(e, 1);
  }
  RecordPosition(e, e.undo);
  e.table.SetFaceFlag(5, "1");
  DropNewestEntries(e, 1);
  ASSERT_EQ(DescribePile(e.table, "Fila01"), "005u");
  ASSERT_EQ(e.undo.Entries(), 1);
  ASSERT_TRUE(Undo(e));
  EXPECT_EQ(Take(), beforeRun);

  // A stock click deals ten cards, one per pile: one step, tagged a deal.
  ClearHistories(e);
  SetBoard(e.table, "Mazzo: 60d 61d 62d 63d 64d 65d 66d 67d 68d 69d 70d");
  const Snapshot beforeDeal = Take();
  for (int pile = 0; pile < 10; ++pile) {
    RecordPosition(e, e.undo);
    MoveTop("Mazzo", PileName({PileGroup::Tableau, pile}));
  }
  DropNewestEntries(e, 9);
  TagNewestEntry(e, "002");
  EXPECT_EQ(e.undo.Entries(), 1);
  EXPECT_EQ(CountTaggedEntries(e, "002"), 1);
  ASSERT_TRUE(Undo(e));
  EXPECT_EQ(Take(), beforeDeal);
}

}  // namespace
}  // namespace orv
