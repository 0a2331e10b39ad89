#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/dialog_template.h"

namespace {

std::vector<unsigned char> Build(const std::string& title, int32_t x, int32_t y, int32_t width, int32_t height,
                                 uint32_t style, uint32_t exStyle = 0) {
  DialogTemplateBuffer buffer;
  std::memset(buffer.bytes, 0xCC, sizeof buffer.bytes);
  const size_t length = DialogTemplateBuild(
      buffer, {title.data(), static_cast<uint32_t>(title.size()), x, y, width, height, style, exStyle});
  return {buffer.bytes, buffer.bytes + length};
}

uint32_t Word(const std::vector<unsigned char>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}
uint16_t Unit(const std::vector<unsigned char>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// The units from `at` up to (not including) the first 0 unit.
std::u16string Units(const std::vector<unsigned char>& bytes, size_t at) {
  std::u16string text;
  for (; at + 1 < bytes.size() && Unit(bytes, at) != 0; at += 2) text += static_cast<char16_t>(Unit(bytes, at));
  return text;
}

}  // namespace

TEST(DialogTemplate, DemoDialogIsExactlyItsHundredAndFourBytes) {
  const auto bytes = Build("Demo listbox with Colomns", -1, -1, 398, 317, 0x00C80880);
  ASSERT_EQ(104u, bytes.size());
  const std::vector<unsigned char> header{0xD4, 0x08, 0xC8, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0x8E, 0x01, 0x3D, 0x01, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(header, std::vector<unsigned char>(bytes.begin(), bytes.begin() + 22));
  EXPECT_EQ(u"Demo listbox with Colomns", Units(bytes, 22));
  EXPECT_EQ(0, Unit(bytes, 72));
  EXPECT_EQ(8, Unit(bytes, 74));
  EXPECT_EQ(u"MS Sans Serif", Units(bytes, 76));
  EXPECT_EQ(0, Unit(bytes, 102));
}

TEST(DialogTemplate, TitleLengthsAndTemplateSizes) {
  struct Case {
    std::string title;
    size_t templateBytes;
    std::u16string caption;
  };
  const Case cases[] = {
      {"", 56, u" "},                                      // empty title: one blank
      {"A", 56, u"A"},
      {std::string(256, 'x'), 566, std::u16string(256, u'x')},  // the longest
      {std::string(300, 'y'), 566, std::u16string(256, u'y')},  // cut to its first 256 bytes
      {std::string(257, 'z'), 566, std::u16string(256, u'z')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title.size());
    const auto bytes = Build(c.title, 10, 10, 100, 100, 0);
    EXPECT_EQ(c.templateBytes, bytes.size());
    EXPECT_EQ(c.caption, Units(bytes, 22));
    const size_t font = 22 + 2 * c.caption.size() + 2;
    EXPECT_EQ(8, Unit(bytes, font));
    EXPECT_EQ(u"MS Sans Serif", Units(bytes, font + 2));
  }
}

TEST(DialogTemplate, TitleBytesWidenWithoutCodePage) {
  const auto bytes = Build(std::string("\xE9\x80\x01\xFF", 4), 0, 0, 10, 10, 0);
  EXPECT_EQ(std::u16string(u"\u00E9\u0080\u0001\u00FF"), Units(bytes, 22));
  // A zero byte inside a title ends the caption the platform reads, but the
  // template keeps its layout: the font still follows the whole title.
  const auto withZero = Build(std::string("a\0b", 3), 0, 0, 10, 10, 0);
  EXPECT_EQ(60u, withZero.size());
  EXPECT_EQ(8, Unit(withZero, 22 + 8));
}

TEST(DialogTemplate, StyleRules) {
  struct Case {
    uint32_t style;
    int32_t x, y;
    uint32_t expected;
  };
  const Case cases[] = {
      {0, -1, -1, 0x80C008D4},           // default style, centred
      {0, 10, 10, 0x80C000D4},           // default style
      {0x00C80880, -1, -1, 0x00C808D4},  // the demo's style
      {0x00C80880, 10, 10, 0x00C808D4},  // DS_CENTER given by the caller stays
      {0x10C00000, 5, 5, 0x00C00054},    // WS_VISIBLE goes: created hidden
      {0x00C00002, 5, 5, 0x00C00054},    // DS_SYSMODAL goes
      {0x00C00000, -1, 40, 0x00C00854},  // one -1 is enough to centre
      {0x00C00000, 40, -1, 0x00C00854},
      {0x00C00000, -2, 40, 0x00C00054},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.style << " at " << std::dec << c.x << "," << c.y);
    EXPECT_EQ(c.expected, DialogTemplateStyle(c.style, c.x, c.y));
    EXPECT_EQ(c.expected, Word(Build("t", c.x, c.y, 10, 10, c.style), 0));
  }
}

TEST(DialogTemplate, GeometryAndExtendedStyleAreWrittenAsGiven) {
  const auto bytes = Build("t", -1, 40, 0x12345, -3, 0, 0x00040188);
  EXPECT_EQ(0x00040188u, Word(bytes, 4));
  EXPECT_EQ(0, Unit(bytes, 8));  // no items
  EXPECT_EQ(0xFFFF, Unit(bytes, 10));
  EXPECT_EQ(40, Unit(bytes, 12));
  EXPECT_EQ(0x2345, Unit(bytes, 14));  // a width above 65535 keeps its low 16 bits
  EXPECT_EQ(0xFFFD, Unit(bytes, 16));
  EXPECT_EQ(0, Unit(bytes, 18));  // no menu
  EXPECT_EQ(0, Unit(bytes, 20));  // the system's dialog class
}

TEST(DialogTemplate, NullTitleReadsAsEmpty) {
  DialogTemplateBuffer buffer;
  EXPECT_EQ(56u, DialogTemplateBuild(buffer, {nullptr, 99, 0, 0, 10, 10, 0, 0}));
  EXPECT_EQ(' ', buffer.bytes[22]);
}
