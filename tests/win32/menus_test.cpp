#include <tabard/dialogs/menus.h>
#include "tests/win32/control_ops_support.h"
#include "tests/win32/toolkit_support.h"

using namespace tabard;

namespace {

using MenusTest = ToolkitTest;
constexpr uint32_t kById = kMenuItemByIdentifier;
int32_t OnOpen(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

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
    EXPECT_TRUE((PushText(frame, a.text), MenuAddItem(frame, a.menu, a.id, a.state, a.position, OnOpen, a.flags)));
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
  for (const uint32_t nothing : {3u, 9u}) {  // a separator, no such item: the null string
    bool wasNull = false;
    MenuGetText(frame, popup, nothing, 0);
    const std::string text = PopText(frame, &wasNull);
    EXPECT_EQ((std::pair<std::string, bool>("", true)), std::pair(text, wasNull)) << nothing;
  }
  DestroyMenu(bar);
}

}  // namespace
