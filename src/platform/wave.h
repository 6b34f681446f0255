// RIFF WAVE images as the sound player needs them: the sample format and
// the PCM bytes, found without trusting any size field of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

enum class SampleFormat { UInt8, Int16, Int32, Float32 };

struct WaveSound {
  SampleFormat format = SampleFormat::Int16;
  int channels = 1;
  int sampleRate = 22050;
  // The samples, inside the parsed bytes: whole frames only.
  std::string_view samples;

  int BytesPerFrame() const;
  std::int64_t DurationMs() const;
};

// The playable sound of a wave image: integer PCM of 8, 16 or 32 bits or
// 32-bit float (also in the extensible header), 1 to 8 channels. nullopt
// for anything else, and for a sound without a single frame. A data chunk
// cut short by the end of the file keeps the frames that are there.
std::optional<WaveSound> ParseWave(std::string_view bytes);

// Copies up to `max` bytes of `samples` from `position` on into `out` and
// advances `position`. Looping wraps around to the start, so it fills the
// whole of `out` (nothing when `samples` is empty); otherwise it stops at
// the end. Returns the bytes copied.
std::size_t ReadSamples(std::string_view samples, std::size_t& position, char* out, std::size_t max, bool loop);

}  // namespace orv
