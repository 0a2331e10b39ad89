// The operations a program calls on its controls and menus: texts in and out through the temporaries, focus,
// callbacks, checks, list and combo items, menu items, the mouse pointer.
#include <gtest/gtest.h>

#include <tuple>
#include <algorithm>
#include <string>

#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/dialog_show.h>
#include <tabard/dialogs/list_ops.h>
#include <tabard/dialogs/menus.h>
#include <tabard/dialogs/mouse_pointer.h>
#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/allocation_control.h>
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"

namespace {

using ControlOpsTest = ToolkitTest;

int32_t Ignore(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

std::string WindowText(HWND window) {
  std::string text(65536, '\0');
  text.resize(std::max(0, GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

TEST_F(ControlOpsTest, TextsRoundTripUpTo32769BytesInTwoStringsAndTheEmptyOneWhenMemoryIsRefused) {
  const DialogHandle dialog = MakeDialog(frame, "texts");
  MakeControl(frame, ControlKind::Label, dialog, 7, "start", 4, 4, 100, 14);
  std::string marked(32770, 'm');
  for (size_t i = 0; i < marked.size(); i += 97) marked[i] = static_cast<char>(0x80 + i % 128);
  for (const std::string& text : {std::string(), marked.substr(0, 32768), marked.substr(0, 32769), marked}) {
    SCOPED_TRACE(text.size());
    PushText(frame, text);
    ControlSetText(frame, dialog, 7);
    EXPECT_EQ(std::pair(0, text), std::pair(TextStackDepth(frame), WindowText(ControlHandle(dialog, 7))));
    ControlGetText(frame, dialog, 7);
    EXPECT_EQ(text.empty() ? "@|0" : text.substr(0, 32769) + "|0", Drain(frame)) << "the empty text: the null handle";
  }
  for (uint32_t refusals : {1u, 2u}) {  // the large buffer fails, then the copy after it as well
    platform::RefuseNextAllocations(refusals), ControlGetText(frame, dialog, 7), platform::RefuseNextAllocations(0);
    EXPECT_EQ("@|0", Drain(frame)) << refusals;
  }
}

// A missing control leaves every other window alone: the null window reads as the
// desktop to some calls, whose text must not leak in.
TEST_F(ControlOpsTest, FocusCallbackKillAndChecksReachOnlyThatControlAndAMissingOneNothing) {
  const DialogHandle dialog = MakeDialog(frame, "Toolkit test");
  const HWND first = MakeControl(frame, ControlKind::EditBox, dialog, 1, "", 4, 4, 100, 14);
  const HWND second = MakeControl(frame, ControlKind::EditBox, dialog, 2, "", 4, 24, 100, 14, 0, 0, Ignore);
  DialogShowModeless(dialog, nullptr, nullptr);
  ASSERT_TRUE(BringToFront(dialog));
  for (const HWND control : {second, first}) {
    ControlSetFocus(dialog, static_cast<ControlId>(GetDlgCtrlID(control)));
    EXPECT_EQ(control, GetFocus());
  }
  ControlSetCallback(dialog, 1, Ignore), ControlSetCallback(dialog, 2, nullptr);
  EXPECT_EQ(std::pair(DialogCallback{Ignore}, DialogCallback{}), std::pair(CallbackSlot(first), CallbackSlot(second)));
  constexpr ControlId kMissing = 999;
  EXPECT_EQ(nullptr, ControlHandle(dialog, kMissing));
  ControlGetText(frame, dialog, kMissing);
  EXPECT_EQ("@|0", Drain(frame));
  const std::string desktopText = WindowText(nullptr);
  PushText(frame, "lost");
  ControlSetText(frame, dialog, kMissing);
  EXPECT_EQ(std::tuple(0, "Toolkit test", desktopText),
            std::tuple(TextStackDepth(frame), WindowText(dialog), WindowText(nullptr)));
  ControlSetFocus(dialog, kMissing);
  EXPECT_EQ(first, GetFocus()) << "a missing control takes no focus away";
  ControlSetCallback(dialog, kMissing, Ignore);
  EXPECT_EQ(0, GetWindowLongPtrA(dialog, GWLP_USERDATA));
  ControlKill(dialog, kMissing);
  EXPECT_EQ(0, CheckGet(dialog, kMissing));
  ControlKill(dialog, 2);
  EXPECT_EQ(std::tuple(TRUE, TRUE, FALSE, 0u), std::tuple(IsWindow(dialog), IsWindow(first), IsWindow(second), frame.errorWord));
  MakeControl(frame, ControlKind::CheckBox, dialog, 3, "two states", 4, 4, 100, 14);
  MakeControl(frame, ControlKind::ThreeStateBox, dialog, 6, "three states", 4, 24, 100, 14);
  const std::pair<ControlId, uint32_t> cases[] = {{3, 1}, {3, 0}, {6, 2}, {6, 1}, {6, 0}};
  for (const auto& [id, state] : cases) {
    CheckSet(dialog, id, state);
    EXPECT_EQ(std::pair(LRESULT(state), state), std::pair(CheckGet(dialog, id), IsDlgButtonChecked(dialog, id))) << id;
  }
}

using ListOpsTest = ToolkitTest;

// The same cases run against a list box and a combo box, unsorted so that items stay put.
struct ListKind {
  ControlKind kind;
  uint32_t style;
  LRESULT (*add)(ProcedureFrame&, DialogHandle, ControlId);
  LRESULT (*remove)(DialogHandle, ControlId, int32_t);
  void (*selectedText)(ProcedureFrame&, DialogHandle, ControlId);
  LRESULT (*clear)(DialogHandle, ControlId);
  LRESULT (*select)(DialogHandle, ControlId, int32_t);
};
// clang-format off
const ListKind kKinds[] = {
  {ControlKind::ListBox, WS_CHILD | WS_VISIBLE | WS_VSCROLL, ListAddItem, ListDeleteItem,
   ListGetSelectedText, ListClear, ListSelect},
  {ControlKind::ComboBox, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, ComboAddItem, ComboDeleteItem,
   ComboGetSelectedText, ComboClear, ComboSelect},
};
// clang-format on

// The stack after asking for the selected text: "text|0", or "@|0" for the null handle.
std::string Selected(ProcedureFrame& frame, DialogHandle dialog, const ListKind& kind, ControlId id = 30) {
  return kind.selectedText(frame, dialog, id), Drain(frame);
}

TEST_F(ListOpsTest, PositionsAreOneBasedAndSelectedTextsKeepEveryByte) {
  const std::string longText = "\xE9" + std::string(2998, 'q') + "!";
  for (const ListKind& kind : kKinds) {
    SCOPED_TRACE(static_cast<int>(kind.kind));
    const DialogHandle dialog = MakeDialog(frame, "lists");
    MakeControl(frame, kind.kind, dialog, 30, "", 4, 4, 100, 80, kind.style);
    LRESULT next = 0;
    for (const std::string& text : {std::string("alpha"), longText, std::string("gamma"), std::string("delta")}) {
      PushText(frame, text);
      EXPECT_EQ(next++, kind.add(frame, dialog, 30)) << "the control's answer";
    }
    EXPECT_EQ("@|0", Selected(frame, dialog, kind)) << "nothing selected yet";
    const std::pair<int32_t, std::string> picks[] = {{1, "alpha"}, {4, "delta"}, {2, longText}, {3, "gamma"}};
    for (const auto& [position, text] : picks) {
      EXPECT_EQ(position - 1, kind.select(dialog, 30, position));
      EXPECT_EQ(text + "|0", Selected(frame, dialog, kind));
    }
    kind.select(dialog, 30, 0);  // position 0 reaches the control as -1: no selection
    EXPECT_EQ("@|0", Selected(frame, dialog, kind));
    EXPECT_EQ(-1, kind.select(dialog, 30, 5)) << "past the last item";
    // Position 3 deletes the third item; the answer is the count left.
    const auto third = kind.remove(dialog, 30, 3), first = kind.remove(dialog, 30, 1), none = kind.remove(dialog, 30, 0);
    EXPECT_EQ(std::tuple(3, 2, -1), std::tuple(third, first, none));
    for (const auto& [position, text] : {std::pair{1, longText}, std::pair{2, std::string("delta")}})
      EXPECT_EQ(text + "|0", (kind.select(dialog, 30, position), Selected(frame, dialog, kind)));
    kind.clear(dialog, 30);
    EXPECT_EQ("@|0", Selected(frame, dialog, kind));
    PushText(frame, ""), kind.add(frame, dialog, 30), kind.select(dialog, 30, 1);
    EXPECT_EQ("@|0", Selected(frame, dialog, kind)) << "an empty item";
    PushText(frame, "nowhere");
    EXPECT_EQ(0, kind.add(frame, dialog, 77)) << "a missing control";
    EXPECT_EQ("@|0", Selected(frame, dialog, kind, 77)) << "the text consumed, nothing given";
  }
}

using MenusTest = ToolkitTest;
constexpr uint32_t kById = kMenuItemByIdentifier;

// Every item as text/identifier/state, a * for a callback, a pop-up's items in brackets.
std::string Dump(HMENU menu) {
  std::string out;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    MENUITEMINFOA info{sizeof info, MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU, 0, 0, 0, nullptr,
                       nullptr, nullptr, 0, text, sizeof text, nullptr};
    GetMenuItemInfoA(menu, i, TRUE, &info);
    out += text + ('/' + std::to_string(info.wID)) + '/' + std::to_string(info.fState) + (info.dwItemData ? "* " : " ");
    out += info.hSubMenu ? "[" + Dump(info.hSubMenu) + "] " : "";
  }
  return out;
}

TEST_F(MenusTest, ItemsAreAddedDeletedAndChangedByPositionOrIdentifier) {
  const HMENU bar = MenuCreate(0), popup = MenuCreate(1);
  // clang-format off
  const struct { HMENU menu; const char* text; UINT_PTR id; int32_t position; uint32_t flags, state; } adds[] = {
      {popup, "b", 2, 0, 0, MFS_CHECKED}, {popup, "d", 4, 0, 0, 0},  // 0 appends
      {popup, "a", 1, 1, 0, 0}, {popup, "c", 3, 3, 0, 0},           // positions count from 1
      {popup, "-", 9, 0, 0, MFS_GRAYED},                            // a separator keeps no identifier, state, callback
      {popup, "x", 7, 3, kById, 0},                                  // before the item with that identifier
      {bar, "top", 5, 0, 0, MFS_GRAYED}, {bar, "&File", UINT_PTR(popup), 0, kMenuItemOpensPopup, 0}};
  // clang-format on
  for (const auto& a : adds)
    EXPECT_TRUE((PushText(frame, a.text), MenuAddItem(frame, a.menu, a.id, a.state, a.position, Ignore, a.flags)));
  EXPECT_EQ("top/5/3* &File/0/0* [a/1/0* b/2/8* x/7/0* c/3/0* d/4/0* /0/0 ] ", Dump(bar));
  const bool byPosition = MenuDeleteItem(popup, 0, 0), byId = MenuDeleteItem(bar, 4, kById);  // positions from 0
  const bool pastTheEnd = MenuDeleteItem(popup, 4, 0), gone = MenuDeleteItem(popup, 1, kById);
  EXPECT_EQ(std::tuple(true, true, false, false), std::tuple(byPosition, byId, pastTheEnd, gone));
  // By identifier, an item is found inside the pop-up too.
  // clang-format off
  for (const auto& [item, state, flags] : {std::tuple{0u, 8u, 0u}, {7u, 0xBu, kById}, {2u, 0u, kById}})
    MenuSetState(bar, item, state, flags);
  // clang-format on
  EXPECT_EQ("top/5/8* &File/0/0* [b/2/0* x/7/11* c/3/0* /0/0 ] ", Dump(bar));
  // clang-format off
  for (const auto& [item, flags, state] : {std::tuple{0u, 0u, 8u}, {7u, kById, 0xBu}, {9u, 0u, 0u}, {99u, kById, 0u}})
    EXPECT_EQ(state, MenuGetState(bar, item, flags)) << item;
  // clang-format on

  const std::string longText = 'L' + std::string(4998, 'w') + 'Z';
  // clang-format off
  const struct { HMENU menu; uint32_t item, flags; std::string text; } texts[] = {
      {bar, 0, 0, "&Open"}, {bar, 7, kById, std::string(255, 'a')}, {popup, 2, 0, std::string(256, 'b')},
      {popup, 3, kById, longText}, {popup, 2, 0, ""}};  // the last reads what the one before wrote
  // clang-format on
  for (const auto& t : texts) {
    if (!t.text.empty()) PushText(frame, t.text), MenuSetText(frame, t.menu, t.item, t.flags);
    MenuGetText(frame, t.menu, t.item, t.flags);
    EXPECT_EQ(t.text.empty() ? longText : t.text, PopText(frame)) << t.text.size();
  }
  for (const uint32_t nothing : {3u, 9u})  // a separator, no such item: the null string
    EXPECT_EQ("@|0", (MenuGetText(frame, popup, nothing, 0), Drain(frame))) << nothing;
  DestroyMenu(bar);
}

TEST(MousePointer, EachShapeSetsItsSystemCursorAndAnswersThePreviousOne) {
  // The system cursor by shape number; the shapes beyond give none at all.
  const char* const cursors[] = {nullptr, IDC_ARROW, IDC_CROSS, IDC_IBEAM, IDC_ARROW, IDC_SIZEALL, IDC_SIZENESW,
                                 IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT, IDC_NO, IDC_APPSTARTING};
  const HCURSOR help = LoadCursorA(nullptr, IDC_HELP);  // a shape no number gives
  for (uint32_t shape : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u, 14u, 0xFFFFFFFFu, 0x8000000Bu}) {
    const char* const cursor = shape < std::size(cursors) ? cursors[shape] : nullptr;
    const HCURSOR previous = (SetCursor(help), MousePointerSet(shape));
    EXPECT_EQ(std::pair(help, cursor ? LoadCursorA(nullptr, cursor) : nullptr), std::pair(previous, GetCursor()));
  }
}

}  // namespace
