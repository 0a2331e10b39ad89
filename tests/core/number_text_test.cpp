#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cstring>

#include "text/mask_format.h"
#include "text/number_digits.h"
#include "text/number_fpu.h"

using limits = std::numeric_limits<long double>;

// The extended entries are 10^(8 x 2^i) correctly rounded, worked out with exact integer arithmetic.
TEST(PowersOfTen, TableEntriesAndScalingAreExact) {
  const struct { uint64_t significand; uint16_t exponent; } expected[10] = {
      {0xBEBC200000000000u, 16383 + 26},   {0x8E1BC9BF04000000u, 16383 + 53},   {0x9DC5ADA82B70B59Eu, 16383 + 106},
      {0xC2781F49FFCFA6D5u, 16383 + 212},  {0x93BA47C980E98CE0u, 16383 + 425},  {0xAA7EEBFB9DF9DE8Eu, 16383 + 850},
      {0xE319A0AEA60E91C7u, 16383 + 1700}, {0xC976758681750C17u, 16383 + 3401}, {0x9E8B3B5DC53D5DE5u, 16383 + 6803},
      {0xC46052028A20979Bu, 16383 + 13606}};
  for (int i = 0; i < 10; ++i)
    EXPECT_TRUE(DecodeExtended(PowersOfTenTable.large[i]).significand == expected[i].significand && DecodeExtended(PowersOfTenTable.large[i]).exponent == expected[i].exponent) << i;
  EXPECT_EQ(0, ScaleByPowerOfTen(1, -32768));
  EXPECT_GT(ScaleByPowerOfTen(limits::denorm_min(), 9000), 1e4000L) << "beyond one step of 10^4096";
}

// The text without its trailing blank, which must be there, within the longest length.
static std::string Text(long double value, uint32_t n) {
  char buffer[kNumberTextBufferSize];
  const uint32_t length = NumberTextCore(value, n, buffer);
  EXPECT_TRUE(length <= 27 && buffer[length - 1] == ' ') << length;
  return std::string(buffer, length - 1);
}

static long double Bits(bool negative, uint16_t exponent, uint64_t significand) { return EncodeExtended({negative, exponent, significand}); }

// Every encoding has a text: the special ones by the rules of the digit generator,
// those whose integer bit is clear by the value their bits denote.
TEST(NumberText, FixedAndExponentFormsOfEveryKindOfValue) {
  const std::string infinity = " 9.99999999999999E+998";
  // Special encodings by the generator's rules (pseudo-denormal, pseudo-infinity and -NaN, unnormals by their bits).
  const struct { std::string expected; long double value; uint32_t n = 15; } cases[] = {
      {" 0", 0},  {" 1", 1},  {"-1", -1},  {" 20", 20},  {" 100", 100},  {" .5", 0.5L},  {"-.5", -0.5L},
      {" .05", 0.05L},  {" 1.5", 1.5L},  {" 123.456", 123.456L},  {" .333333333333333", 1.0L / 3},
      {" .666666666666667", 2.0L / 3},  {"-.666666666666667", -2.0L / 3},  {" 999999999999999", 999999999999999.0L},
      {" .000000000000001", 1E-15L},  {" 1E+15", 1E15L},  {" 1E+16", 1E16L},
      {" 1.23456789012346E+17", 123456789012345678.0L},  {" 1E+100", 1E100L},  {" 1E-16", 1E-16L},
      {" 1.5E-20", 1.5E-20L},  {"-1E-100", -1E-100L},  {" 1.18973149535723E+4932", limits::max()},
      {" 3.36210314311209E-4932", limits::min()},  {"-0", -0.0L},  {infinity, limits::infinity()},
      {"-" + infinity.substr(1), -limits::infinity()},  {" 0", limits::quiet_NaN()},  {"-0", -limits::quiet_NaN()},
      {" 0", limits::denorm_min()},  {"-0", Bits(true, 0, 0x8000000000000000u)},
      {infinity, Bits(false, 0x7FFF, 0x8000000000000001u)},  {" 0", Bits(false, 0x7FFF, 0)},
      {" 0", Bits(false, 0x7FFF, 0x4000000000000000u)},  {" 1", Bits(false, 16383 + 1, 0x4000000000000000u)},
      {"-3", Bits(true, 16383 + 2, 0x6000000000000000u)},  {" 0", Bits(false, 16383, 0)},  {" 0", Bits(false, 3, 1)},
      {" 3.141593", 3.14159265358979L, 7},  {" 1.234568E+7", 12345678.9L, 7},  {" 1E+15", 999999999999999.0L, 7},
      {" .667", 2.0L / 3, 3},  {" 1.23E+3", 1234, 3},  {" .25", 0.25L, 18},
      {" 123456789012345678", 123456789012345678.0L, 18},  {" 1E+1", 9.5L, 1},  {" 9", 9.4L, 1},  {" .1", 0.095L, 1},
      {" .666666666666666667", 2.0L / 3, 0},  {" .666666666666666667", 2.0L / 3, 4000000000u},
      {"-1.23456789012345678E-4000", -1.23456789012345678E-4000L, 18}};
  for (const auto& c : cases) EXPECT_EQ(c.expected, Text(c.value, c.n)) << "n = " << c.n;
}

// Formats into the 512-byte work area, or into a buffer of the whole length when it does not fit.
static std::string Format(const std::string& mask, long double value) {
  std::vector<char> area(512);
  const uint64_t length = FormatWithMask(value, mask.data(), static_cast<uint32_t>(mask.size()), area.data(), 512);
  if (length > 512) area.resize(length), FormatWithMask(value, mask.data(), static_cast<uint32_t>(mask.size()), area.data(), length);
  return std::string(area.data(), length);
}

// Fields wider than the digit string show '0' past it; values far below 1 keep all their leading zeros.
TEST(MaskFormat, FormatsEachKindOfMask) {
  const long double kInf = std::numeric_limits<long double>::infinity(), kNaN = std::numeric_limits<long double>::quiet_NaN();
  const std::string z18(18, '0'), z19(19, '0'), h18(18, '#'), h19(19, '#');
  const struct { std::string expected, mask; long double value; } cases[] = {
      {" 1", "##", 1}, {" 9", "##", 9}, {"10", "##", 10}, {"20", "##", 20}, {"100", "##", 100}, {" 0", "##", 0},
      {"-5", "##", -5}, {"-15", "##", -15}, {"1", "#", 0.5L}, {"0", "#", 0.4L}, {"0", "#", 0.05L}, {"-5", "#", -5},
      {"-15", "#", -15}, {" 3.14", "##.##", 3.14159L}, {"-3.14", "##.##", -3.14159L}, {" 0.01", "##.##", 0.005L},
      {" 0.00", "##.##", 0.00001L}, {"-0.00", "##.##", -0.0000001L}, {"10.00", "#.##", 9.999L},
      {"0.50", "#.##", 0.5L}, {".50", ".##", 0.5L}, {"-.50", ".##", -0.5L}, {"12.50", ".##", 12.5L},
      {"10.0", "#.#", 9.96L}, {"1000", "###", 999.6L}, {"1.0", ".#", 0.96L}, {"1,234,567", "#,###", 1234567},
      {" 1,234.50", "##,###.##", 1234.5L}, {"12,345", "###,", 12345}, {"10", "#,", 9.6L}, {" 100", "#,", 99.6L},
      {" 1,000", "#,", 999.6L}, {"**$1,234.50", "**$#,###.##", 1234.5L}, {"*-$1,234.50", "**$#,###.##", -1234.5L},
      {"******$0.00", "**$#,###.##", 0}, {"$1,234,567.89", "**$#,###.##", 1234567.891L}, {"  $5.00", "$$##.##", 5},
      {"-$123.00", "$$##.##", -123}, {"***5.00", "**##.##", 5}, {"***$5.00", "**$##.##", 5}, {"**-5", "**##", -5},
      {"0042", "0000", 42}, {"0-5", "000", -5}, {"$5", "$#", 5}, {"x***5", "**x##", 5},
      {" 1.23E+04", "##.##^^^^", 12345}, {" 1.23E-04", "##.##^^^^", 0.000123L}, {" 5E+00", "#^^^^", 5},
      {"-5E+00", "#^^^^", -5}, {" .50E+01", "#.##^^^^", 5}, {" 1E+5", "##^^^", 123456}, {" 2E-12", "##^^^", 1.5E-12L},
      {"1000000000000000000", "##", 1E18L}, {"10E+18", "##", 1E19L}, {" 1E+01", "#^^^^", 9.6L},
      {"( 5)", "##;(##);zero", -5}, {" 7", "##;(##);zero", 7}, {"0", "##;(##);zero", 0}, {"5", ";(##)", 5},
      {"( 5)", ";(##)", -5}, {"5", "##;none", -5}, {"-5", "##;", -5}, {" 0", "##;;", 0}, {"z0", "##;;z#", -0.0L},
      {"[ 5]", "##;[##];z;(##)", -5}, {"Total:  7.50 units", "Total: ##.## units", 7.5L}, {" 5 ", "## ##", 5},
      {" 5 of 1", "## of 100", 5}, {"#5", "\\##", 5}, {"+ 5", "+##", 5}, {"Total 5$", "Total $", 5},
      {" 5x", "##\\x", 5}, {" 5\\", "##\\", 5}, {" 5 a", "## a!b", 5}, {"5", "", 5}, {"5", "abc", 5},
      {"5", "##^^", 5}, {"5", "a^b##", 5}, {"-2.5", "abc", -2.5L}, {".5", "x", 0.5L}, {"5", "$$", 5}, {"5", "**", 5},
      {"5", "ab.", 5}, {"5", "ab\\", 5}, {"5", "#^^^^^^^", 5}, {"5", "**$", 5}, {"5", "*", 5},
      {"10E+998", "##", kInf}, {"-1E+999", "##", -kInf}, {" 0", "##", kNaN}, {" 0.00", "##.##", 1e-4940L},
      {"005", "#0#", 5}, {" 1.23E+03 x", "##.##^^^^ x", 1234.5L}, {" 123E+1", "#,##^^^", 1234.5L}, {"1,234.50", ",,.,#", 1234.5L}, {"1,235x", ",,x", 1234.5L},
      {"1,235", ",,", 1234.5L}, {"x**5", "**x#", 5}, {"1234.5", "#.#.#", 1234.5L}, {"1234.5,", "#.#,#", 1234.5L}, {"**5", "**#**", 5},
      {" $5", "$$#$$", 5}, {"$1.", "$$.$$", 0.5L}, {"5", "##^", 5}, {"5", "x\\", 5}, {"5", "**x", 5}, {"5", "$x", 5},
      {"1180591620717411300000." + z19, "#." + h19, 0x1p70L}, {"." + std::string(28, '0') + "5", "." + h19 + "##########", 5e-29L},
      {"." + z18, "." + h18, 6e-29L}, {"." + std::string(17, '0') + "1", "." + h18, 6e-19L},
      {"1" + std::string(300, '0') + "." + z19, "#." + h19, 1e300L}};
  for (const auto& c : cases) EXPECT_EQ(c.expected, Format(c.mask, c.value)) << c.mask << " " << static_cast<double>(c.value);
}

// A buffer too small gets only what fits, and the caller learns the whole length.
TEST(MaskFormat, SmallBufferIsFilledOnlyAsFarAsItGoes) {
  std::string buffer(12, '~');
  EXPECT_EQ(11u, FormatWithMask(-1234.5L, "**$#,###.##", 11, buffer.data(), 5));
  EXPECT_EQ("*-$1,~~~~~~~", buffer);
}
