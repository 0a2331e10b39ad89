#pragma once
/// @file
/// Pixels to dialog units, as integer arithmetic only: the system reports how many
/// pixels 1000 units of a dialog cover, and a pixel value is scaled by that.
#include <cstdint>
#include <limits>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// a / b rounded to nearest, halves away from zero. b must not be 0.
constexpr int64_t DivideRoundingHalvesAway(int64_t a, int64_t b) {
  int64_t quotient = a / b;
  const int64_t remainder = a % b;
  const int64_t absRemainder = remainder < 0 ? -remainder : remainder;
  const int64_t absDivisor = b < 0 ? -b : b;
  if (2 * absRemainder >= absDivisor) {
    const bool negative = (a < 0) != (b < 0);
    quotient += negative ? -1 : 1;
  }
  return quotient;
}

/// `pixels` in dialog units, given the pixels that 1000 units cover. A mapping of 0
/// pixels (a window the system cannot map) gives 0 units rather than a division by
/// zero. The product with 1000 is formed in 64 bits, and a result beyond the 32-bit
/// range is held at its nearest limit.
constexpr int32_t PixelsToDialogUnits(int32_t pixels, int32_t pixelsPer1000Units) {
  if (pixelsPer1000Units == 0) return 0;
  const int64_t units = DivideRoundingHalvesAway(int64_t{pixels} * 1000, pixelsPer1000Units);
  if (units > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (units < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(units);
}

/// @}
}  // namespace tabard
