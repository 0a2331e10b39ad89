#include <gtest/gtest.h>

#include "dialogs/dialog_procedure.h"
#include "dialogs/dialog_show.h"
#include "runtime/runtime_block.h"
#include "tests/win32/message_sequence.h"
#include "tests/win32/toolkit_support.h"

namespace {

constexpr WORD kButtonId = 10;

class DialogProcedureTest : public ToolkitTest {
 protected:
  // A dialog with a caption, a close box and one push button, shown modeless with
  // the recording dialog callback and in front.
  void ShowDialogWithButton(DialogCallback buttonCallback, ControlId buttonId = kButtonId) {
    dialog = MakeDialog(frame, "routing", 20, 20, 160, 90, WS_POPUP | WS_CAPTION | WS_SYSMENU);
    ASSERT_NE(nullptr, dialog);
    button =
        MakeControl(frame, ControlKind::PushButton, dialog, buttonId, "Press", 10, 10, 60, 20, 0, 0, buttonCallback);
    ASSERT_NE(nullptr, button);
    DialogShowModeless(dialog, RecordingDialogCallback, &result);
    ASSERT_TRUE(BringToFront(dialog));
    PumpFor(50);
    ClearLog();
  }

  // A menu bar whose one command item carries the recording menu callback.
  void AttachMenu(WORD itemId) {
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, itemId, "Go");
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(RecordingMenuCallback);
    SetMenuItemInfoA(menu, itemId, FALSE, &item);
    SetMenu(dialog, menu);
    DrawMenuBar(dialog);
    PumpFor(50);
  }

  HWND dialog = nullptr;
  HWND button = nullptr;
  int32_t result = -100;
};

// What a click on the button makes the dialog send: BN_CLICKED from the button.
WPARAM Clicked(WORD id) { return MAKEWPARAM(id, BN_CLICKED); }

}  // namespace

TEST_F(DialogProcedureTest, ControlCallbackAnsweringZeroPassesTheCommandOnNonzeroEndsIt) {
  for (const int32_t answer : {0, 1}) {
    SCOPED_TRACE(answer);
    SetReactions({{Seer::ControlCallback, WM_COMMAND, answer, nullptr, 0}});
    ShowDialogWithButton(RecordingControlCallback);
    ClickAt(CentreOf(button));
    ASSERT_TRUE(PumpUntil([] { return CountSeen(Seer::ControlCallback, WM_COMMAND) > 0; }));
    PumpFor(50);
    const ExpectedMessage toControl{Seer::ControlCallback, WM_COMMAND, kWParam | kLParam, Clicked(kButtonId),
                                    (LPARAM)button};
    if (answer == 0)
      EXPECT_SEQUENCE(toControl,
                      {Seer::DialogCallback, WM_COMMAND, kWParam | kLParam, Clicked(kButtonId), (LPARAM)button});
    else
      EXPECT_SEQUENCE(toControl);
    for (const SeenMessage& seen : Log()) EXPECT_EQ(dialog, seen.window) << "callbacks receive the dialog";
    DialogEnd(dialog, 0);
  }
}

TEST_F(DialogProcedureTest, ControlWithoutCallbackNeverConsultsTheMenu) {
  ShowDialogWithButton(nullptr);
  AttachMenu(kButtonId);  // a menu item with the button's identifier
  ClearLog();
  ClickAt(CentreOf(button));
  ASSERT_TRUE(PumpUntil([] { return CountSeen(Seer::DialogCallback, WM_COMMAND) > 0; }));
  PumpFor(50);
  EXPECT_SEQUENCE({Seer::DialogCallback, WM_COMMAND, kWParam, Clicked(kButtonId), 0});
}

TEST_F(DialogProcedureTest, IdentifierAboveSixteenBitsNeverReachesItsCallback) {
  ShowDialogWithButton(RecordingControlCallback, 0x10000 + kButtonId + 1);
  ASSERT_EQ(0x10000 + kButtonId + 1, GetWindowLongA(button, GWL_ID));
  ClickAt(CentreOf(button));
  ASSERT_TRUE(PumpUntil([] { return CountSeen(Seer::DialogCallback, WM_COMMAND) > 0; }));
  PumpFor(50);
  EXPECT_SEQUENCE({Seer::DialogCallback, WM_COMMAND, kWParam, Clicked(kButtonId + 1), 0});
}

TEST_F(DialogProcedureTest, CloseOnTheCaptionEndsTheDialogWithResultZero) {
  ShowDialogWithButton(nullptr);
  POINT closeBox{};
  ASSERT_TRUE(CloseBoxPoint(dialog, &closeBox));
  ClickAt(closeBox);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));
  EXPECT_SEQUENCE({Seer::DialogCallback, WM_SYSCOMMAND, kAnyParams, 0, 0},
                  {Seer::DialogCallback, WM_CLOSE, kWParam | kLParam, 0, 0},
                  {Seer::DialogCallback, WM_DESTROY, kAnyParams, 0, 0});
  ASSERT_GE(CountSeen(Seer::DialogCallback, WM_SYSCOMMAND), 1);
  EXPECT_EQ(0, result);
  EXPECT_EQ(0, runtimeBlock.liveDialogCount);
}

TEST_F(DialogProcedureTest, CallbackHandlingCloseKeepsTheDialog) {
  SetReactions({{Seer::DialogCallback, WM_SYSCOMMAND, 1, nullptr, 0}});
  ShowDialogWithButton(nullptr);
  POINT closeBox{};
  ASSERT_TRUE(CloseBoxPoint(dialog, &closeBox));
  ClickAt(closeBox);
  ASSERT_TRUE(PumpUntil([] { return CountSeen(Seer::DialogCallback, WM_SYSCOMMAND) > 0; }));
  PumpFor(100);
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(0, CountSeen(Seer::DialogCallback, WM_CLOSE));
  EXPECT_EQ(-100, result);
}

TEST_F(DialogProcedureTest, DestroyHandledByTheCallbackIsNotUncounted) {
  SetReactions({{Seer::DialogCallback, WM_DESTROY, 1, nullptr, 0}});
  ShowDialogWithButton(nullptr);
  ASSERT_EQ(1, runtimeBlock.liveDialogCount);
  DialogEnd(dialog, 3);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(1, runtimeBlock.liveDialogCount);
}

TEST_F(DialogProcedureTest, ActivationIsKeptAndNeverReachesTheCallback) {
  ShowDialogWithButton(nullptr);
  EXPECT_EQ(dialog, runtimeBlock.activeDialog);
  HWND other = CreateRecordingOwner();
  MoveWindow(other, 600, 400, 200, 120, TRUE);
  ASSERT_TRUE(BringToFront(other));
  EXPECT_EQ(nullptr, runtimeBlock.activeDialog) << "a window outside the toolkit became active";
  ClickAt(CentreOf(dialog));
  ASSERT_TRUE(PumpUntil([&] { return runtimeBlock.activeDialog == dialog; }));
  EXPECT_EQ(0, CountSeen(Seer::DialogCallback, WM_ACTIVATE));
}

namespace {

struct EndObservation {
  HWND owner;
  int32_t* result;
  BOOL ownerEnabledAtClose;
  int32_t resultAtClose;
  BOOL ownerEnabledAtDestroy;
  int32_t resultAtDestroy;
  int liveAtDestroy;
};
EndObservation observed;

void ObserveClose(const SeenMessage&) {
  observed.ownerEnabledAtClose = IsWindowEnabled(observed.owner);
  observed.resultAtClose = *observed.result;
}
void ObserveDestroy(const SeenMessage&) {
  observed.ownerEnabledAtDestroy = IsWindowEnabled(observed.owner);
  observed.resultAtDestroy = *observed.result;
  observed.liveAtDestroy = runtimeBlock.liveDialogCount;
}

void EndAgain(const SeenMessage& seen) { DialogEnd(seen.window, 9); }

}  // namespace

TEST_F(DialogProcedureTest, DialogEndClosesEnablesTheOwnerStoresThenDestroys) {
  HWND owner = CreateRecordingOwner();
  ASSERT_NE(nullptr, owner);
  dialog = MakeDialog(frame, "ending", 30, 30, 120, 60, 0, owner);
  ASSERT_NE(nullptr, dialog);
  DialogShowModeless(dialog, RecordingDialogCallback, &result);
  EnableWindow(owner, FALSE);
  PumpFor(30);
  observed = {owner, &result, -1, 0, -1, 0, 0};
  SetReactions(
      {{Seer::DialogCallback, WM_CLOSE, 0, ObserveClose, 0}, {Seer::DialogCallback, WM_DESTROY, 0, ObserveDestroy, 0}});
  ClearLog();

  DialogEnd(dialog, 42);

  EXPECT_SEQUENCE({Seer::DialogCallback, WM_CLOSE, kWParam | kLParam, 0, 0}, {Seer::Owner, WM_ENABLE, kWParam, TRUE, 0},
                  {Seer::DialogCallback, WM_DESTROY, kAnyParams, 0, 0});
  EXPECT_FALSE(observed.ownerEnabledAtClose);
  EXPECT_EQ(-100, observed.resultAtClose);
  EXPECT_TRUE(observed.ownerEnabledAtDestroy);
  EXPECT_EQ(42, observed.resultAtDestroy);
  EXPECT_EQ(1, observed.liveAtDestroy);
  EXPECT_EQ(42, result);
  EXPECT_EQ(0, runtimeBlock.liveDialogCount);
  EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(DialogProcedureTest, DialogEndOfAModelessDialogLeavesItsOwnerAlone) {
  HWND owner = CreateRecordingOwner();
  dialog = MakeDialog(frame, "modeless", 30, 30, 120, 60, 0, owner);
  DialogShowModeless(dialog, RecordingDialogCallback, nullptr);
  PumpFor(30);
  ClearLog();
  DialogEnd(dialog, 8);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(0, CountSeen(Seer::Owner, WM_ENABLE));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(0, GetWindowLongPtrA(owner, GWLP_USERDATA));
}

TEST_F(DialogProcedureTest, DialogEndEnteredAgainForTheSameDialogEndsItOnce) {
  for (const uint32_t again : {WM_CLOSE, WM_DESTROY}) {
    SCOPED_TRACE(again == WM_CLOSE ? "from WM_CLOSE" : "from WM_DESTROY");
    result = -100;
    dialog = MakeDialog(frame, "twice");
    DialogShowModeless(dialog, RecordingDialogCallback, &result);
    SetReactions({{Seer::DialogCallback, again, 0, EndAgain, 0}});
    ClearLog();
    DialogEnd(dialog, 4);
    EXPECT_SEQUENCE({Seer::DialogCallback, WM_CLOSE, kAnyParams, 0, 0},
                    {Seer::DialogCallback, WM_DESTROY, kAnyParams, 0, 0});
    EXPECT_EQ(4, result) << "the first DialogEnd finishes with its own result";
    EXPECT_EQ(0, runtimeBlock.liveDialogCount);
    EXPECT_FALSE(IsWindow(dialog));
    // The guard is gone once the ending is over: the handle can end again quietly.
    DialogEnd(dialog, 5);
    EXPECT_EQ(4, result);
  }
}

TEST_F(DialogProcedureTest, DialogEndOfAHandleThatIsNoWindowDoesNothing) {
  dialog = MakeDialog(frame, "gone");
  DialogShowModeless(dialog, RecordingDialogCallback, &result);
  DestroyWindow(dialog);
  ClearLog();
  DialogEnd(dialog, 6);
  DialogEnd(nullptr, 6);
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(-100, result);
}

namespace {

// A dialog that lives on another thread, which only that thread can destroy.
struct ForeignDialog {
  HWND owner;
  HWND dialog;
  HANDLE created;
};

DWORD WINAPI RunForeignDialog(void* parameter) {
  auto* foreign = static_cast<ForeignDialog*>(parameter);
  ProcedureFrame frame;
  foreign->dialog = MakeDialog(frame, "foreign", 30, 30, 120, 60, 0, foreign->owner);
  SetEvent(foreign->created);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == WM_APP) break;
    DispatchMessageA(&message);
  }
  DestroyWindow(foreign->dialog);
  return 0;
}

}  // namespace

TEST_F(DialogProcedureTest, FailedDestructionDisablesTheOwnerAgain) {
  ForeignDialog foreign{CreateRecordingOwner(), nullptr, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  DWORD threadId = 0;
  HANDLE thread = CreateThread(nullptr, 0, RunForeignDialog, &foreign, 0, &threadId);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(foreign.created, 5000));
  ASSERT_NE(nullptr, foreign.dialog);
  DialogShowModeless(foreign.dialog, nullptr, &result);
  EnableWindow(foreign.owner, FALSE);

  DialogEnd(foreign.dialog, 5);  // this thread may not destroy the other thread's window

  EXPECT_TRUE(IsWindow(foreign.dialog));
  EXPECT_FALSE(IsWindowEnabled(foreign.owner)) << "the owner is disabled again";
  EXPECT_EQ(5, result) << "the result was stored before the destruction was tried";

  // An owner that was enabled stays enabled when destruction fails.
  EnableWindow(foreign.owner, TRUE);
  DialogEnd(foreign.dialog, 6);
  EXPECT_TRUE(IsWindowEnabled(foreign.owner));

  PostThreadMessageA(threadId, WM_APP, 0, 0);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  CloseHandle(foreign.created);
  EXPECT_FALSE(IsWindow(foreign.dialog));
  EXPECT_EQ(0, runtimeBlock.liveDialogCount);
}
