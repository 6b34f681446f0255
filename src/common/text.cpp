#include "common/text.h"

#include <charconv>
#include <cstdlib>

namespace orv {

namespace {
bool IsBlank(unsigned char c) { return c <= ' '; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string IntToFixed(long long n, int width) {
  if (width <= 0) return {};
  const bool negative = n < 0;
  // Magnitude as unsigned so that the most negative value does not overflow.
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  std::string digits = std::to_string(magnitude);
  const size_t needed = digits.size() + (negative ? 1 : 0);
  if (needed > static_cast<size_t>(width)) return std::string(static_cast<size_t>(width), '*');
  std::string out;
  out.reserve(static_cast<size_t>(width));
  if (negative) out.push_back('-');
  out.append(static_cast<size_t>(width) - needed, '0');
  out += digits;
  return out;
}

std::string RightStr(std::string_view s, int n) {
  if (n <= 0) return {};
  if (static_cast<size_t>(n) >= s.size()) return std::string(s);
  return std::string(s.substr(s.size() - static_cast<size_t>(n)));
}

std::string TrimRight(std::string_view s) {
  size_t end = s.size();
  while (end > 0 && IsBlank(static_cast<unsigned char>(s[end - 1]))) --end;
  return std::string(s.substr(0, end));
}

std::string TrimLeft(std::string_view s) {
  size_t start = 0;
  while (start < s.size() && IsBlank(static_cast<unsigned char>(s[start]))) ++start;
  return std::string(s.substr(start));
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string PadRight(std::string_view s, int width) {
  if (width <= 0) return {};
  std::string out(s.substr(0, static_cast<size_t>(width)));
  out.resize(static_cast<size_t>(width), ' ');
  return out;
}

std::string Repeat(char c, int n) { return n <= 0 ? std::string() : std::string(static_cast<size_t>(n), c); }

std::string Mid(std::string_view s, int pos, int count) {
  if (count <= 0) return {};
  long long start = static_cast<long long>(pos) - 1;
  long long end = start + count;
  if (start < 0) start = 0;
  if (end > static_cast<long long>(s.size())) end = static_cast<long long>(s.size());
  if (start >= end) return {};
  return std::string(s.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
}

std::optional<long long> ParseInt(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  s.remove_prefix(i);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  long long value = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

long long ParseIntOr(std::string_view s, long long fallback) {
  auto v = ParseInt(s);
  return v ? *v : fallback;
}

std::string ToLowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

}  // namespace orv
