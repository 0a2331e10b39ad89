// The digit generator against the C library's correctly rounded digits. Ours round
// twice, first to 18 digits in the scaling and then half up to n, so they may differ,
// but only where that double rounding explains it. The C library of the Windows
// build prints no extended values, so this runs natively.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "text/number_digits.h"
#include "text/number_fpu.h"

#if !defined(_WIN32)
namespace {

struct Decimal {
  std::string digits;
  int32_t exponent;  // 0.digits x 10^exponent
  bool operator==(const Decimal&) const = default;
};

// n digits correctly rounded (ties to even) by the C library.
Decimal Reference(long double value, uint32_t n) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*Le", static_cast<int>(n - 1), value);
  Decimal decimal{"", 0};
  const char* p = text + (text[0] == '-');
  for (; *p != 'e'; ++p)
    if (*p != '.') decimal.digits += *p;
  decimal.exponent = std::atoi(p + 1) + 1;
  return decimal;
}

Decimal Ours(long double value, uint32_t n) {
  char digits[kDecimalDigitsBufferSize];
  const int32_t exponent = DecimalDigits(value, n, digits).exponent;
  return Decimal{digits, exponent};
}

// Rounds wider digits half up to n, as the generator does after its scaling.
Decimal RoundHalfUp(const Decimal& wide, uint32_t n) {
  Decimal rounded{wide.digits.substr(0, n), wide.exponent};
  if (wide.digits[n] < '5') return rounded;
  int i = static_cast<int>(n) - 1;
  while (i >= 0 && rounded.digits[i] == '9') rounded.digits[i--] = '0';
  if (i >= 0) return ++rounded.digits[i], rounded;
  rounded.digits[0] = '1';
  return ++rounded.exponent, rounded;
}

// The difference of two 18-digit decimals in units of the last digit of the smaller one.
int64_t UnitsApart(const Decimal& a, const Decimal& b) {
  if (std::abs(a.exponent - b.exponent) > 1) return INT64_MAX;
  const uint64_t x = std::strtoull(a.digits.c_str(), nullptr, 10) * (a.exponent > b.exponent ? 10 : 1);
  const uint64_t y = std::strtoull(b.digits.c_str(), nullptr, 10) * (b.exponent > a.exponent ? 10 : 1);
  return static_cast<int64_t>(x - y);
}

// The correctly rounded n digits, read from the correctly rounded 20 when their tail
// settles it; a tail of "5000..." may hide either side of the half, so then ask again.
Decimal ReferenceFrom(const Decimal& twenty, long double value, uint32_t n) {
  if (twenty.digits[n] == '5' && twenty.digits.find_first_not_of('0', n + 1) == std::string::npos)
    return Reference(value, n);
  return RoundHalfUp(twenty, n);
}

class NumberReference : public testing::TestWithParam<uint32_t> {};

// A million values in all, in four quarters of the exponent range that ctest runs side by side.
TEST_P(NumberReference, DigitsAgreeWithTheCLibraryUpToDoubleRounding) {
  constexpr uint32_t kQuarterWidth = (kExtendedExponentSpecial - 1 + 3) / 4;
  const uint32_t quarter = GetParam();
  std::mt19937_64 random(20261206 + quarter);
  for (uint32_t i = 0; i < 250000; ++i) {
    const bool negative = (random() & 1) != 0;
    const uint32_t field = 1 + quarter * kQuarterWidth + static_cast<uint32_t>(random() % kQuarterWidth);
    const uint16_t exponent = static_cast<uint16_t>(std::min<uint32_t>(field, kExtendedExponentSpecial - 1));
    const long double value = EncodeExtended(ExtendedParts{negative, exponent, random() | 0x8000000000000000u});
    const Decimal twenty = Reference(value, 20), correct18 = ReferenceFrom(twenty, value, 18), ours18 = Ours(value, 18);
    const int64_t units = UnitsApart(ours18, correct18);
    ASSERT_LE(std::llabs(units), 1) << "18 digits: ours " << ours18.digits << ", correct " << correct18.digits;
    for (const uint32_t n : {15u, 7u}) {
      const Decimal ours = Ours(value, n), reference = ReferenceFrom(twenty, value, n);
      if (ours == reference || ours == RoundHalfUp(correct18, n) || (units != 0 && ours == RoundHalfUp(ours18, n)))
        continue;
      ADD_FAILURE() << "n = " << n << ": ours " << ours.digits << "e" << ours.exponent << ", reference "
                    << reference.digits << "e" << reference.exponent;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ExponentQuarters, NumberReference, testing::Range(0u, 4u));

}  // namespace
#endif
