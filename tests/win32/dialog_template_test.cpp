#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/dialog_template.h"

namespace {

TEST(DialogTemplate, HeaderTitleAndFontAsRequested) {
  const std::string x256(256, 'x'), y257(257, 'y');
  const struct {
    const char* title; uint32_t length; int32_t x, y, width, height; uint32_t style, exStyle, expectedStyle; size_t size;
    std::u16string caption;
  } cases[] = {
      {"Demo listbox with Colomns", 25, -1, -1, 398, 317, 0x00C80880, 0, 0x00C808D4, 104, u"Demo listbox with Colomns"},
      {"t", 1, -1, 40, 0x12345, -3, 0, 0x00040188, 0x80C008D4, 56, u"t"},  // a width keeps its low 16 bits
      {"", 0, 10, 10, 100, 100, 0, 0, 0x80C000D4, 56, u" "},                 // default style; an empty title is a blank
      {nullptr, 99, 0, 0, 10, 10, 0, 0, 0x80C000D4, 56, u" "},
      {x256.data(), 256, 10, 20, 100, 100, 0, 0, 0x80C000D4, 566, std::u16string(256, u'x')},
      {y257.data(), 257, 10, 20, 100, 100, 0, 0, 0x80C000D4, 566, std::u16string(256, u'y')},  // cut at 256 bytes
      {"\xE9\x80\x01\xFF", 4, 1, 2, 3, 4, 0, 0, 0x80C000D4, 62, u"\u00E9\u0080\u0001\u00FF"},  // no code page
      {"a\0b", 3, 1, 2, 3, 4, 0, 0, 0x80C000D4, 60, u"a"},  // the font still follows the whole title
      {"t", 1, 10, 10, 9, 9, 0x00C80880, 0, 0x00C808D4, 56, u"t"},  // DS_CENTER given by the caller stays
      {"t", 1, 5, 5, 9, 9, 0x10C00000, 0, 0x00C00054, 56, u"t"},    // WS_VISIBLE goes: created hidden
      {"t", 1, 5, 5, 9, 9, 0x00C00002, 0, 0x00C00054, 56, u"t"},    // DS_SYSMODAL goes
      {"t", 1, 40, -1, 9, 9, 0x00C00000, 0, 0x00C00854, 56, u"t"},  // one -1 is enough to centre
      {"t", 1, -2, 40, 9, 9, 0x00C00000, 0, 0x00C00054, 56, u"t"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.style << " " << c.length << " at " << c.x << "," << c.y);
    DialogTemplateBuffer buffer;
    std::memset(buffer.bytes, 0xCC, sizeof buffer.bytes);
    ASSERT_EQ(c.size, DialogTemplateBuild(buffer, {c.title, c.length, c.x, c.y, c.width, c.height, c.style, c.exStyle}));
    EXPECT_EQ(c.expectedStyle, DialogTemplateStyle(c.style, c.x, c.y));
    std::u16string units(c.size / 2, u'\0');  // the template is a sequence of 16-bit units
    for (size_t i = 0; i < units.size(); ++i) units[i] = char16_t(buffer.bytes[2 * i] | buffer.bytes[2 * i + 1] << 8);
    const std::u16string header{char16_t(c.expectedStyle), char16_t(c.expectedStyle >> 16), char16_t(c.exStyle),
                                char16_t(c.exStyle >> 16), 0, char16_t(c.x), char16_t(c.y), char16_t(c.width),
                                char16_t(c.height), 0, 0};  // no items, no menu, the system's dialog class
    EXPECT_EQ(header, units.substr(0, 11));
    EXPECT_EQ(c.caption, units.substr(11, units.find(u'\0', 11) - 11));
    EXPECT_EQ(std::u16string(u"\0\x8MS Sans Serif", 15) + u'\0', units.substr(units.size() - 16)) << "point size, face";
  }
}

}  // namespace
