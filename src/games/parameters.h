// The rule parameters of the current game: 503 signed 16-bit values that
// every rule of the engine reads instead of knowing a game by name.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace orv {

inline constexpr int kParameterCount = 503;

// Parameter numbers. A per-pile parameter names its first entry: the entry
// of tableau pile i (1-based) is TableauRule + i - 1.
namespace P {
enum : int {
#define ORV_PARAM(number, name, key, count, lo, hi, meaning) name = number,
#include "games/parameter_list.inc"
#undef ORV_PARAM
};
}  // namespace P

// A documented parameter, as the catalogue compiler validates it.
struct ParameterInfo {
  int number;
  std::string_view name;     // C++ name
  std::string_view key;      // catalogue name
  int count;                 // entries: 1, or the piles of a per-pile range
  int min;
  int max;
  std::string_view meaning;
};

std::span<const ParameterInfo> ParameterTable();
// The entry whose range holds `number`, or null for a number nobody reads.
const ParameterInfo* FindParameter(int number);
const ParameterInfo* FindParameterByKey(std::string_view key);

class GameParameters {
 public:
  GameParameters() { Clear(); }
  void Clear() { values_.fill(0); }

  // Out-of-range indices read 0 and ignore writes, so a damaged rule code
  // can never reach past the vector.
  int operator[](int n) const { return InRange(n) ? values_[static_cast<size_t>(n)] : 0; }
  void Set(int n, int value) {
    if (InRange(n)) values_[static_cast<size_t>(n)] = static_cast<std::int16_t>(value);
  }

  // Per-pile entries, pile numbers 1-based.
  int Pile(int first, int pile) const { return (*this)[first + pile - 1]; }
  void SetPile(int first, int pile, int value) { Set(first + pile - 1, value); }

  bool operator==(const GameParameters&) const = default;

 private:
  static bool InRange(int n) { return n >= 0 && n < kParameterCount; }
  std::array<std::int16_t, kParameterCount> values_{};
};

// The entries the deal and the rules rewrite during play (the foundation and
// tableau base ranks), kept right after a load and put back before a deal.
class PileRuleBackup {
 public:
  void Save(const GameParameters& p);
  void Restore(GameParameters& p) const;

 private:
  std::array<std::int16_t, 56> values_{};
};

}  // namespace orv
