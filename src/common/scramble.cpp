#include "common/scramble.h"

namespace orv {

namespace {
template <typename Op>
std::string MapBytes(std::string_view s, Op op) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(op(static_cast<unsigned char>(c)));
  return out;
}

std::string ShiftWithKey(std::string_view s, std::string_view key, int sign) {
  if (key.empty()) return std::string(s);
  std::string out(s);
  for (size_t i = 0; i < out.size(); ++i) {
    const int k = static_cast<unsigned char>(key[i % key.size()]);
    const int b = static_cast<unsigned char>(out[i]);
    out[i] = static_cast<char>(static_cast<unsigned char>((b + sign * k + 256) % 256));
  }
  return out;
}
}  // namespace

std::string Unscramble(std::string_view s) {
  return MapBytes(s, [](unsigned b) { return b >= 80 ? b - 48 : b + 48; });
}

std::string Scramble(std::string_view s) {
  // ASCII stays ASCII; bytes 128-207 go up. Bytes below 32 and above 207
  // have no scrambled form and must be refused by the writer.
  return MapBytes(s, [](unsigned b) { return b < 80 ? b + 48 : (b < 128 ? b - 48 : b + 48); });
}

bool IsScramblable(std::string_view s) {
  for (char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 32 || b > 207) return false;
  }
  return true;
}

std::string ScrambleWithKey(std::string_view s, std::string_view key) { return ShiftWithKey(s, key, +1); }
std::string UnscrambleWithKey(std::string_view s, std::string_view key) { return ShiftWithKey(s, key, -1); }

}  // namespace orv
