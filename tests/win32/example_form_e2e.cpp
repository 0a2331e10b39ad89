// The example program, built against the installed package, driven as a person
// would: typing into a field, picking a list item, pressing OK, reading the box.
// The total comes through the mask "$#,###.##", whose field keeps its width.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/process_runner.h"
#include "tests/win32/window_reader.h"
#include "tests/win32/x_input.h"

namespace {

constexpr int kNameId = 101;
constexpr int kProductId = 103;

bool WaitForText(HWND window, const std::string& text, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (WindowText(window) != text) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
  return true;
}

// Waits until `window` has the keyboard focus of its own thread, read from outside.
bool WaitForFocus(HWND window, DWORD timeoutMs) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  const DWORD start = GetTickCount();
  for (;;) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == window) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
}

// A click on a list box's item, placed from the control's own item height.
bool ClickListItem(HWND list, int index) {
  const auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  return height > 0 && XClickAt(origin.x + 10, origin.y + height * index + height / 2);
}

}  // namespace

TEST(ExampleForm, TypedNameAndPickedProductReachTheBoxOnOk) {
  PROCESS_INFORMATION process = StartProgram("\"" EXAMPLE_PROGRAM "\"");
  ASSERT_NE(nullptr, process.hProcess);
  HWND form = WaitForTopWindow("Order form", 20000);
  ASSERT_NE(nullptr, form);
  HWND name = GetDlgItem(form, kNameId);
  HWND products = GetDlgItem(form, kProductId);
  EXPECT_EQ(3, SendMessageA(products, LB_GETCOUNT, 0, 0)) << "filled at start";

  ASSERT_TRUE(XClickCentreOf(name));
  ASSERT_TRUE(WaitForFocus(name, 5000)) << "typed keys go to the focus";
  ASSERT_TRUE(XdoTool("type --delay 20 'Ada Lovelace'"));
  EXPECT_TRUE(WaitForText(name, "Ada Lovelace", 5000)) << WindowText(name);
  ASSERT_TRUE(ClickListItem(products, 2));
  ASSERT_TRUE(XClickCentreOf(GetDlgItem(form, IDOK)));

  HWND box = WaitForTopWindow("Order", 10000);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("Name: Ada Lovelace\r\nCity: \r\nProduct: Pencil\r\nQuantity: 2\r\nTotal: $    1.70", MessageBoxText(box));
  XKeyTo(box, "Return");
  EXPECT_EQ(1, WaitForExit(process, 10000)) << "OK ends the form with 1";
}
