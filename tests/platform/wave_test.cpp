#include "platform/wave.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orv {
namespace {

std::string Le(std::uint32_t v, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  return out;
}

std::string Chunk(std::string_view id, std::string_view body, std::optional<std::uint32_t> statedSize = {}) {
  std::string out(id);
  out += Le(statedSize.value_or(static_cast<std::uint32_t>(body.size())), 4);
  out += body;
  if (body.size() % 2) out += '\0';
  return out;
}

// A "fmt " body: tag, channels, rate, bits; the block align follows unless given.
std::string Fmt(int tag, int channels, int rate, int bits, int blockAlign = -1) {
  if (blockAlign < 0) blockAlign = channels * bits / 8;
  return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * blockAlign, 4) + Le(blockAlign, 2) + Le(bits, 2);
}

// The extensible form: the real tag sits in the sub-format GUID.
std::string FmtExtensible(int realTag, int channels, int rate, int bits) {
  return Fmt(0xFFFE, channels, rate, bits) + Le(22, 2) + Le(bits, 2) + Le(3, 4) + Le(realTag, 2) +
         std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

std::string Riff(const std::vector<std::string>& chunks, std::optional<std::uint32_t> statedSize = {}) {
  std::string body = "WAVE";
  for (const auto& c : chunks) body += c;
  return "RIFF" + Le(statedSize.value_or(static_cast<std::uint32_t>(body.size())), 4) + body;
}

const std::string kEight(8, '\x11');  // one 16-bit stereo frame is 4 bytes

TEST(ParseWave, FindsFormatAndSamples) {
  struct Case {
    const char* what;
    std::string wave;
    SampleFormat format;
    int channels, rate;
    std::string samples;
  };
  const Case cases[] = {
      {"16-bit mono", Riff({Chunk("fmt ", Fmt(1, 1, 22050, 16)), Chunk("data", kEight)}), SampleFormat::Int16, 1, 22050, kEight},
      {"8-bit stereo", Riff({Chunk("fmt ", Fmt(1, 2, 11025, 8)), Chunk("data", "abcd")}), SampleFormat::UInt8, 2, 11025, "abcd"},
      {"32-bit", Riff({Chunk("fmt ", Fmt(1, 1, 8000, 32)), Chunk("data", kEight)}), SampleFormat::Int32, 1, 8000, kEight},
      {"float", Riff({Chunk("fmt ", Fmt(3, 2, 48000, 32)), Chunk("data", kEight)}), SampleFormat::Float32, 2, 48000, kEight},
      {"extensible PCM", Riff({Chunk("fmt ", FmtExtensible(1, 2, 44100, 16)), Chunk("data", kEight)}), SampleFormat::Int16, 2, 44100, kEight},
      {"extensible float", Riff({Chunk("fmt ", FmtExtensible(3, 1, 44100, 32)), Chunk("data", kEight)}), SampleFormat::Float32, 1, 44100, kEight},
      {"other chunks first, odd size padded", Riff({Chunk("LIST", "odd"), Chunk("fmt ", Fmt(1, 1, 22050, 16)), Chunk("data", kEight)}), SampleFormat::Int16, 1, 22050, kEight},
      {"data before format", Riff({Chunk("data", kEight), Chunk("fmt ", Fmt(1, 2, 22050, 16))}), SampleFormat::Int16, 2, 22050, kEight},
      {"RIFF size wrong", Riff({Chunk("fmt ", Fmt(1, 1, 22050, 16)), Chunk("data", kEight)}, 4), SampleFormat::Int16, 1, 22050, kEight},
      {"data cut short keeps whole frames", Riff({Chunk("fmt ", Fmt(1, 2, 22050, 16))}) + "data" + Le(1000, 4) + "123456", SampleFormat::Int16, 2, 22050, "1234"},
      {"partial last frame dropped", Riff({Chunk("fmt ", Fmt(1, 1, 22050, 16)), Chunk("data", "abc")}), SampleFormat::Int16, 1, 22050, "ab"},
  };
  for (const auto& c : cases) {
    const auto sound = ParseWave(c.wave);
    ASSERT_TRUE(sound.has_value()) << c.what;
    EXPECT_EQ(sound->format, c.format) << c.what;
    EXPECT_EQ(sound->channels, c.channels) << c.what;
    EXPECT_EQ(sound->sampleRate, c.rate) << c.what;
    EXPECT_EQ(sound->samples, c.samples) << c.what;
  }
}

TEST(ParseWave, RefusesWhatCannotBePlayed) {
  const std::string fmt16 = Chunk("fmt ", Fmt(1, 1, 22050, 16));
  const std::string data = Chunk("data", kEight);
  struct Case { const char* what; std::string wave; };
  const Case cases[] = {
      {"empty", ""},
      {"only RIFF", "RIFF"},
      {"not RIFF", "RIFX" + Riff({fmt16, data}).substr(4)},
      {"not WAVE", "RIFF" + Le(100, 4) + "AVI " + fmt16 + data},
      {"no format", Riff({data})},
      {"no data", Riff({fmt16})},
      {"empty data", Riff({fmt16, Chunk("data", "")})},
      {"format too short", Riff({Chunk("fmt ", Fmt(1, 1, 22050, 16).substr(0, 14)), data})},
      {"24-bit", Riff({Chunk("fmt ", Fmt(1, 1, 22050, 24)), data})},
      {"ADPCM", Riff({Chunk("fmt ", Fmt(2, 1, 22050, 4, 256)), data})},
      {"64-bit float", Riff({Chunk("fmt ", Fmt(3, 1, 22050, 64)), data})},
      {"no channels", Riff({Chunk("fmt ", Fmt(1, 0, 22050, 16, 2)), data})},
      {"nine channels", Riff({Chunk("fmt ", Fmt(1, 9, 22050, 16)), data})},
      {"rate zero", Riff({Chunk("fmt ", Fmt(1, 1, 0, 16)), data})},
      {"block align disagrees", Riff({Chunk("fmt ", Fmt(1, 2, 22050, 16, 2)), data})},
      {"extensible without sub-format", Riff({Chunk("fmt ", Fmt(0xFFFE, 1, 22050, 16)), data})},
      // A chunk claiming 4 GiB hides everything after it.
      {"huge chunk before format", Riff({Chunk("LIST", "xx", 0xFFFFFFFFu), fmt16, data})},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWave(c.wave), std::nullopt) << c.what;
}

TEST(ParseWave, DurationFollowsFramesAndRate) {
  const std::string second(44100 * 4, '\0');
  const auto sound = ParseWave(Riff({Chunk("fmt ", Fmt(1, 2, 44100, 16)), Chunk("data", second + second.substr(0, 4 * 441))}));
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->BytesPerFrame(), 4);
  EXPECT_EQ(sound->DurationMs(), 1010);
}

TEST(ReadSamples, StopsAtTheEndOrWrapsWhenLooping) {
  struct Case { const char* samples; size_t start, max; bool loop; std::string out; size_t end; };
  const Case cases[] = {
      {"abcdef", 0, 4, false, "abcd", 4},
      {"abcdef", 4, 4, false, "ef", 6},
      {"abcdef", 6, 4, false, "", 6},
      {"abcdef", 4, 4, true, "efab", 2},
      {"abc", 1, 8, true, "bcabcabc", 3},
      {"abc", 9, 2, true, "ab", 2},  // a position past the end starts over
      {"", 0, 4, true, "", 0},
      {"", 0, 4, false, "", 0},
  };
  for (const auto& c : cases) {
    std::string out(c.max, '?');
    size_t position = c.start;
    const size_t n = ReadSamples(c.samples, position, out.data(), c.max, c.loop);
    EXPECT_EQ(out.substr(0, n), c.out) << c.samples << " from " << c.start;
    EXPECT_EQ(position, c.end) << c.samples << " from " << c.start;
  }
}

}  // namespace
}  // namespace orv
