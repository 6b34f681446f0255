#include "platform/resource_module.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/resource_writer.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using Names = std::vector<std::string>;

// --- A hand-made zip, for archives no honest writer produces -------------

std::uint32_t Crc32(std::string_view data) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : data) {
    crc ^= byte;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

struct RawEntry {
  std::string name;
  std::string data;                         // as stored in the archive
  std::uint16_t method = 0;                 // 0 stored, 8 deflated
  std::optional<std::string> plain;         // the unpacked bytes when deflated
  std::optional<std::uint32_t> statedSize;  // a lie about the unpacked size
  std::optional<std::uint32_t> statedCrc;   // a lie about the checksum
};

RawEntry Stored(std::string name, std::string data) { return {std::move(name), std::move(data), 0, {}, {}, {}}; }

// "hello", deflated, claiming `statedSize` bytes when given.
RawEntry DeflatedHello(std::string name, std::optional<std::uint32_t> statedSize = {}) {
  return {std::move(name), std::string("\xcb\x48\xcd\xc9\xc9\x07\x00", 7), 8, "hello", statedSize, {}};
}

std::string MakeZip(const std::vector<RawEntry>& entries) {
  std::string out, directory;
  for (const RawEntry& e : entries) {
    const std::string& plain = e.plain ? *e.plain : e.data;
    const std::uint32_t crc = e.statedCrc.value_or(Crc32(plain));
    const std::uint32_t size = e.statedSize.value_or(static_cast<std::uint32_t>(plain.size()));
    auto common = [&](std::string& h) {
      Put16(h, 20), Put16(h, 0), Put16(h, e.method), Put16(h, 0), Put16(h, 0x2E21);  // version .. date
      Put32(h, crc), Put32(h, static_cast<std::uint32_t>(e.data.size())), Put32(h, size);
      Put16(h, static_cast<std::uint32_t>(e.name.size())), Put16(h, 0);
    };
    const auto offset = static_cast<std::uint32_t>(out.size());
    Put32(out, 0x04034b50);
    common(out);
    out += e.name + e.data;
    Put32(directory, 0x02014b50);
    Put16(directory, 20);
    common(directory);
    Put16(directory, 0), Put16(directory, 0), Put16(directory, 0), Put32(directory, 0), Put32(directory, offset);
    directory += e.name;
  }
  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  out += directory;
  Put32(out, 0x06054b50);
  Put16(out, 0), Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(entries.size())), Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put32(out, static_cast<std::uint32_t>(directory.size())), Put32(out, directoryOffset), Put16(out, 0);
  return out;
}

// --- Fixtures -------------------------------------------------------------

// A module of every kind, with names in mixed case.
ResourceWriter SampleWriter() {
  ResourceWriter w;
  EXPECT_TRUE(w.AddPicture("CB001H", "png:card"));
  EXPECT_TRUE(w.AddPicture("Tb_New_Large", "png:toolbar"));
  EXPECT_TRUE(w.AddCursor("CUR_ARROW1A", "png:arrow", 3, 17));
  EXPECT_TRUE(w.AddSound("card_up", "RIFF:up"));
  EXPECT_TRUE(w.AddSound("Won", std::string(5000, 'w')));  // deflated, unlike pictures
  EXPECT_TRUE(w.AddRaw("B001", "jpeg:background"));
  return w;
}

std::unique_ptr<ResourceModule> OpenBytes(const test::TempDir& dir, std::string_view bytes) {
  dir.Write("module.rgf", bytes);
  return ResourceModule::Open(dir / "module.rgf");
}

std::optional<std::string> Read(const ResourceModule& m, ResourceKind kind, std::string_view name) {
  switch (kind) {
    case ResourceKind::Picture: return m.Picture(name);
    case ResourceKind::Sound: return m.Sound(name);
    case ResourceKind::Raw: return m.Raw(name);
    case ResourceKind::Cursor: {
      auto c = m.Cursor(name);
      return c ? std::optional<std::string>(c->png) : std::nullopt;
    }
  }
  return std::nullopt;
}

// --- Reading ----------------------------------------------------------------

TEST(ResourceModule, ReadsEveryKindByNameInAnyCase) {
  test::TempDir dir;
  ASSERT_TRUE(SampleWriter().Save(dir / "SOL.RGF"));
  auto module = ResourceModule::Open(dir / "SOL.RGF");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->path(), dir / "SOL.RGF");
  struct Case { ResourceKind kind; std::string name; std::optional<std::string> expected; };
  const Case cases[] = {
      {ResourceKind::Picture, "CB001H", "png:card"},
      {ResourceKind::Picture, "cb001h", "png:card"},
      {ResourceKind::Picture, "TB_NEW_LARGE", "png:toolbar"},
      {ResourceKind::Cursor, "cur_arrow1a", "png:arrow"},
      {ResourceKind::Sound, "CARD_UP", "RIFF:up"},
      {ResourceKind::Sound, "won", std::string(5000, 'w')},
      {ResourceKind::Raw, "b001", "jpeg:background"},
      // Each kind has its own names.
      {ResourceKind::Sound, "CB001H", std::nullopt},
      {ResourceKind::Picture, "Won", std::nullopt},
      {ResourceKind::Picture, "CUR_ARROW1A", std::nullopt},
      // Absent, or not a name at all.
      {ResourceKind::Picture, "CB002H", std::nullopt},
      {ResourceKind::Picture, "", std::nullopt},
      {ResourceKind::Picture, "../pictures/CB001H", std::nullopt},
      {ResourceKind::Raw, "../pictures/CB001H.png", std::nullopt},
      {ResourceKind::Picture, "CB001H.png", std::nullopt},
      {ResourceKind::Sound, std::string("Won\0", 4), std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(*module, c.kind, c.name), c.expected) << static_cast<int>(c.kind) << " " << c.name;
    if (c.kind == ResourceKind::Picture) {
      EXPECT_EQ(module->HasPicture(c.name), c.expected.has_value()) << c.name;
    }
  }
}

TEST(ResourceModule, ListsNamesAsStoredPerKind) {
  test::TempDir dir;
  ASSERT_TRUE(SampleWriter().Save(dir / "SOL.RGF"));
  auto module = ResourceModule::Open(dir / "SOL.RGF");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->PictureNames(), (Names{"CB001H", "Tb_New_Large"}));
  EXPECT_EQ(module->Names(ResourceKind::Cursor), (Names{"CUR_ARROW1A"}));
  EXPECT_EQ(module->Names(ResourceKind::Sound), (Names{"card_up", "Won"}));
  EXPECT_EQ(module->Names(ResourceKind::Raw), (Names{"B001"}));
}

TEST(ResourceModule, CursorHotSpotFallsBackToTheCornerWhenUnreadable) {
  test::TempDir dir;
  struct Case { std::optional<std::string> hotFile; int x, y; };
  const Case cases[] = {
      {"3 17", 3, 17},
      {" 12\t5\r\n", 12, 5},
      {std::nullopt, 0, 0},
      {"", 0, 0},
      {"7", 0, 0},
      {"-1 4", 0, 0},
      {"4 x", 0, 0},
      {"99999999999 1", 0, 0},
  };
  for (const auto& c : cases) {
    std::vector<RawEntry> entries = {Stored("cursors/CUR_HAND.png", "png:hand")};
    if (c.hotFile) entries.push_back(Stored("cursors/cur_hand.HOT", *c.hotFile));
    auto module = OpenBytes(dir, MakeZip(entries));
    ASSERT_NE(module, nullptr);
    const auto cursor = module->Cursor("Cur_Hand");
    ASSERT_TRUE(cursor.has_value()) << c.hotFile.value_or("<none>");
    EXPECT_EQ(cursor->png, "png:hand");
    EXPECT_EQ(std::make_pair(cursor->hotX, cursor->hotY), std::make_pair(c.x, c.y)) << c.hotFile.value_or("<none>");
  }
}

TEST(ResourceModule, OpenFailsForAnythingButAnArchive) {
  test::TempDir dir;
  dir.Write("empty.rgf", "");
  dir.Write("text.rgf", "Can't find/load this: not an archive\n");
  dir.Write("folder.rgf/inside", "x");
  dir.Write("header-only.rgf", "PK\x03\x04");
  for (const char* name : {"missing.rgf", "empty.rgf", "text.rgf", "folder.rgf", "header-only.rgf"})
    EXPECT_EQ(ResourceModule::Open(dir / name), nullptr) << name;
}

TEST(ResourceModule, TruncatedArchiveDoesNotOpen) {
  test::TempDir dir;
  const std::string whole = *SampleWriter().Bytes();
  ASSERT_NE(OpenBytes(dir, whole), nullptr);
  // Cut anywhere, and most closely around the directory at the end.
  std::vector<size_t> lengths;
  for (size_t length = 0; length < whole.size(); length += 11) lengths.push_back(length);
  for (size_t cut = 1; cut <= 40; ++cut) lengths.push_back(whole.size() - cut);
  for (size_t length : lengths) EXPECT_EQ(OpenBytes(dir, whole.substr(0, length)), nullptr) << length;
}

TEST(ResourceModule, DamagedEntryReadsAsAbsentAndSparesTheOthers) {
  test::TempDir dir;
  struct Case { const char* what; RawEntry entry; };
  const Case cases[] = {
      {"checksum", {"raw/X", "stored bytes", 0, {}, {}, 0x12345678}},
      {"stated size too big", DeflatedHello("raw/X", 6)},
      {"stated size too small", DeflatedHello("raw/X", 4)},
      {"claims 4 GiB", DeflatedHello("raw/X", 0xFFFFFFF0u)},
      {"above the limit", DeflatedHello("raw/X", kMaxResourceSize + 1)},
      {"broken deflate stream", {"raw/X", "\xff\xff\xff\xff", 8, "hello", {}, {}}},
  };
  for (const auto& c : cases) {
    auto module = OpenBytes(dir, MakeZip({Stored("raw/Good", "fine"), c.entry}));
    ASSERT_NE(module, nullptr) << c.what;
    EXPECT_EQ(module->Raw("X"), std::nullopt) << c.what;
    EXPECT_EQ(module->Raw("good"), "fine") << c.what;
  }
  // The honest entry the damaged ones are made from does read.
  auto module = OpenBytes(dir, MakeZip({DeflatedHello("raw/X")}));
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->Raw("x"), "hello");
  // An unknown method: the archive may be refused as a whole, never misread.
  module = OpenBytes(dir, MakeZip({{"raw/X", "hello", 99, "hello", {}, {}}}));
  if (module) {
    EXPECT_EQ(module->Raw("X"), std::nullopt);
  }
}

TEST(ResourceModule, StrangeEntryNamesAreNeverFoundNorListed) {
  test::TempDir dir;
  std::vector<RawEntry> entries;
  for (const char* name : {"pictures/First.png", "PICTURES/FIRST.PNG" /* the same in other case */, "../x",
                           "pictures/../x.png", "pictures/sub/y.png", "pictures/.png", "pictures/",
                           "pictures/back\\slash.png", "/pictures/abs.png", ""})
    entries.push_back(Stored(name, name));
  auto module = OpenBytes(dir, MakeZip(entries));
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->PictureNames(), (Names{"First"}));
  EXPECT_EQ(module->Picture("first"), "pictures/First.png");
  for (const char* name : {"../x", "..", "sub/y", "y", "", "back\\slash", "abs", "x"}) {
    EXPECT_EQ(module->Picture(name), std::nullopt) << name;
    EXPECT_EQ(module->Raw(name), std::nullopt) << name;
  }
}

TEST(ResourceModule, CannotLoadMessageHasThePathInLowerCase) {
  EXPECT_EQ(CannotLoadModuleMessage("/Opt/Orvane/SOL.RGF"), "Can't find/load /opt/orvane/sol.rgf");
}

// --- Writing ----------------------------------------------------------------

TEST(ResourceWriter, RefusesWhatTheReaderCouldNeverFind) {
  ResourceWriter w;
  EXPECT_FALSE(w.AddPicture("", "png"));
  EXPECT_FALSE(w.AddPicture("a/b", "png"));
  EXPECT_FALSE(w.AddSound("..\\x", "wav"));
  EXPECT_FALSE(w.AddRaw("tab\there", "x"));
  EXPECT_FALSE(w.AddRaw(std::string(256, 'n'), "x"));
  EXPECT_FALSE(w.AddCursor("CUR", "png", -1, 0));
  EXPECT_FALSE(w.AddRaw("Huge", std::string(kMaxResourceSize + 1, '\0')));
  EXPECT_EQ(w.size(), 0u);
  EXPECT_TRUE(w.AddRaw(std::string(255, 'n'), "x"));
  EXPECT_EQ(w.size(), 1u);
}

TEST(ResourceWriter, SameNameInOtherCaseReplacesTheResource) {
  test::TempDir dir;
  ResourceWriter w;
  ASSERT_TRUE(w.AddPicture("cb001h", "old"));
  ASSERT_TRUE(w.AddPicture("CB001H", "new"));
  ASSERT_TRUE(w.AddCursor("cur", "old", 1, 1));
  ASSERT_TRUE(w.AddCursor("CUR", "new", 2, 3));
  ASSERT_TRUE(w.AddSound("CB001H", "a sound of the same name"));
  EXPECT_EQ(w.size(), 3u);
  auto module = OpenBytes(dir, *w.Bytes());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->PictureNames(), (Names{"CB001H"}));
  EXPECT_EQ(module->Picture("cb001h"), "new");
  const auto cursor = module->Cursor("cur");
  ASSERT_TRUE(cursor.has_value());
  EXPECT_EQ(std::make_tuple(cursor->png, cursor->hotX, cursor->hotY), std::make_tuple("new", 2, 3));
  EXPECT_EQ(module->Sound("cb001h"), "a sound of the same name");
}

TEST(ResourceWriter, SameResourcesGiveTheSameFile) {
  ResourceWriter a, b;
  a.AddSound("Won", "wav"), a.AddPicture("X", "png");
  b.AddPicture("X", "png"), b.AddSound("Won", "wav");
  EXPECT_EQ(a.Bytes(), b.Bytes());
}

TEST(ResourceWriter, EmptyModuleOpensWithNothingInside) {
  test::TempDir dir;
  auto module = OpenBytes(dir, *ResourceWriter().Bytes());
  ASSERT_NE(module, nullptr);
  EXPECT_TRUE(module->PictureNames().empty());
  EXPECT_EQ(module->Sound("Won"), std::nullopt);
}

TEST(ResourceWriter, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  dir.Write("plus/soladd.rgf", "old content");
  ResourceWriter w;
  w.AddPicture("WXA", "extra large");
  ASSERT_TRUE(w.Save(dir / "plus/soladd.rgf"));
  auto module = ResourceModule::Open(dir / "plus/soladd.rgf");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->Picture("wxa"), "extra large");
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir / "plus")) ++files;
  EXPECT_EQ(files, 1);
  const auto perms = std::filesystem::status(dir / "plus/soladd.rgf").permissions();
  EXPECT_NE(perms & std::filesystem::perms::others_read, std::filesystem::perms::none);

  // A folder that does not exist: nothing written, no crash.
  EXPECT_FALSE(w.Save(dir / "missing/SOL.RGF"));
  EXPECT_FALSE(dir.Exists("missing"));
}

}  // namespace
}  // namespace orv
