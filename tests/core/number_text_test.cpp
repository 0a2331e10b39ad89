#include <tabard/text/number_text.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <tabard/text/mask_field.h>
#include <tabard/text/mask_format.h>
#include <tabard/text/number_digits.h>
#include <tabard/text/number_fpu.h>

using namespace tabard;

using limits = std::numeric_limits<long double>;

// Every encoding has a text: the special ones by the rules of the digit generator, those whose integer
// bit is clear by the value their bits denote. The rows' exponents need each entry of the power table;
// scaling beyond the table ends in zero or keeps growing rather than wrapping.
TEST(NumberText, FixedAndExponentFormsOfEveryKindOfValue) {
  EXPECT_EQ(0, ScaleByPowerOfTen(1, -32768));
  EXPECT_GT(ScaleByPowerOfTen(limits::denorm_min(), 9000), 1e4000L);
  const ExtendedPrecisionScope precision;  // the compiler's powers are the ones the processor assembles
  for (uint32_t m = 0; m < kAssembledPowers; ++m)
    ASSERT_EQ(ScaleByPowerOfTen(1, static_cast<int16_t>(m)), AssembledPowersTable.power[m]) << m;
  const auto Bits = [](bool sign, uint16_t exponent, uint64_t bits) { return EncodeExtended({sign, exponent, bits}); };
  const std::string infinity = " 9.99999999999999E+998";
  // Special encodings by the generator's rules (pseudo-denormal, pseudo-infinity and -NaN, unnormals by their bits).
  // clang-format off
  const struct { std::string expected; long double value; uint32_t n = 15; } cases[] = {
      {" 0", 0}, {" 123.456", 123.456L}, {" 1.23456789012345", 1.23456789012345499L}, {" .333333333333333", 1.0L / 3},
      {" .666666666666667", 2.0L / 3}, {"-.666666666666667", -2.0L / 3}, {" 999999999999999", 999999999999999.0L},
      {" .000000000000001", 1E-15L}, {" 1E+15", 1E15L}, {" 1.23456789012346E+17", 123456789012345678.0L},
      {" 1E+100", 1E100L}, {" 1E-16", 1E-16L}, {" 1.5E-20", 1.5E-20L},
      {"-1E-100", -1E-100L}, {" 1.18973149535723E+4932", limits::max()}, {" 3.36210314311209E-4932", limits::min()},
      {"-0", -0.0L}, {infinity, limits::infinity()}, {"-" + infinity.substr(1), -limits::infinity()},
      {" 0", limits::quiet_NaN()}, {"-0", -limits::quiet_NaN()}, {" 0", limits::denorm_min()},
      {"-0", Bits(1, 0, 1ull << 63)}, {infinity, Bits(0, 0x7FFF, (1ull << 63) + 1)}, {" 0", Bits(0, 0x7FFF, 0)},
      {" 0", Bits(0, 0x7FFF, 1ull << 62)}, {" 1", Bits(0, 16384, 1ull << 62)}, {"-3", Bits(1, 16385, 3ull << 61)},
      {" 0", Bits(0, 16383, 0)}, {" 3.141593", 3.14159265358979L, 7}, {" 1.234568E+7", 12345678.9L, 7},
      {" 1E+15", 999999999999999.0L, 7}, {" .667", 2.0L / 3, 3}, {" 1.23E+3", 1234, 3},
      {" .25", 0.25L, 18}, {" 123456789012345678", 123456789012345678.0L, 18}, {" 1E+1", 9.5L, 1},
      {" 9", 9.4L, 1}, {" .1", 0.095L, 1}, {" .666666666666666667", 2.0L / 3, 0},
      {" .666666666666666667", 2.0L / 3, 4000000000u}, {"-1.23456789012345678E-4000", -1.23456789012345678E-4000L, 18},
      // One scaling too small leaves 19 digits: the tenth taken of them rounds half to even.
      {" 1.23456789012345678E+19", 12345678901234567850.0L, 18},
      {" 1.2345678901234568E+19", 12345678901234567950.0L, 18},
      {" 1.01236353541761802E+87", 1.01236353541761802536E+87L, 18}};  // 2^289 estimates a decade too few
  // clang-format on
  // Each text ends in a blank and stays within the longest length.
  for (const auto& c : cases) {
    char buffer[kNumberTextBufferSize];
    const uint32_t length = NumberTextCore(c.value, c.n, buffer);
    EXPECT_EQ(std::pair(c.expected + ' ', true), std::pair(std::string(buffer, length), length <= 27u)) << c.n;
  }
}

// Formats into the 512-byte work area (longer results: the allocation sweep), in one step where the field
// allows and through the stages alone; both must agree. The mask lies in storage of exactly its length, with
// no zero byte after it, so that the sanitizer stops a read past its end.
static std::string Format(const std::string& mask, long double value) {
  char area[512], staged[512];
  const auto size = static_cast<uint32_t>(mask.size());
  const std::vector<char> exact(mask.begin(), mask.end());
  const char* const bytes = size != 0 ? exact.data() : "";
  const uint64_t length = FormatWithMask(value, bytes, size, area, 512);
  EXPECT_EQ(length, FormatWithMaskInStages(value, bytes, size, staged, 512)) << mask;
  const auto used = static_cast<size_t>(std::min<uint64_t>(length, 512));
  EXPECT_EQ(0, std::memcmp(area, staged, used)) << mask;
  return std::string(area, used);
}

// Fields wider than the digit string show '0' past it; values far below 1 keep all their leading zeros.
TEST(MaskFormat, FormatsEachKindOfMask) {
  const long double kInf = limits::infinity(), kNaN = limits::quiet_NaN();
  const std::string z18(18, '0'), z19(19, '0'), h18(18, '#'), h19(19, '#');
  // clang-format off
  const struct { std::string mask; std::vector<std::pair<long double, std::string>> samples; } cases[] = {
      {"##", {{1, " 1"}, {10, "10"}, {100, "100"}, {0, " 0"}, {-5, "-5"}, {-15, "-15"},
          {1E18L, "1000000000000000000"}, {1E19L, "10E+18"}, {1E200L, "10E+199"}, {1E1005L, "10E+1004"}, {kInf, "10E+998"}, {-kInf, "-1E+999"}, {kNaN, " 0"}}},
      {"#", {{0.5L, "1"}, {0.4L, "0"}, {0.05L, "0"}, {-5, "-5"}, {-15, "-15"}}},
      {"##.##", {{3.14159L, " 3.14"}, {-3.14159L, "-3.14"}, {0.005L, " 0.01"}, {0.00001L, " 0.00"},
          {-0.0000001L, "-0.00"}, {1e-4940L, " 0.00"}}},
      {"#.##", {{9.999L, "10.00"}, {0.5L, "0.50"}}}, {".##", {{0.5L, ".50"}, {-0.5L, "-.50"}, {12.5L, "12.50"}}},
      {"#,", {{9.6L, "10"}, {99.6L, " 100"}, {999.6L, " 1,000"}}},
      {"**$#,###.##", {{1234.5L, "**$1,234.50"}, {-1234.5L, "*-$1,234.50"}, {0, "******$0.00"},
          {1234567.891L, "$1,234,567.89"}}},
      {"$$##.##", {{5, "  $5.00"}, {-123, "-$123.00"}}},
      {"##.##^^^^", {{12345, " 1.23E+04"}, {0.000123L, " 1.23E-04"}}},
      {"#^^^^", {{5, " 5E+00"}, {-5, "-5E+00"}, {9.6L, " 1E+01"}}},
      {"##^^^", {{123456, " 1E+5"}, {1.5E-12L, " 2E-12"}}}, {"##;(##);zero", {{-5, "( 5)"}, {7, " 7"}, {0, "0"}}},
      {";(##)", {{5, "5"}, {-5, "( 5)"}}}, {"abc", {{5, "5"}, {-2.5L, "-2.5"}}},
      {"#." + h19, {{0x1p70L, "1180591620717411300000." + z19}, {1e300L, "1" + std::string(300, '0') + "." + z19}}},
      {"." + h18, {{6e-29L, "." + z18}, {6e-19L, "." + std::string(17, '0') + "1"}}}, {".#", {{0.96L, "1.0"}}},
      {"#,###", {{1234567, "1,234,567"}}}, {"0000", {{42, "0042"}}}, {"000", {{-5, "0-5"}}},
      {"**x##", {{5, "x***5"}}}, {"#.##^^^^", {{5, " .50E+01"}}}, {"##;none", {{-5, "5"}}},
      {"##;", {{-5, "-5"}}}, {"##;;z#", {{-0.0L, "z0"}}}, {"##;[##];z;(##)", {{-5, "[ 5]"}}},
      {"## ##", {{5, " 5 "}}}, {"\\##", {{5, "#5"}}}, {"Total $", {{5, "Total 5$"}}},
      {"##\\x", {{5, " 5x"}}}, {"##\\", {{5, " 5\\"}}}, {"**#**", {{5, "**5"}}},
      {"##.##^^^^ x", {{1234.5L, " 1.23E+03 x"}}}, {"###########.##########^^^^", {{5, " 5000000000.0000000000E-09"}}}, {"#,##^^^", {{1234.5L, " 123E+1"}}}, {"#0#", {{5, "005"}}},
      {",,.,#", {{1234.5L, "1,234.50"}}}, {",,x", {{1234.5L, "1,235x"}}}, {"#.#,#", {{1234.5L, "1234.5,"}}},
      {",,", {{1234.5L, "1,235"}}},
      {"$$.$$", {{0.5L, "$1."}}}, {"." + h19 + "##########", {{5e-29L, "." + std::string(28, '0') + "5"}}}};
  const char* const noField[] = {
      "", "##^^", "a^b##",
      "$$", "**", "ab\\",
      "#^^^^^^^", "**$", "x\\"};
  // clang-format on
  for (const auto& c : cases)
    for (const auto& [value, expected] : c.samples) EXPECT_EQ(expected, Format(c.mask, value)) << c.mask;
  for (const char* mask : noField) EXPECT_EQ("5", Format(mask, 5)) << mask;
  // Too small a buffer gets only what fits, even of a long fill, and the caller learns the whole length.
  for (const auto& [mask, value, capacity, length, seen] :
       {std::tuple{"**$#,###.##", -1234.5L, 5u, 11u, "*-$1,~~~~~~~"}, {"**######", 5.0L, 3u, 8u, "***~~~~~~~~~"}}) {
    std::string buffer(12, '~');
    const uint64_t whole = FormatWithMask(value, mask, static_cast<uint32_t>(std::strlen(mask)), buffer.data(), capacity);
    EXPECT_EQ(std::pair(uint64_t{length}, std::string(seen)), std::pair(whole, buffer)) << mask;
  }
}

#if !defined(_WIN32)
// The digit generator against the C library's correctly rounded digits. Ours round twice, first to 18
// digits in the scaling, so their 18 digits may be a unit off the correct ones (fewer digits: the table
// above). The Windows build's C library prints no extended values.
class NumberReference : public testing::TestWithParam<uint32_t> {};

// A million values in all, in four quarters of the exponent range that ctest runs side by side.
TEST_P(NumberReference, DigitsAgreeWithTheCLibraryUpToDoubleRounding) {
  constexpr uint32_t kQuarterWidth = (kExtendedExponentSpecial - 1 + 3) / 4;
  std::mt19937_64 random(20261206 + GetParam());
  for (uint32_t i = 0; i < 250000; ++i) {
    const uint32_t field = 1 + GetParam() * kQuarterWidth + static_cast<uint32_t>(random() % kQuarterWidth);
    const uint16_t exponent = field < kExtendedExponentSpecial ? field : kExtendedExponentSpecial - 1;
    const long double value = EncodeExtended({(random() & 1) != 0, exponent, random() | 0x8000000000000000u});
    char ours[kDecimalDigitsBufferSize], correct[64];  // correct: "d.(17 digits)e+x", 0.d... x 10^(x+1)
    std::snprintf(correct, sizeof correct, "%.17Le", std::fabs(value));
    const std::string digits = correct[0] + std::string(correct + 2, 17);
    // Ours may carry into a new digit where the correct ones do not: never at random.
    ASSERT_EQ(std::atoi(correct + 20) + 1, DecimalDigits(value, 18, ours).exponent) << digits;
    ASSERT_LE(std::llabs(static_cast<int64_t>(std::stoull(ours) - std::stoull(digits))), 1) << ours << " " << digits;
  }
}

INSTANTIATE_TEST_SUITE_P(ExponentQuarters, NumberReference, testing::Range(0u, 4u));
#endif
