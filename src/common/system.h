// Questions the rules ask about the system they run on. This program always
// answers as a current desktop does.
#pragma once

namespace orv {

constexpr bool IsModernSystem() { return true; }  // the "XP or later" branch
constexpr bool IsLegacy95System() { return false; }

// 2^(bits per pixel x planes), or 999999999 above 24 bits per pixel.
long long ScreenColourCount(int bitsPerPixel, int planes);

}  // namespace orv
