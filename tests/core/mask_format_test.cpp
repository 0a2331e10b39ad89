#include "text/mask_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

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
  for (const char* mask : {"**$#,###.##", "Total: ##.## units", "abc"}) {
    const std::string whole = Format(mask, -1234.5L);
    for (uint64_t capacity = 0; capacity < whole.size(); ++capacity) {
      char buffer[40];
      std::memset(buffer, '~', sizeof buffer);
      EXPECT_EQ(whole.size(), FormatWithMask(-1234.5L, mask, static_cast<uint32_t>(std::strlen(mask)), buffer, capacity));
      EXPECT_EQ(whole.substr(0, capacity) + std::string(40 - capacity, '~'), std::string(buffer, 40));
    }
  }
  EXPECT_EQ(2u, FormatWithMask(5, "#.", 2, nullptr, 0));
  EXPECT_EQ(7u, FormatWithMask(-5, "**##.##", 7, nullptr, 0));  // "**-5.00"
}
