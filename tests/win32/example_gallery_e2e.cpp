// The gallery, built against the installed package: one control of each of the fifteen kinds, of the class and in
// the state the program gave it, read from outside its process; a click checks and unchecks; Close ends it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "tests/win32/process_runner.h"

namespace {
std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  return upper;
}
HWND Kind(HWND gallery, int kind) { return GetDlgItem(gallery, 100 + kind); }
}  // namespace

TEST(ExampleGallery, HoldsOneControlOfEachKindAndClosesOnClose) {
  PROCESS_INFORMATION process = StartProgram("\"" GALLERY_PROGRAM "\"");
  HWND gallery = WaitForTopWindow("Tabard gallery", 20000);
  ASSERT_NE(nullptr, gallery);
  const char* classes[] = {"BUTTON", "BUTTON", "BUTTON", "BUTTON", "STATIC", "STATIC", "BUTTON", "SCROLLBAR",
                           "EDIT",   "STATIC", "STATIC", "BUTTON", "BUTTON", "COMBOBOX", "LISTBOX"};
  for (int kind = 1; kind <= 15; ++kind) EXPECT_EQ(classes[kind - 1], ClassOf(Kind(gallery, kind))) << "kind " << kind;

  EXPECT_NE(0, SendMessageA(Kind(gallery, 10), STM_GETIMAGE, IMAGE_BITMAP, 0)) << "the picture shows the bitmap";
  EXPECT_NE(0, SendMessageA(Kind(gallery, 11), STM_GETIMAGE, IMAGE_BITMAP, 0)) << "the scaled picture too";
  EXPECT_NE(0, SendMessageA(Kind(gallery, 12), BM_GETIMAGE, IMAGE_BITMAP, 0)) << "the picture button too";
  EXPECT_NE(0, SendMessageA(Kind(gallery, 13), BM_GETIMAGE, IMAGE_BITMAP, 0)) << "the scaled picture button too";
  EXPECT_EQ(BST_INDETERMINATE, SendMessageA(Kind(gallery, 2), BM_GETCHECK, 0, 0));
  EXPECT_EQ(3, SendMessageA(Kind(gallery, 15), LB_GETCOUNT, 0, 0));
  EXPECT_EQ(2, SendMessageA(Kind(gallery, 14), CB_GETCOUNT, 0, 0));

  HWND check = Kind(gallery, 3);
  ASSERT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
  ASSERT_TRUE(XdoTool(MoveTo(check) + " click 1"));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }, 5000))
      << "a click unchecks the check box";

  ASSERT_TRUE(XdoTool(MoveTo(Kind(gallery, 1)) + " click 1"));
  EXPECT_EQ(0, WaitForExit(process, 10000)) << "Close ends the gallery with 0";
}
