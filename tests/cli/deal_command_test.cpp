#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "cli.h"
#include "common/text.h"
#include "support/temp_dir.h"

namespace orv::cli {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunCli(std::vector<std::string> args) {
  std::istringstream in;
  std::ostringstream out, err;
  const int status = Run(args, test::ProgramDir(), in, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream s(text);
  for (std::string line; std::getline(s, line);) lines.push_back(line);
  return lines;
}

// "Fila01: 0230 0451" -> {"Fila01", {"0230", "0451"}}
std::pair<std::string, std::vector<std::string>> SplitPileLine(const std::string& line) {
  const size_t colon = line.find(':');
  std::vector<std::string> cards;
  std::istringstream s(line.substr(colon + 1));
  for (std::string card; s >> card;) cards.push_back(card);
  return {line.substr(0, colon), cards};
}

TEST(DealCommand, PrintsTheDeckAndEverySpiderPile) {
  const Result r = RunCli({"deal", "18", "1234567890123"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_FALSE(lines.empty());
  ASSERT_EQ(lines[0].rfind("deck: ", 0), 0u);
  EXPECT_EQ(lines[0].size(), std::string("deck:").size() + 104 * 4);

  std::map<std::string, std::vector<std::string>> piles;
  std::vector<std::string> order;
  for (size_t i = 1; i < lines.size(); ++i) {
    auto [name, cards] = SplitPileLine(lines[i]);
    order.push_back(name);
    piles[name] = cards;
  }
  // Stock first, then the eight foundations, then the ten piles.
  std::vector<std::string> expected{"Mazzo"};
  for (int i = 1; i <= 8; ++i) expected.push_back("Dest" + IntToFixed(i, 2));
  for (int i = 1; i <= 10; ++i) expected.push_back("Fila" + IntToFixed(i, 2));
  EXPECT_EQ(order, expected);

  const int sizes[] = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};
  std::multiset<std::string> seen;
  for (int i = 1; i <= 10; ++i) {
    const auto& pile = piles["Fila" + IntToFixed(i, 2)];
    ASSERT_EQ(pile.size(), static_cast<size_t>(sizes[i - 1])) << "Fila" << i;
    for (size_t k = 0; k < pile.size(); ++k) {
      EXPECT_EQ(pile[k][3], k + 1 == pile.size() ? '1' : '0') << "only the top card is face up";
      seen.insert(pile[k].substr(0, 3));
    }
  }
  ASSERT_EQ(piles["Mazzo"].size(), 50u);
  for (const auto& card : piles["Mazzo"]) {
    EXPECT_EQ(card[3], '0');
    seen.insert(card.substr(0, 3));
  }
  for (int card = 1; card <= 104; ++card) EXPECT_EQ(seen.count(IntToFixed(card, 3)), 1u) << card;
}

TEST(DealCommand, SameNumberSameDealAndShortNumbersArePadded) {
  const Result a = RunCli({"deal", "18", "42"});
  const Result b = RunCli({"deal", "18", "0000000000042"});
  const Result c = RunCli({"deal", "18", "43"});
  ASSERT_EQ(a.status, 0);
  EXPECT_EQ(a.out, b.out);
  EXPECT_NE(a.out, c.out);
}

TEST(DealCommand, RefusesBadArgumentsWithStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* errorPart;
  };
  const Case cases[] = {
      {{"deal", "17", "1"}, "not in the catalogue"},
      {{"deal", "abc", "1"}, "not a game number"},
      {{"deal", "18", "12345678901234"}, "not a deal number"},
      {{"deal", "18", "12a"}, "not a deal number"},
      {{"deal", "18", ""}, "not a deal number"},
      {{"deal", "18"}, "expects GAME and DEAL"},
      {{"shuffle"}, "unknown command"},
      {{}, "Usage"},
  };
  for (const auto& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(c.args);
    EXPECT_NE(r.err.find(c.errorPart), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST(DealCommand, HelpDocumentsEveryCommand) {
  const Result r = RunCli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("deal GAME DEAL"), std::string::npos);
}

}  // namespace
}  // namespace orv::cli
