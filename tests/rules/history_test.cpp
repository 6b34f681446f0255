// The history's line format and the bookkeeping of entries and tags.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/recording_host.h"
#include "play/engine.h"
#include "rules/history.h"
#include "support/table_text.h"

namespace orv {
namespace {

using test::SetBoard;
using test::SetPile;

class HistoryTest : public ::testing::Test {
 protected:
  RecordingHost host;
  Engine e{host, Folders{}};

  // One undo entry per item of a tag text ("004,,002,"), each tagged with
  // its item; entry k has card k on tableau pile 1, so entries can be told
  // apart afterwards.
  void RecordTagged(std::string_view tags) {
    int card = 1;
    for (size_t comma = tags.find(','); comma != std::string_view::npos; comma = tags.find(',')) {
      SetPile(e.table, "Fila01", std::to_string(card++));
      RecordPosition(e, e.undo);
      TagNewestEntry(e, tags.substr(0, comma));
      tags.remove_prefix(comma + 1);
    }
  }

  // The entries left, oldest first, by their mark; and every group must
  // hold exactly as many entries.
  std::string EntryMarks() const {
    const auto& g = e.undo.groups;
    const size_t entries = g[0].size() / 3;
    EXPECT_EQ(g[0].size(), 3 * entries);
    EXPECT_EQ(g[1].size(), 16 * entries);
    EXPECT_EQ(g[2].size(), 40 * entries);
    EXPECT_EQ(g[3].size(), 12 * entries);
    std::string marks;
    for (size_t k = 0; k < entries && 40 * k < g[2].size(); ++k) {
      if (!marks.empty()) marks += ' ';
      marks += std::to_string(std::stoi(g[2][40 * k].substr(0, 3)));
    }
    return marks;
  }
};

TEST_F(HistoryTest, PositionLineWritesCodeAndFaceFlagPerCard) {
  struct Case {
    std::string_view pile, cards, line;
  };
  const Case cases[] = {
      {"Dest02", "1u 2u", "00110021"},  // ace and two of hearts
      {"Fila01", "000 5d", "00000050"},
      {"Fila40", "", ""},
      {"Mazzo_Waste", "104d 105u 212u", "104010512121"},
      {"Appogg12", "13u 000 000 14d", "0131000000000140"},
  };
  for (const Case& c : cases) {
    SetBoard(e.table, {{c.pile, c.cards}});
    EXPECT_EQ(PositionLine(e, c.pile), c.line) << c.pile << ": " << c.cards;
  }
}

TEST_F(HistoryTest, PositionLineOfDamagedCodes) {
  // Codes that are no number or below 1 read as gaps; a code above the
  // cards is kept, so that the pile comes back as it was; a trailing part
  // shorter than a code is no card.
  SetBoard(e.table, {{"Fila02", "5u"}});
  *e.table.Pile("Fila02") = "ab1-01999005x";
  EXPECT_EQ(PositionLine(e, "Fila02"), "0000000099900051");
  EXPECT_EQ(PositionLine(e, "Fila41"), "");
  EXPECT_EQ(PositionLine(e, "Talon"), "");
}

TEST_F(HistoryTest, RecordPositionAppendsOneLinePerPileInGroupOrder) {
  SetBoard(e.table,
           "Mazzo: 30d\nMazzo_Waste: 31u\nDest01: 1u\nDest16: 40u 41d\nFila40: 50d 51u\nAppogg01: 000\nAppogg12: 60u");
  RecordPosition(e, e.undo);
  SetBoard(e.table, "Mazzo_Vis: 30u");
  RecordPosition(e, e.undo);

  EXPECT_EQ(e.undo.Entries(), 2);
  EXPECT_EQ(e.undo.tags, ",,");
  const auto& g = e.undo.groups;
  ASSERT_EQ(g[0].size(), 6u);
  ASSERT_EQ(g[1].size(), 32u);
  ASSERT_EQ(g[2].size(), 80u);
  ASSERT_EQ(g[3].size(), 24u);
  EXPECT_EQ(g[0][0], "0300");
  EXPECT_EQ(g[0][1], "");
  EXPECT_EQ(g[0][2], "0311");
  EXPECT_EQ(g[1][0], "0011");
  EXPECT_EQ(g[1][15], "04010410");
  EXPECT_EQ(g[2][39], "05000511");
  EXPECT_EQ(g[3][0], "0000");
  EXPECT_EQ(g[3][11], "0601");
  // The second entry holds the second position, and the first is untouched
  // by the face flag card 30 has now.
  EXPECT_EQ(g[0][3], "");
  EXPECT_EQ(g[0][4], "0301");
  EXPECT_EQ(g[1][16], "");
  EXPECT_EQ(g[2][79], "");
  EXPECT_EQ(e.redo, History{});
}

TEST_F(HistoryTest, SelectionGamesLeaveFoundationZeroOut) {
  struct Case {
    int selection, family;
    std::string_view foundation0;
  };
  const Case cases[] = {
      {0, 0, "00110021"}, {10, 0, ""}, {13, 20, ""}, {0, 3, ""},
      {0, 4, ""},         {0, 67, ""}, {0, 2, "00110021"}, {0, 33, "00110021"},
  };
  for (const Case& c : cases) {
    e.params.Set(P::SelectionGame, c.selection);
    e.params.Set(P::Family, c.family);
    e.undo.Clear();
    SetBoard(e.table, "Dest01: 1u 2u\nDest02: 14u");
    RecordPosition(e, e.undo);
    ASSERT_EQ(e.undo.groups[1].size(), 16u);
    EXPECT_EQ(e.undo.groups[1][0], c.foundation0) << "selection " << c.selection << ", family " << c.family;
    EXPECT_EQ(e.undo.groups[1][1], "0141");
    // The line of one pile is the pile, whatever the game.
    EXPECT_EQ(PositionLine(e, "Dest01"), "00110021");
  }
}

TEST_F(HistoryTest, DropNewestEntriesKeepsTheNewestTag) {
  struct Case {
    std::string_view tags;  // one item per recorded entry
    int n;
    std::string_view tagsAfter;
    std::string_view entriesLeft;
  };
  const Case cases[] = {
      {",002,", 1, "002,", "1"},        // the deal's tag moves down
      {"001,,", 1, ",", "1"},           // and so does an empty one
      {"004,,002,", 2, "002,", "1"},
      {"002,,,003,", 3, "003,", "1"},   // a batch of deals leaves one step
      {",,,", 0, ",,,", "1 2 3"},
      {",,,", -2, ",,,", "1 2 3"},
      {"003,", 1, "", ""},              // the only entry goes with its tag
      {"002,003,", 5, "", ""},          // more than there are
  };
  for (const Case& c : cases) {
    e.undo.Clear();
    RecordTagged(c.tags);
    DropNewestEntries(e, c.n);
    EXPECT_EQ(e.undo.tags, c.tagsAfter) << c.tags << " less " << c.n;
    EXPECT_EQ(EntryMarks(), c.entriesLeft) << c.tags << " less " << c.n;
  }
}

TEST_F(HistoryTest, DropNewestEntriesOnEmptyHistoryChangesNothing) {
  DropNewestEntries(e, 3);
  EXPECT_EQ(e.undo, History{});
  RecordTagged("002,");
  DropNewestEntries(e, 1);
  RecordTagged(",");
  // No tag of the dropped entry lingers to be counted with the new one.
  EXPECT_EQ(e.undo.tags, ",");
  EXPECT_EQ(CountTaggedEntries(e, "002"), 0);
}

TEST_F(HistoryTest, TagNewestEntryReplacesOnlyTheNewestTag) {
  struct Case {
    std::string_view tags, code, tagsAfter;
  };
  const Case cases[] = {
      {",,", "002", ",002,"}, {"001,", "004", "004,"}, {"002,,", "003", "002,003,"},
      {"", "002", ""},  // no entry to tag
      {",", "02", ","},     {",", "0021", ","},      {",", "a02", ","}, {",", "", ","},
  };
  for (const Case& c : cases) {
    e.undo.Clear();
    RecordTagged(c.tags);
    TagNewestEntry(e, c.code);
    EXPECT_EQ(e.undo.tags, c.tagsAfter) << c.tags << " tagged " << c.code;
  }
}

TEST_F(HistoryTest, CountTaggedEntriesCountsItemsHoldingTheCode) {
  RecordTagged("002,,002,004,001,");
  EXPECT_EQ(CountTaggedEntries(e, "002"), 2);
  EXPECT_EQ(CountTaggedEntries(e, "004"), 1);
  EXPECT_EQ(CountTaggedEntries(e, "003"), 0);
  EXPECT_EQ(CountTaggedEntries(e, ""), 0);
  DropNewestEntries(e, 1);  // 004's entry goes, 001 moves onto it
  EXPECT_EQ(e.undo.tags, "002,,002,001,");
  EXPECT_EQ(CountTaggedEntries(e, "004"), 0);
  EXPECT_EQ(CountTaggedEntries(e, "001"), 1);
  // Only the undo history counts.
  RecordPosition(e, e.redo);
  e.redo.tags = "002,";
  EXPECT_EQ(CountTaggedEntries(e, "002"), 2);
}

TEST_F(HistoryTest, ClearingEmptiesLinesAndTags) {
  RecordTagged("002,");
  RecordPosition(e, e.redo);
  ClearRedo(e);
  EXPECT_EQ(e.redo, History{});
  EXPECT_EQ(e.undo.Entries(), 1);
  RecordPosition(e, e.redo);
  ClearHistories(e);
  EXPECT_EQ(e.undo, History{});
  EXPECT_EQ(e.redo, History{});
}

}  // namespace
}  // namespace orv
