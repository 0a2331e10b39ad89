#include "text/number_digits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "text/number_fpu.h"

namespace {

struct Digits {
  std::string text;
  int32_t exponent;
  bool negative;
};

Digits Of(long double value, uint32_t n) {
  char buffer[kDecimalDigitsBufferSize + 4];
  const DigitResult result = DecimalDigits(value, n, buffer);
  return Digits{buffer, result.exponent, result.negative};
}

// The extended entries are 10^(8 x 2^i) rounded to nearest: their significands,
// worked out with exact integer arithmetic.
TEST(PowersOfTenTable, ExtendedEntriesAreCorrectlyRounded) {
  struct Entry {
    uint64_t significand;
    uint16_t exponent;
  };
  const Entry expected[10] = {
      {0xBEBC200000000000u, 16383 + 26},   {0x8E1BC9BF04000000u, 16383 + 53},   {0x9DC5ADA82B70B59Eu, 16383 + 106},
      {0xC2781F49FFCFA6D5u, 16383 + 212},  {0x93BA47C980E98CE0u, 16383 + 425},  {0xAA7EEBFB9DF9DE8Eu, 16383 + 850},
      {0xE319A0AEA60E91C7u, 16383 + 1700}, {0xC976758681750C17u, 16383 + 3401}, {0x9E8B3B5DC53D5DE5u, 16383 + 6803},
      {0xC46052028A20979Bu, 16383 + 13606},
  };
  for (int i = 0; i < 10; ++i) {
    const ExtendedParts parts = DecodeExtended(PowersOfTenTable.large[i]);
    EXPECT_EQ(expected[i].significand, parts.significand) << "entry " << i;
    EXPECT_EQ(expected[i].exponent, parts.exponent) << "entry " << i;
  }
  EXPECT_EQ(1e18L, PowersOfTenTable.scaledBound);
  EXPECT_EQ(10000000u, PowersOfTenTable.small[7]);
}

TEST(ScaleByPowerOfTen, AssemblesPowersFromTheTable) {
  EXPECT_EQ(1.5L, ScaleByPowerOfTen(1.5L, 0));
  EXPECT_EQ(1234500.0L, ScaleByPowerOfTen(12345, 2));
  EXPECT_EQ(123.45L, ScaleByPowerOfTen(12345, -2));
  EXPECT_EQ(1e17L, ScaleByPowerOfTen(1, 17));
  EXPECT_EQ(1e-8L, ScaleByPowerOfTen(1, -8));
  EXPECT_EQ(1e4096L, ScaleByPowerOfTen(1, 4096));
  // Beyond one step of 10^4096: a denormal scaled up stays finite.
  EXPECT_GT(ScaleByPowerOfTen(std::numeric_limits<long double>::denorm_min(), 9000), 1e4000L);
  EXPECT_EQ(0.0L, ScaleByPowerOfTen(1, -32768));
}

TEST(DecimalDigits, RoundsHalfUpAfterEighteenDigits) {
  struct Case {
    const char* digits;
    int32_t exponent;
    long double value;
    uint32_t n;
  };
  const Case cases[] = {
      {"1000000000000000000", 1, 1, 19},
      {"1234567890123456790", 19, 1234567890123456789.0L, 19},  // 18 digits rounded, then '0'
      {"125", 1, 1.245L, 3},                                    // half up at the 4th digit
      {"1", 2, 9.5L, 1},                                        // carry out of the first digit
      {"5", -1, 0.05L, 1},
      {"3333333", 0, 1.0L / 3, 7},
      {"1000000", 17, 9999999999999999.0L, 7},
  };
  for (const Case& c : cases) {
    const Digits got = Of(c.value, c.n);
    EXPECT_EQ(std::string(c.digits), got.text);
    EXPECT_EQ(c.exponent, got.exponent) << c.digits;
    EXPECT_FALSE(got.negative);
  }
}

TEST(DecimalDigits, SpecialValues) {
  EXPECT_EQ("000", Of(-0.0L, 3).text);
  EXPECT_EQ(1, Of(-0.0L, 3).exponent);
  EXPECT_TRUE(Of(-0.0L, 3).negative);
  EXPECT_EQ("9999", Of(std::numeric_limits<long double>::infinity(), 4).text);
  EXPECT_EQ(999, Of(std::numeric_limits<long double>::infinity(), 4).exponent);
  EXPECT_EQ("00", Of(std::numeric_limits<long double>::quiet_NaN(), 2).text);
  EXPECT_EQ(1, Of(std::numeric_limits<long double>::quiet_NaN(), 2).exponent);
  EXPECT_EQ("0", Of(std::numeric_limits<long double>::denorm_min(), 0).text);  // n is taken into 1..19
  EXPECT_EQ(19u, Of(1, 40).text.size());
}

// The estimate of the decimal exponent can be one too high for the smallest
// values; the first digit must still be a real one and the exponent right.
TEST(DecimalDigits, SmallestNormalValuesKeepEighteenDigits) {
  for (uint16_t exponent = 1; exponent < 16383; exponent += 7) {
    const long double value = EncodeExtended(ExtendedParts{false, exponent, 0xC000000000000000u});
    const Digits got = Of(value, 18);
    ASSERT_NE('0', got.text[0]) << "exponent field " << exponent;
    // 0.d1d2... x 10^X lies within one unit of the 18th digit of the value.
    const long double back = ScaleByPowerOfTen(std::strtold(("0." + got.text).c_str(), nullptr), static_cast<int16_t>(got.exponent));
    EXPECT_NEAR(1.0L, back / value, 1e-17L) << "exponent field " << exponent;
  }
}

}  // namespace

#if DEMO_X87
namespace {

void LoadControlWord(uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word)); }

// 32-bit programs commonly start with 53-bit precision control; the digits must
// not depend on it, and the caller's control word must survive the call.
TEST(DecimalDigits, SameUnderAShorterPrecisionControl) {
  const long double values[] = {1.0L / 3, 123456789012345678.0L, 0x1p-16382L, 1e4000L, 0.1L, 0x1.23456789abcdefp-3000L};
  const uint16_t original = FpuControlWord();
  for (const long double value : values) {
    const Digits extended = Of(value, 19);
    const uint16_t shorter = static_cast<uint16_t>((original & ~0x0300) | 0x0200);
    LoadControlWord(shorter);
    const Digits underShorter = Of(value, 19);
    const uint16_t after = FpuControlWord();
    LoadControlWord(original);
    EXPECT_EQ(extended.text, underShorter.text);
    EXPECT_EQ(extended.exponent, underShorter.exponent);
    EXPECT_EQ(shorter, after);
  }
}

}  // namespace
#endif
