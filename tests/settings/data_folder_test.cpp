#include <sys/stat.h>

#include <filesystem>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/recording_host.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// "@" in a fixture stands for the test's root folder.
std::string Expand(std::string_view text, const std::string& root) {
  std::string out;
  for (char c : text) out += c == '@' ? root : std::string(1, c);
  return out;
}

std::string UnwritableMessage(const std::string& path) {
  return "Error saving the file: " + path + "\r" +
         "Note: In Windows XP, only the User designated as \"Administrator\" has the right to save this file.";
}

class DataFolderTest : public ::testing::Test {
 protected:
  test::TempDir root;
  RecordingHost host;
  std::string program = root / "prog/";
  std::string home = root / "home/";

  void SetUp() override { fs::create_directories(program); }
};

TEST_F(DataFolderTest, ResolvesThroughThePointerFile) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> files;  // under the root
    bool withHome;
    const char* expected;       // under the root
    const char* pointerFile;    // under the root
    const char* pointerAfter;   // nullptr: as written by the fixture
  };
  const Case cases[] = {
      {"no pointer file", {}, true, "home/Orvane Quillmere/", "prog/sol_fold.dat", "[Default Data Folder]\n"},
      {"no pointer file, no user folder", {}, false, "prog/Data/", "prog/sol_fold.dat", "[Default Data Folder]\n"},
      {"settings beside the program", {{"prog/data/cfg.dat", ""}}, true, "prog/data/", "prog/sol_fold.dat", "@prog/data/\n"},
      {"settings beside the program, other case", {{"prog/Data/CFG.DAT", ""}}, true, "prog/Data/", "prog/sol_fold.dat",
       "@prog/Data/\n"},
      {"data folder without settings", {{"prog/data/other.dat", ""}}, true, "home/Orvane Quillmere/", "prog/sol_fold.dat",
       "[Default Data Folder]\n"},
      {"path without trailing slash", {{"prog/sol_fold.dat", "@my data/folder\r\nsecond line\r\n"}}, true,
       "my data/folder/", "prog/sol_fold.dat", nullptr},
      {"path with trailing blanks", {{"prog/sol_fold.dat", "@mine/  \t\n"}}, true, "mine/", "prog/sol_fold.dat", nullptr},
      {"marker followed by text", {{"prog/sol_fold.dat", "[Default Data Folder] was elsewhere\n"}}, true,
       "home/Orvane Quillmere/", "prog/sol_fold.dat", nullptr},
      {"marker without user folder", {{"prog/sol_fold.dat", "[Default Data Folder]"}}, false, "prog/Data/",
       "prog/sol_fold.dat", nullptr},
      {"empty pointer file", {{"prog/sol_fold.dat", ""}}, true, "home/Orvane Quillmere/", "prog/sol_fold.dat", nullptr},
      {"pointer file name in other case", {{"prog/SOL_FOLD.DAT", "@mine\n"}}, true, "mine/", "prog/SOL_FOLD.DAT", nullptr},
      {"relative path", {{"prog/sol_fold.dat", "mydata\n"}}, true, "prog/mydata/", "prog/sol_fold.dat", nullptr},
  };
  for (const auto& c : cases) {
    test::TempDir fresh;
    const std::string r = fresh.path();
    fs::create_directories(r + "prog");
    for (const auto& [name, content] : c.files) fresh.Write(name, Expand(content, r));
    RecordingHost h;
    const std::string folder = ResolveDataFolder(h, r + "prog/", c.withHome ? r + "home/" : "");
    EXPECT_EQ(folder, r + c.expected) << c.name;
    EXPECT_TRUE(FolderExists(folder)) << c.name;
    EXPECT_TRUE(h.messages.empty()) << c.name;
    std::string pointerBefore;
    for (const auto& [name, content] : c.files)
      if (std::string_view(name) == c.pointerFile) pointerBefore = Expand(content, r);
    EXPECT_EQ(fresh.Read(c.pointerFile), c.pointerAfter ? Expand(c.pointerAfter, r) : pointerBefore) << c.name;
    if (std::string_view(c.pointerFile) != "prog/sol_fold.dat") {
      EXPECT_FALSE(fresh.Exists("prog/sol_fold.dat")) << c.name;
    }
  }
}

TEST_F(DataFolderTest, UnwritablePointerFileIsReportedAndTheDefaultStillUsed) {
  fs::create_directory(program + "sol_fold.dat");  // a folder in the way stops also root
  const std::string folder = ResolveDataFolder(host, program, home);
  EXPECT_EQ(folder, home + "Orvane Quillmere/");
  EXPECT_TRUE(FolderExists(folder));
  EXPECT_EQ(host.Texts(), std::vector<std::string>{UnwritableMessage(program + "sol_fold.dat")});
  EXPECT_EQ(host.messages.at(0).kind, "message");
}

TEST_F(DataFolderTest, ReadOnlyProgramFolderKeepsTheFolderItWouldHaveWritten) {
  root.Write("prog/data/cfg.dat", "");
  ASSERT_EQ(::chmod(program.c_str(), 0555), 0);
  if (WriteFileDurably(program + "probe", "")) GTEST_SKIP() << "permissions are not enforced for this user";
  const std::string folder = ResolveDataFolder(host, program, home);
  EXPECT_EQ(folder, program + "data/");
  EXPECT_EQ(host.Texts(), std::vector<std::string>{UnwritableMessage(program + "sol_fold.dat")});
}

TEST_F(DataFolderTest, FolderThatCannotBeCreatedIsReturnedAnyway) {
  root.Write("blocker", "a file where a folder should be");
  root.Write("prog/sol_fold.dat", root / "blocker/sub\n");
  EXPECT_EQ(ResolveDataFolder(host, program, home), root / "blocker/sub/");
  EXPECT_TRUE(host.messages.empty());
}

TEST(SettingsPath, IsTheDataFolderAndTheRecordedNameFoundWithoutRegardToCase) {
  test::TempDir dir;
  SessionRecord record;
  EXPECT_EQ(SettingsPath(dir.path(), record), dir / "Cfg.dat");
  dir.Write("CFG.DAT", "");
  EXPECT_EQ(SettingsPath(dir.path(), record), dir / "CFG.DAT");
}

}  // namespace
}  // namespace orv
