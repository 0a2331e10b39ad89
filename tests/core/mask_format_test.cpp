#include "text/mask_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/number_fpu.h"

namespace {

std::string Format(const std::string& mask, long double value) {
  char area[512];
  const uint64_t length = FormatWithMask(value, mask.data(), static_cast<uint32_t>(mask.size()), area, sizeof area);
  if (length <= sizeof area) return std::string(area, length);
  std::vector<char> large(length);
  FormatWithMask(value, mask.data(), static_cast<uint32_t>(mask.size()), large.data(), length);
  return std::string(large.data(), length);
}

struct Case {
  const char* expected;
  const char* mask;
  long double value;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases)
    EXPECT_EQ(std::string(c.expected), Format(c.mask, c.value)) << "mask \"" << c.mask << "\" value " << static_cast<double>(c.value);
}

TEST(MaskFormat, RowLabelsAndWidening) {
  ExpectAll({
      {" 1", "##", 1},     {" 9", "##", 9},     {"10", "##", 10},    {"20", "##", 20},
      {"100", "##", 100},  {" 0", "##", 0},     {"-5", "##", -5},    {"-15", "##", -15},
      {"1", "#", 0.5L},    {"0", "#", 0.4L},    {"0", "#", 0.05L},   {"-5", "#", -5},
      {"-15", "#", -15},
  });
}

TEST(MaskFormat, FractionsAndRoundingCarries) {
  ExpectAll({
      {" 3.14", "##.##", 3.14159L},  {"-3.14", "##.##", -3.14159L},   {" 0.01", "##.##", 0.005L},
      {" 0.00", "##.##", 0.00001L},  {"-0.00", "##.##", -0.0000001L}, {"10.00", "#.##", 9.999L},
      {"0.50", "#.##", 0.5L},        {".50", ".##", 0.5L},            {"-.50", ".##", -0.5L},
      {"12.50", ".##", 12.5L},       {"10.0", "#.#", 9.96L},          {"1000", "###", 999.6L},
      {"1.0", ".#", 0.96L},
  });
}

TEST(MaskFormat, ThousandsSeparators) {
  ExpectAll({
      {"1,234,567", "#,###", 1234567},  {" 1,234.50", "##,###.##", 1234.5L}, {"12,345", "###,", 12345},
      {"10", "#,", 9.6L},               {" 100", "#,", 99.6L},              {" 1,000", "#,", 999.6L},
  });
}

TEST(MaskFormat, CurrencyAndFill) {
  ExpectAll({
      {"**$1,234.50", "**$#,###.##", 1234.5L},      {"*-$1,234.50", "**$#,###.##", -1234.5L},
      {"******$0.00", "**$#,###.##", 0},            {"$1,234,567.89", "**$#,###.##", 1234567.891L},
      {"  $5.00", "$$##.##", 5},                    {"-$123.00", "$$##.##", -123},
      {"***5.00", "**##.##", 5},                    {"***$5.00", "**$##.##", 5},
      {"**-5", "**##", -5},                         {"0042", "0000", 42},
      {"0-5", "000", -5},                           {"$5", "$#", 5},
      {"x***5", "**x##", 5},
  });
}

TEST(MaskFormat, ExponentForm) {
  ExpectAll({
      {" 1.23E+04", "##.##^^^^", 12345},  {" 1.23E-04", "##.##^^^^", 0.000123L}, {" 5E+00", "#^^^^", 5},
      {"-5E+00", "#^^^^", -5},            {" .50E+01", "#.##^^^^", 5},           {" 1E+5", "##^^^", 123456},
      {" 2E-12", "##^^^", 1.5E-12L},      {"1000000000000000000", "##", 1E18L},  {"10E+18", "##", 1E19L},
      {" 1E+01", "#^^^^", 9.6L},
  });
}

TEST(MaskFormat, Sections) {
  ExpectAll({
      {"( 5)", "##;(##);zero", -5},  {" 7", "##;(##);zero", 7},  {"0", "##;(##);zero", 0},
      {"5", ";(##)", 5},             {"( 5)", ";(##)", -5},      {"5", "##;none", -5},
      {"-5", "##;", -5},             {" 0", "##;;", 0},          {"z0", "##;;z#", -0.0L},
      {"[ 5]", "##;[##];z;(##)", -5},
  });
}

TEST(MaskFormat, LeadingAndTrailingText) {
  ExpectAll({
      {"Total:  7.50 units", "Total: ##.## units", 7.5L},
      {" 5 ", "## ##", 5},
      {" 5 of 1", "## of 100", 5},
      {"#5", "\\##", 5},
      {"+ 5", "+##", 5},
      {"Total 5$", "Total $", 5},
      {" 5x", "##\\x", 5},
      {" 5\\", "##\\", 5},
      {" 5 a", "## a!b", 5},
  });
}

TEST(MaskFormat, SectionsWithoutAFieldGiveThePlainNumber) {
  ExpectAll({
      {"5", "", 5},       {"5", "abc", 5},     {"5", "##^^", 5},    {"5", "a^b##", 5},
      {"-2.5", "abc", -2.5L}, {".5", "x", 0.5L}, {"5", "$$", 5},   {"5", "**", 5},
      {"5", "ab.", 5},    {"5", "ab\\", 5},    {"5", "#^^^^^^^", 5}, {"5", "**$", 5},
      {"5", "*", 5},
  });
}

TEST(MaskFormat, SpecialValues) {
  const long double infinity = std::numeric_limits<long double>::infinity();
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  ExpectAll({
      {"10E+998", "##", infinity},
      {"-1E+999", "##", -infinity},
      {" 0", "##", nan},
      {" 0.00", "##.##", 1e-4940L},  // a denormal shows as zero
  });
}

// Fields wider than the digit string show '0' for every place past it, and values
// far below 1 keep every one of their leading zeros however many there are.
TEST(MaskFormat, FieldsBeyondTheDigitString) {
  const std::string zeros18(18, '0');
  const std::string hashes19(19, '#');
  ExpectAll({
      // 2^70 = 1180591620717411303424: 18 digits, then zeros.
      {("1180591620717411300000." + std::string(19, '0')).c_str(), ("#." + hashes19).c_str(), 0x1p70L},
      {("." + std::string(28, '0') + "5").c_str(), ("." + std::string(29, '#')).c_str(), 5e-29L},
      {("." + zeros18).c_str(), ("." + std::string(18, '#')).c_str(), 6e-29L},
      {("." + std::string(17, '0') + "1").c_str(), ("." + std::string(18, '#')).c_str(), 6e-19L},
  });
  const std::string huge = Format("#." + hashes19, 1e300L);
  EXPECT_EQ("1" + std::string(300, '0') + "." + std::string(19, '0'), huge);
}

}  // namespace

namespace {

// A buffer too small gets only what fits, and the caller learns the whole length.
TEST(MaskFormat, SmallBufferIsFilledOnlyAsFarAsItGoes) {
  for (const char* mask : {"**$#,###.##", "Total: ##.## units", "abc"}) {
    const std::string whole = Format(mask, -1234.5L);
    for (uint64_t capacity = 0; capacity < whole.size(); ++capacity) {
      char buffer[40];
      std::memset(buffer, '~', sizeof buffer);
      EXPECT_EQ(whole.size(), FormatWithMask(-1234.5L, mask, static_cast<uint32_t>(std::strlen(mask)), buffer, capacity));
      EXPECT_EQ(whole.substr(0, capacity), std::string(buffer, capacity));
      EXPECT_EQ(std::string(sizeof buffer - capacity, '~'), std::string(buffer + capacity, sizeof buffer - capacity));
    }
  }
  // Measuring alone: no buffer at all.
  EXPECT_EQ(2u, FormatWithMask(5, "#.", 2, nullptr, 0));
  EXPECT_EQ(7u, FormatWithMask(-5, "**##.##", 7, nullptr, 0));  // "**-5.00"
}

}  // namespace
