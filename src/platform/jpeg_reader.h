// JPEG pictures (player backs and backgrounds, the backgrounds of the "plus"
// containers) decoded through libjpeg into plain RGB pixels. A damaged,
// truncated or hostile file gives an error result: the decoder never ends
// the program and never reads or writes outside its buffers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // rows top to bottom, 3 bytes (R, G, B) per pixel, no padding
};

struct JpegResult {
  RgbImage image;
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// Pictures larger than this are refused before any pixel memory is taken, so
// a forged header cannot make the decoder ask for gigabytes.
inline constexpr long long kMaxJpegPixels = 40'000'000;
inline constexpr int kMaxJpegSide = 16'384;

// Decodes a whole JPEG held in memory. Every libjpeg warning (corrupt data,
// premature end of the data) counts as an error: a picture that decodes
// only half is not shown.
JpegResult DecodeJpeg(std::string_view bytes);

// Reads the file and decodes it; a missing or unreadable file is an error.
JpegResult ReadJpegFile(std::string_view path);

}  // namespace orv
