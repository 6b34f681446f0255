// Feeds arbitrary bytes to the JPEG reader: every input must end in a
// picture of consistent size or an error, never a crash, a leak or a read
// outside the buffer.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/jpeg_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orv::JpegResult r = orv::DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
  if (r.ok()) {
    const std::size_t expected = static_cast<std::size_t>(r.image.width) * static_cast<std::size_t>(r.image.height) * 3;
    if (r.image.width <= 0 || r.image.height <= 0 || r.image.pixels.size() != expected) __builtin_trap();
  } else if (!r.image.pixels.empty()) {
    __builtin_trap();
  }
  return 0;
}
