// The digits of the digit generator against the C library's correctly rounded
// ones. Ours round twice, first to 18 digits in the scaling and then half up to n,
// so they may differ, but only where that double rounding explains it. The C
// library of the Windows build prints no extended values, so this runs natively.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "text/number_digits.h"
#include "text/number_fpu.h"

#if !defined(_WIN32)
namespace {

// A million values in all, in four quarters of the exponent range so that ctest can
// run them side by side.
constexpr uint32_t kQuarters = 4;
constexpr uint32_t kValues = 1000000 / kQuarters;
constexpr uint32_t kEighteen = 18;

struct Decimal {
  std::string digits;
  int32_t exponent;  // 0.digits x 10^exponent
};

// n digits correctly rounded (ties to even) by the C library.
Decimal Reference(long double value, uint32_t n) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*Le", static_cast<int>(n - 1), value);
  Decimal decimal;
  const char* p = text + (text[0] == '-' ? 1 : 0);
  for (; *p != 'e'; ++p)
    if (*p != '.') decimal.digits += *p;
  decimal.exponent = std::atoi(p + 1) + 1;
  return decimal;
}

Decimal Ours(long double value, uint32_t n) {
  char digits[kDecimalDigitsBufferSize];
  const DigitResult result = DecimalDigits(value, n, digits);
  return Decimal{digits, result.exponent};
}

// Rounds 18 digits half up to n, as the generator does after its scaling.
Decimal RoundHalfUp(const Decimal& wide, uint32_t n) {
  Decimal rounded{wide.digits.substr(0, n), wide.exponent};
  if (wide.digits[n] >= '5') {
    int i = static_cast<int>(n) - 1;
    while (i >= 0 && rounded.digits[i] == '9') rounded.digits[i--] = '0';
    if (i >= 0) {
      ++rounded.digits[i];
    } else {
      rounded.digits[0] = '1';
      ++rounded.exponent;
    }
  }
  return rounded;
}

bool Same(const Decimal& a, const Decimal& b) { return a.digits == b.digits && a.exponent == b.exponent; }

// The difference of two 18-digit decimals in units of the last digit of the
// smaller one.
int64_t UnitsApart(const Decimal& a, const Decimal& b) {
  uint64_t x = std::strtoull(a.digits.c_str(), nullptr, 10);
  uint64_t y = std::strtoull(b.digits.c_str(), nullptr, 10);
  if (a.exponent > b.exponent) x *= 10;
  if (b.exponent > a.exponent) y *= 10;
  if (a.exponent - b.exponent > 1 || b.exponent - a.exponent > 1) return INT64_MAX;
  return static_cast<int64_t>(x - y);
}

// The correctly rounded n digits, read from the correctly rounded 20 when their
// tail settles it; a tail of "5000..." may hide either side of the half, and then
// the C library is asked for the n digits themselves.
Decimal ReferenceFrom(const Decimal& twenty, long double value, uint32_t n) {
  if (twenty.digits[n] == '5' && twenty.digits.find_first_not_of('0', n + 1) == std::string::npos)
    return Reference(value, n);
  return RoundHalfUp(twenty, n);
}

struct Tally {
  uint32_t same = 0;
  uint32_t doubleRounding = 0;     // the correctly rounded 18 digits, then half up
  uint32_t eighteenDigitUnit = 0;  // our 18 digits one unit off the correct ones, then half up
  uint32_t unexplained = 0;
};

long double RandomFiniteValue(std::mt19937_64& random, uint32_t quarter) {
  constexpr uint32_t kQuarterWidth = (kExtendedExponentSpecial - 1 + kQuarters - 1) / kQuarters;
  const bool negative = (random() & 1) != 0;
  const uint32_t field = 1 + quarter * kQuarterWidth + static_cast<uint32_t>(random() % kQuarterWidth);
  const uint16_t exponent = static_cast<uint16_t>(field < kExtendedExponentSpecial ? field : kExtendedExponentSpecial - 1);
  return EncodeExtended(ExtendedParts{negative, exponent, random() | 0x8000000000000000u});
}

class NumberReference : public testing::TestWithParam<uint32_t> {};

TEST_P(NumberReference, DigitsAgreeWithTheCLibraryUpToDoubleRounding) {
  const uint32_t quarter = GetParam();
  std::mt19937_64 random(20261206 + quarter);
  const uint32_t widths[2] = {15, 7};
  Tally tallies[2];
  uint32_t eighteenDigitMisses = 0;
  int64_t worstUnits = 0;
  for (uint32_t i = 0; i < kValues; ++i) {
    const long double value = RandomFiniteValue(random, quarter);
    const Decimal twenty = Reference(value, 20);
    const Decimal correct18 = ReferenceFrom(twenty, value, kEighteen);
    const Decimal ours18 = Ours(value, kEighteen);
    const int64_t units = UnitsApart(ours18, correct18);
    if (units != 0) ++eighteenDigitMisses;
    if (std::llabs(units) > worstUnits) worstUnits = std::llabs(units);
    for (int w = 0; w < 2; ++w) {
      const uint32_t n = widths[w];
      const Decimal ours = Ours(value, n);
      const Decimal reference = ReferenceFrom(twenty, value, n);
      Tally& tally = tallies[w];
      if (Same(ours, reference)) {
        ++tally.same;
      } else if (Same(RoundHalfUp(correct18, n), ours)) {
        ++tally.doubleRounding;
      } else if (std::llabs(units) == 1 && Same(RoundHalfUp(ours18, n), ours)) {
        ++tally.eighteenDigitUnit;
      } else {
        ++tally.unexplained;
        ADD_FAILURE() << "n = " << n << ": ours " << ours.digits << "e" << ours.exponent << ", reference "
                      << reference.digits << "e" << reference.exponent;
      }
    }
  }
  for (int w = 0; w < 2; ++w) {
    std::printf("quarter %u, n = %u: %u same, %u by double rounding, %u by a unit of the 18th digit, %u unexplained\n",
                quarter, widths[w], tallies[w].same, tallies[w].doubleRounding, tallies[w].eighteenDigitUnit,
                tallies[w].unexplained);
  }
  std::printf("quarter %u, 18 digits: %u of %u values off the correctly rounded ones, by at most %lld unit\n",
              quarter, eighteenDigitMisses, kValues, static_cast<long long>(worstUnits));
  EXPECT_LE(worstUnits, 1);
  EXPECT_EQ(kValues, tallies[1].same + tallies[1].doubleRounding + tallies[1].eighteenDigitUnit);
}

INSTANTIATE_TEST_SUITE_P(ExponentQuarters, NumberReference, testing::Range(0u, kQuarters));

}  // namespace
#endif
