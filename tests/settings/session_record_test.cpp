#include "settings/session_record.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SessionRecord, StartsBlankWithTheSettingsFileName) {
  SessionRecord r;
  EXPECT_EQ(r.Get(sr::SettingsFileName), "Cfg.dat");
  for (int b = 0; b < 3; ++b) EXPECT_EQ(r.Block(b).size(), 250u);
  EXPECT_EQ(r.Block(1), std::string(250, ' '));
  EXPECT_EQ(r.Get(sr::PlayerName), "");  // never written
}

TEST(SessionRecord, PutAndGetFields) {
  struct Case { int pos; int width; const char* text; const char* stored; const char* read; };
  const Case cases[] = {
      {62, 4, "18", "18  ", "18"},
      {77, 30, "  Ann", "Ann                           ", "Ann"},
      {122, 6, "1234567", "123456", "123456"},
      {28, 15, "-2147483633", "-2147483633    ", "-2147483633"},
      {66, 1, "", " ", ""},
      {249, 1, "Y", "Y", "Y"},
      {701, 1, "Z", "Z", "Z"},
  };
  for (const auto& c : cases) {
    SessionRecord r;
    r.PutField(c.pos, c.width, c.text);
    const int block = c.pos < 250 ? 0 : c.pos < 500 ? 1 : 2;
    const int offset = c.pos - 1 - 250 * block;
    EXPECT_EQ(r.Block(block).substr(static_cast<size_t>(offset), static_cast<size_t>(c.width)), c.stored) << c.pos;
    EXPECT_EQ(r.GetField(c.pos, c.width), c.read) << c.pos;
    EXPECT_EQ(r.Block(block).size(), 250u) << c.pos;
  }
}

TEST(SessionRecord, FieldsStayInTheirBlock) {
  SessionRecord r;
  const std::string block1 = r.Block(0);
  r.PutField(251, 1, "Y");
  EXPECT_EQ(r.Block(0), block1);
  EXPECT_EQ(r.Block(1), "Y" + std::string(249, ' '));
  EXPECT_EQ(r.Get(sr::DoubleClickToTableaus), "Y");
}

TEST(SessionRecord, TemporaryFilePathGrowsTheThirdBlock) {
  SessionRecord r;
  const std::string path = "/home/ann/.local/share/Orvane/rplAbCdEf";
  ASSERT_EQ(path.size(), 39u);
  r.Put(sr::TempFileToDelete, path + "x");
  EXPECT_EQ(r.Block(2).size(), 400u);
  EXPECT_EQ(r.Get(sr::TempFileToDelete), path + "x");
  r.Put(sr::TempFileToDelete, "");
  EXPECT_EQ(r.Get(sr::TempFileToDelete), "");
}

TEST(SessionRecord, UnusedPositionsAreIgnored) {
  SessionRecord r;
  const std::string blocks[] = {r.Block(0), r.Block(1), r.Block(2)};
  for (int pos : {1000, 1200, 250, 500, 0, -5}) {
    r.PutField(pos, 3, "abc");
    EXPECT_EQ(r.GetField(pos, 3), "") << pos;
  }
  for (int b = 0; b < 3; ++b) EXPECT_EQ(r.Block(b), blocks[b]);
}

}  // namespace
}  // namespace orv
