#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/recording_host.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

class SafeRewriteTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  RecordingHost host;

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  unsigned Mode(const std::string& name) const {
    struct stat st {};
    return ::stat((dir / name).c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
  }
  // The hourglass was shown for the whole operation and the arrow is back.
  void ExpectPointerRestored() const {
    EXPECT_EQ(host.pointerChanges, (std::vector<Pointer>{Pointer::Hourglass, Pointer::Arrow}));
    EXPECT_EQ(host.pointer, Pointer::Arrow);
  }
};

TEST_F(SafeRewriteTest, ReplacesTheContentAndLeavesNoTemporaryFile) {
  dir.Write("STAT.DAT", "old results");
  ASSERT_EQ(::chmod((dir / "STAT.DAT").c_str(), 0640), 0);
  EXPECT_TRUE(SafeRewrite(host, dir / "STAT.DAT", [] { return std::string("new results\r\n"); }));
  EXPECT_EQ(dir.Read("STAT.DAT"), "new results\r\n");
  EXPECT_EQ(Entries(), std::vector<std::string>{"STAT.DAT"});
  EXPECT_EQ(Mode("STAT.DAT"), 0640u);
  EXPECT_TRUE(host.messages.empty());
  ExpectPointerRestored();
}

TEST_F(SafeRewriteTest, CreatesAMissingTarget) {
  EXPECT_TRUE(SafeRewrite(host, dir / "Stat_glo.dat", [] { return std::string("first"); }));
  EXPECT_EQ(dir.Read("Stat_glo.dat"), "first");
  EXPECT_EQ(Entries(), std::vector<std::string>{"Stat_glo.dat"});
}

TEST_F(SafeRewriteTest, FailuresKeepTheTargetAndTellThePlayer) {
  struct Case {
    const char* name;
    const char* target;  // under the folder
    const char* expectedMessage;  // "@" stands for the target's path
  };
  const Case cases[] = {
      {"temporary file cannot be created", "missing/STAT.DAT", "Error creating temp file."},
      {"read-only target", "locked.dat", "Error in deleting the file: @"},
      {"folder in the target's place", "folder", "Error in deleting the file: @"},
      {"producer fails", "STAT.DAT", "Write error on file"},
  };
  for (const auto& c : cases) {
    test::TempDir d;
    d.Write("STAT.DAT", "old");
    d.Write("locked.dat", "old");
    fs::create_directory(d / "folder");
    ASSERT_EQ(::chmod((d / "locked.dat").c_str(), 0444), 0);
    const std::vector<std::string> before = {"STAT.DAT", "folder", "locked.dat"};
    RecordingHost h;
    const std::string target = d / c.target;
    const bool throws = std::string_view(c.name) == "producer fails";
    const bool ok = SafeRewrite(h, target, [&]() -> std::string {
      if (throws) throw std::runtime_error("no memory");
      return "new";
    });
    EXPECT_FALSE(ok) << c.name;
    std::string message = c.expectedMessage;
    if (auto at = message.find('@'); at != std::string::npos) message.replace(at, 1, target);
    EXPECT_EQ(h.Texts(), std::vector<std::string>{message}) << c.name;
    if (fs::is_regular_file(target)) {
      EXPECT_EQ(d.Read(c.target), "old") << c.name;
    }
    std::vector<std::string> after;
    for (const auto& e : fs::directory_iterator(d.path())) after.push_back(e.path().filename().string());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before) << c.name << ": a temporary file was left";
    EXPECT_EQ(h.pointer, Pointer::Arrow) << c.name;
    EXPECT_EQ(h.pointerChanges.size(), 2u) << c.name;
  }
}

TEST_F(SafeRewriteTest, ReadOnlyTargetKeepsItsMode) {
  dir.Write("locked.dat", "old");
  ASSERT_EQ(::chmod((dir / "locked.dat").c_str(), 0444), 0);
  EXPECT_FALSE(SafeRewrite(host, dir / "locked.dat", [] { return std::string("new"); }));
  EXPECT_EQ(dir.Read("locked.dat"), "old");
  EXPECT_EQ(Mode("locked.dat"), 0444u);
  ExpectPointerRestored();
}

TEST(TempFiles, MakeAndDeleteQuietly) {
  test::TempDir dir;
  auto temp = MakeTempFile(dir.path(), "rpl");
  ASSERT_TRUE(temp);
  EXPECT_EQ(temp->rfind(dir / "rpl", 0), 0u);
  EXPECT_TRUE(dir.Exists(temp->substr(dir.path().size())));
  DeleteFileQuiet(*temp);
  EXPECT_FALSE(dir.Exists(temp->substr(dir.path().size())));
  DeleteFileQuiet(*temp);  // already gone: nothing to report
  EXPECT_EQ(MakeTempFile(dir / "missing", "rpl"), std::nullopt);
}

}  // namespace
}  // namespace orv
