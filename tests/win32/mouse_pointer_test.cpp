#include <gtest/gtest.h>

#include "dialogs/mouse_pointer.h"
#include "platform/win32_api.h"

namespace {

HCURSOR System(const char* name) { return LoadCursorA(nullptr, name); }

TEST(MousePointer, EachShapeSetsItsSystemCursor) {
  const struct {
    uint32_t shape;
    const char* cursor;  // nullptr: no cursor at all
  } cases[] = {
      {0, nullptr},          {1, IDC_ARROW},        {2, IDC_CROSS},  {3, IDC_IBEAM},        {4, IDC_ARROW},
      {5, IDC_SIZEALL},      {6, IDC_SIZENESW},     {7, IDC_SIZENS}, {8, IDC_SIZENWSE},     {9, IDC_SIZEWE},
      {10, IDC_UPARROW},     {11, IDC_WAIT},        {12, IDC_NO},    {13, IDC_APPSTARTING}, {14, nullptr},
      {0xFFFFFFFF, nullptr}, {0x8000000B, nullptr},
  };
  for (const auto& c : cases) {
    SetCursor(System(IDC_HELP));  // a shape no number gives
    const HCURSOR previous = MousePointerSet(c.shape);
    EXPECT_EQ(System(IDC_HELP), previous) << "answers the cursor it replaced, shape " << c.shape;
    const HCURSOR expected = c.cursor == nullptr ? nullptr : System(c.cursor);
    EXPECT_EQ(expected, GetCursor()) << c.shape;
    if (c.cursor != nullptr) {
      EXPECT_NE(nullptr, expected);
    }
  }
}

}  // namespace
