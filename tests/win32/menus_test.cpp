#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/dialog_show.h"
#include "dialogs/menus.h"
#include "tests/win32/control_ops_support.h"
#include "tests/win32/message_sequence.h"
#include "tests/win32/toolkit_support.h"
#include "text/text_core.h"

namespace {

using MenusTest = ToolkitTest;

int32_t OnOpen(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }
int32_t OnSave(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

// Destroys a menu that is attached to no window at the end of the test.
struct MenuGuard {
  HMENU menu;
  ~MenuGuard() {
    if (IsMenu(menu)) DestroyMenu(menu);
  }
};

BOOL Add(HMENU menu, const std::string& text, UINT_PTR id, int32_t position, uint32_t flags = 0,
         DialogCallback callback = nullptr, uint32_t state = 0) {
  ProcedureFrame frame;
  PushText(frame, text);
  const BOOL answer = MenuAddItem(frame, menu, id, state, position, callback, flags);
  EXPECT_EQ(0, TextStackDepth(frame)) << "the text is consumed";
  return answer;
}

struct Item {
  std::string text;
  UINT id;
  UINT type;
  UINT state;
  ULONG_PTR data;
  HMENU popup;
};

Item ItemAt(HMENU menu, UINT position) {
  char text[512] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
  info.dwTypeData = text;
  info.cch = sizeof text;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return {"<none>", 0, 0, 0, 0, nullptr};
  return {text, info.wID, info.fType, info.fState, info.dwItemData, info.hSubMenu};
}

std::vector<std::string> Texts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) texts.push_back(ItemAt(menu, i).text);
  return texts;
}

std::string TextOfItem(HMENU menu, uint32_t item, uint32_t flags, bool* wasNull = nullptr) {
  ProcedureFrame frame;
  MenuGetText(frame, menu, item, flags);
  EXPECT_EQ(1, TextStackDepth(frame));
  return PopText(frame, wasNull);
}

TEST_F(MenusTest, AddItemPositionsAreOneBasedAndZeroAppends) {
  MenuGuard menu{MenuCreate(1)};
  EXPECT_TRUE(Add(menu.menu, "second", 102, 0));
  EXPECT_TRUE(Add(menu.menu, "fourth", 104, 0));
  EXPECT_TRUE(Add(menu.menu, "first", 101, 1));
  EXPECT_TRUE(Add(menu.menu, "third", 103, 3));
  EXPECT_EQ((std::vector<std::string>{"first", "second", "third", "fourth"}), Texts(menu.menu));
  // By identifier: before the item that has it.
  EXPECT_TRUE(Add(menu.menu, "before third", 110, 103, kMenuItemByIdentifier));
  EXPECT_EQ((std::vector<std::string>{"first", "second", "before third", "third", "fourth"}), Texts(menu.menu));
}

TEST_F(MenusTest, ItemsKeepIdentifierStateAndCallback) {
  MenuGuard bar{MenuCreate(0)};
  MenuGuard popup{MenuCreate(1)};
  Add(popup.menu, "&Open", 201, 0, 0, OnOpen, MFS_CHECKED);
  Add(popup.menu, "-", 202, 0, 0, OnSave, MFS_CHECKED | MFS_GRAYED);
  Add(popup.menu, "&Save", 203, 0, 0, OnSave, MFS_GRAYED);
  // A pop-up item: the identifier argument is the pop-up's handle.
  Add(bar.menu, "&File", reinterpret_cast<UINT_PTR>(popup.menu), 0, kMenuItemOpensPopup, OnOpen);
  popup.menu = nullptr;  // now part of the bar

  const Item open = ItemAt(GetSubMenu(bar.menu, 0), 0);
  EXPECT_EQ("&Open", open.text);
  EXPECT_EQ(201u, open.id);
  EXPECT_EQ(static_cast<UINT>(MFT_STRING), open.type);
  EXPECT_EQ(static_cast<UINT>(MFS_CHECKED), open.state);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(OnOpen), open.data);

  const Item separator = ItemAt(GetSubMenu(bar.menu, 0), 1);
  EXPECT_EQ(static_cast<UINT>(MFT_SEPARATOR), separator.type);
  EXPECT_EQ(0u, separator.id) << "a separator keeps no identifier";
  EXPECT_EQ(0u, separator.state);
  EXPECT_EQ(0u, separator.data);

  const Item file = ItemAt(bar.menu, 0);
  EXPECT_EQ("&File", file.text);
  EXPECT_NE(nullptr, file.popup);
  EXPECT_EQ(0u, file.id);
}

TEST_F(MenusTest, DeleteByPositionCountsFromZero) {
  MenuGuard menu{MenuCreate(1)};
  for (const char* text : {"a", "b", "c", "d"}) Add(menu.menu, text, text[0], 0);
  EXPECT_TRUE(MenuDeleteItem(menu.menu, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"b", "c", "d"}), Texts(menu.menu));
  EXPECT_TRUE(MenuDeleteItem(menu.menu, 'd', kMenuItemByIdentifier));
  EXPECT_EQ((std::vector<std::string>{"b", "c"}), Texts(menu.menu));
  EXPECT_FALSE(MenuDeleteItem(menu.menu, 2, 0));
  EXPECT_FALSE(MenuDeleteItem(menu.menu, 'a', kMenuItemByIdentifier));
  EXPECT_EQ(2, GetMenuItemCount(menu.menu));
}

TEST_F(MenusTest, StateRoundTripsByPositionAndByIdentifier) {
  MenuGuard bar{MenuCreate(0)};
  MenuGuard popup{MenuCreate(1)};
  Add(popup.menu, "deep", 301, 0);
  Add(bar.menu, "top", 300, 0);
  Add(bar.menu, "File", reinterpret_cast<UINT_PTR>(popup.menu), 0, kMenuItemOpensPopup);
  popup.menu = nullptr;
  const struct {
    uint32_t item;
    uint32_t flags;
    uint32_t state;
  } cases[] = {
      {0, 0, MFS_CHECKED},
      {300, kMenuItemByIdentifier, MFS_GRAYED},
      {301, kMenuItemByIdentifier, MFS_CHECKED | MFS_GRAYED},  // found inside the pop-up
      {301, kMenuItemByIdentifier, 0},
  };
  for (const auto& c : cases) {
    MenuSetState(bar.menu, c.item, c.state, c.flags);
    EXPECT_EQ(c.state, MenuGetState(bar.menu, c.item, c.flags)) << c.item;
  }
  EXPECT_EQ(static_cast<UINT>(MFS_GRAYED), MenuGetState(bar.menu, 0, 0));
  EXPECT_EQ(0u, MenuGetState(bar.menu, 7, 0)) << "no such position";
  EXPECT_EQ(0u, MenuGetState(bar.menu, 999, kMenuItemByIdentifier)) << "no such identifier";
}

TEST_F(MenusTest, GetTextGivesTheWholeTextWhateverItsLength) {
  MenuGuard menu{MenuCreate(1)};
  std::string longText(5000, 'w');
  longText[0] = 'L';
  longText.back() = 'Z';
  const std::string texts[] = {"&Open", std::string(255, 'a'), std::string(256, 'b'), longText};
  for (const std::string& text : texts) Add(menu.menu, text, 400 + static_cast<uint32_t>(text.size()), 0);
  Add(menu.menu, "-", 0, 0);
  for (size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(texts[i], TextOfItem(menu.menu, static_cast<uint32_t>(i), 0)) << texts[i].size();
    EXPECT_EQ(texts[i], TextOfItem(menu.menu, 400 + static_cast<uint32_t>(texts[i].size()), kMenuItemByIdentifier));
  }
  bool wasNull = false;
  EXPECT_EQ("", TextOfItem(menu.menu, 4, 0, &wasNull)) << "a separator has no text";
  EXPECT_TRUE(wasNull);
  EXPECT_EQ("", TextOfItem(menu.menu, 9, 0, &wasNull)) << "no such item";
  EXPECT_TRUE(wasNull);
}

TEST_F(MenusTest, SetTextReplacesTheText) {
  MenuGuard menu{MenuCreate(1)};
  Add(menu.menu, "old", 500, 0);
  Add(menu.menu, "other", 501, 0);
  const struct {
    uint32_t item;
    uint32_t flags;
    std::string text;
  } cases[] = {{0, 0, "new"}, {501, kMenuItemByIdentifier, "by identifier"}, {0, 0, std::string(700, 'k')}};
  for (const auto& c : cases) {
    ProcedureFrame frame;
    PushText(frame, c.text);
    MenuSetText(frame, menu.menu, c.item, c.flags);
    EXPECT_EQ(0, TextStackDepth(frame));
    EXPECT_EQ(c.text, TextOfItem(menu.menu, c.item, c.flags));
  }
  EXPECT_EQ(2, GetMenuItemCount(menu.menu));
}

constexpr uint32_t kOpenId = 601;
constexpr uint32_t kGoId = 602;

// A shown dialog with the bar [&File: &Open] [&Go] made by the menu operations,
// each command item carrying the recording menu callback.
DialogHandle DialogWithMenuBar(ProcedureFrame& frame) {
  const DialogHandle dialog = MakeDialog(frame, "menus", 20, 20, 200, 100, WS_POPUP | WS_CAPTION | WS_SYSMENU);
  const HMENU bar = MenuCreate(0);
  const HMENU file = MenuCreate(1);
  Add(file, "&Open", kOpenId, 0, 0, RecordingMenuCallback);
  Add(bar, "&File", reinterpret_cast<UINT_PTR>(file), 0, kMenuItemOpensPopup);
  Add(bar, "&Go", kGoId, 0, 0, RecordingMenuCallback);
  EXPECT_TRUE(MenuAttach(dialog, bar));
  EXPECT_EQ(bar, GetMenu(dialog));
  EXPECT_TRUE(MenuRedrawBar(dialog));
  DialogShowModeless(dialog, RecordingDialogCallback, nullptr);
  return dialog;
}

POINT CentreOfBarItem(HWND dialog, int position) {
  RECT rect{};
  EXPECT_TRUE(GetMenuItemRect(dialog, GetMenu(dialog), position, &rect));
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(MenusTest, ClickedItemCallsItsCallbackThenTheDialogCallback) {
  const struct {
    int32_t itemAnswer;
    bool dialogSeesIt;
  } cases[] = {{0, true}, {1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "the item's callback answers " << c.itemAnswer);
    SetReactions({{Seer::MenuCallback, WM_COMMAND, c.itemAnswer, nullptr, 0}});
    const DialogHandle dialog = DialogWithMenuBar(frame);
    ASSERT_TRUE(BringToFront(dialog));
    ClearLog();
    ClickAt(CentreOfBarItem(dialog, 1));
    ASSERT_TRUE(PumpUntil([] { return CountSeen(Seer::MenuCallback, WM_COMMAND) > 0; }));
    PumpFor(50);
    if (c.dialogSeesIt) {
      EXPECT_SEQUENCE({Seer::MenuCallback, WM_COMMAND, kWParam | kLParam, kGoId, 0},
                      {Seer::DialogCallback, WM_COMMAND, kWParam | kLParam, kGoId, 0});
    } else {
      EXPECT_SEQUENCE({Seer::MenuCallback, WM_COMMAND, kWParam | kLParam, kGoId, 0});
    }
    DestroyWindow(dialog);
  }
}

// The system's menu loop runs inside the pump until a choice is made; should the
// keys go astray, Escape ends it instead of leaving the test waiting.
void CALLBACK LeaveMenuLoop(HWND, UINT, UINT_PTR, DWORD) {
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
}

TEST_F(MenusTest, ItemOfAPopupChosenWithTheKeyboard) {
  const DialogHandle dialog = DialogWithMenuBar(frame);
  ASSERT_TRUE(BringToFront(dialog));
  ClearLog();
  // Both keys are queued before the pump runs, because the menu loop that Alt+F
  // opens reads the next key itself.
  PressKeys({VK_MENU, 'F'});  // opens the File pop-up
  PressKey('O');              // chooses Open
  const UINT_PTR guard = SetTimer(nullptr, 0, 2000, LeaveMenuLoop);
  EXPECT_TRUE(PumpUntil([] { return CountSeen(Seer::DialogCallback, WM_COMMAND) > 0; }));
  KillTimer(nullptr, guard);
  EXPECT_SEQUENCE({Seer::MenuCallback, WM_COMMAND, kWParam | kLParam, kOpenId, 0},
                  {Seer::DialogCallback, WM_COMMAND, kWParam | kLParam, kOpenId, 0});
}

}  // namespace
