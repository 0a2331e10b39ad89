#include "text/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

#include "text/number_fpu.h"

namespace {

std::string Text(long double value, uint32_t n) {
  char buffer[kNumberTextBufferSize];
  const uint32_t length = NumberTextCore(value, n, buffer);
  EXPECT_LE(length, 27u);
  EXPECT_EQ(' ', buffer[length - 1]);
  return std::string(buffer, length - 1);
}

struct Case {
  const char* expected;
  long double value;
};

void ExpectAll(uint32_t n, const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(std::string(c.expected), Text(c.value, n)) << "n = " << n;
}

long double ScalePower(int places) {
  long double power = 1;
  for (int i = 0; i < places; ++i) power *= 10;
  return power;
}

long double Pattern(bool negative, uint16_t exponent, uint64_t significand) {
  return EncodeExtended(ExtendedParts{negative, exponent, significand});
}

TEST(NumberText, FixedNotation) {
  ExpectAll(15, {
                    {" 0", 0},
                    {" 1", 1},
                    {"-1", -1},
                    {" 20", 20},
                    {" 100", 100},
                    {" .5", 0.5L},
                    {"-.5", -0.5L},
                    {" .05", 0.05L},
                    {" 1.5", 1.5L},
                    {" 123.456", 123.456L},
                    {" .333333333333333", 1.0L / 3},
                    {" .666666666666667", 2.0L / 3},
                    {"-.666666666666667", -2.0L / 3},
                    {" 999999999999999", 999999999999999.0L},
                    {" .000000000000001", 1E-15L},
                });
}

TEST(NumberText, ExponentForm) {
  ExpectAll(15, {
                    {" 1E+15", 1E15L},
                    {" 1E+16", 1E16L},
                    {" 1.23456789012346E+17", 123456789012345678.0L},
                    {" 1E+100", 1E100L},
                    {" 1E-16", 1E-16L},
                    {" 1.5E-20", 1.5E-20L},
                    {"-1E-100", -1E-100L},
                    {" 1.18973149535723E+4932", std::numeric_limits<long double>::max()},
                    {" 3.36210314311209E-4932", std::numeric_limits<long double>::min()},
                });
}

// Every encoding has a text: the special ones by the rules of the digit generator,
// encodings whose integer bit is clear by the value their bits denote.
TEST(NumberText, EveryBitPattern) {
  const long double infinity = std::numeric_limits<long double>::infinity();
  ExpectAll(15, {
                    {"-0", -0.0L},
                    {" 9.99999999999999E+998", infinity},
                    {"-9.99999999999999E+998", -infinity},
                    {" 0", std::numeric_limits<long double>::quiet_NaN()},
                    {"-0", -std::numeric_limits<long double>::quiet_NaN()},
                    {" 0", std::numeric_limits<long double>::denorm_min()},
                    {"-0", Pattern(true, 0, 0x8000000000000000u)},                  // pseudo-denormal
                    {" 9.99999999999999E+998", Pattern(false, 0x7FFF, 0x8000000000000001u)},  // top bits say infinity
                    {" 0", Pattern(false, 0x7FFF, 0)},                              // pseudo-infinity
                    {" 0", Pattern(false, 0x7FFF, 0x4000000000000000u)},            // pseudo-NaN
                    {" 1", Pattern(false, 16383 + 1, 0x4000000000000000u)},         // unnormal: 2^1 x 0.5
                    {"-3", Pattern(true, 16383 + 2, 0x6000000000000000u)},          // unnormal: 2^2 x 0.75
                    {" 0", Pattern(false, 16383, 0)},                               // unnormal zero
                    {" 0", Pattern(false, 3, 0x0000000000000001u)},                 // below the normal range
                });
}

TEST(NumberText, ShortAndChosenDigits) {
  ExpectAll(7, {
                   {" 3.141593", 3.14159265358979L},
                   {" 1.234568E+7", 12345678.9L},
                   {" 1E+15", 999999999999999.0L},
               });
  ExpectAll(3, {{" .667", 2.0L / 3}, {" 1.23E+3", 1234}});
  ExpectAll(18, {{" .25", 0.25L}, {" 123456789012345678", 123456789012345678.0L}});
  ExpectAll(1, {{" 1E+1", 9.5L}, {" 9", 9.4L}, {" .1", 0.095L}});
  EXPECT_EQ(Text(2.0L / 3, 18), Text(2.0L / 3, 0));
  EXPECT_EQ(Text(2.0L / 3, 18), Text(2.0L / 3, 4000000000u));
}

// Integers of up to 15 digits and decimal fractions exact at 15 significant digits
// come out exactly, whatever the scaling's last-digit error.
TEST(NumberText, ShortDecimalsAreExact) {
  std::mt19937_64 random(15);
  for (int i = 0; i < 20000; ++i) {
    const uint64_t mantissa = random() % 1000000000000000u;
    const int places = static_cast<int>(random() % 16);
    std::string digits = std::to_string(mantissa);
    const long double value = static_cast<long double>(mantissa) / ScalePower(places);
    std::string expected;
    if (places == 0) {
      expected = " " + digits;
    } else {
      if (digits.size() <= static_cast<size_t>(places)) digits.insert(0, places - digits.size(), '0');
      expected = " " + digits.substr(0, digits.size() - places) + "." + digits.substr(digits.size() - places);
      while (expected.back() == '0') expected.pop_back();
      if (expected.back() == '.') expected.pop_back();
      if (expected == " ") expected = " 0";
    }
    ASSERT_EQ(expected, Text(value, 15)) << mantissa << " / 10^" << places;
  }
}

TEST(NumberText, LongestTextFitsTheBuffer) {
  EXPECT_EQ("-1.23456789012345678E-4000", Text(-1.23456789012345678E-4000L, 18));
}

}  // namespace
