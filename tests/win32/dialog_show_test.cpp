#include <gtest/gtest.h>

#include "dialogs/dialog_procedure.h"
#include "dialogs/dialog_pump.h"
#include "dialogs/dialog_show.h"
#include "runtime/runtime_block.h"
#include "tests/win32/message_sequence.h"
#include "tests/win32/toolkit_support.h"

namespace {

using DialogShowTest = ToolkitTest;

HWND shownDialog = nullptr;
int idlePasses = 0;
LONG_PTR slotAtFirstCall = -1;

void NoteSlotAtInit(const SeenMessage& seen) { slotAtFirstCall = GetWindowLongPtrA(seen.window, GWLP_USERDATA); }

void EndOnThirdIdle(const SeenMessage&) {
  if (++idlePasses == 3) PostMessageA(shownDialog, WM_APP, 0, 0);
}
void EndWith42(const SeenMessage& seen) { DialogEnd(seen.window, 42); }
void EndWith2(const SeenMessage& seen) { DialogEnd(seen.window, 2); }
void PressEscapeOnFirstIdle(const SeenMessage&) {
  if (++idlePasses == 1) PressKey(VK_ESCAPE);
}
void ClickCloseOnFirstIdle(const SeenMessage&) {
  POINT closeBox{};
  if (++idlePasses == 1 && CloseBoxPoint(shownDialog, &closeBox)) ClickAt(closeBox);
}

void CALLBACK EndShownDialogTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  DialogEnd(shownDialog, 7);
}
bool wasZoomed = false;
void CALLBACK EndZoomedDialogTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  wasZoomed = IsZoomed(shownDialog);
  EndShownDialogTimer(nullptr, 0, timer, 0);
}
void CALLBACK DestroyShownDialogTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  DestroyWindow(shownDialog);
}

}  // namespace

TEST_F(DialogShowTest, ShowCallsTheCallbackWithItsOwnInitBeforeAttachingIt) {
  HWND dialog = MakeDialog(frame, "attach");
  int32_t result = 0;
  SetReactions({{Seer::DialogCallback, WM_INITDIALOG, 5, NoteSlotAtInit, 0}});
  DialogShowModeless(dialog, RecordingDialogCallback, &result);
  EXPECT_SEQUENCE({Seer::DialogCallback, WM_INITDIALOG, kWParam | kLParam, (WPARAM)dialog, 0});
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(WM_INITDIALOG, Log().front().message) << "the first message the callback sees";
  EXPECT_EQ(0, slotAtFirstCall) << "the callback is attached only after its first call";
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(RecordingDialogCallback), GetWindowLongPtrA(dialog, GWLP_USERDATA));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&result), GetWindowLongPtrA(dialog, DWLP_USER));
  EXPECT_TRUE(IsWindowVisible(dialog));

  // Showing again replaces both slots and calls the new callback again.
  ClearLog();
  DialogShowModeless(dialog, RecordingControlCallback, nullptr);
  EXPECT_SEQUENCE({Seer::ControlCallback, WM_INITDIALOG, kWParam | kLParam, (WPARAM)dialog, 0});
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(RecordingControlCallback), GetWindowLongPtrA(dialog, GWLP_USERDATA));
  EXPECT_EQ(0, GetWindowLongPtrA(dialog, DWLP_USER));
  DialogShowModeless(dialog, nullptr, nullptr);
  EXPECT_EQ(0, GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

TEST_F(DialogShowTest, MaximizeStyleShowsMaximised) {
  HWND dialog = MakeDialog(frame, "big", 10, 10, 100, 60, WS_POPUP | WS_CAPTION | WS_MAXIMIZE);
  DialogShowModeless(dialog, nullptr, nullptr);
  EXPECT_TRUE(IsZoomed(dialog));

  shownDialog = MakeDialog(frame, "big modal", 10, 10, 100, 60, WS_POPUP | WS_CAPTION | WS_MAXIMIZE);
  SetTimer(nullptr, 0, 100, EndZoomedDialogTimer);
  int32_t result = 0;
  DialogShowModal(shownDialog, nullptr, &result);
  EXPECT_EQ(7, result);
  EXPECT_TRUE(wasZoomed);
}

TEST_F(DialogShowTest, ModalLoopWithOwner) {
  HWND owner = CreateRecordingOwner();
  ASSERT_TRUE(BringToFront(owner));
  shownDialog = MakeDialog(frame, "modal", 40, 40, 120, 60, 0, owner);
  idlePasses = 0;
  SetReactions({{Seer::Owner, WM_ENTERIDLE, 0, EndOnThirdIdle, 0}, {Seer::DialogCallback, WM_APP, 1, EndWith42, 0}});
  ClearLog();
  int32_t result = -1;

  DialogShowModal(shownDialog, RecordingDialogCallback, &result);

  EXPECT_SEQUENCE({Seer::DialogCallback, WM_INITDIALOG, kWParam | kLParam, (WPARAM)shownDialog, 0},
                  {Seer::Owner, WM_CANCELMODE, kWParam | kLParam, 0, 0},
                  {Seer::Owner, WM_CANCELMODE, kOptional, 0, 0},  // the disabling may send its own
                  {Seer::Owner, WM_ENABLE, kWParam, FALSE, 0},
                  {Seer::Owner, WM_ENTERIDLE, kWParam | kLParam | kRepeated, MSGF_DIALOGBOX, (LPARAM)shownDialog},
                  {Seer::DialogCallback, WM_APP, kAnyParams, 0, 0},
                  {Seer::DialogCallback, WM_CLOSE, kAnyParams, 0, 0},
                  {Seer::Owner, WM_ENABLE, kWParam, TRUE, 0},
                  {Seer::DialogCallback, WM_DESTROY, kAnyParams, 0, 0});
  EXPECT_EQ(3, CountSeen(Seer::Owner, WM_ENTERIDLE));
  EXPECT_EQ(42, result);
  EXPECT_FALSE(IsWindow(shownDialog));
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(owner, GetFocus());
}

TEST_F(DialogShowTest, ModalLoopWithoutOwnerTouchesNoOtherWindowAndDispatchesQuitWithoutEnding) {
  HWND bystander = CreateRecordingOwner();
  shownDialog = MakeDialog(frame, "alone", 40, 40, 120, 60);
  ClearLog();
  PostQuitMessage(3);
  SetTimer(nullptr, 0, 80, EndShownDialogTimer);
  int32_t result = 0;
  DialogShowModal(shownDialog, RecordingDialogCallback, &result);
  EXPECT_EQ(7, result) << "the loop went on until the dialog ended";
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "WM_QUIT was taken";
  EXPECT_EQ(0, CountSeen(Seer::Owner, WM_CANCELMODE));
  EXPECT_EQ(0, CountSeen(Seer::Owner, WM_ENTERIDLE));
  EXPECT_EQ(0, CountSeen(Seer::Owner, WM_ENABLE));
  EXPECT_TRUE(IsWindowEnabled(bystander));
}

TEST_F(DialogShowTest, NoIdleMessageStyleKeepsTheOwnerQuiet) {
  HWND owner = CreateRecordingOwner();
  shownDialog = MakeDialog(frame, "quiet", 40, 40, 120, 60, WS_POPUP | WS_CAPTION | DS_NOIDLEMSG, owner);
  ClearLog();
  SetTimer(nullptr, 0, 80, EndShownDialogTimer);
  DialogShowModal(shownDialog, nullptr, nullptr);
  EXPECT_EQ(0, CountSeen(Seer::Owner, WM_ENTERIDLE));
  EXPECT_EQ(1, CountSeen(Seer::Owner, WM_CANCELMODE) > 0);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DialogShowTest, EscapeInAModalDialogReachesControlTwo) {
  HWND owner = CreateRecordingOwner();
  ASSERT_TRUE(BringToFront(owner));
  shownDialog = MakeDialog(frame, "escape", 40, 40, 120, 60, 0, owner);
  HWND cancel = MakeControl(frame, ControlKind::PushButton, shownDialog, IDCANCEL, "Cancel", 10, 10, 50, 14, 0, 0,
                            RecordingControlCallback);
  idlePasses = 0;
  SetReactions({{Seer::Owner, WM_ENTERIDLE, 0, PressEscapeOnFirstIdle, 0},
                {Seer::ControlCallback, WM_COMMAND, 1, EndWith2, IDCANCEL}});
  ClearLog();
  int32_t result = -1;
  DialogShowModal(shownDialog, RecordingDialogCallback, &result);
  EXPECT_SEQUENCE({Seer::ControlCallback, WM_COMMAND, kWParam | kLParam, IDCANCEL, (LPARAM)cancel},
                  {Seer::DialogCallback, WM_CLOSE, kAnyParams, 0, 0});
  EXPECT_EQ(0, CountSeen(Seer::DialogCallback, WM_COMMAND));
  EXPECT_EQ(2, result);
}

TEST_F(DialogShowTest, CloseCommandEndsTheModalLoopWithZero) {
  HWND owner = CreateRecordingOwner();
  shownDialog = MakeDialog(frame, "close me", 60, 60, 120, 60, WS_POPUP | WS_CAPTION | WS_SYSMENU, owner);
  idlePasses = 0;
  SetReactions({{Seer::Owner, WM_ENTERIDLE, 0, ClickCloseOnFirstIdle, 0}});
  int32_t result = 99;
  DialogShowModal(shownDialog, RecordingDialogCallback, &result);
  EXPECT_EQ(0, result);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(1, CountSeen(Seer::DialogCallback, WM_CLOSE));
}

TEST_F(DialogShowTest, ModalDialogDestroyedDirectlyEndsTheLoopButKeepsTheOwnerDisabled) {
  HWND owner = CreateRecordingOwner();
  shownDialog = MakeDialog(frame, "destroyed", 40, 40, 120, 60, 0, owner);
  SetTimer(nullptr, 0, 50, DestroyShownDialogTimer);
  DialogShowModal(shownDialog, nullptr, nullptr);
  EXPECT_FALSE(IsWindow(shownDialog));
  EXPECT_FALSE(IsWindowEnabled(owner));
}

TEST_F(DialogShowTest, ModalShowOfAHandleThatIsNoWindowReturnsAtOnce) {
  HWND dialog = MakeDialog(frame, "gone");
  DestroyWindow(dialog);
  int32_t result = 31;
  DialogShowModal(dialog, nullptr, &result);
  DialogShowModal(nullptr, nullptr, &result);
  EXPECT_EQ(31, result);
}

TEST_F(DialogShowTest, ShowStateReportsWhetherTheWindowWasVisible) {
  HWND dialog = MakeDialog(frame, "state");
  struct Step {
    int command;
    int32_t wasVisible;
  };
  const Step steps[] = {{SW_HIDE, 0}, {SW_SHOW, 0}, {SW_SHOW, 1}, {SW_HIDE, 1}, {SW_HIDE, 0}};
  for (const Step& step : steps) {
    int32_t answer = -5;
    DialogShowState(dialog, step.command, &answer);
    EXPECT_EQ(step.wasVisible, answer != 0) << step.command;
  }
  DialogShowState(dialog, SW_SHOW, nullptr);
  EXPECT_TRUE(IsWindowVisible(dialog));
}

TEST_F(DialogShowTest, WindowEnableTargetsAControlOrTheDialogItself) {
  HWND dialog = MakeDialog(frame, "enable");
  HWND button = MakeControl(frame, ControlKind::PushButton, dialog, 30, "b", 5, 5, 40, 14);
  WindowEnable(dialog, 30, 0);
  EXPECT_FALSE(IsWindowEnabled(button));
  EXPECT_TRUE(IsWindowEnabled(dialog));
  WindowEnable(dialog, 30, 7);
  EXPECT_TRUE(IsWindowEnabled(button));
  WindowEnable(dialog, kDialogItself, 0);
  EXPECT_FALSE(IsWindowEnabled(dialog));
  WindowEnable(dialog, kDialogItself, 1);
  EXPECT_TRUE(IsWindowEnabled(dialog));
  WindowEnable(dialog, 31, 0);  // no such control: nothing happens
  EXPECT_TRUE(IsWindowEnabled(dialog));
}
