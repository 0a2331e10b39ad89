#pragma once
/// @file
/// Decimal digits of a numeric value: the power-of-ten scaling and the digit
/// generator that number-to-text and mask formatting are built on.
#include <cstdint>

namespace tabard {
/// @addtogroup text
/// @{

/// The digits of the scaled significand, and the most a number's text shows.
constexpr uint32_t kScaledDigits = 18;
/// The most digits DecimalDigits gives, and the buffer it needs for them: the digits
/// past the scaled ones are '0's, so asking for this many rounds nothing.
constexpr uint32_t kMaxDecimalDigits = kScaledDigits + 1;
constexpr uint32_t kDecimalDigitsBufferSize = kMaxDecimalDigits + 1;  ///< bytes DecimalDigits writes in

/// 10^0 to 10^7 as integers, 10^(8 x 2^i) for i = 0 to 9 as extended values (the
/// larger ones rounded to nearest by the compiler), and 10^18, the bound of the
/// scaled significand.
struct PowersOfTen {
  uint32_t small[8];        ///< 10^0 to 10^7
  long double large[10];    ///< 10^8, 10^16, 10^32 ... 10^4096
  long double scaledBound;  ///< 10^18
};

/// The powers of ten every conversion uses.
inline constexpr PowersOfTen PowersOfTenTable = {
    {1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u},
    {1e8L, 1e16L, 1e32L, 1e64L, 1e128L, 1e256L, 1e512L, 1e1024L, 1e2048L, 1e4096L},
    1e18L,
};

/// How many powers of ten a 64-bit integer holds, 10^0 to 10^19: the table's
/// integers carried on.
constexpr uint32_t kIntegerPowers = 20;
/// The integer powers of ten, 10^0 first.
struct IntegerPowers {
  uint64_t power[kIntegerPowers];  ///< 10^m at index m
};
/// 10^0 to 10^19 (see IntegerPowers).
inline constexpr IntegerPowers IntegerPowersOfTen = [] {
  IntegerPowers table{};
  for (uint32_t m = 0; m < kIntegerPowers; ++m)
    table.power[m] = m < 8 ? PowersOfTenTable.small[m] : table.power[m - 1] * 10;
  return table;
}();
static_assert(IntegerPowersOfTen.power[kScaledDigits] == PowersOfTenTable.scaledBound);

/// How many decimal digits `value` has, for a value of at most `most` digits (20 at
/// most). A caller that knows a smaller bound gives it, and the compiler then writes
/// the loop out as a chain of comparisons.
constexpr uint32_t DecimalLength(uint64_t value, uint32_t most = kIntegerPowers) {
  uint32_t length = 1;
  while (length < most && value >= IntegerPowersOfTen.power[length]) ++length;
  return length;
}

/// x times 10^k.
long double ScaleByPowerOfTen(long double x, int16_t k);

/// 10^m as ScaleByPowerOfTen assembles it: the integer entry 10^(m mod 8) times the
/// extended entries of the set bits of m / 8, lowest first.
constexpr long double AssemblePowerOfTen(uint32_t m) {
  long double power = PowersOfTenTable.small[m & 7];
  m >>= 3;
  for (int i = 0; m != 0; ++i, m >>= 1)
    if (m & 1) power *= PowersOfTenTable.large[i];
  return power;
}

// The same powers assembled once, by the compiler, for every scale a double's
// value needs: one load instead of a chain of multiplications, to the same bits.
// Larger scales are assembled as they come.
/// How many powers are assembled in advance: 10^0 to 10^343.
constexpr uint32_t kAssembledPowers = 344;
/// 10^0 to 10^343 as AssemblePowerOfTen gives them.
struct AssembledPowers {
  long double power[kAssembledPowers];  ///< 10^m at index m
};
/// The powers assembled by the compiler.
inline constexpr AssembledPowers AssembledPowersTable = [] {
  AssembledPowers table{};
  for (uint32_t m = 0; m < kAssembledPowers; ++m) table.power[m] = AssemblePowerOfTen(m);
  return table;
}();

/// The magnitude is 0.d1d2...dn x 10^exponent; `negative` is the sign bit, so
/// negative zero and a NaN with its sign bit set count as negative.
struct DigitResult {
  int32_t exponent;  ///< the power of ten of 0.d1d2...dn
  bool negative;     ///< the sign bit
};

/// The digits before they are written out: the first 18 significant digits of the
/// magnitude as an integer, rounded half up at the n-th (n taken into 1..19; from 18
/// up nothing is rounded), so that the magnitude is 0.d1...d18 x 10^exponent.
/// Zero, denormals and NaNs give integer 0 and exponent 1; infinity gives integer 0,
/// exponent 999 and `infinite`, and reads as all '9's.
struct ScaledDigits {
  uint64_t integer;  ///< the first 18 significant digits
  int32_t exponent;  ///< the power of ten of 0.d1...d18
  bool negative;     ///< the sign bit
  bool infinite;     ///< the value is infinite
};
/// The digits of `value` scaled and rounded at the n-th (see ScaledDigits).
ScaledDigits ScaleToDigits(const long double& value, uint32_t n);
/// Rounds digits scaled with n = 19 at the n-th, as ScaleToDigits would have.
void RoundScaledDigits(ScaledDigits& scaled, uint32_t n);

/// The 18 decimal digits of `integer` (below 10^18), leading zeros included.
void WriteEighteenDigits(char* out, uint64_t integer);
/// At least the first `count` of them (up to 18); `out` holds 18 bytes.
void WriteLeadingDigits(char* out, uint64_t integer, uint64_t count);
/// The last `length` decimal digits of `value`, `length` from 1 to 20.
void WriteWholeDigits(char* out, uint64_t value, uint32_t length);

/// Writes n digits '0'..'9' and a zero byte into `digits`, which must hold
/// kDecimalDigitsBufferSize bytes whatever n is (n is taken into 1..19): the digit
/// step works in the whole buffer. Zero, denormals and NaNs give n '0's with exponent
/// 1; infinity
/// gives n '9's with exponent 999. The first digit of any other value is never '0'.
DigitResult DecimalDigits(long double value, uint32_t n, char* digits);

/// @}
}  // namespace tabard
