// The soak: random play with invariant checks, reported per game and
// reproducible from its seed.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli.h"
#include "cli_host.h"
#include "play/engine.h"
#include "soak.h"
#include "support/temp_dir.h"
#include "table_play.h"

namespace orv::cli {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result Soak(std::vector<std::string> args) {
  args.insert(args.begin(), "soak");
  std::istringstream in;
  std::ostringstream out, err;
  const int status = Run(args, test::ProgramDir(), in, out, err);
  return {status, out.str(), err.str()};
}

TEST(SoakCommand, ReportsEachGameAndPasses) {
  const Result r = Soak({"--deals", "3", "--moves", "80", "--seed", "7", "18", "182"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const std::regex line(R"(game (\d+) ([^:]+): deals 3, actions (\d+), wins (\d+), failures 0)");
  std::istringstream s(r.out);
  std::vector<std::string> games;
  for (std::string text; std::getline(s, text);) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, line)) << text;
    EXPECT_GT(std::stoi(m[3]), 0) << text;
    games.push_back(m[1]);
  }
  EXPECT_EQ(games, (std::vector<std::string>{"18", "182"}));
}

TEST(SoakCommand, RefusesBadArgumentsWithStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* errorPart;
  };
  const Case cases[] = {
      {{"--deals"}, "--deals expects a number"},
      {{"--moves", "-3"}, "--moves expects a number"},
      {{"--seed", "x"}, "--seed expects a number"},
      {{"--fast"}, "neither an option nor a game number"},
      {{"17"}, "not in the catalogue"},
  };
  for (const auto& c : cases) {
    const Result r = Soak(c.args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(c.args);
    EXPECT_NE(r.err.find(c.errorPart), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

// The action list of a deal replays through the play command to the same
// table: the reproduction a failure prints is faithful.
TEST(SoakDeal, ItsActionsReplayThroughThePlayCommand) {
  std::ostringstream quiet;
  CliHost host(quiet);
  host.SetQuiet(true);
  Engine e(host, Folders{test::ProgramDir(), {}});
  const std::string deal = "0000000004711";
  ASSERT_TRUE(OpenGame(e, 181, deal, quiet));
  std::mt19937 rng(5);
  const SoakDealResult r = SoakDeal(e, 60, rng);
  ASSERT_EQ(r.failure, "");
  ASSERT_EQ(r.actions, 60);

  std::string script;
  for (const auto& action : r.played) script += action + '\n';
  script += "show\n";
  std::istringstream in(script);
  std::ostringstream out, err;
  ASSERT_EQ(cli::Run({"play", "181", deal}, test::ProgramDir(), in, out, err), 0) << err.str();
  std::ostringstream expected;
  PrintPiles(e, expected);
  const std::string text = out.str();
  ASSERT_GE(text.size(), expected.str().size());
  EXPECT_EQ(text.substr(text.size() - expected.str().size()), expected.str());
}

}  // namespace
}  // namespace orv::cli
