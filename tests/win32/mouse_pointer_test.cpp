#include <gtest/gtest.h>

#include <tabard/dialogs/mouse_pointer.h>
#include <tabard/platform/win32_api.h>

using namespace tabard;

TEST(MousePointer, EachShapeSetsItsSystemCursorAndAnswersThePreviousOne) {
  // The system cursor by shape number; the shapes beyond give none at all.
  const char* const cursors[] = {nullptr, IDC_ARROW, IDC_CROSS, IDC_IBEAM, IDC_ARROW, IDC_SIZEALL, IDC_SIZENESW,
                                 IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT, IDC_NO, IDC_APPSTARTING};
  const HCURSOR help = LoadCursorA(nullptr, IDC_HELP);  // a shape no number gives
  for (uint32_t shape : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 0xFFFFFFFFu, 0x8000000Bu}) {
    const char* const cursor = shape < std::size(cursors) ? cursors[shape] : nullptr;
    const HCURSOR previous = (SetCursor(help), MousePointerSet(shape));
    EXPECT_EQ(std::pair(help, cursor ? LoadCursorA(nullptr, cursor) : nullptr), std::pair(previous, GetCursor()));
  }
}
