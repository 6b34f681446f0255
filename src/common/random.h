// The pseudo-random generator behind deal numbers: a 32-bit linear
// congruential generator. Deals must be reproducible from their number, and
// the number itself from the generator's seed, so the recurrence and the way
// a draw is scaled to its range are fixed and must not change.
#pragma once

#include <cstdint>

namespace orv {

struct ClockTime;

class DealRandom {
 public:
  explicit DealRandom(std::uint32_t seed = 0) : seed_(seed) {}

  void Seed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t seed() const { return seed_; }

  // Advances the seed (seed * 134775813 + 1, modulo 2^32) and scales it to
  // 0 <= result < n: the high 32 bits of the 64-bit product seed * n.
  // A range of 0 or below draws all the same and gives 0.
  int Random(int n);

 private:
  std::uint32_t seed_;
};

// The start-up seed: milliseconds since midnight of the given UTC time,
// ((hour * 60 + minute) * 60 + second) * 1000 + millisecond.
std::uint32_t ClockSeed(const ClockTime& utc);

}  // namespace orv
