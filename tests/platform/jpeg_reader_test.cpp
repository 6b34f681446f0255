#include "platform/jpeg_reader.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>

#include "support/jpeg_writer.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::EncodeJpeg;

// Left half red, right half blue: 8-pixel blocks keep JPEG's losses small.
std::array<std::uint8_t, 4> Halves(int x, int) {
  return x < 8 ? std::array<std::uint8_t, 4>{255, 0, 0, 0} : std::array<std::uint8_t, 4>{0, 0, 255, 0};
}

std::array<int, 3> PixelAt(const RgbImage& image, int x, int y) {
  const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) * 3;
  return {image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]};
}

void ExpectNear(const std::array<int, 3>& actual, const std::array<int, 3>& expected, const char* where) {
  for (int c = 0; c < 3; ++c)
    EXPECT_NEAR(actual[static_cast<size_t>(c)], expected[static_cast<size_t>(c)], 6) << where << " channel " << c;
}

// The frame header (SOF0) holds the height and width right after its
// length and precision bytes.
std::string WithDimensions(std::string jpeg, int width, int height) {
  const size_t sof = jpeg.find("\xFF\xC0");
  EXPECT_NE(sof, std::string::npos);
  jpeg[sof + 5] = static_cast<char>(height >> 8);
  jpeg[sof + 6] = static_cast<char>(height & 0xFF);
  jpeg[sof + 7] = static_cast<char>(width >> 8);
  jpeg[sof + 8] = static_cast<char>(width & 0xFF);
  return jpeg;
}

TEST(JpegReaderTest, DecodesColourGrayAndCmykPictures) {
  const JpegResult colour = DecodeJpeg(EncodeJpeg(16, 8, Halves));
  ASSERT_TRUE(colour.ok()) << colour.error;
  EXPECT_EQ(colour.image.width, 16);
  EXPECT_EQ(colour.image.height, 8);
  ASSERT_EQ(colour.image.pixels.size(), 16u * 8u * 3u);
  ExpectNear(PixelAt(colour.image, 2, 3), {255, 0, 0}, "left");
  ExpectNear(PixelAt(colour.image, 13, 6), {0, 0, 255}, "right");

  const JpegResult gray = DecodeJpeg(EncodeJpeg(8, 8, [](int, int) { return std::array<std::uint8_t, 4>{90}; }, 1));
  ASSERT_TRUE(gray.ok()) << gray.error;
  ExpectNear(PixelAt(gray.image, 4, 4), {90, 90, 90}, "gray becomes RGB");

  // Orange as inverted CMYK: no cyan, some magenta, full yellow, no black.
  const JpegResult cmyk =
      DecodeJpeg(EncodeJpeg(8, 8, [](int, int) { return std::array<std::uint8_t, 4>{255, 165, 0, 255}; }, 4));
  ASSERT_TRUE(cmyk.ok()) << cmyk.error;
  ExpectNear(PixelAt(cmyk.image, 4, 4), {255, 165, 0}, "CMYK becomes RGB");
}

TEST(JpegReaderTest, DamagedDataIsAnErrorNeverACrash) {
  const std::string valid = EncodeJpeg(64, 64, [](int x, int y) {
    return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4), 77, 0};
  });
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"garbage", "this is not a picture at all"},
      {"start marker only", "\xFF\xD8"},
      {"header without scan", valid.substr(0, valid.find("\xFF\xDA"))},
      {"truncated in the scan", valid.substr(0, valid.size() * 2 / 3)},
      {"missing end marker", valid.substr(0, valid.size() - 2) + std::string(40, '\0')},
      {"zero width", WithDimensions(valid, 0, 64)},
      {"forged huge size", WithDimensions(valid, 60000, 60000)},
  };
  for (const auto& c : cases) {
    const JpegResult r = DecodeJpeg(c.bytes);
    EXPECT_FALSE(r.ok()) << c.name;
    EXPECT_EQ(r.image.width, 0) << c.name;
    EXPECT_TRUE(r.image.pixels.empty()) << c.name;
  }
}

TEST(JpegReaderTest, ReadsFilesAndReportsMissingOnes) {
  test::TempDir dir;
  dir.Write("back.jpg", EncodeJpeg(16, 8, Halves));
  const JpegResult found = ReadJpegFile(dir / "back.jpg");
  ASSERT_TRUE(found.ok()) << found.error;
  ExpectNear(PixelAt(found.image, 12, 1), {0, 0, 255}, "file");

  const JpegResult missing = ReadJpegFile(dir / "nothing.jpg");
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.error.find("nothing.jpg"), std::string::npos) << missing.error;
}

}  // namespace
}  // namespace orv
