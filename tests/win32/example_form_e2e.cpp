// The example program, built against the installed package, driven as a person would: typing into a field,
// picking a list item, pressing OK, reading the box. The total comes through the mask "$#,###.##", whose field
// keeps its width.
#include <gtest/gtest.h>

#include "tests/win32/process_runner.h"

TEST(ExampleForm, TypedNameAndPickedProductReachTheBoxOnOk) {
  PROCESS_INFORMATION process = StartProgram("\"" EXAMPLE_PROGRAM "\"");
  HWND form = WaitForTopWindow("Order form", 20000);
  HWND name = GetDlgItem(form, 101), products = GetDlgItem(form, 103);
  ASSERT_EQ(3, SendMessageA(products, LB_GETCOUNT, 0, 0)) << "filled at start";
  ASSERT_TRUE(XdoTool(MoveTo(name) + " click 1"));
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  const DWORD thread = GetWindowThreadProcessId(name, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return GetGUIThreadInfo(thread, &focus) && focus.hwndFocus == name; }, 5000));
  ASSERT_TRUE(XdoTool("type --delay 20 'Ada Lovelace'"));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(name) == "Ada Lovelace"; }, 5000)) << WindowText(name);
  POINT third{10, static_cast<int>(SendMessageA(products, LB_GETITEMHEIGHT, 0, 0)) * 5 / 2};
  ClientToScreen(products, &third);
  ASSERT_TRUE(XdoTool(" mousemove " + std::to_string(third.x) + " " + std::to_string(third.y) + " click 1"));
  const auto pressOk = [&] { XdoTool(MoveTo(GetDlgItem(form, IDOK)) + " click 1"); };
  EXPECT_EQ("Name: Ada Lovelace\r\nCity: \r\nProduct: Pencil\r\nQuantity: 2\r\nTotal: $    1.70",
            AnswerBoxWhile("Order", "Return", pressOk));
  EXPECT_EQ(1, WaitForExit(process, 10000)) << "OK ends the form with 1";
}
