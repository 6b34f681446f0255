// The character shifts that keep the data files from being edited by hand.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// Definitions-file shift: a byte of 80 or more moves 48 down, any other 48 up.
std::string Unscramble(std::string_view s);
// The inverse of Unscramble, for the tool that writes the definitions file.
// Only bytes 32-207 round-trip; see IsScramblable.
std::string Scramble(std::string_view s);
bool IsScramblable(std::string_view s);

// Adds (or subtracts) the key's byte values, taken cyclically, modulo 256.
// An empty key leaves the text as it is.
std::string ScrambleWithKey(std::string_view s, std::string_view key);
std::string UnscrambleWithKey(std::string_view s, std::string_view key);

}  // namespace orv
