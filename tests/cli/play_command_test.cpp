// The headless player: the play command's answers, and the agreement of
// its list of legal moves with what a move actually does.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli.h"
#include "cli_host.h"
#include "play/engine.h"
#include "records/score.h"
#include "records/win.h"
#include "rules/history.h"
#include "support/table_text.h"
#include "support/temp_dir.h"
#include "table_play.h"

namespace orv::cli {
namespace {

constexpr const char* kDeal = "1234567890123";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream s(text);
  for (std::string line; std::getline(s, line);) lines.push_back(line);
  return lines;
}

std::string Play(const std::string& game, const std::string& input, int* status = nullptr) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = Run({"play", game, kDeal}, test::ProgramDir(), in, out, err);
  if (status) *status = code;
  return out.str() + err.str();
}

std::string Join(const std::vector<std::string>& lines, size_t from, size_t to) {
  std::string text;
  for (size_t i = from; i < to && i < lines.size(); ++i) text += lines[i] + '\n';
  return text;
}

// The first line that `legal` offers, as a move command.
std::string FirstLegalMove(const std::string& game) {
  const auto lines = Lines(Play(game, "legal\n"));
  for (const auto& line : lines)
    if (line != "stock") return "move " + line;
  return {};
}

TEST(PlayCommand, ShowPrintsThePilesOfTheDealCommand) {
  std::istringstream none;
  std::ostringstream dealOut, err;
  ASSERT_EQ(cli::Run({"deal", "18", kDeal}, test::ProgramDir(), none, dealOut, err), 0) << err.str();
  const auto dealLines = Lines(dealOut.str());
  EXPECT_EQ(Play("18", "show\n"), Join(dealLines, 1, dealLines.size()));
}

TEST(PlayCommand, AMoveIsUndoneAndRedoneExactly) {
  const std::string move = FirstLegalMove("18");
  ASSERT_FALSE(move.empty());
  const auto lines = Lines(Play("18", "show\n" + move + "\nstatus\nshow\nundo\nshow\nredo\nshow\nundo\nundo\nstatus\n"));
  // show (19 lines: stock, 8 foundations, 10 piles), ok, status, show, ok,
  // show, ok, show, ok, nothing, status.
  constexpr size_t kPiles = 19;
  ASSERT_EQ(lines.size(), 4 * kPiles + 7);
  const std::string start = Join(lines, 0, kPiles);
  EXPECT_EQ(lines[kPiles], "ok");
  EXPECT_EQ(lines[kPiles + 1], "score -104 won no moves 1 deals 1");
  const std::string moved = Join(lines, kPiles + 2, 2 * kPiles + 2);
  EXPECT_NE(moved, start);
  EXPECT_EQ(lines[2 * kPiles + 2], "ok");
  EXPECT_EQ(Join(lines, 2 * kPiles + 3, 3 * kPiles + 3), start);
  EXPECT_EQ(lines[3 * kPiles + 3], "ok");
  EXPECT_EQ(Join(lines, 3 * kPiles + 4, 4 * kPiles + 4), moved);
  EXPECT_EQ(lines[4 * kPiles + 4], "ok");
  EXPECT_EQ(lines[4 * kPiles + 5], "nothing");
  EXPECT_EQ(lines[4 * kPiles + 6], "score -104 won no moves 1 deals 1");
}

TEST(PlayCommand, AnswersBadCommandsAndGoesOn) {
  struct Case {
    const char* input;
    const char* answer;
  };
  const Case cases[] = {
      {"jump", "error: unknown command 'jump'"},
      {"move 12 Fila01", "error: '12' is not a 3-digit card code"},
      {"move 001", "error: move expects CARD and TARGET"},
      {"show all", "error: show takes no arguments"},
      {"move 999 Fila01", "refused"},       // no card
      {"move 000 Fila01", "refused"},       // the gap code
      {"move 001 Dest01", "refused"},       // Spider's foundations take whole runs only
      {"move 001 Mazzo", "refused"},        // the stock is clicked, not built on
      {"move 001 Fila99", "refused"},       // no such pile
      {"undo", "nothing"},
      {"redo", "nothing"},
  };
  for (const auto& c : cases) {
    int status = -1;
    const auto lines = Lines(Play("18", std::string(c.input) + "\n# a comment\n\nstatus\n", &status));
    EXPECT_EQ(status, 0) << c.input;
    ASSERT_EQ(lines.size(), 2u) << c.input;
    EXPECT_EQ(lines[0].rfind(c.answer, 0), 0u) << c.input << " -> " << lines[0];
    EXPECT_EQ(lines[1], "score -104 won no moves 0 deals 1") << c.input;
  }
}

TEST(PlayCommand, TheStockDealsARowAndUndoTakesItBack) {
  constexpr size_t kPiles = 19;
  const auto lines = Lines(Play("18", "legal\nshow\nstock\nshow\nundo\nshow\n"));
  ASSERT_GE(lines.size(), 3 * kPiles + 3);
  const size_t shown = lines.size() - (3 * kPiles + 2);
  EXPECT_EQ(lines[shown - 1], "stock");  // offered last by legal
  const std::string before = Join(lines, shown, shown + kPiles);
  EXPECT_EQ(lines[shown + kPiles], "ok");
  const auto dealt = std::vector<std::string>(lines.begin() + static_cast<long>(shown + kPiles + 1),
                                              lines.begin() + static_cast<long>(shown + 2 * kPiles + 1));
  EXPECT_EQ(lines[shown + 2 * kPiles + 1], "ok");
  EXPECT_EQ(Join(lines, shown + 2 * kPiles + 2, shown + 3 * kPiles + 2), before);

  // The stock gave ten cards, one face up on each pile.
  const std::vector<std::string> start(lines.begin() + static_cast<long>(shown),
                                       lines.begin() + static_cast<long>(shown + kPiles));
  const auto cards = [](const std::string& line) { return std::count(line.begin(), line.end(), ' '); };
  EXPECT_EQ(cards(dealt[0]), cards(start[0]) - 10) << dealt[0];
  for (size_t pile = 9; pile < kPiles; ++pile) {
    EXPECT_EQ(cards(dealt[pile]), cards(start[pile]) + 1) << dealt[pile];
    EXPECT_EQ(dealt[pile].back(), '1') << dealt[pile];
  }
}

TEST(PlayCommand, RefusesBadGameAndDealWithStatusTwo) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"play", "17", "1"}, {"play", "x", "1"}, {"play", "18", "1a"}, {"play", "18"}}) {
    std::istringstream in("show\n");
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run(args, test::ProgramDir(), in, out, err), 2) << ::testing::PrintToString(args);
    EXPECT_EQ(out.str(), "");
  }
}

// Every card against every pile: a move succeeds exactly when it is listed,
// and each one is taken back exactly by Undo. Played on several games and
// a few positions along a game, so that runs, empty piles and the foundations
// all come up.
TEST(LegalMoves, ListExactlyTheMovesThatSucceed) {
  std::ostringstream quiet;
  for (int game : {18, 180, 182, 183}) {
    CliHost host(quiet);
    host.SetQuiet(true);
    Engine e(host, Folders{test::ProgramDir(), {}});
    ASSERT_TRUE(OpenGame(e, game, "4242424242424", quiet)) << game;
    for (int step = 0; step < 15; ++step) {
      const std::vector<Move> legal = LegalMoves(e);
      const std::string position = PositionText(e);
      std::vector<Move> succeeded;
      for (int card = 1; card <= 104; ++card)
        for (const std::string prefix : {"Dest", "Fila", "Appogg"})
          for (int pile = 1; pile <= 10; ++pile) {
            const std::string target = prefix + (pile < 10 ? "0" : "") + std::to_string(pile);
            if (!TryMove(e, card, target)) {
              ASSERT_EQ(PositionText(e), position) << "a refused move changed the table";
              continue;
            }
            succeeded.push_back({card, target});
            ASSERT_TRUE(Undo(e));
            ASSERT_EQ(PositionText(e), position) << game << " move " << card << ' ' << target;
          }
      const auto sorted = [](std::vector<Move> moves) {
        std::sort(moves.begin(), moves.end(), [](const Move& a, const Move& b) {
          return std::tie(a.card, a.target) < std::tie(b.card, b.target);
        });
        return moves;
      };
      ASSERT_EQ(sorted(succeeded), sorted(legal)) << "game " << game << " step " << step;
      // On to the next position: a listed move, or the stock.
      if (!legal.empty()) ASSERT_TRUE(TryMove(e, legal[static_cast<size_t>(step) % legal.size()].card,
                                              legal[static_cast<size_t>(step) % legal.size()].target));
      else if (!ClickStock(e)) break;
    }
  }
}

// Spider with seven runs home and the last one a card short: the move that
// completes it sends it home, wins the game and scores every card; Undo
// takes back the win and the points.
TEST(PlayToTheEnd, TheLastRunHomeWinsSpider) {
  std::ostringstream quiet;
  CliHost host(quiet);
  Engine e(host, Folders{test::ProgramDir(), {}});
  ASSERT_TRUE(OpenGame(e, 18, kDeal, quiet));
  const auto run = [](int first, int last, const char* flag) {
    std::string text;
    for (int card = last; card >= first; --card) text += std::to_string(card) + flag + " ";
    return text;
  };
  std::string board;
  for (int f = 0; f < 7; ++f) board += "Dest0" + std::to_string(f + 1) + ": " + run(13 * f + 1, 13 * f + 13, "u") + "\n";
  board += "Fila01: " + run(93, 104, "u") + "\nFila02: 92u\n";
  test::SetBoard(e.table, board);
  UpdateScore(e);
  ASSERT_EQ(StoredScore(e), -104 + 5 * 91);
  ASSERT_FALSE(IsWon(e));

  ASSERT_TRUE(TryMove(e, 92, "Fila01"));
  EXPECT_EQ(test::DescribePile(e.table, "Fila01"), "");
  EXPECT_EQ(CodeCount(*e.table.Pile("Dest08")), 13u);
  EXPECT_TRUE(IsWon(e));
  EXPECT_EQ(StoredScore(e), -104 + 5 * 104);

  ASSERT_TRUE(Undo(e));
  EXPECT_FALSE(IsWon(e));
  EXPECT_EQ(StoredScore(e), -104 + 5 * 91);
}

TEST(StockWouldAct, LeavesTheEngineAsItWas) {
  std::ostringstream quiet;
  CliHost host(quiet);
  host.SetQuiet(true);
  Engine e(host, Folders{test::ProgramDir(), {}});
  ASSERT_TRUE(OpenGame(e, 18, kDeal, quiet));
  const auto first = LegalMoves(e).front();
  ASSERT_TRUE(TryMove(e, first.card, first.target));
  ASSERT_TRUE(Undo(e));  // leaves a redo entry, which a real click would clear
  const std::string position = PositionText(e);
  const History undo = e.undo, redo = e.redo;
  const int deals = e.main.dealCounter;

  EXPECT_TRUE(StockWouldAct(e));
  EXPECT_EQ(PositionText(e), position);
  EXPECT_EQ(e.undo, undo);
  EXPECT_EQ(e.redo, redo);
  EXPECT_EQ(e.main.dealCounter, deals);
}

}  // namespace
}  // namespace orv::cli
