#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "dialogs/dialog_procedure.h"
#include "dialogs/dialog_pump.h"
#include "dialogs/dialog_show.h"
#include "dialogs/menus.h"
#include "runtime/runtime_block.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/message_sequence.h"
#include "tests/win32/toolkit_support.h"

namespace {

using DialogProcedureTest = ToolkitTest;
constexpr WORD kOpen = 601, kGo = 602;
constexpr uint32_t kCaption = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr Seer C = Seer::ControlCallback, D = Seer::DialogCallback, M = Seer::MenuCallback, O = Seer::Owner;
const DialogCallback rc = RecordingControlCallback;
HWND dialog = nullptr, button = nullptr;
void (*act)() = nullptr;
bool zoomed = false;
UINT_PTR menuGuard = 0;

void Click() { ClickAt(CentreOf(button)); }
void Close() { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }
void Escape() { PressKey(VK_ESCAPE); }
void End7() { DialogEnd(dialog, 7); }
void ClickGo() {
  RECT rect{};
  GetMenuItemRect(dialog, GetMenu(dialog), 1, &rect);
  ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}
// Both keys go in at once, as the menu loop Alt+F opens reads the next key itself; should
// they go astray, Escape ends that loop instead of leaving the test waiting.
void CALLBACK LeaveMenuLoop(HWND, UINT, UINT_PTR, DWORD) { PressKeys({VK_ESCAPE}), PressKeys({VK_ESCAPE}); }
void OpenByKeys() { PressKeys({VK_MENU, 'F'}), PressKey('O'), menuGuard = SetTimer(nullptr, 0, 2000, LeaveMenuLoop); }
void EndWith(const SeenMessage& seen) { DialogEnd(seen.window, seen.message == WM_APP ? 42 : 2); }
void EndAgain(const SeenMessage& seen) { DialogEnd(seen.window, 9); }
void CALLBACK ActOnce(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  zoomed = IsZoomed(dialog);
  std::exchange(act, nullptr)();
}

enum Mode { Modeless, Modal, Owned };  // Owned: modal, with an owner
struct Scenario {
  const char* name; Mode mode; uint32_t style; ControlId buttonId; DialogCallback buttonCallback; void (*act)();
  std::vector<Reaction> reactions; std::vector<ExpectedMessage> expected;
  int32_t result;            // -100: never ended
  int live = 0;              // dialogs still counted once it ended
  bool ownerEnabled = true;  // afterwards
};

// A dialog with one button and the bar [&File: &Open] [&Go], whose command items carry the menu callback.
TEST_F(DialogProcedureTest, CommandsKeysAndEndingsReachTheRightCallbacksAndOwner) {
  const Scenario cases[] = {
      {"control answers 1", Modeless, kCaption, 10, rc, Click, {{C, WM_COMMAND, 1}}, {With(C, WM_COMMAND, 10)}, -100},
      {"no callback: not the menu's", Modeless, kCaption, kOpen, nullptr, Click, {}, {With(D, WM_COMMAND, kOpen)}, -100},
      {"identifier beyond 16 bits", Modeless, kCaption, 0x1000B, rc, Click, {}, {With(D, WM_COMMAND, 11)}, -100},
      {"close box", Modeless, kCaption, 10, nullptr, Close, {},
       {Any(D, WM_SYSCOMMAND), With(D, WM_CLOSE, 0, kWParam | kLParam), Any(D, WM_DESTROY)}, 0},
      {"close handled", Modeless, kCaption, 10, nullptr, Close, {{D, WM_SYSCOMMAND, 1}}, {Any(D, WM_CLOSE, kAbsent)}, -100},
      {"destroy handled", Modeless, kCaption, 10, nullptr, Close, {{D, WM_DESTROY, 1}}, {Any(D, WM_DESTROY)}, 0, 1},
      {"escape", Modeless, kCaption, IDCANCEL, rc, Escape, {{C, WM_COMMAND, 1}}, {With(C, WM_COMMAND, IDCANCEL)}, -100},
      {"escape, no active dialog", Modeless, kCaption, IDCANCEL, rc, [] { runtimeBlock.activeDialog = nullptr, Escape(); },
       {}, {Any(C, WM_COMMAND, kAbsent)}, -100},
      {"menu answers 0", Modeless, kCaption, 10, nullptr, ClickGo, {{M, WM_COMMAND, 0}},
       {With(M, WM_COMMAND, kGo), With(D, WM_COMMAND, kGo)}, -100},
      {"menu answers 1", Modeless, kCaption, 10, nullptr, ClickGo, {{M, WM_COMMAND, 1}}, {With(M, WM_COMMAND, kGo)}, -100},
      {"menu by keyboard", Modeless, kCaption, 10, nullptr, OpenByKeys, {},
       {With(M, WM_COMMAND, kOpen), With(D, WM_COMMAND, kOpen)}, -100},
      {"owned", Owned, kCaption, 10, nullptr, [] { PostMessageA(dialog, WM_APP, 0, 0); },
       {{D, WM_APP, 1, EndWith}},
       {Any(D, WM_INITDIALOG), With(O, WM_CANCELMODE, 0, kWParam | kLParam), Any(O, WM_CANCELMODE, kOptional),
        With(O, WM_ENABLE, FALSE), With(O, WM_ENTERIDLE, MSGF_DIALOGBOX, kWParam | kRepeated), Any(D, WM_APP),
        Any(D, WM_CLOSE), With(O, WM_ENABLE, TRUE), Any(D, WM_DESTROY)}, 42},
      {"no idle messages", Owned, WS_POPUP | DS_NOIDLEMSG, 10, nullptr, End7, {}, {Any(O, WM_ENTERIDLE, kAbsent)}, 7},
      {"modal escape", Owned, 0, IDCANCEL, rc, Escape, {{C, WM_COMMAND, 1, EndWith}},
       {With(C, WM_COMMAND, IDCANCEL), Any(D, WM_CLOSE)}, 2},
      {"destroyed directly", Owned, 0, 10, nullptr, [] { DestroyWindow(dialog); }, {},
       {With(O, WM_ENABLE, FALSE), Any(D, WM_CLOSE, kAbsent), Any(D, WM_DESTROY)}, -100, 0, false},
      {"ended again from close", Modal, kCaption | WS_MAXIMIZE, 10, nullptr, End7, {{D, WM_CLOSE, 0, EndAgain}},
       {Any(D, WM_CLOSE), Any(D, WM_DESTROY)}, 7},
      {"ended again from destroy", Modal, 0, 10, nullptr, End7, {{D, WM_DESTROY, 0, EndAgain}},
       {Any(D, WM_CLOSE), Any(D, WM_DESTROY)}, 7},
  };
  const HWND owner = CreateRecordingOwner();
  for (const Scenario& c : cases) {
    SCOPED_TRACE(c.name);
    PrepareToolkit();
    EnableWindow(owner, TRUE);
    ASSERT_TRUE(BringToFront(owner));
    SetWindowLongPtrA(owner, GWLP_USERDATA, 0x5107);  // the toolkit's slots are the dialog's, never its owner's
    dialog = MakeDialog(frame, "scenario", 20, 20, 160, 90, c.style, c.mode == Owned ? owner : nullptr);
    button = MakeControl(frame, ControlKind::PushButton, dialog, c.buttonId, "Press", 10, 10, 60, 20, 0, 0,
                         c.buttonCallback);
    const HMENU bar = MenuCreate(0), file = MenuCreate(1);
    for (const auto& [menu, text, item, popup] : {std::tuple{file, "&Open", UINT_PTR{kOpen}, 0u},
                                                 {bar, "&File", reinterpret_cast<UINT_PTR>(file), 1u}, {bar, "&Go", kGo, 0u}})
      PushText(frame, text), MenuAddItem(frame, menu, item, 0, 0, popup ? nullptr : RecordingMenuCallback, popup);
    ASSERT_TRUE(MenuAttach(dialog, bar) && MenuRedrawBar(dialog));
    SetReactions(c.reactions);
    ClearLog();
    int32_t result = -100;
    act = c.act;
    zoomed = false;
    if (c.mode == Modeless) DialogShowModeless(dialog, RecordingDialogCallback, &result);
    ASSERT_TRUE(c.mode != Modeless || BringToFront(dialog));
    SetTimer(nullptr, 0, 80, ActOnce);
    if (c.mode != Modeless) DialogShowModal(dialog, RecordingDialogCallback, &result);
    const ExpectedMessage& last = c.expected.back();
    PumpUntil([&] { return !act && !(last.flags & kAbsent) && CountSeen(last.seer, last.message) > 0; },
              last.flags & kAbsent ? 400 : 3000);
    PumpFor(50);
    KillTimer(nullptr, menuGuard);

    EXPECT_SEQUENCE(c.expected);
    for (const SeenMessage& seen : Log()) {
      EXPECT_EQ(seen.seer == O ? owner : dialog, seen.window) << "callbacks receive the dialog";
      const LPARAM fromButton = LOWORD(seen.wParam) == LOWORD(c.buttonId) ? reinterpret_cast<LPARAM>(button) : 0;
      if (seen.message == WM_COMMAND) { EXPECT_EQ(fromButton, seen.lParam); }
      if (seen.message == WM_ENTERIDLE) { EXPECT_EQ(reinterpret_cast<LPARAM>(dialog), seen.lParam); }
      if (seen.message == WM_INITDIALOG) { EXPECT_EQ(reinterpret_cast<WPARAM>(dialog), seen.wParam); }
    }
    const bool lives = c.mode == Modeless && c.result == -100;
    EXPECT_EQ(lives, IsWindow(dialog) != 0);
    EXPECT_EQ(c.result, result);
    EXPECT_EQ(lives ? 1 : c.live, runtimeBlock.liveDialogCount);
    EXPECT_EQ(c.ownerEnabled, IsWindowEnabled(owner) != 0);
    EXPECT_EQ(0x5107, GetWindowLongPtrA(owner, GWLP_USERDATA));
    EXPECT_TRUE(c.mode != Owned || !c.ownerEnabled || GetFocus() == owner) << "the owner has the focus back";
    EXPECT_EQ((c.style & WS_MAXIMIZE) != 0, zoomed);
    DestroyWindow(dialog);
  }
}

TEST_F(DialogProcedureTest, ActiveDialogFollowsActivationAndThePumpAnswersTheLiveCount) {
  EXPECT_EQ(0, DialogPump());
  dialog = MakeDialog(frame, "active", 10, 10, 120, 60, WS_POPUP | WS_CAPTION);
  const HWND other = CreateRecordingOwner();  // a window outside the toolkit
  MoveWindow(other, 600, 400, 200, 120, TRUE);
  DialogShowModeless(dialog, RecordingDialogCallback, nullptr);
  for (const HWND next : {dialog, other, dialog}) {
    ClickAt(CentreOf(next));
    EXPECT_TRUE(PumpUntil([&] { return runtimeBlock.activeDialog == (next == other ? nullptr : next); }));
  }
  EXPECT_EQ(0, CountSeen(Seer::DialogCallback, WM_ACTIVATE)) << "activation is the toolkit's own";
  Drain();
  const DWORD start = GetTickCount();
  for (int i = 0; i < 20; ++i) EXPECT_EQ(1, DialogPump());
  EXPECT_GE(GetTickCount() - start, 15u) << "an empty queue costs a sleep per call";
  DialogEnd(dialog, 0);
  EXPECT_EQ(0, DialogPump());
  EXPECT_EQ(nullptr, runtimeBlock.activeDialog);
}

// A dialog on another thread, which only that thread can destroy.
DWORD WINAPI RunForeignDialog(void* owner) {
  ProcedureFrame frame;
  dialog = MakeDialog(frame, "foreign", 30, 30, 120, 60, 0, static_cast<HWND>(owner));
  for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_APP;) DispatchMessageA(&message);
  return DestroyWindow(dialog);
}

TEST_F(DialogProcedureTest, FailedDestructionLeavesTheOwnerAsItWas) {
  const HWND owner = CreateRecordingOwner();
  dialog = nullptr;
  DWORD thread = 0;
  CloseHandle(CreateThread(nullptr, 0, RunForeignDialog, owner, 0, &thread));
  ASSERT_TRUE(PumpUntil([] { return dialog != nullptr; }));
  int32_t result = -100;
  DialogShowModeless(dialog, nullptr, &result);
  for (const BOOL enabled : {FALSE, TRUE}) {
    EnableWindow(owner, enabled);
    DialogEnd(dialog, 5 + enabled);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(enabled, IsWindowEnabled(owner));
    EXPECT_EQ(5 + enabled, result) << "the result was stored before the destruction was tried";
  }
  PostThreadMessageA(thread, WM_APP, 0, 0);
  EXPECT_TRUE(PumpUntil([] { return !IsWindow(dialog); }));
}

}  // namespace
