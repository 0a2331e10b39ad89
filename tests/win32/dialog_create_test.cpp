#include <gtest/gtest.h>

#include <string>

#include "dialogs/dialog_create.h"
#include "dialogs/dialog_procedure.h"
#include "runtime/runtime_block.h"
#include "tests/win32/toolkit_support.h"
#include "text/text_core.h"

namespace {

std::string Caption(HWND window) {
  char text[400] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

using DialogCreateTest = ToolkitTest;

}  // namespace

TEST_F(DialogCreateTest, CreatesHiddenCountedDialogAndConsumesTheTitle) {
  HWND dialog = MakeDialog(frame, "Demo listbox with Colomns", -1, -1, 398, 317, 0x00C80880);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(0, TextStackDepth(frame));
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ("Demo listbox with Colomns", Caption(dialog));
  EXPECT_EQ(1, runtimeBlock.liveDialogCount);
  EXPECT_NE(nullptr, runtimeBlock.dialogFont);
  EXPECT_EQ(runtimeBlock.dialogFont, reinterpret_cast<void*>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  EXPECT_EQ(0, GetWindowLongPtrA(dialog, GWLP_USERDATA)) << "no callback before the dialog is shown";
  EXPECT_EQ(0, GetWindowLongPtrA(dialog, DWLP_USER)) << "no result variable before the dialog is shown";
  EXPECT_EQ(0x00C80000u, static_cast<uint32_t>(GetWindowLongA(dialog, GWL_STYLE)) & 0x00C80000u);
  DialogEnd(dialog, 0);
  EXPECT_EQ(0, runtimeBlock.liveDialogCount);
}

TEST_F(DialogCreateTest, MinusOneCentresTheDialog) {
  HWND dialog = MakeDialog(frame, "centred", -1, 40, 200, 100, WS_POPUP | WS_CAPTION);
  ASSERT_NE(nullptr, dialog);
  RECT rect{};
  GetWindowRect(dialog, &rect);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR(screenWidth / 2, (rect.left + rect.right) / 2, 2);
  EXPECT_NEAR(screenHeight / 2, (rect.top + rect.bottom) / 2, 40);
}

TEST_F(DialogCreateTest, EachDialogReplacesTheFontForLaterControls) {
  HWND first = MakeDialog(frame, "first");
  void* firstFont = runtimeBlock.dialogFont;
  HWND second = MakeDialog(frame, "second");
  void* secondFont = runtimeBlock.dialogFont;
  ASSERT_TRUE(first && second);
  EXPECT_EQ(reinterpret_cast<void*>(SendMessageA(second, WM_GETFONT, 0, 0)), secondFont);
  EXPECT_EQ(reinterpret_cast<void*>(SendMessageA(first, WM_GETFONT, 0, 0)), firstFont);
  HWND label = MakeControl(frame, ControlKind::Label, first, 100, "on the first", 5, 5, 60, 10);
  ASSERT_NE(nullptr, label);
  EXPECT_EQ(secondFont, reinterpret_cast<void*>(SendMessageA(label, WM_GETFONT, 0, 0)));
  EXPECT_EQ(2, runtimeBlock.liveDialogCount);
}

TEST_F(DialogCreateTest, FailureGivesZeroClearsTheFontAndStillConsumesTheTitle) {
  HWND dialog = MakeDialog(frame, "valid");
  ASSERT_NE(nullptr, runtimeBlock.dialogFont);
  HWND stale = dialog;
  DestroyWindow(dialog);
  // A parent that is no window makes creation fail.
  EXPECT_EQ(nullptr, MakeDialog(frame, "orphan", 10, 10, 100, 60, 0, stale));
  EXPECT_EQ(nullptr, runtimeBlock.dialogFont);
  EXPECT_EQ(0, TextStackDepth(frame));
  EXPECT_EQ(0, runtimeBlock.liveDialogCount);
}

TEST_F(DialogCreateTest, BorrowedTitleIsReadButNotReleased) {
  ProcedureFrame owner;
  TextPushBytes(owner, "kept", 4);
  TempStringEntry kept = TextPop(owner);
  TextPushBorrowed(frame, kept.handle);
  HWND dialog = DialogCreate(frame, nullptr, 10, 10, 100, 60, 0, 0);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ("kept", Caption(dialog));
  EXPECT_EQ(4u, TextView(kept.handle).length);
  EXPECT_EQ(std::string("kept"), TextView(kept.handle).bytes);
  TextRelease(kept.handle);
}

TEST_F(DialogCreateTest, EmptyStackReadsAsEmptyTitle) {
  HWND dialog = DialogCreate(frame, nullptr, 10, 10, 100, 60, 0, 0);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(" ", Caption(dialog));
  EXPECT_EQ(0, TextStackDepth(frame));
}
