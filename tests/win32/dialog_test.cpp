#include <cstring>
#include <tuple>
#include <utility>

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/dialog_create.h>
#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/dialog_pump.h>
#include <tabard/dialogs/dialog_show.h>
#include <tabard/dialogs/dialog_template.h>
#include <tabard/dialogs/menus.h>
#include "tests/core/resource_test_support.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/message_sequence.h"
#include "tests/win32/toolkit_support.h"

namespace {

using DialogTest = ToolkitTest;
constexpr WORD kOpen = 601, kGo = 602;
constexpr uint32_t kCap = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr Seer C = Seer::ControlCallback, D = Seer::DialogCallback, M = Seer::MenuCallback, O = Seer::Owner;
const DialogCallback rc = Recording<C>;
HWND dialog = nullptr, button = nullptr;
void (*act)() = nullptr;  // what the scenario does once its dialog is up
UINT_PTR menuGuard = 0;

void Click() { ClickAt(CentreOf(button)); }
void Close() { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }
void Escape() { PressKey(VK_ESCAPE); }
void End7() { DialogEnd(dialog, 7); }
void ClickGo() { RECT r{}; GetMenuItemRect(dialog, GetMenu(dialog), 1, &r); ClickAt({r.left + 4, r.top + 4}); }
// Both keys go in at once, as the menu loop Alt+F opens reads the next key itself; should
// they go astray, Escape ends that loop instead of leaving the test waiting.
void CALLBACK LeaveMenuLoop(HWND, UINT, UINT_PTR, DWORD) { PressKeys({VK_ESCAPE}), PressKeys({VK_ESCAPE}); }
void OpenByKeys() { PressKeys({VK_MENU, 'F'}), PressKey('O'), menuGuard = SetTimer(nullptr, 0, 2000, LeaveMenuLoop); }
void End(const SeenMessage& s) { DialogEnd(s.window, s.message == WM_APP ? 42 : s.message == WM_CLOSE ? 9 : 2); }
// As on a slow machine, where a dialog takes longer to come up than any fixed delay.
void SlowStart(const SeenMessage&) { Sleep(250); }
bool actsWhenIdle = false;  // the scenario's modal loop tells its owner when it goes idle
// Acts once the dialog is up: shown, and its modal loop idle once when the owner hears of that. A fixed delay
// fired before the loop first went idle wherever showing the dialog took longer than the delay.
void CALLBACK ActWhenUp(HWND, UINT, UINT_PTR timer, DWORD) {
  if (IsWindowVisible(dialog) && !(actsWhenIdle && CountSeen(O, WM_ENTERIDLE) == 0))
    KillTimer(nullptr, timer), std::exchange(act, nullptr)();
}

enum Mode { Modeless, Modal, Owned };  // Owned: modal, with an owner
struct Scenario {
  Mode mode; uint32_t style; ControlId buttonId; DialogCallback buttonCallback; void (*act)();
  std::vector<Reaction> reactions; std::vector<ExpectedMessage> expected;
  int32_t result; int live = 0; bool ownerEnabled = true;  // result (-100: none), dialogs counted, owner enabled after
};

// A dialog with one button and the bar [&File: &Open] [&Go], whose command items carry the menu callback.
TEST_F(DialogTest, CommandsKeysAndEndingsReachTheRightCallbacksAndOwner) {
  // clang-format off
  const Scenario cases[] = {
      {Modeless, kCap, 10, rc, Click, {{C, WM_COMMAND, 1}}, {With(C, WM_COMMAND, 10)}, -100},  // the control answers 1
      {Modeless, kCap, kOpen, nullptr, Click, {}, {With(D, WM_COMMAND, kOpen)}, -100},  // no callback: not the menu's
      {Modeless, kCap, 10, nullptr, Close, {},  // the close box
       {Any(D, WM_SYSCOMMAND), With(D, WM_CLOSE, 0, kWParam | kLParam), Any(D, WM_DESTROY)}, 0},
      {Modeless, kCap, 10, nullptr, Close, {{D, WM_SYSCOMMAND, 1}}, {Any(D, WM_CLOSE, kAbsent)}, -100},
      {Modeless, kCap, 10, nullptr, Close, {{D, WM_DESTROY, 1}}, {Any(D, WM_DESTROY)}, 0, 1},
      {Modeless, kCap, IDCANCEL, rc, Escape, {{C, WM_COMMAND, 1}}, {With(C, WM_COMMAND, IDCANCEL)}, -100},
      {Modeless, kCap, IDCANCEL, rc, [] { runtimeBlock.activeDialog = nullptr, Escape(); }, {},
       {Any(C, WM_COMMAND, kAbsent)}, -100},  // Escape reaches only the dialog the toolkit knows as active
      {Modeless, kCap, 10, nullptr, ClickGo, {{M, WM_COMMAND, 1}}, {With(M, WM_COMMAND, kGo)}, -100},
      {Modeless, kCap, 10, nullptr, OpenByKeys, {}, {With(M, WM_COMMAND, kOpen), With(D, WM_COMMAND, kOpen)}, -100},
      {Owned, kCap, 10, nullptr, [] { PostMessageA(dialog, WM_APP, 0, 0); }, {{D, WM_APP, 1, End}},
       {Any(D, WM_INITDIALOG), With(O, WM_CANCELMODE, 0, kWParam | kLParam), Any(O, WM_CANCELMODE, kOptional),
        With(O, WM_ENABLE, FALSE), With(O, WM_ENTERIDLE, MSGF_DIALOGBOX, kWParam | kRepeated), Any(D, WM_APP),
        Any(D, WM_CLOSE), With(O, WM_ENABLE, TRUE), Any(D, WM_DESTROY)}, 42},
      {Owned, kCap, 10, nullptr, [] { PostMessageA(dialog, WM_APP, 0, 0); }, {{D, WM_INITDIALOG, 0, SlowStart},
       {D, WM_APP, 1, End}}, {Any(D, WM_INITDIALOG), With(O, WM_ENTERIDLE, MSGF_DIALOGBOX, kWParam | kRepeated),
       Any(D, WM_APP), Any(D, WM_CLOSE), Any(D, WM_DESTROY)}, 42},  // the loop is idle before the message comes
      {Owned, WS_POPUP | DS_NOIDLEMSG, 10, nullptr, End7, {}, {Any(O, WM_ENTERIDLE, kAbsent)}, 7},
      {Owned, 0, IDCANCEL, rc, Escape, {{C, WM_COMMAND, 1, End}}, {With(C, WM_COMMAND, IDCANCEL), Any(D, WM_CLOSE)}, 2},
      {Owned, 0, 10, nullptr, [] { DestroyWindow(dialog); }, {},
       {With(O, WM_ENABLE, FALSE), Any(D, WM_CLOSE, kAbsent), Any(D, WM_DESTROY)}, -100, 0, false},
      {Modal, 0, 10, nullptr, End7, {{D, WM_CLOSE, 0, End}}, {Any(D, WM_CLOSE), Any(D, WM_DESTROY)}, 7},
  };
  // clang-format on
  const HWND owner = CreateRecordingOwner();
  platform::RememberSystemObjects(true);  // what the soak relies on: objects count until the system forgets them
  for (const Scenario& c : cases) {
    SCOPED_TRACE(&c - cases);
    PrepareToolkit();
    const platform::ResourceCounts start = platform::LiveResourcesNow();
    ASSERT_TRUE((EnableWindow(owner, TRUE), BringToFront(owner)));
    dialog = MakeDialog(frame, "scenario", 20, 20, 160, 90, c.style, c.mode == Owned ? owner : nullptr);
    button = MakeControl(frame, ControlKind::PushButton, dialog, c.buttonId, "", 4, 4, 60, 20, 0, 0, c.buttonCallback);
    const HMENU bar = MenuCreate(0), file = MenuCreate(1);
    for (const auto& [menu, text, item, popup] :
         {std::tuple{file, "&Open", UINT_PTR{kOpen}, 0u}, {bar, "&File", UINT_PTR(file), 1u}, {bar, "&Go", kGo, 0u}})
      PushText(frame, text), MenuAddItem(frame, menu, item, 0, 0, popup ? nullptr : Recording<M>, popup);
    ASSERT_TRUE(MenuAttach(dialog, bar));
    ASSERT_TRUE(MenuRedrawBar(dialog));
    const auto added = [&](platform::ResourceKind kind) { return platform::LiveResourcesNow()[kind] - start[kind]; };
    EXPECT_EQ(std::tuple(2, 2), std::tuple(added(platform::ResourceKind::Window), added(platform::ResourceKind::Menu)));
    recordingReactions = c.reactions, recordedMessages.clear(), act = c.act;
    int32_t result = -100;
    if (c.mode == Modeless) {  // activation is the toolkit's own business, for the dialog it tells
      DialogShowModeless(dialog, Recording<D>, &result);
      ASSERT_TRUE(BringToFront(owner));
      ASSERT_EQ(nullptr, runtimeBlock.activeDialog);
      ASSERT_TRUE((ClickAt(CentreOf(dialog)), PumpUntil([] { return runtimeBlock.activeDialog == dialog; })));
    }
    actsWhenIdle = c.mode == Owned && !(c.style & DS_NOIDLEMSG);
    SetTimer(nullptr, 0, 10, ActWhenUp);
    if (c.mode != Modeless) DialogShowModal(dialog, Recording<D>, &result);
    const ExpectedMessage& last = c.expected.back();
    PumpUntil([&] { return !act && !(last.flags & kAbsent) && CountSeen(last.seer, last.message) > 0; },
              last.flags & kAbsent ? 400 : 10000);
    PumpUntil([] { return false; }, 50), KillTimer(nullptr, menuGuard);

    EXPECT_TRUE(SequenceMatches(c.expected));
    // Callbacks receive the dialog; a command names its button (none from a menu), idle messages the dialog.
    for (const SeenMessage& s : recordedMessages) {
      const LPARAM fromButton = LOWORD(s.wParam) == LOWORD(c.buttonId) ? reinterpret_cast<LPARAM>(button) : 0;
      const WPARAM w = s.message == WM_INITDIALOG ? WPARAM(dialog) : s.wParam;
      const LPARAM l = s.message == WM_COMMAND ? fromButton : s.message == WM_ENTERIDLE ? LPARAM(dialog) : s.lParam;
      EXPECT_EQ(std::tuple(s.seer == O ? owner : dialog, w, l), std::tuple(s.window, s.wParam, s.lParam)) << s.message;
    }
    const bool lives = c.mode == Modeless && c.result == -100, focusBack = c.mode == Owned && c.ownerEnabled;
    // Alive, result, dialogs counted, owner enabled, the owner's focus, activations the callback saw.
    EXPECT_EQ(std::tuple(lives, c.result, lives ? 1 : c.live, c.ownerEnabled, focusBack, 0),
              std::tuple(IsWindow(dialog) != 0, result, runtimeBlock.liveDialogCount, IsWindowEnabled(owner) != 0,
                         GetFocus() == owner && c.mode == Owned, CountSeen(D, WM_ACTIVATE)));
    DestroyWindow(dialog);  // and with it the button, the bar and the pop-up
    EXPECT_EQ(std::tuple(start, nullptr), std::tuple(platform::LiveResourcesNow(), runtimeBlock.activeDialog));
  }
}

TEST_F(DialogTest, CreatesCountedDialogsConsumingTheTitleAndKeepingTheLatestFont) {
  const DynString kept = MakeText("kept");
  TextPushBorrowed(frame, kept);
  const HWND lent = DialogCreate(frame, nullptr, 10, 10, 100, 60, 0, 0);
  // An empty stack reads as an empty title.
  const HWND blank = DialogCreate(frame, nullptr, 10, 10, 100, 60, WS_POPUP | WS_CAPTION | WS_MAXIMIZE, 0);
  const auto title = [](HWND w) { char text[64] = {}; GetWindowTextA(w, text, 64); return std::string(text); };
  EXPECT_EQ("kept| |kept", title(lent) + "|" + title(blank) + "|" + TextOf(kept)) << "a borrowed title stays";
  TextRelease(kept);
  // Each dialog has a font of its own; the latest is kept for the controls to come. The pump answers the count.
  const void* font = reinterpret_cast<void*>(SendMessageA(blank, WM_GETFONT, 0, 0));
  EXPECT_EQ(std::tuple(2, 2, font), std::tuple(DialogPump(), runtimeBlock.liveDialogCount, runtimeBlock.dialogFont));
  DialogShowModeless(lent, nullptr, nullptr), DialogShowModeless(blank, nullptr, nullptr);
  EXPECT_EQ(std::pair(FALSE, TRUE), std::pair(IsZoomed(lent), IsZoomed(blank))) << "shown as their style asks";
  DestroyWindow(lent);  // a parent that is no window makes creation fail
  EXPECT_EQ(nullptr, MakeDialog(frame, "orphan", 10, 10, 100, 60, 0, lent));
  EXPECT_EQ(std::tuple(1, nullptr), std::tuple(runtimeBlock.liveDialogCount, runtimeBlock.dialogFont));
}

TEST(DialogTemplate, HeaderTitleAndFontAsRequested) {
  const std::string y257(257, 'y');
  // wanted: the style written; caption: as written. DS_CENTER given by the caller stays, as do WS_VISIBLE
  // (created hidden) and DS_SYSMODAL go; one -1 is enough to centre.
  const struct { const char* title; uint32_t length; int32_t x, y, width, height; uint32_t style, exStyle, wanted;
                 std::u16string caption; } cases[] = {
      // clang-format off
      {"Demo listbox with Colomns", 25, -1, -1, 398, 317, 0x00C80880, 0, 0x00C808D4, u"Demo listbox with Colomns"},
      {"t", 1, -1, 40, 0x12345, -3, 0, 0x00040188, 0x80C008D4, u"t"},  // a width keeps its low 16 bits
      {"", 0, 10, 10, 100, 100, 0, 0, 0x80C000D4, u" "},                 // default style; an empty title is a blank
      {nullptr, 99, 0, 0, 10, 10, 0, 0, 0x80C000D4, u" "}, {"t", 1, -2, 40, 9, 9, 0x00C00000, 0, 0x00C00054, u"t"},
      {y257.data(), 257, 10, 20, 100, 100, 0, 0, 0x80C000D4, std::u16string(256, u'y')},  // cut at 256 bytes
      {"\xE9\x80\x01\xFF", 4, 1, 2, 3, 4, 0, 0, 0x80C000D4, u"\u00E9\u0080\u0001\u00FF"},  // no code page between
      {"a\0b", 3, 1, 2, 3, 4, 0, 0, 0x80C000D4, std::u16string(u"a\0b", 3)},
      {"t", 1, 10, 10, 9, 9, 0x00C80880, 0, 0x00C808D4, u"t"}, {"t", 1, 5, 5, 9, 9, 0x10C00000, 0, 0x00C00054, u"t"},
      {"t", 1, 5, 5, 9, 9, 0x00C00002, 0, 0x00C00054, u"t"}, {"t", 1, 40, -1, 9, 9, 0x00C00000, 0, 0x00C00854, u"t"},
      // clang-format on
  };
  for (const auto& c : cases) {
    DialogTemplateBuffer buffer;
    std::memset(buffer.bytes, 0xCC, sizeof buffer.bytes);
    std::u16string units(DialogTemplateBuild(buffer, {c.title, c.length, c.x, c.y, c.width, c.height, c.style,
                                                      c.exStyle}) / 2, u'\0');
    std::memcpy(units.data(), buffer.bytes, 2 * units.size());
    // The header (no items, no menu, the system's dialog class), the title, the point size and face.
    const std::u16string header{char16_t(c.wanted), char16_t(c.wanted >> 16), char16_t(c.exStyle),
                                char16_t(c.exStyle >> 16), 0, char16_t(c.x), char16_t(c.y), char16_t(c.width),
                                char16_t(c.height), 0, 0};
    EXPECT_EQ(header + c.caption + std::u16string(u"\0\x8MS Sans Serif", 15) + u'\0', units) << &c - cases;
  }
}

}  // namespace
