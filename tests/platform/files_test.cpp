#include "platform/files.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

int Entries(const std::string& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
  return n;
}

TEST(FindFileNoCase, MatchesEachComponentAndPrefersTheExactName) {
  test::TempDir dir;
  dir.Write("IMAGES/CB001H.BMP", "x");
  dir.Write("Sol_Fold.DAT", "x");
  dir.Write("exact.txt", "x");
  dir.Write("EXACT.txt", "x");
  struct Case { const char* name; std::optional<std::string> expected; };
  const Case cases[] = {
      {"images/cb001h.bmp", "IMAGES/CB001H.BMP"},
      {"IMAGES/CB001H.BMP", "IMAGES/CB001H.BMP"},
      {"sol_fold.dat", "Sol_Fold.DAT"},
      {"exact.txt", "exact.txt"},
      {"EXACT.txt", "EXACT.txt"},
      {"Exact.TXT", "EXACT.txt"},  // two candidates: always the same one
      {"images", "IMAGES"},
      {"images//cb001h.bmp", "IMAGES/CB001H.BMP"},
      {"missing.txt", std::nullopt},
      {"images/missing.bmp", std::nullopt},
      {"exact.txt/below", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    auto found = FindFileNoCase(dir.path(), c.name);
    std::optional<std::string> expected;
    if (c.expected) expected = dir.path() + *c.expected;
    EXPECT_EQ(found, expected) << c.name;
  }
  // The folder may come without its trailing slash.
  std::string bare = dir.path();
  bare.pop_back();
  EXPECT_EQ(FindFileNoCase(bare, "sol_fold.dat"), dir / "Sol_Fold.DAT");
}

TEST(ResolvePath, ReusesTheExistingFolderPartForANewFile) {
  test::TempDir dir;
  dir.Write("Data/old.dat", "x");
  EXPECT_EQ(ResolvePath(dir.path(), "data/OLD.DAT"), dir / "Data/old.dat");
  EXPECT_EQ(ResolvePath(dir.path(), "data/new.dat"), dir / "Data/new.dat");
  EXPECT_EQ(ResolvePath(dir.path(), "other/new.dat"), dir / "other/new.dat");
}

TEST(SplitLines, AcceptsEveryTerminator) {
  using Lines = std::vector<std::string>;
  struct Case { const char* text; Lines expected; };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"\n\n", {"", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\r", {"a"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Files, WriteDurablyAndReadBackEveryByte) {
  test::TempDir dir;
  const std::string bytes("a\0b\r\n\xFF", 6);
  ASSERT_TRUE(WriteFileDurably(dir / "f.bin", bytes));
  EXPECT_EQ(ReadFileBytes(dir / "f.bin"), bytes);
  ASSERT_TRUE(WriteFileDurably(dir / "f.bin", "short"));  // truncates the old content
  EXPECT_EQ(dir.Read("f.bin"), "short");
  EXPECT_FALSE(WriteFileDurably(dir / "missing/f.bin", "x"));
  EXPECT_EQ(ReadFileBytes(dir / "nothing"), std::nullopt);
  fs::create_directory(dir / "folder");
  EXPECT_EQ(ReadFileBytes(dir / "folder"), std::nullopt);
  EXPECT_FALSE(WriteFileDurably(dir / "folder", "x"));
}

TEST(Files, TempFilesAreNewEmptyAndUnique) {
  test::TempDir dir;
  auto a = CreateTempFile(dir.path(), "rpl");
  auto b = CreateTempFile(dir.path(), "rpl");
  ASSERT_TRUE(a && b);
  EXPECT_NE(*a, *b);
  EXPECT_EQ(a->rfind(dir / "rpl", 0), 0u) << *a;
  EXPECT_TRUE(FileExists(*a));
  EXPECT_EQ(ReadFileBytes(*a), "");
  EXPECT_EQ(CreateTempFile(dir / "missing", "rpl"), std::nullopt);
  auto system = CreateTempFile("", "orvane-test-");
  ASSERT_TRUE(system);
  EXPECT_TRUE(RemoveFile(*system));
  EXPECT_FALSE(RemoveFile(*system));
}

TEST(Files, RenameReplacesTheTargetOrLeavesIt) {
  test::TempDir dir;
  dir.Write("new", "new");
  dir.Write("target", "old");
  EXPECT_FALSE(RenameReplacing(dir / "absent", dir / "target"));
  EXPECT_EQ(dir.Read("target"), "old");
  EXPECT_TRUE(RenameReplacing(dir / "new", dir / "target"));
  EXPECT_EQ(dir.Read("target"), "new");
  EXPECT_FALSE(dir.Exists("new"));
  EXPECT_EQ(Entries(dir.path()), 1);
}

TEST(Files, ExistenceAndWritability) {
  test::TempDir dir;
  dir.Write("plain", "x");
  dir.Write("locked", "x");
  fs::create_directory(dir / "folder");
  ASSERT_EQ(::chmod((dir / "locked").c_str(), 0444), 0);
  EXPECT_TRUE(FileExists(dir / "plain"));
  EXPECT_FALSE(FileExists(dir / "folder"));
  EXPECT_TRUE(FolderExists(dir / "folder"));
  EXPECT_FALSE(FolderExists(dir / "plain"));
  EXPECT_TRUE(IsWritableFile(dir / "plain"));
  EXPECT_FALSE(IsWritableFile(dir / "locked"));  // also when running as root
  EXPECT_FALSE(IsWritableFile(dir / "folder"));
  EXPECT_FALSE(IsWritableFile(dir / "absent"));
  EXPECT_TRUE(IsWritableFolder(dir / "folder"));
  EXPECT_FALSE(IsWritableFolder(dir / "plain"));
  EXPECT_TRUE(CreateFolders(dir / "a/b/c"));
  EXPECT_TRUE(FolderExists(dir / "a/b/c"));
  EXPECT_FALSE(CreateFolders(dir / "plain/sub"));
  EXPECT_EQ(WithTrailingSlash("/x"), "/x/");
  EXPECT_EQ(WithTrailingSlash("/x/"), "/x/");
  EXPECT_EQ(WithTrailingSlash(""), "");
}

// Sets or clears an environment variable for one test and restores it.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~EnvVar() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UserDataHome, PrefersAnAbsoluteXdgFolderThenHome) {
  struct Case { const char* xdg; const char* home; const char* expected; };
  const Case cases[] = {
      {"/xdg/data", "/home/ann", "/xdg/data/"},
      {"/xdg/data/", "/home/ann", "/xdg/data/"},
      {"relative", "/home/ann", "/home/ann/.local/share/"},
      {"", "/home/ann/", "/home/ann/.local/share/"},
      {nullptr, "/home/ann", "/home/ann/.local/share/"},
      {nullptr, nullptr, ""},
      {nullptr, "relative", ""},
  };
  for (const auto& c : cases) {
    EnvVar xdg("XDG_DATA_HOME", c.xdg);
    EnvVar home("HOME", c.home);
    EXPECT_EQ(UserDataHome(), c.expected) << (c.xdg ? c.xdg : "(unset)") << " / " << (c.home ? c.home : "(unset)");
  }
}

TEST(ExecutableFolder, IsTheFolderOfThisTest) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(FileExists(folder + "test_platform"));
}

}  // namespace
}  // namespace orv
