#pragma once
// Decimal digits of a numeric value: the power-of-ten scaling and the digit
// generator that number-to-text and mask formatting are built on.
#include <cstdint>

// 10^0 to 10^7 as integers, 10^(8 x 2^i) for i = 0 to 9 as extended values (the
// larger ones rounded to nearest by the compiler), and 10^18, the bound of the
// scaled significand.
struct PowersOfTen {
  uint32_t small[8];
  long double large[10];
  long double scaledBound;
};

inline constexpr PowersOfTen PowersOfTenTable = {
    {1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u},
    {1e8L, 1e16L, 1e32L, 1e64L, 1e128L, 1e256L, 1e512L, 1e1024L, 1e2048L, 1e4096L},
    1e18L,
};

// x times 10^k.
long double ScaleByPowerOfTen(long double x, int16_t k);

// The most digits DecimalDigits gives, and the buffer it needs for them.
constexpr uint32_t kMaxDecimalDigits = 19;
constexpr uint32_t kDecimalDigitsBufferSize = 20;
static_assert(kDecimalDigitsBufferSize >= kMaxDecimalDigits + 1);

// The magnitude is 0.d1d2...dn x 10^exponent; `negative` is the sign bit, so
// negative zero and a NaN with its sign bit set count as negative.
struct DigitResult {
  int32_t exponent;
  bool negative;
};

// Writes n digits '0'..'9' and a zero byte into `digits`, which must hold
// kDecimalDigitsBufferSize bytes whatever n is (n is taken into 1..19): the digit
// step works in the whole buffer. Zero, denormals and NaNs give n '0's with exponent 1; infinity
// gives n '9's with exponent 999. The first digit of any other value is never '0'.
DigitResult DecimalDigits(long double value, uint32_t n, char* digits);
