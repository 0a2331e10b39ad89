#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <tabard/dialogs/dialog_template.h>

using namespace tabard;

TEST(DialogTemplate, HeaderTitleAndFontAsRequested) {
  const std::string y257(257, 'y');
  // wanted: the style written; caption: as written. DS_CENTER given by the caller stays, as do WS_VISIBLE
  // (created hidden) and DS_SYSMODAL go; one -1 is enough to centre.
  const struct { const char* title; uint32_t length; int32_t x, y, width, height; uint32_t style, exStyle, wanted;
                 std::u16string caption; } cases[] = {
      // clang-format off
      {"Demo listbox with Colomns", 25, -1, -1, 398, 317, 0x00C80880, 0, 0x00C808D4, u"Demo listbox with Colomns"},
      {"t", 1, -1, 40, 0x12345, -3, 0, 0x00040188, 0x80C008D4, u"t"},  // a width keeps its low 16 bits
      {"", 0, 10, 10, 100, 100, 0, 0, 0x80C000D4, u" "},                 // default style; an empty title is a blank
      {nullptr, 99, 0, 0, 10, 10, 0, 0, 0x80C000D4, u" "}, {"t", 1, -2, 40, 9, 9, 0x00C00000, 0, 0x00C00054, u"t"},
      {y257.data(), 257, 10, 20, 100, 100, 0, 0, 0x80C000D4, std::u16string(256, u'y')},  // cut at 256 bytes
      {"\xE9\x80\x01\xFF", 4, 1, 2, 3, 4, 0, 0, 0x80C000D4, u"\u00E9\u0080\u0001\u00FF"},  // no code page between
      {"a\0b", 3, 1, 2, 3, 4, 0, 0, 0x80C000D4, std::u16string(u"a\0b", 3)},
      {"t", 1, 10, 10, 9, 9, 0x00C80880, 0, 0x00C808D4, u"t"}, {"t", 1, 5, 5, 9, 9, 0x10C00000, 0, 0x00C00054, u"t"},
      {"t", 1, 5, 5, 9, 9, 0x00C00002, 0, 0x00C00054, u"t"}, {"t", 1, 40, -1, 9, 9, 0x00C00000, 0, 0x00C00854, u"t"},
      // clang-format on
  };
  for (const auto& c : cases) {
    DialogTemplateBuffer buffer;
    std::memset(buffer.bytes, 0xCC, sizeof buffer.bytes);
    std::u16string units(DialogTemplateBuild(buffer, {c.title, c.length, c.x, c.y, c.width, c.height, c.style,
                                                      c.exStyle}) / 2, u'\0');
    std::memcpy(units.data(), buffer.bytes, 2 * units.size());
    // The header (no items, no menu, the system's dialog class), the title, the point size and face.
    const std::u16string header{char16_t(c.wanted), char16_t(c.wanted >> 16), char16_t(c.exStyle),
                                char16_t(c.exStyle >> 16), 0, char16_t(c.x), char16_t(c.y), char16_t(c.width),
                                char16_t(c.height), 0, 0};
    EXPECT_EQ(header + c.caption + std::u16string(u"\0\x8MS Sans Serif", 15) + u'\0', units) << &c - cases;
  }
}
