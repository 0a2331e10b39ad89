#include <gtest/gtest.h>

#include <string>

#include "dialogs/dialog_create.h"
#include "runtime/runtime_block.h"
#include "tests/win32/toolkit_support.h"
#include "text/text_core.h"

namespace {

using DialogCreateTest = ToolkitTest;
void* FontOf(HWND window) { return reinterpret_cast<void*>(SendMessageA(window, WM_GETFONT, 0, 0)); }

TEST_F(DialogCreateTest, CreatesHiddenCountedDialogsConsumingTheTitleAndKeepingTheLatestFont) {
  const HWND demo = MakeDialog(frame, "Demo listbox with Colomns", -1, -1, 398, 317, 0x00C80880);
  TextPushBytes(frame, "kept", 4);
  const TempStringEntry kept = TextPop(frame);
  TextPushBorrowed(frame, kept.handle);
  const HWND borrowed = DialogCreate(frame, nullptr, 10, 10, 100, 60, 0, 0);
  const HWND untitled = DialogCreate(frame, nullptr, 10, 10, 100, 60, 0, 0);  // an empty stack reads as an empty title
  for (const auto& [dialog, title] : {std::pair{demo, "Demo listbox with Colomns"}, {borrowed, "kept"}, {untitled, " "}}) {
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_EQ(std::string(title), caption);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(0, GetWindowLongPtrA(dialog, GWLP_USERDATA) | GetWindowLongPtrA(dialog, DWLP_USER)) << "no slot set yet";
  }
  EXPECT_EQ(0x00C80000u, static_cast<uint32_t>(GetWindowLongA(demo, GWL_STYLE)) & 0x00C80000u);
  EXPECT_EQ("kept", std::string(TextView(kept.handle).bytes)) << "a borrowed title is not released";
  TextRelease(kept.handle);
  EXPECT_EQ(3, runtimeBlock.liveDialogCount);
  EXPECT_EQ(FontOf(untitled), runtimeBlock.dialogFont);
  ASSERT_NE(FontOf(demo), FontOf(untitled));
  const HWND label = MakeControl(frame, ControlKind::Label, demo, 100, "on the first", 5, 5, 60, 10);
  EXPECT_EQ(runtimeBlock.dialogFont, FontOf(label)) << "controls take the latest dialog's font";
  DestroyWindow(borrowed);  // a parent that is no window makes creation fail
  EXPECT_EQ(nullptr, MakeDialog(frame, "orphan", 10, 10, 100, 60, 0, borrowed));
  EXPECT_EQ(nullptr, runtimeBlock.dialogFont);
  EXPECT_EQ(2, runtimeBlock.liveDialogCount);
}

}  // namespace
