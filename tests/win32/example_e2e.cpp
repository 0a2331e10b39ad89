// The example programs, each built against the installed package and driven as a person would: real clicks and
// keys through the X server, their windows read from outside their processes.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/win32/process_runner.h"

// The order form, built against the installed package, driven as a person would: typing into a field,
// picking a list item, pressing OK, reading the box. The total comes through the mask "$#,###.##", whose field
// keeps its width.
TEST(ExampleForm, TypedNameAndPickedProductReachTheBoxOnOk) {
  PROCESS_INFORMATION process = StartProgram("\"" EXAMPLE_PROGRAM "\"");
  HWND form = WaitForTopWindow("Order form", 20000);
  HWND name = GetDlgItem(form, 101), products = GetDlgItem(form, 103);
  ASSERT_EQ(3, SendMessageA(products, LB_GETCOUNT, 0, 0)) << "filled at start";
  ASSERT_TRUE(XdoTool(MoveTo(name) + " click 1"));
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  const DWORD thread = GetWindowThreadProcessId(name, nullptr);
  const auto focused = [&] { return GetGUIThreadInfo(thread, &focus) ? focus.hwndFocus : nullptr; };
  WaitUntil([&] { return focused() == name; }, 5000);
  ASSERT_EQ(name, focused()) << "the click gives the name field the focus";
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

// The guide's program, built against the installed package, driven as a person would: the list shows the four
// expenses with their amounts through the mask "$#,###.##", Total shows the sum in a box, File > Exit ends it.
TEST(ExampleGuide, ListShowsMaskedAmountsTotalReachesTheBoxAndExitEndsWithTwo) {
  PROCESS_INFORMATION process = StartProgram("\"" GUIDE_PROGRAM "\"");
  HWND dialog = WaitForTopWindow("Expenses", 20000);
  ASSERT_NE(nullptr, dialog);
  HWND list = GetDlgItem(dialog, 101);
  ASSERT_EQ(4, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) << "filled before the dialog is shown";
  LVITEMA cell{};
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
  const auto menuShown = [] { return IsWindowVisible(FindWindowA("#32768", nullptr)) != 0; };  // none: not visible
  ASSERT_TRUE(WaitUntil(menuShown, 5000)) << "File opens its menu";
  ASSERT_TRUE(XdoTool("key x"));  // E&xit
  EXPECT_EQ(2, WaitForExit(process, 10000)) << "File > Exit ends the dialog with 2";
}

// The gallery, built against the installed package: one control of each of the fifteen kinds, of the class and in
// the state the program gave it, read from outside its process; a click checks and unchecks; Close ends it.
static std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return CharUpperA(name);
}
static HWND Kind(HWND gallery, int kind) { return GetDlgItem(gallery, 100 + kind); }

TEST(ExampleGallery, HoldsOneControlOfEachKindAndClosesOnClose) {
  PROCESS_INFORMATION process = StartProgram("\"" GALLERY_PROGRAM "\"");
  HWND gallery = WaitForTopWindow("Tabard gallery", 20000);
  ASSERT_NE(nullptr, gallery);
  const char* classes[] = {"BUTTON", "BUTTON", "BUTTON", "BUTTON", "STATIC", "STATIC", "BUTTON", "SCROLLBAR",
                           "EDIT",   "STATIC", "STATIC", "BUTTON", "BUTTON", "COMBOBOX", "LISTBOX"};
  for (int kind = 1; kind <= 15; ++kind) EXPECT_EQ(classes[kind - 1], ClassOf(Kind(gallery, kind))) << "kind " << kind;

  for (const auto& [kind, getImage] :
       {std::pair{10, STM_GETIMAGE}, {11, STM_GETIMAGE}, {12, BM_GETIMAGE}, {13, BM_GETIMAGE}})
    EXPECT_NE(0, SendMessageA(Kind(gallery, kind), getImage, IMAGE_BITMAP, 0)) << "picture kind " << kind;
  // The three-state box in its third state, the list's three items and the combo box's two.
  EXPECT_EQ(std::tuple(BST_INDETERMINATE, 3, 2),
            std::tuple(SendMessageA(Kind(gallery, 2), BM_GETCHECK, 0, 0),
                       SendMessageA(Kind(gallery, 15), LB_GETCOUNT, 0, 0),
                       SendMessageA(Kind(gallery, 14), CB_GETCOUNT, 0, 0)));

  HWND check = Kind(gallery, 3);
  ASSERT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
  ASSERT_TRUE(XdoTool(MoveTo(check) + " click 1"));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }, 5000))
      << "a click unchecks the check box";

  ASSERT_TRUE(XdoTool(MoveTo(Kind(gallery, 1)) + " click 1"));
  EXPECT_EQ(0, WaitForExit(process, 10000)) << "Close ends the gallery with 0";
}
