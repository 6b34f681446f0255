#include "platform/wave.h"

#include <algorithm>
#include <cstring>

namespace orv {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t Read16(std::string_view b, size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

std::uint32_t Read32(std::string_view b, size_t at) {
  return Read16(b, at) | Read16(b, at + 2) << 16;
}

struct Format {
  SampleFormat sample;
  int channels;
  int sampleRate;
};

// The "fmt " chunk's body.
std::optional<Format> ParseFormat(std::string_view body) {
  if (body.size() < 16) return std::nullopt;
  std::uint32_t tag = Read16(body, 0);
  const std::uint32_t channels = Read16(body, 2);
  const std::uint32_t rate = Read32(body, 4);
  const std::uint32_t blockAlign = Read16(body, 12);
  const std::uint32_t bits = Read16(body, 14);
  if (tag == kFormatExtensible) {
    // The real format is the first two bytes of the sub-format GUID.
    if (body.size() < 26) return std::nullopt;
    tag = Read16(body, 24);
  }
  if (channels < 1 || channels > 8 || rate < 1000 || rate > 768000) return std::nullopt;
  if (blockAlign != channels * bits / 8) return std::nullopt;
  if (tag == kFormatFloat && bits == 32) return Format{SampleFormat::Float32, int(channels), int(rate)};
  if (tag != kFormatPcm) return std::nullopt;
  switch (bits) {
    case 8: return Format{SampleFormat::UInt8, int(channels), int(rate)};
    case 16: return Format{SampleFormat::Int16, int(channels), int(rate)};
    case 32: return Format{SampleFormat::Int32, int(channels), int(rate)};
    default: return std::nullopt;
  }
}

int BytesPerSample(SampleFormat format) {
  switch (format) {
    case SampleFormat::UInt8: return 1;
    case SampleFormat::Int16: return 2;
    case SampleFormat::Int32:
    case SampleFormat::Float32: return 4;
  }
  return 1;
}

}  // namespace

int WaveSound::BytesPerFrame() const { return BytesPerSample(format) * channels; }

std::int64_t WaveSound::DurationMs() const {
  const std::int64_t frames = static_cast<std::int64_t>(samples.size()) / BytesPerFrame();
  return frames * 1000 / sampleRate;
}

std::optional<WaveSound> ParseWave(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
  // The RIFF size is often wrong in files written by careless tools; the
  // chunks are walked up to the real end instead.
  std::optional<Format> format;
  std::optional<std::string_view> data;
  std::uint64_t at = 12;
  while (at + 8 <= bytes.size() && !(format && data)) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint64_t size = Read32(bytes, at + 4);
    const std::uint64_t body = at + 8;
    const std::string_view content = bytes.substr(body, std::min<std::uint64_t>(size, bytes.size() - body));
    if (id == "fmt " && !format) {
      format = ParseFormat(content);
      if (!format) return std::nullopt;
    } else if (id == "data" && !data) {
      data = content;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  if (!format || !data) return std::nullopt;
  WaveSound sound{format->sample, format->channels, format->sampleRate, *data};
  const size_t frameBytes = static_cast<size_t>(sound.BytesPerFrame());
  sound.samples = data->substr(0, data->size() / frameBytes * frameBytes);
  if (sound.samples.empty()) return std::nullopt;
  return sound;
}

std::size_t ReadSamples(std::string_view samples, std::size_t& position, char* out, std::size_t max, bool loop) {
  if (samples.empty()) return 0;
  std::size_t copied = 0;
  while (copied < max) {
    if (position >= samples.size()) {
      if (!loop) break;
      position = 0;
    }
    const std::size_t n = std::min(max - copied, samples.size() - position);
    std::memcpy(out + copied, samples.data() + position, n);
    copied += n;
    position += n;
  }
  return copied;
}

}  // namespace orv
