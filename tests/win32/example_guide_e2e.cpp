// The guide's program, built against the installed package, driven as a person would: the list shows the four
// expenses with their amounts through the mask "$#,###.##", Total shows the sum in a box, File > Exit ends it.
#include <gtest/gtest.h>

#include "tests/win32/process_runner.h"

namespace {
bool PopupMenuShown() {
  HWND popup = FindWindowA("#32768", nullptr);
  return popup != nullptr && IsWindowVisible(popup);
}
}  // namespace

TEST(ExampleGuide, ListShowsMaskedAmountsTotalReachesTheBoxAndExitEndsWithTwo) {
  PROCESS_INFORMATION process = StartProgram("\"" GUIDE_PROGRAM "\"");
  HWND dialog = WaitForTopWindow("Expenses", 20000);
  ASSERT_NE(nullptr, dialog);
  HWND list = GetDlgItem(dialog, 101);
  ASSERT_EQ(4, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) << "filled before the dialog is shown";
  LVITEMA cell{};
  cell.iSubItem = 0;
  EXPECT_EQ("Bus pass", SendListRecord(list, LVM_GETITEMTEXTA, 3, cell));
  cell.iSubItem = 1;
  EXPECT_EQ("$  612.50", SendListRecord(list, LVM_GETITEMTEXTA, 0, cell));
  EXPECT_EQ("$    9.90", SendListRecord(list, LVM_GETITEMTEXTA, 3, cell));

  const auto pressTotal = [&] { XdoTool(MoveTo(GetDlgItem(dialog, 102)) + " click 1"); };
  EXPECT_EQ("Total: $  702.55", AnswerBoxWhile("Total", "Return", pressTotal));

  // The menu bar lies right above the client area; "File" is its first item.
  POINT client{0, 0};
  ClientToScreen(dialog, &client);
  const RECT frame = RectOf(dialog);
  ASSERT_TRUE(XdoTool(At(frame.left + 16, client.y - GetSystemMetrics(SM_CYMENU) / 2) + " click 1"));
  ASSERT_TRUE(WaitUntil(PopupMenuShown, 5000)) << "File opens its menu";
  ASSERT_TRUE(XdoTool("key x"));  // E&xit
  EXPECT_EQ(2, WaitForExit(process, 10000)) << "File > Exit ends the dialog with 2";
}
