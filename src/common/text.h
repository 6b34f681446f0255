// Byte-string helpers shared by every subsystem. Texts are byte strings and
// positions are 1-based where the file formats say so.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// Decimal text of n in exactly `width` characters, zero-padded, minus sign
// first; `width` asterisks when n does not fit.
std::string IntToFixed(long long n, int width);

// The last n characters of s (all of s when shorter, empty for n <= 0).
std::string RightStr(std::string_view s, int n);

// Blanks are spaces and control characters, as the data files use them.
std::string TrimRight(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string Trim(std::string_view s);

// Pads with blanks on the right or cuts to exactly `width` characters.
std::string PadRight(std::string_view s, int width);

// A text of n copies of c (empty for n <= 0).
std::string Repeat(char c, int n);

// Characters [pos, pos + count) of s with a 1-based pos; the part outside s
// is simply missing, so the result may be shorter than count.
std::string Mid(std::string_view s, int pos, int count);

// Strict decimal integer: optional leading blanks, optional sign, digits,
// nothing else. Values outside the range of long long are rejected.
std::optional<long long> ParseInt(std::string_view s);

// ParseInt, then the fallback on failure.
long long ParseIntOr(std::string_view s, long long fallback);

std::string ToLowerAscii(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace orv
