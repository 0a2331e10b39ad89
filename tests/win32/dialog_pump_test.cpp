#include <gtest/gtest.h>

#include "dialogs/dialog_procedure.h"
#include "dialogs/dialog_pump.h"
#include "dialogs/dialog_show.h"
#include "runtime/runtime_block.h"
#include "tests/win32/message_sequence.h"
#include "tests/win32/toolkit_support.h"

namespace {

using DialogPumpTest = ToolkitTest;

int32_t cancelResult = 0;
void EndLikeTheDemo(const SeenMessage& seen) { DialogEnd(seen.window, 0); }

}  // namespace

TEST_F(DialogPumpTest, IdlePumpReturnsTheLiveDialogCount) {
  EXPECT_EQ(0, DialogPump());
  HWND dialog = MakeDialog(frame, "count");
  DialogShowModeless(dialog, nullptr, nullptr);
  Drain();
  EXPECT_EQ(1, DialogPump());
  const DWORD start = GetTickCount();
  for (int i = 0; i < 20; ++i) DialogPump();
  EXPECT_GE(GetTickCount() - start, 15u) << "an empty queue costs a sleep per call";
  DialogEnd(dialog, 0);
  Drain();
  EXPECT_EQ(0, DialogPump());
}

TEST_F(DialogPumpTest, EscapeInTheActiveDialogReachesTheCallbackOfControlTwo) {
  HWND dialog = MakeDialog(frame, "Demo listbox with Colomns", -1, -1, 398, 317, 0x00C80880);
  HWND cancel = MakeControl(frame, ControlKind::PushButton, dialog, IDCANCEL, "Cancel", 300, 290, 50, 20, 0, 0,
                            RecordingControlCallback);
  SetReactions({{Seer::ControlCallback, WM_COMMAND, 1, EndLikeTheDemo, IDCANCEL}});
  DialogShowModeless(dialog, nullptr, &cancelResult);
  ASSERT_TRUE(BringToFront(dialog));
  ASSERT_EQ(dialog, runtimeBlock.activeDialog);
  ClearLog();
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));
  EXPECT_SEQUENCE({Seer::ControlCallback, WM_COMMAND, kWParam | kLParam, IDCANCEL, (LPARAM)cancel});
  EXPECT_EQ(0, DialogPump() + runtimeBlock.liveDialogCount);
}

TEST_F(DialogPumpTest, TabMovesTheFocusThroughTheActiveDialog) {
  HWND dialog = MakeDialog(frame, "tabs", 20, 20, 160, 80, WS_POPUP | WS_CAPTION);
  HWND first = MakeControl(frame, ControlKind::PushButton, dialog, 11, "One", 5, 5, 40, 14);
  HWND second = MakeControl(frame, ControlKind::EditBox, dialog, 12, "Two", 5, 25, 60, 14);
  HWND third = MakeControl(frame, ControlKind::CheckBox, dialog, 13, "Three", 5, 45, 60, 14);
  DialogShowModeless(dialog, nullptr, nullptr);
  ASSERT_TRUE(BringToFront(dialog));
  SetFocus(first);
  PumpFor(30);
  ASSERT_EQ(first, GetFocus());
  for (HWND next : {second, third, first}) {
    PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == next; })) << "focus on " << GetFocus();
  }
  PressKeys({VK_SHIFT, VK_TAB});
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == third; }));
}

TEST_F(DialogPumpTest, WithoutAnActiveToolkitDialogKeysGetNoDialogHandling) {
  HWND dialog = MakeDialog(frame, "inactive", 20, 20, 160, 80);
  HWND edit = MakeControl(frame, ControlKind::EditBox, dialog, 21, "", 5, 5, 60, 14);
  MakeControl(frame, ControlKind::PushButton, dialog, IDCANCEL, "Cancel", 5, 25, 40, 14, 0, 0,
              RecordingControlCallback);
  DialogShowModeless(dialog, nullptr, nullptr);
  ASSERT_TRUE(BringToFront(dialog));
  SetFocus(edit);
  PumpFor(30);
  runtimeBlock.activeDialog = nullptr;  // as after a deactivation the pump has not seen undone
  ClearLog();
  PressKey(VK_ESCAPE);
  PressKey(VK_TAB);
  PumpFor(150);
  EXPECT_EQ(0, CountSeen(Seer::ControlCallback, WM_COMMAND)) << "Escape made no command";
  EXPECT_EQ(edit, GetFocus()) << "Tab moved nothing";
  EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(DialogPumpTest, LiveCountAndActiveDialogAcrossTwoDialogs) {
  HWND first = MakeDialog(frame, "first", 10, 10, 120, 60, WS_POPUP | WS_CAPTION);
  EXPECT_EQ(1, runtimeBlock.liveDialogCount);
  HWND second = MakeDialog(frame, "second", 200, 10, 120, 60, WS_POPUP | WS_CAPTION);
  EXPECT_EQ(2, runtimeBlock.liveDialogCount);
  EXPECT_EQ(nullptr, runtimeBlock.activeDialog) << "created hidden, nothing activated yet";

  DialogShowModeless(first, nullptr, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return runtimeBlock.activeDialog == first; }));
  DialogShowModeless(second, nullptr, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return runtimeBlock.activeDialog == second; }));

  ClickAt(CentreOf(first));
  EXPECT_TRUE(PumpUntil([&] { return runtimeBlock.activeDialog == first; }));
  ClickAt(CentreOf(second));
  EXPECT_TRUE(PumpUntil([&] { return runtimeBlock.activeDialog == second; }));
  EXPECT_EQ(2, DialogPump());

  DialogEnd(second, 0);
  EXPECT_EQ(1, runtimeBlock.liveDialogCount);
  EXPECT_NE(second, runtimeBlock.activeDialog);
  EXPECT_EQ(1, DialogPump());
  DialogEnd(first, 0);
  EXPECT_EQ(0, runtimeBlock.liveDialogCount);
  EXPECT_EQ(nullptr, runtimeBlock.activeDialog);
  EXPECT_EQ(0, DialogPump());
}

TEST_F(DialogPumpTest, QuitIsDispatchedLikeAnyOtherMessage) {
  HWND dialog = MakeDialog(frame, "quit");
  DialogShowModeless(dialog, nullptr, nullptr);
  Drain();
  PostQuitMessage(9);
  EXPECT_EQ(1, DialogPump());
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(1, DialogPump());
}

TEST_F(DialogPumpTest, CallbackMayPumpAndEndItsOwnDialog) {
  HWND dialog = MakeDialog(frame, "nested", 20, 20, 120, 60);
  HWND button =
      MakeControl(frame, ControlKind::PushButton, dialog, 40, "Nest", 5, 5, 50, 14, 0, 0, RecordingControlCallback);
  SetReactions({{Seer::ControlCallback, WM_COMMAND, 1,
                 [](const SeenMessage& seen) {
                   PostMessageA(seen.window, WM_APP, 0, 0);
                   PumpFor(30);  // a callback running the pump itself
                   DialogEnd(seen.window, 0);
                 },
                 40}});
  DialogShowModeless(dialog, RecordingDialogCallback, nullptr);
  ASSERT_TRUE(BringToFront(dialog));
  ClearLog();
  ClickAt(CentreOf(button));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));
  EXPECT_SEQUENCE({Seer::ControlCallback, WM_COMMAND, kWParam, MAKEWPARAM(40, BN_CLICKED), 0},
                  {Seer::DialogCallback, WM_APP, kAnyParams, 0, 0}, {Seer::DialogCallback, WM_CLOSE, kAnyParams, 0, 0},
                  {Seer::DialogCallback, WM_DESTROY, kAnyParams, 0, 0});
  EXPECT_EQ(0, runtimeBlock.liveDialogCount);
}
