#include <gtest/gtest.h>

#include "dialogs/mouse_pointer.h"
#include "platform/win32_api.h"

TEST(MousePointer, EachShapeSetsItsSystemCursorAndAnswersThePreviousOne) {
  const std::pair<uint32_t, const char*> cases[] = {  // shape, system cursor (nullptr: none at all)
      {0, nullptr}, {1, IDC_ARROW}, {2, IDC_CROSS}, {3, IDC_IBEAM}, {4, IDC_ARROW}, {5, IDC_SIZEALL}, {6, IDC_SIZENESW},
      {7, IDC_SIZENS}, {8, IDC_SIZENWSE}, {9, IDC_SIZEWE}, {10, IDC_UPARROW}, {11, IDC_WAIT}, {12, IDC_NO},
      {13, IDC_APPSTARTING}, {14, nullptr}, {0xFFFFFFFF, nullptr}, {0x8000000B, nullptr}};
  const HCURSOR help = LoadCursorA(nullptr, IDC_HELP);  // a shape no number gives
  for (const auto& [shape, cursor] : cases) {
    const HCURSOR previous = (SetCursor(help), MousePointerSet(shape));
    EXPECT_EQ(std::pair(help, cursor ? LoadCursorA(nullptr, cursor) : nullptr), std::pair(previous, GetCursor()));
  }
}
