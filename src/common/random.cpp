#include "common/random.h"

#include "platform/host.h"

namespace orv {

int DealRandom::Random(int n) {
  seed_ = seed_ * 134775813u + 1u;  // unsigned: wraps modulo 2^32
  if (n <= 0) return 0;
  const std::uint64_t scaled = static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n);
  return static_cast<int>(scaled >> 32);
}

std::uint32_t ClockSeed(const ClockTime& utc) {
  // Unsigned arithmetic: a damaged clock reading wraps instead of overflowing.
  const auto u = [](int v) { return static_cast<std::uint32_t>(v); };
  return ((u(utc.hour) * 60u + u(utc.minute)) * 60u + u(utc.second)) * 1000u + u(utc.millisecond);
}

}  // namespace orv
