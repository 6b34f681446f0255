#include "common/scramble.h"
#include "common/system.h"
#include "common/text.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(IntToFixed, PadsSignsAndOverflows) {
  struct Case { long long n; int width; const char* expected; };
  const Case cases[] = {
      {7, 3, "007"},     {212, 3, "212"},  {0, 4, "0000"},   {-1, 4, "-001"},
      {-12, 3, "-12"},   {1000, 3, "***"}, {-100, 3, "***"}, {5, 0, ""},
      {18, 1, "*"},      {-9223372036854775807LL - 1, 25, "-000009223372036854775808"},
  };
  for (const auto& c : cases) EXPECT_EQ(IntToFixed(c.n, c.width), c.expected) << c.n << " in " << c.width;
}

TEST(TextHelpers, CutTrimPadRepeat) {
  EXPECT_EQ(RightStr("abcdef", 2), "ef");
  EXPECT_EQ(RightStr("ab", 5), "ab");
  EXPECT_EQ(RightStr("ab", 0), "");
  EXPECT_EQ(TrimRight("  a b  "), "  a b");
  EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
  EXPECT_EQ(Trim("     "), "");
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
  EXPECT_EQ(PadRight("abcdef", 4), "abcd");
  EXPECT_EQ(Repeat('*', 3), "***");
  EXPECT_EQ(Repeat('*', -1), "");
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(Mid("abc", 7, 2), "");
}

TEST(ParseInt, AcceptsOnlyWholeDecimalNumbers) {
  struct Case { const char* text; std::optional<long long> expected; };
  const Case cases[] = {
      {"18", 18},   {"  -1", -1}, {"+5", 5},      {"0010", 10},
      {"", {}},     {"  ", {}},   {"12a", {}},    {"1 2", {}},
      {"10 ", {}},  {"-", {}},    {"99999999999999999999", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Scramble, DefinitionsShiftRoundTripsPrintableText) {
  EXPECT_EQ(Unscramble("`aPb"), "01 2");  // digits sit 48 above, a blank is "P"
  EXPECT_EQ(Scramble("01 2"), "`aPb");
  std::string all;
  for (int b = 32; b <= 207; ++b) all.push_back(static_cast<char>(b));
  EXPECT_TRUE(IsScramblable(all));
  EXPECT_EQ(Unscramble(Scramble(all)), all);
  EXPECT_FALSE(IsScramblable("tab\there"));
  EXPECT_FALSE(IsScramblable("\xF0"));
}

TEST(Scramble, KeyShiftWrapsAndInverts) {
  const std::string text = "Player 1\xFF";
  const std::string key = "k3y";
  const std::string scrambled = ScrambleWithKey(text, key);
  EXPECT_NE(scrambled, text);
  EXPECT_EQ(static_cast<unsigned char>(scrambled[0]), ('P' + 'k') % 256);
  EXPECT_EQ(static_cast<unsigned char>(scrambled[8]), (0xFF + 'y') % 256);  // key taken cyclically, wrapped
  EXPECT_EQ(UnscrambleWithKey(scrambled, key), text);
  EXPECT_EQ(ScrambleWithKey(text, ""), text);
}

TEST(SystemTests, AnswerAsACurrentDesktop) {
  EXPECT_TRUE(IsModernSystem());
  EXPECT_FALSE(IsLegacy95System());
  EXPECT_EQ(ScreenColourCount(8, 1), 256);
  EXPECT_EQ(ScreenColourCount(16, 1), 65536);
  EXPECT_EQ(ScreenColourCount(24, 1), 16777216);
  EXPECT_EQ(ScreenColourCount(32, 1), 999999999);
}

}  // namespace
}  // namespace orv
