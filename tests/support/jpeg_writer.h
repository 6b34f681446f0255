// JPEG files for tests, made with libjpeg's own compressor.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace orv::test {

using PixelFn = std::function<std::array<std::uint8_t, 4>(int x, int y)>;

// A JPEG at full quality, taking 1 (gray), 3 (RGB) or 4 (CMYK, stored
// inverted as Adobe writes it) channels of `pixel`.
std::string EncodeJpeg(int width, int height, const PixelFn& pixel, int channels = 3);

}  // namespace orv::test
