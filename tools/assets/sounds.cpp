// A small synthesiser for the program's sounds. Card noises are short bursts
// of filtered noise with a soft low thump under them; chimes are bell tones
// of a few inharmonic partials that die away, the higher ones faster. Every
// sound is normalised to the same modest peak so that none startles.
#include "assets/sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assets/generators.h"
#include "platform/resource_writer.h"

namespace orv::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.45;  // about -7 dB below full scale

// Equal-tempered pitch of a note counted in semitones from A4 (440 Hz).
double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }
constexpr int C5 = 3, E5 = 7, F5 = 8, G5 = 10, A5 = 12, B5 = 14, C6 = 15, D6 = 17, E6 = 19, G6 = 22;

// Deterministic noise, so that every build makes the same bytes.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed | 1u) {}
  double Next() {  // uniform in [-1, 1)
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// A mono mixing buffer; each voice adds itself from a start time on and is
// cut at the end of the buffer.
class Track {
 public:
  Track(double seconds, std::uint32_t seed)
      : samples_(static_cast<std::size_t>(seconds * kSoundRate)), noise_(seed) {}

  // A bell tone: partial ratios and weights of a small glass bell.
  void Bell(double at, double freq, double amp, double decay) {
    static constexpr std::array<std::array<double, 2>, 4> kPartials{{{1.0, 1.0}, {2.0, 0.32}, {3.0, 0.12}, {4.16, 0.06}}};
    for (const auto& [ratio, weight] : kPartials) {
      const double f = freq * ratio;
      if (f >= kSoundRate / 2.0) continue;
      const double tau = decay / std::pow(ratio, 0.7);
      Voice(at, tau * 7.0, [&](double t) {
        const double attack = std::min(1.0, t / 0.004);
        return amp * weight * attack * std::exp(-t / tau) * std::sin(2 * kPi * f * t);
      });
    }
  }

  // The snap of a card: noise through a low-pass of the given cut-off.
  void Tick(double at, double amp, double cutoff, double length) {
    const double a = std::exp(-2 * kPi * cutoff / kSoundRate);
    double low = 0, prev = 0;
    Voice(at, length, [&](double t) {
      const double n = noise_.Next();
      low = (1 - a) * n + a * low;
      const double bright = low - prev * 0.6;  // takes off the rumble
      prev = low;
      const double attack = std::min(1.0, t / 0.001);
      return amp * attack * std::exp(-t / (length / 4)) * bright * 3.0;
    });
  }

  // The body of a card landing on the table: a short sine falling in pitch.
  void Thump(double at, double freq, double amp, double decay) {
    double phase = 0;
    Voice(at, decay * 6, [&](double t) {
      phase += 2 * kPi * freq * (1 + 0.5 * std::exp(-t / 0.01)) / kSoundRate;
      return amp * std::exp(-t / decay) * std::sin(phase);
    });
  }

  // A card sliding: band-passed noise whose centre sweeps from f0 to f1.
  void Swish(double at, double length, double amp, double f0, double f1) {
    double low = 0, band = 0;
    Voice(at, length, [&](double t) {
      const double f = f0 + (f1 - f0) * (t / length);
      const double k = 2 * std::sin(kPi * f / kSoundRate);
      const double high = noise_.Next() - low - 0.7 * band;
      band += k * high;
      low += k * band;
      return amp * std::sin(kPi * t / length) * band * 0.8;
    });
  }

  // Scales to the common peak, softens both ends against clicks and packs
  // the samples as 16-bit integers.
  std::vector<std::int16_t> Finish() {
    FadeEnds();
    double peak = 0;
    for (float s : samples_) peak = std::max(peak, std::abs(static_cast<double>(s)));
    const double gain = peak > 0 ? kPeak / peak : 0;
    std::vector<std::int16_t> out(samples_.size());
    std::transform(samples_.begin(), samples_.end(), out.begin(), [gain](float s) {
      return static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767));
    });
    return out;
  }

 private:
  template <class F>
  void Voice(double at, double length, F&& sample) {
    const auto first = static_cast<std::size_t>(at * kSoundRate);
    const auto count = static_cast<std::size_t>(length * kSoundRate);
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i)
      samples_[first + i] += static_cast<float>(sample(static_cast<double>(i) / kSoundRate));
  }

  void FadeEnds() {
    const std::size_t in = std::min<std::size_t>(samples_.size() / 2, kSoundRate / 500);   // 2 ms
    const std::size_t out = std::min<std::size_t>(samples_.size() / 2, kSoundRate / 100);  // 10 ms
    for (std::size_t i = 0; i < in; ++i) samples_[i] *= static_cast<float>(i) / in;
    for (std::size_t i = 0; i < out; ++i) samples_[samples_.size() - 1 - i] *= static_cast<float>(i) / out;
  }

  std::vector<float> samples_;
  Noise noise_;
};

// A riffle of the deck: ticks whose spacing wanders a little, swelling and
// fading; the last tick has died away before the end, so the sound loops.
void Riffle(Track& t, Noise& jitter, double length, double spacing, double amp) {
  for (double at = 0.01; at < length - 0.06; at += spacing * (0.8 + 0.4 * (jitter.Next() + 1) / 2)) {
    const double swell = std::sin(kPi * at / length);
    t.Tick(at, amp * (0.4 + 0.6 * swell), 2800 + 1500 * swell, 0.03);
  }
}

std::vector<std::int16_t> Compose(std::string_view name) {
  if (name == "card_up") {
    Track t(0.10, 11);
    t.Swish(0, 0.07, 1, 1500, 4200);
    return t.Finish();
  }
  if (name == "card_down") {
    Track t(0.14, 12);
    t.Tick(0, 1, 2500, 0.05);
    t.Thump(0, 140, 0.6, 0.03);
    return t.Finish();
  }
  if (name == "Face_up") {
    Track t(0.12, 13);
    t.Tick(0, 0.6, 5000, 0.025);
    t.Tick(0.035, 1, 3500, 0.04);
    return t.Finish();
  }
  if (name == "Tableau") {
    Track t(0.14, 14);
    t.Tick(0, 1, 3000, 0.045);
    t.Thump(0, 180, 0.45, 0.025);
    return t.Finish();
  }
  if (name == "Foundation") {
    Track t(0.50, 15);
    t.Tick(0, 1, 3000, 0.04);
    t.Thump(0, 160, 0.4, 0.025);
    t.Bell(0.02, Note(E6), 0.8, 0.12);
    return t.Finish();
  }
  if (name == "Stock") {
    Track t(0.22, 16);
    t.Swish(0, 0.12, 0.8, 800, 3000);
    t.Tick(0.10, 0.8, 2500, 0.04);
    return t.Finish();
  }
  if (name == "Autoplay") {
    Track t(0.50, 17);
    t.Swish(0, 0.10, 0.6, 1000, 5000);
    t.Bell(0.05, Note(C6), 0.30, 0.08);
    t.Bell(0.12, Note(G6), 0.30, 0.10);
    return t.Finish();
  }
  if (name == "Pairing") {
    Track t(0.70, 18);
    t.Bell(0, Note(C6), 0.5, 0.14);
    t.Bell(0.10, Note(G6), 0.5, 0.18);
    return t.Finish();
  }
  if (name == "Red_no_a") {
    Track t(0.70, 19);
    t.Bell(0, Note(C6), 0.5, 0.12);
    t.Bell(0.09, Note(A5), 0.5, 0.12);
    t.Bell(0.18, Note(F5), 0.5, 0.15);
    return t.Finish();
  }
  if (name == "Eddy") {
    Track t(0.70, 20);
    t.Swish(0, 0.25, 0.4, 600, 4000);
    const std::array notes{G5, B5, D6, G6};
    for (std::size_t i = 0; i < notes.size(); ++i) t.Bell(0.05 * i, Note(notes[i]), 0.4, 0.12);
    return t.Finish();
  }
  if (name == "Redeal") {
    Track t(0.60, 21);
    Noise jitter(210);
    Riffle(t, jitter, 0.60, 0.05, 0.8);
    return t.Finish();
  }
  if (name == "Shuffle") {
    Track t(1.20, 22);
    Noise jitter(220);
    Riffle(t, jitter, 1.20, 0.022, 1.0);
    return t.Finish();
  }
  if (name == "New") {  // the new game waits for it: kept short
    Track t(0.85, 23);
    const std::array notes{C5, E5, G5, C6};
    for (std::size_t i = 0; i < notes.size(); ++i) t.Bell(0.07 * i, Note(notes[i]), 0.5, 0.22);
    return t.Finish();
  }
  if (name == "Won") {
    Track t(2.60, 24);
    const std::array run{C5, E5, G5, C6};
    for (std::size_t i = 0; i < run.size(); ++i) t.Bell(0.12 * i, Note(run[i]), 0.5, 0.25);
    for (int n : {C5, E5, G5, C6, E6}) t.Bell(0.55, Note(n), 0.35, 0.70);
    return t.Finish();
  }
  if (name == "Splash") {
    Track t(2.40, 25);
    const std::array chord{C5, E5, G5, B5, D6};
    for (std::size_t i = 0; i < chord.size(); ++i) t.Bell(0.05 * i, Note(chord[i]), 0.35, 0.75);
    return t.Finish();
  }
  if (name == "About") {
    Track t(1.00, 26);
    t.Bell(0, Note(A5), 0.5, 0.30);
    t.Bell(0.06, Note(E6), 0.3, 0.25);
    return t.Finish();
  }
  return {};
}

void PutLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string Wave(const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  PutLE(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLE(out, 16, 4);              // format chunk size
  PutLE(out, 1, 2);               // PCM
  PutLE(out, 1, 2);               // mono
  PutLE(out, kSoundRate, 4);      // samples per second
  PutLE(out, kSoundRate * 2, 4);  // bytes per second
  PutLE(out, 2, 2);               // block align
  PutLE(out, 16, 2);              // bits per sample
  out += "data";
  PutLE(out, dataBytes, 4);
  for (std::int16_t s : samples) PutLE(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

constexpr std::array<std::string_view, 16> kSoundNames{
    "About", "Autoplay", "Eddy",    "Face_up", "Foundation", "New", "Pairing",   "Red_no_a",
    "Redeal", "Shuffle", "Splash", "Stock",   "Tableau",    "Won", "card_down", "card_up"};

}  // namespace

std::span<const std::string_view> SoundNames() { return kSoundNames; }

bool IsLoopedSound(std::string_view name) { return name == "Shuffle" || name == "Redeal"; }

std::string SynthesiseSound(std::string_view name) {
  const auto samples = Compose(name);
  return samples.empty() ? std::string() : Wave(samples);
}

bool AddSounds(const Modules& m, const Options&) {
  for (std::string_view name : kSoundNames) {
    if (!m.main.AddSound(std::string(name), SynthesiseSound(name))) return false;
  }
  return true;
}

}  // namespace orv::assets
