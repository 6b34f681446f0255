#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/recording_host.h"
#include "play/engine.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

// A program folder holding the built definitions file, and a player folder.
class StartupTest : public ::testing::Test {
 protected:
  void InstallDefinitions() {
    std::ifstream in(test::ProgramDir() + "GAMES.DAT", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    ASSERT_FALSE(bytes.str().empty()) << "the build writes GAMES.DAT beside the program";
    program.Write("GAMES.DAT", bytes.str());
  }
  std::unique_ptr<Engine> Start() { return StartEngine(host, program.path(), home.path()); }

  RecordingHost host;
  test::TempDir program;
  test::TempDir home;
};

TEST_F(StartupTest, FirstStartLoadsSpiderForTheFirstPlayer) {
  InstallDefinitions();
  auto engine = Start();
  ASSERT_NE(engine, nullptr) << ::testing::PrintToString(host.Texts());
  EXPECT_EQ(engine->folders.data, home.path() + "Orvane Quillmere/");
  EXPECT_EQ(engine->CurrentGame(), 18);
  EXPECT_EQ(engine->session.Get(sr::GameName), "Spider");
  EXPECT_EQ(engine->session.Get(sr::PlayerName), "Player 1");
  EXPECT_EQ(engine->params[P::TableauCount], 10);
  EXPECT_EQ(engine->params[P::DeckCards], 104);
  EXPECT_EQ(engine->main.cardWidth, 71);  // the default size letter "B"
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.pointer, Pointer::Arrow);  // the hourglass was put back
}

TEST_F(StartupTest, MissingDefinitionsFileEndsStartWithItsMessage) {
  auto engine = Start();
  EXPECT_EQ(engine, nullptr);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, "error");
  EXPECT_EQ(host.messages[0].text, "Cannot find file:\r" + program.path() + "GAMES.DAT\r" +
                                       "Copy the file into the directory that above is specified\r" +
                                       "or reinstall the program.");
}

TEST_F(StartupTest, ARememberedGameTheCatalogueLacksLeavesNoGameCurrent) {
  InstallDefinitions();
  home.Write("Orvane Quillmere/Cfg.dat", "[Preference]\nGame=999\nGame_name=Gone\nUserDefault=Ann\n");
  auto engine = Start();
  ASSERT_NE(engine, nullptr);
  EXPECT_EQ(engine->session.Get(sr::GameNumber), "-001");
  EXPECT_EQ(engine->CurrentGame(), -1);
  EXPECT_EQ(engine->session.Get(sr::GameName), "");
  EXPECT_EQ(engine->session.Get(sr::PlayerName), "Ann");
  EXPECT_EQ(engine->params[P::TableauCount], 0);  // nothing loaded
}

}  // namespace
}  // namespace orv
