#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text/mask_field.h"

namespace {

struct Scanned {
  MaskScan scan;
  MaskField field;
  std::string leading;
};

Scanned Scan(const char* section) {
  char text[64];
  MaskWriter leading{text, sizeof text, 0};
  MaskField field;
  const MaskScan scan = ScanMaskSection(section, static_cast<uint32_t>(std::strlen(section)), leading, field);
  return Scanned{scan, field, std::string(text, leading.length)};
}

// What the scan makes of each kind of field: width, integer, fraction and exponent
// positions, fill, flags, where the trailing text begins and the leading text.
TEST(MaskScan, CollectsTheFieldDescription) {
  struct Case {
    const char* section;
    uint32_t width, integer, fraction, exponent;
    char fill;
    bool point, thousands, currency, exponentForm;
    uint32_t fieldEnd;
    const char* leading;
  };
  const Case cases[] = {
      {"##", 2, 2, 0, 0, ' ', false, false, false, false, 2, ""},
      {"**$#,###.##", 11, 7, 2, 0, '*', true, true, true, false, 11, ""},
      {"$$##.##", 7, 3, 2, 0, ' ', true, false, true, false, 7, ""},
      {"0000", 4, 4, 0, 0, '0', false, false, false, false, 4, ""},
      {"#0#", 3, 3, 0, 0, '0', false, false, false, false, 3, ""},
      {"##.##^^^^ x", 9, 2, 2, 4, ' ', true, false, false, true, 9, ""},
      {"#,##^^^", 7, 4, 0, 3, ' ', false, false, false, true, 7, ""},  // the exponent drops the separators
      {",,.,#", 5, 2, 2, 0, ' ', true, true, false, false, 5, ""},
      {",,x", 2, 2, 0, 0, ' ', false, true, false, false, 2, ""},
      {",,", 2, 2, 0, 0, ' ', false, true, false, false, 2, ""},
      {"Total: ##.## units", 5, 2, 2, 0, ' ', true, false, false, false, 12, "Total: "},
      {"**x#", 3, 3, 0, 0, '*', false, false, false, false, 4, "x"},
      {"Total $", 0, 0, 0, 0, ' ', false, false, false, false, 6, "Total "},
      {"\\##", 1, 1, 0, 0, ' ', false, false, false, false, 3, "#"},
      {"#.#.#", 3, 1, 1, 0, ' ', true, false, false, false, 3, ""},
      {"#.#,#", 3, 1, 1, 0, ' ', true, false, false, false, 3, ""},
      {"**#**", 3, 3, 0, 0, '*', false, false, false, false, 3, ""},
      {"$$#$$", 3, 2, 0, 0, ' ', false, false, true, false, 3, ""},
      {"$$.$$", 3, 1, 0, 0, ' ', true, false, true, false, 3, ""},
  };
  for (const Case& c : cases) {
    const Scanned got = Scan(c.section);
    ASSERT_TRUE(got.scan.hasField) << c.section;
    const MaskField& f = got.field;
    EXPECT_EQ(c.width, f.width) << c.section;
    EXPECT_EQ(c.integer, f.integerPositions) << c.section;
    EXPECT_EQ(c.fraction, f.fractionPositions) << c.section;
    EXPECT_EQ(c.exponent, f.exponentPositions) << c.section;
    EXPECT_EQ(c.fill, f.fillChar) << c.section;
    EXPECT_EQ(c.point, f.hasPoint) << c.section;
    EXPECT_EQ(c.thousands, f.hasThousands) << c.section;
    EXPECT_EQ(c.currency, f.hasCurrency) << c.section;
    EXPECT_EQ(c.exponentForm, f.exponentForm) << c.section;
    EXPECT_EQ(c.fieldEnd, got.scan.fieldEnd) << c.section;
    EXPECT_EQ(std::string(c.leading), got.leading) << c.section;
  }
}

TEST(MaskScan, SectionsWithoutAField) {
  for (const char* section : {"", "abc", "##^^", "##^", "#^^^^^^^", "a^b##", "$$", "**", "**$", "*", "ab.", "x\\",
                              "**x", "$x"})
    EXPECT_FALSE(Scan(section).scan.hasField) << section;
}

// Rounding works on the shown digits only, with the carry running left and out.
TEST(MaskRound, CarriesThroughTheShownDigits) {
  MaskField field;
  field.width = 4;
  field.integerPositions = 3;
  field.fractionPositions = 1;
  field.hasPoint = true;
  FittedField fitted;
  FitMaskField(field, 999.96L, false, fitted);
  EXPECT_EQ(3u, fitted.integerDigits);
  RoundMaskField(fitted);
  EXPECT_EQ(4u, fitted.integerDigits);
  EXPECT_EQ(5u, fitted.width);
  EXPECT_EQ(3u, fitted.integerPositions) << "the carry widens the field but keeps the integer positions";
  EXPECT_EQ('1', MaskDigitAt(fitted.digits, 1));
  EXPECT_EQ('0', MaskDigitAt(fitted.digits, 5));

  FittedField small;
  FitMaskField(field, 0.00096L, false, small);
  EXPECT_EQ(3u, small.digits.lead);
  RoundMaskField(small);
  EXPECT_EQ('0', MaskDigitAt(small.digits, 1)) << "0.00096 shows as 0.0";
}

}  // namespace
