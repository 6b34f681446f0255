#include "platform/profile.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// A hand-edited file with what players and older versions leave behind.
constexpr const char* kSample =
    "; written by hand\r\n"
    "[Preference]\r\n"
    "Game = 18 \r\n"
    "game=99\r\n"
    "Name=\"  Ann  \"\r\n"
    "Empty=\r\n"
    "Count= -3 \r\n"
    "Bad=12a\r\n"
    "Hex=0x10\r\n"
    "Huge=99999999999999999999\r\n"
    "a line without equals sign\r\n"
    "\r\n"
    "[preference]\r\n"
    "Other=1\r\n"
    "[ Users ]\r\n"
    "User001=Player 1\r\n";

class ProfileTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  ProfileFile file{dir / "Cfg.dat"};

  int Entries() const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++n;
    return n;
  }
};

TEST_F(ProfileTest, ReadsWithoutRegardToCaseAndBlanks) {
  dir.Write("Cfg.dat", kSample);
  struct Case { const char* section; const char* key; const char* expected; };
  const Case cases[] = {
      {"PREFERENCE", "GAME", "18"},      // the first of two keys wins
      {"Preference", "name", "  Ann  "}, // quotes keep the blanks
      {"Preference", "Empty", ""},       // present but empty is not the default
      {"Preference", "Missing", "dflt"},
      {"Preference", "Other", "dflt"},   // a repeated section is not consulted
      {"Nothing", "Game", "dflt"},
      {"users", "user001", "Player 1"},
      {"Preference", "a line without equals sign", "dflt"},
  };
  for (const auto& c : cases) EXPECT_EQ(file.ReadString(c.section, c.key, "dflt"), c.expected) << c.section << "/" << c.key;
}

TEST_F(ProfileTest, ReadsIntegersOrTheFallback) {
  dir.Write("Cfg.dat", kSample);
  struct Case { const char* key; long long expected; };
  const Case cases[] = {
      {"Game", 18}, {"Count", -3}, {"Bad", 7}, {"Hex", 7}, {"Huge", 7}, {"Empty", 7}, {"Name", 7}, {"Missing", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(file.ReadInteger("Preference", c.key, 7), c.expected) << c.key;
}

TEST_F(ProfileTest, MissingOrUnreadableFileReadsAsDefaults) {
  EXPECT_EQ(file.ReadString("Preference", "Game", "18"), "18");
  EXPECT_EQ(file.ReadInteger("Preference", "Game", 18), 18);
  EXPECT_FALSE(file.SectionExists("Preference"));
  EXPECT_TRUE(file.Keys("Preference").empty());
  fs::create_directory(dir / "Cfg.dat");
  EXPECT_EQ(file.ReadString("Preference", "Game", "18"), "18");
}

TEST_F(ProfileTest, ListsKeysAndSections) {
  dir.Write("Cfg.dat", kSample);
  EXPECT_EQ(file.Keys("preference"),
            (std::vector<std::string>{"Game", "Name", "Empty", "Count", "Bad", "Hex", "Huge"}));
  EXPECT_TRUE(file.SectionExists("USERS"));
  EXPECT_FALSE(file.SectionExists("Autoplay"));
}

TEST_F(ProfileTest, WritesChangeOnlyTheLineConcerned) {
  struct Case {
    const char* name;
    const char* before;  // nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"creates the file", nullptr, "Preference", "Game", "5", "[Preference]\nGame=5\n"},
      {"rewrites a CRLF key in place",
       "; keep me\r\n[Preference]\r\nGame=18\r\n\r\n[Users]\r\nUser001=A\r\n", "preference", "GAME", "19",
       "; keep me\r\n[Preference]\r\nGame=19\r\n\r\n[Users]\r\nUser001=A\r\n"},
      {"keeps the blanks around the equals sign", "[P]\nGame = 18  \n", "P", "game", "7", "[P]\nGame = 7\n"},
      {"rewrites the first of two keys", "[P]\nk=1\nK=2\n", "P", "k", "3", "[P]\nk=3\nK=2\n"},
      {"adds a key after the last key of its section",
       "[A]\r\na=1\r\n; note\r\nstray text\r\n\r\n[B]\r\nb=2\r\n", "A", "new", "v",
       "[A]\r\na=1\r\nnew=v\r\n; note\r\nstray text\r\n\r\n[B]\r\nb=2\r\n"},
      {"adds a key right after a header without keys", "[A]\n\n[B]\n", "A", "k", "v", "[A]\nk=v\n\n[B]\n"},
      {"appends a new section in the file's style", "[A]\r\na=1\r\n", "Users", "User001", "Player 1",
       "[A]\r\na=1\r\n[Users]\r\nUser001=Player 1\r\n"},
      {"keeps a missing final line break missing", "[A]\na=1", "B", "b", "2", "[A]\na=1\n[B]\nb=2"},
      {"adds to the first of two equal sections", "[A]\na=1\n[a]\nb=2\n", "A", "b", "3", "[A]\na=1\nb=3\n[a]\nb=2\n"},
      {"quotes a value reading would change", "", "P", "Name", " Ann ", "[P]\nName=\" Ann \"\n"},
      {"writes an empty value", "[P]\nk = 1\n", "P", "k", "", "[P]\nk =\n"},
  };
  for (const auto& c : cases) {
    if (c.before) dir.Write("Cfg.dat", c.before);
    else fs::remove(dir / "Cfg.dat");
    EXPECT_TRUE(file.WriteString(c.section, c.key, c.value)) << c.name;
    EXPECT_EQ(dir.Read("Cfg.dat"), c.after) << c.name;
    EXPECT_EQ(file.ReadString(c.section, c.key, "dflt"), c.value) << c.name;
    EXPECT_EQ(Entries(), 1) << c.name << ": a temporary file was left";
  }
}

TEST_F(ProfileTest, IntegersRoundTrip) {
  ASSERT_TRUE(file.WriteInteger("Preference", "Background_Col", -2147483633));
  EXPECT_EQ(file.ReadInteger("Preference", "background_col", 0), -2147483633);
  EXPECT_EQ(dir.Read("Cfg.dat"), "[Preference]\nBackground_Col=-2147483633\n");
}

TEST_F(ProfileTest, RefusesWhatWouldDamageTheFile) {
  const std::string before = "[P]\r\nk=1\r\n";
  dir.Write("Cfg.dat", before);
  struct Case { const char* section; const char* key; const char* value; };
  const Case cases[] = {
      {"P", "k", "two\nlines"}, {"P", "k", "cr\r"}, {"P", "a=b", "1"}, {"P", "", "1"},
      {"P]", "k", "1"},         {"", "k", "1"},     {"P", "[k", "1"},  {"P", ";k", "1"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(file.WriteString(c.section, c.key, c.value)) << c.section << "/" << c.key;
    EXPECT_EQ(dir.Read("Cfg.dat"), before);
  }
}

TEST_F(ProfileTest, ReadOnlyOrUnreadableFileIsNotReplaced) {
  dir.Write("Cfg.dat", "[P]\nk=1\n");
  ASSERT_EQ(::chmod((dir / "Cfg.dat").c_str(), 0444), 0);
  EXPECT_FALSE(file.WriteString("P", "k", "2"));
  EXPECT_EQ(dir.Read("Cfg.dat"), "[P]\nk=1\n");

  ProfileFile folderInTheWay(dir / "folder");
  fs::create_directory(dir / "folder");
  EXPECT_FALSE(folderInTheWay.WriteString("P", "k", "2"));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));

  ProfileFile noFolder(dir / "missing/Cfg.dat");
  EXPECT_FALSE(noFolder.WriteString("P", "k", "2"));
  EXPECT_EQ(Entries(), 2);
}

TEST_F(ProfileTest, KeepsTheFilePermissions) {
  dir.Write("Cfg.dat", "[P]\nk=1\n");
  ASSERT_EQ(::chmod((dir / "Cfg.dat").c_str(), 0640), 0);
  ASSERT_TRUE(file.WriteString("P", "k", "2"));
  struct stat st {};
  ASSERT_EQ(::stat((dir / "Cfg.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(ProfileTest, DeleteKeyRemovesEveryCopyInTheSection) {
  dir.Write("Cfg.dat", "[P]\r\nk=1\r\nx=2\r\nK=3\r\n[Q]\r\nk=4\r\n");
  EXPECT_TRUE(file.DeleteKey("p", "K"));
  EXPECT_EQ(dir.Read("Cfg.dat"), "[P]\r\nx=2\r\n[Q]\r\nk=4\r\n");
  EXPECT_EQ(file.ReadString("P", "k", "gone"), "gone");
  EXPECT_TRUE(file.DeleteKey("P", "absent"));
  EXPECT_EQ(dir.Read("Cfg.dat"), "[P]\r\nx=2\r\n[Q]\r\nk=4\r\n");
}

}  // namespace
}  // namespace orv
