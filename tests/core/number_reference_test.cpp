// The digit generator against the C library's correctly rounded digits. Ours round twice, first to 18
// digits in the scaling and then half up to n, so their 18 digits may be a unit off the correct ones,
// and fewer digits are those 18 rounded half up. The Windows build's C library prints no extended values.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>

#include "text/number_digits.h"
#include "text/number_fpu.h"

#if !defined(_WIN32)
using Decimal = std::pair<std::string, int32_t>;  // 0.digits x 10^exponent

// 18 digits correctly rounded by the C library.
static Decimal Reference(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17Le", value);
  std::string digits(text + (text[0] == '-'), std::strchr(text, 'e'));
  return {digits.erase(1, 1), std::atoi(std::strchr(text, 'e') + 1) + 1};
}

static Decimal Ours(long double value, uint32_t n) {
  char digits[kDecimalDigitsBufferSize];
  return {digits, DecimalDigits(value, n, digits).exponent};  // the call comes first: braced lists run in order
}

static Decimal RoundHalfUp(const Decimal& wide, uint32_t n) {
  Decimal rounded{wide.first.substr(0, n), wide.second};
  int i = static_cast<int>(n) - 1;
  while (wide.first[n] >= '5' && i >= 0 && rounded.first[i] == '9') rounded.first[i--] = '0';
  if (wide.first[n] >= '5') i >= 0 ? ++rounded.first[i] : (rounded.first[0] = '1', ++rounded.second);
  return rounded;
}

// The difference of two 18-digit decimals in units of the last digit of the smaller one.
static int64_t UnitsApart(const Decimal& a, const Decimal& b) {
  if (std::abs(a.second - b.second) > 1) return INT64_MAX;
  const uint64_t scaledA = std::stoull(a.first) * (a.second > b.second ? 10 : 1);
  return static_cast<int64_t>(scaledA - std::stoull(b.first) * (b.second > a.second ? 10 : 1));
}

class NumberReference : public testing::TestWithParam<uint32_t> {};

// A million values in all, in four quarters of the exponent range that ctest runs side by side.
TEST_P(NumberReference, DigitsAgreeWithTheCLibraryUpToDoubleRounding) {
  constexpr uint32_t kQuarterWidth = (kExtendedExponentSpecial - 1 + 3) / 4;
  std::mt19937_64 random(20261206 + GetParam());
  for (uint32_t i = 0; i < 250000; ++i) {
    const bool negative = (random() & 1) != 0;
    const uint32_t field = 1 + GetParam() * kQuarterWidth + static_cast<uint32_t>(random() % kQuarterWidth);
    const uint16_t exponent = field < kExtendedExponentSpecial ? field : kExtendedExponentSpecial - 1;
    const long double value = EncodeExtended({negative, exponent, random() | 0x8000000000000000u});
    const Decimal ours18 = Ours(value, 18), correct18 = Reference(value);
    ASSERT_LE(std::llabs(UnitsApart(ours18, correct18)), 1) << ours18.first << " " << correct18.first;
    for (const uint32_t n : {15u, 7u}) ASSERT_EQ(RoundHalfUp(ours18, n), Ours(value, n)) << n << " of " << ours18.first;
  }
}

INSTANTIATE_TEST_SUITE_P(ExponentQuarters, NumberReference, testing::Range(0u, 4u));
#endif
