// Every target name ExecuteMove knows, and a few it must refuse.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "execute_fixture.h"

namespace orv::test {
namespace {

struct TargetCase {
  const char* name;
  const char* board;
  const char* card;  // card name, or "" for the commands that take none
  const char* target;
  bool singleCard;
  bool moved;
  const char* after;  // the whole board afterwards
  std::vector<std::string> sounds;
};

const char* const kBoard =
    "Fila01: 5Hd 9S 8H\n"
    "Fila02: TD\n"
    "Mazzo: 2C 3C\n"
    "Mazzo_Vis: 4D\n"
    "Appogg01: 7C\n";

const TargetCase kCases[] = {
    {"to a foundation", kBoard, "8H", "Dest01", true, true,
     "Fila01: 5Hd 9S\nFila02: TD\nMazzo: 2C 3C\nMazzo_Vis: 4D\nAppogg01: 7C\nDest01: 8H", {"Foundation"}},
    {"by autoplay, from the waste", kBoard, "4D", "Dest_Autoplay03", true, true,
     "Fila01: 5Hd 9S 8H\nFila02: TD\nMazzo: 2C 3C\nAppogg01: 7C\nDest03: 4D", {"Autoplay"}},
    {"one card to a tableau pile", kBoard, "8H", "Fila02", true, true,
     "Fila01: 5Hd 9S\nFila02: TD 8H\nMazzo: 2C 3C\nMazzo_Vis: 4D\nAppogg01: 7C", {"Tableau"}},
    {"a run, plain pile number", kBoard, "9S", "Fila2", false, true,
     "Fila01: 5Hd\nFila02: TD 9S 8H\nMazzo: 2C 3C\nMazzo_Vis: 4D\nAppogg01: 7C", {"Tableau"}},
    {"a reserve card to a tableau pile", kBoard, "7C", "Fila01", true, true,
     "Fila01: 5Hd 9S 8H 7C\nFila02: TD\nMazzo: 2C 3C\nMazzo_Vis: 4D", {"Tableau"}},
    {"to a reserve", kBoard, "8H", "Appogg02", true, true,
     "Fila01: 5Hd 9S\nFila02: TD\nMazzo: 2C 3C\nMazzo_Vis: 4D\nAppogg01: 7C\nAppogg02: 8H", {"Tableau"}},
    {"to the waste", kBoard, "8H", "Stock02", true, true,
     "Fila01: 5Hd 9S\nFila02: TD\nMazzo: 2C 3C\nMazzo_Vis: 4D 8H\nAppogg01: 7C", {}},
    {"to the second waste", kBoard, "8H", "Waste", true, true,
     "Fila01: 5Hd 9S\nFila02: TD\nMazzo: 2C 3C\nMazzo_Vis: 4D\nMazzo_Waste: 8H\nAppogg01: 7C", {}},
    {"stock: turn a card", kBoard, "", "Mazzo_Vis", true, true,
     "Fila01: 5Hd 9S 8H\nFila02: TD\nMazzo: 2C\nMazzo_Vis: 4D 3C\nAppogg01: 7C", {"Stock"}},
    {"stock: deal a row", kBoard, "", "Add_Tableaus", true, true,
     "Fila01: 5Hd 9S 8H 3C\nFila02: TD 2C\nMazzo_Vis: 4D\nAppogg01: 7C", {"Shuffle", "Shuffle"}},
    {"stock: fill the empty piles", "Fila01: 9S\nMazzo: 2C 3C", "", "Fill_Tableaus", true, true,
     "Fila01: 9S\nFila02: 3C\nFila03: 2C", {"Shuffle", "Shuffle"}},
    {"pairing discard", "Fila01: 5H 9S\nFila02: 5D\nDest01: 9S 5D", "", "Selezionate_Dest", true, true,
     "Fila01: 5H\nMazzo_Waste: 9S 5D", {"Pairing"}},
    {"pairing discard face down", "Fila01: 5H 9S\nFila02: 5D\nDest01: 9S 5D", "", "Selezionate_Dest_Deck", true,
     true, "Fila01: 5H\nMazzo_Waste: 9Sd 5Dd", {"Pairing"}},
    {"pairing discard with nothing chosen", "Fila01: 5H", "", "Selezionate_Dest", true, false, "Fila01: 5H", {}},
    {"filling after a discard", "Fila02: 5H\nMazzo: 2C 3C 4C", "", "Selezionate_Fila", true, true,
     "Fila01: 4C\nFila02: 5H\nFila03: 3C\nMazzo: 2C", {"Shuffle", "Shuffle"}},
    {"filling with nothing empty", "Fila01: 5H\nFila02: 6H\nFila03: 7H\nMazzo: 2C", "", "Selezionate_Fila", true,
     false, "Fila01: 5H\nFila02: 6H\nFila03: 7H\nMazzo: 2C", {}},
    {"Monte Carlo close-up", "Fila02: 5H\nFila03: 6H 7H\nMazzo: 2C 3C\nDest01: 9S", "", "Stock_To_Pile_Monte_Carlo",
     true, true, "Fila01: 5H\nFila02: 6H 7H\nFila03: 3C\nMazzo: 2C", {"Shuffle"}},
    {"Monte Carlo, stock empty, nothing to close", "Fila01: 5H\nFila02: 6H", "", "Stock_To_Pile_Monte_Carlo", true,
     false, "Fila01: 5H\nFila02: 6H", {}},
    {"unknown name", kBoard, "8H", "Bogus", true, false, kBoard, {}},
    {"no such tableau pile", kBoard, "8H", "Fila41", true, false, kBoard, {}},
    {"autoplay without a number", kBoard, "8H", "Dest_Autoplay", true, false, kBoard, {}},
    {"a number that is no card", kBoard, "", "Dest01", true, false, kBoard, {}},
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class ExecuteTargetTest : public ExecuteTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(ExecuteTargetTest, MovesAndRecordsOneEntry) {
  const TargetCase& c = GetParam();
  KlondikeRules();
  Set(P::TableauCount, 3);
  Set(P::ReserveCount, 2);
  Set(P::HasWaste, 1);
  Set(P::StockTurnCount, 1);
  SetEach(P::TableauStockDeal, 3, 1);
  Deal(c.board);
  RecordPosition(e, e.redo);
  Carry(c.singleCard);
  const int card = std::string_view(c.card).empty() ? 0 : Card(c.card);

  EXPECT_EQ(ExecuteMove(e, card, c.target), c.moved);
  EXPECT_EQ(Board(), Expected(c.after));
  EXPECT_EQ(Sounds(), c.sounds);
  // The fill is the one command that joins the step of the move before it.
  const bool records = c.moved && std::string_view(c.target) != "Fill_Tableaus";
  EXPECT_EQ(e.undo.Entries(), records ? 1 : 0);
  EXPECT_EQ(e.redo.Empty(), c.moved) << "the redo history is cleared only by a move";
  EXPECT_EQ(e.main.movesMade, c.moved ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, ExecuteTargetTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           std::string name;
                           for (const char ch : std::string(info.param.name))
                             name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

// A run keeps its order and every card arrives face-up, whatever it showed.
TEST_F(ExecuteTest, RunOfFourKeepsOrderFaceUp) {
  KlondikeRules();
  Deal("Fila01: 2Cd 9S 8H 7C 6D\nFila02: TD");
  e.table.SetFaceFlag(Card("7C"), "0");
  Carry(false);
  ASSERT_TRUE(ExecuteMove(e, Card("9S"), "Fila02"));
  EXPECT_EQ(Board(), Expected("Fila01: 2Cd\nFila02: TD 9S 8H 7C 6D"));
}

}  // namespace
}  // namespace orv::test
