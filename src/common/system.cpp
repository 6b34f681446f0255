#include "common/system.h"

namespace orv {

long long ScreenColourCount(int bitsPerPixel, int planes) {
  const int bits = bitsPerPixel * planes;
  if (bitsPerPixel > 24 || bits > 62) return 999999999;
  if (bits <= 0) return 1;
  return 1LL << bits;
}

}  // namespace orv
