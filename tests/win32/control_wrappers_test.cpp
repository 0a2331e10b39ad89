// What the wire cannot show, on real controls: the texts the wrappers return,
// the rectangles the controls fill for a code, the tree shortcuts on a real tree,
// and the list-box and combo-box faults mended: long items, no selection, the
// multiple-selection round trip.
#include <gtest/gtest.h>

#include <string>

#include "app/program_globals.h"
#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/tree_view.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/list_view_support.h"

namespace {

// The text a wrapper returned; the string is released.
std::string Taken(DynString text) {
  std::string bytes = TextOf(text);
  TextRelease(text);
  return bytes;
}
std::string Padded(const std::string& item) { return item + std::string(255 - item.size(), '\0'); }
bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class RealControls : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, parent);
  }
  void TearDown() override { DestroyWindow(parent); }
  HWND Make(const char* className, DWORD style, const char* text = "") {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 300, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  HWND parent = nullptr;
};

const std::string kItems[] = {"abc", std::string(255, 'f'), std::string(256, 'g'), std::string(5000, 'h')};

TEST_F(RealControls, ItemTextsComeBackWholeAtEveryLength) {
  HWND list = Make("LISTBOX", 0);
  HWND combo = Make("COMBOBOX", CBS_DROPDOWNLIST);
  for (const std::string& item : kItems) {
    EXPECT_GE(LbAddString(list, MakeText(item)), 0);
    EXPECT_GE(CbAddString(combo, MakeText(item)), 0);
  }
  for (int index = 0; index < 4; ++index) {
    const std::string& item = kItems[index];
    SCOPED_TRACE(item.size());
    EXPECT_EQ(item, Taken(LbGetText(list, index)));
    // Up to 255 characters the combo box's text is exactly 255 bytes, zero-padded.
    EXPECT_EQ(item.size() <= 255 ? Padded(item) : item, Taken(CbGetLBText(combo, index)));
  }
  // A short item stays in ItemTextBuffer; a long one is read elsewhere.
  Taken(LbGetText(list, 1));
  Taken(LbGetText(list, 3));
  EXPECT_EQ(kItems[1], std::string(programGlobals.ItemTextBuffer));
}

TEST_F(RealControls, NegativeIndicesReadTheCurrentSelectionAndNoSelectionGivesNoStaleText) {
  HWND list = Make("LISTBOX", 0);
  HWND combo = Make("COMBOBOX", CBS_DROPDOWNLIST);
  for (const std::string& item : kItems) {
    LbAddString(list, MakeText(item));
    CbAddString(combo, MakeText(item));
  }
  EXPECT_EQ("abc", Taken(LbGetText(list, 0)));
  EXPECT_EQ("", Taken(LbGetText(list, -1))) << "not the previous call's text";
  EXPECT_EQ(std::string(255, '\0'), Taken(CbGetLBText(combo, -1)));
  EXPECT_EQ("", Taken(LbGetText(list, 9)));

  EXPECT_EQ(2, LbSetCurSel(list, 2));
  EXPECT_EQ(kItems[2], Taken(LbGetText(list, -1)));
  EXPECT_EQ(-1, LbGetSel(list, 2));
  EXPECT_EQ(0, LbGetSel(list, 0));
  EXPECT_EQ(-1, LbGetSel(list, 99)) << "the control's error reads as a flag too";

  CbSetItemData(combo, 1, 77);
  CbSetCurSel(combo, 1);
  EXPECT_EQ(kItems[1], Taken(CbGetLBText(combo, -1)));
  EXPECT_EQ(77, CbGetItemData(combo, -1));
}

TEST_F(RealControls, MultipleSelectionSetterSelectsOneItemAndTheGetterGivesItBack) {
  HWND list = Make("LISTBOX", LBS_MULTIPLESEL);
  for (const char* item : {"zero", "one", "two", "three", "four"}) LbAddString(list, MakeText(item));
  LbSetSel(list, 1, 0);  // a selection of the user's, replaced by the setter
  const int32_t steps[] = {3, 1, 4};
  for (const int32_t index : steps) {
    SCOPED_TRACE(index);
    EXPECT_EQ(1, LbSetCurSel(list, index) >= 0 ? 1 : 0);
    EXPECT_EQ(index, LbGetCurSel(list));
    EXPECT_EQ(1, LbGetSelCount(list));
    EXPECT_EQ(-1, LbGetSel(list, index));
    EXPECT_EQ(Taken(LbGetText(list, index)), Taken(LbGetText(list, -1)));
  }
  EXPECT_LT(LbSetCurSel(list, 7), 0) << "an item that does not exist";
  LbSetCurSel(list, 2);
  LbSetCurSel(list, -1);
  EXPECT_EQ(0, LbGetSelCount(list)) << "-1 clears the selection";
}

TEST_F(RealControls, EditTextsAndLines) {
  HWND edit = Make("EDIT", ES_AUTOHSCROLL, "hello");
  EXPECT_EQ("hello", Taken(EditGetText(edit)));
  EXPECT_EQ(6u, TextHandleLength(programGlobals.TextScratch));
  EXPECT_NE(0, EditSetText(edit, MakeText("")));
  EXPECT_EQ("", Taken(EditGetText(edit)));
  EXPECT_EQ(1u, TextHandleLength(programGlobals.TextScratch));

  HWND lines = Make("EDIT", ES_MULTILINE | ES_AUTOHSCROLL, "one\r\ntwo");
  EXPECT_EQ("one", Taken(EmGetLine(lines, 0)));
  EXPECT_EQ("two", Taken(EmGetLine(lines, 1)));
  EXPECT_EQ("", Taken(EmGetLine(lines, 5)));
  EmLimitText(lines, 0);
  EditSetText(lines, MakeText(std::string(40000, 'x')));
  EXPECT_EQ(std::string(32765, 'x'), Taken(EmGetLine(lines, 0))) << "cut at the receive buffer's size";

  HWND button = Make("BUTTON", BS_PUSHBUTTON);
  DynString caption = MakeText("Press");
  ButtonSetText(button, caption);
  char shown[16] = {};
  GetWindowTextA(button, shown, sizeof shown);
  EXPECT_STREQ("Press", shown);
  EXPECT_EQ("Press", TextOf(caption)) << "the caller's string stays the caller's";
  TextRelease(caption);
}

TEST_F(RealControls, RectanglesAreFilledForTheCodeWhateverTheRecordHeld) {
  HWND list = CreateReportList(3);
  for (int row = 0; row < 2; ++row) {
    LVITEMA item{};
    item.iItem = row;
    LvmInsertItemA(list, item);
  }
  for (const int32_t code : {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL}) {
    SCOPED_TRACE(code);
    RECT expected{code, 0, 0, 0};
    ASSERT_NE(0, SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&expected)));
    RECT rect{12345, -1, -1, -1};
    EXPECT_NE(0, LvmGetItemRect(list, 1, rect, code));
    EXPECT_TRUE(SameRect(expected, rect));

    RECT expectedCell{code, 2, 0, 0};
    ASSERT_NE(0, SendMessageA(list, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&expectedCell)));
    RECT cell{777, 777, 777, 777};
    EXPECT_NE(0, LvmGetSubItemRect(list, 1, 2, code, &cell));
    EXPECT_TRUE(SameRect(expectedCell, cell));
  }
  EXPECT_EQ(0, LvmGetSubItemRect(list, 1, 2, LVIR_BOUNDS, nullptr)) << "no address: nothing to fill";
  DestroyWindow(list);

  HWND tree = Make(WC_TREEVIEWA, 0);
  TVINSERTSTRUCTA insert{};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>("item");
  const auto item = reinterpret_cast<HTREEITEM>(TvmInsertItemA(tree, insert));
  RECT expected{};
  ASSERT_TRUE(TreeView_GetItemRect(tree, item, &expected, TRUE));
  RECT rect{9, 9, 9, 9};
  EXPECT_NE(0, TvmGetItemRect(tree, item, rect, TRUE));
  EXPECT_TRUE(SameRect(expected, rect));
}

TEST_F(RealControls, TreeShortcutsWalkARealTree) {
  HWND tree = Make(WC_TREEVIEWA, TVS_HASBUTTONS);
  auto add = [&](HTREEITEM parentItem, const char* text) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parentItem;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text);
    return reinterpret_cast<HTREEITEM>(TvmInsertItemA(tree, insert));
  };
  const HTREEITEM a = add(TVI_ROOT, "A");
  const HTREEITEM a1 = add(a, "A1");
  const HTREEITEM a2 = add(a, "A2");
  const HTREEITEM b = add(TVI_ROOT, "B");
  TvmExpand(tree, a, TVE_EXPAND);
  EXPECT_NE(0, TreeSelect(tree, a2));
  EXPECT_NE(0, TreeSelectDropTarget(tree, b));
  EXPECT_NE(0, TreeScrollToItem(tree, a));
  struct Step {
    const char* shortcut;
    LRESULT found;
    HTREEITEM expected;
  };
  const Step steps[] = {
      {"root", TreeRoot(tree), a},
      {"child", TreeChild(tree, a), a1},
      {"next sibling", TreeNextSibling(tree, a1), a2},
      {"previous sibling", TreePreviousSibling(tree, a2), a1},
      {"parent", TreeParent(tree, a2), a},
      {"first visible", TreeFirstVisible(tree), a},
      {"next visible", TreeNextVisible(tree, a2), b},
      {"previous visible", TreePreviousVisible(tree, a1), a},
      {"last visible", TreeLastVisible(tree), b},
      {"selection", TreeSelection(tree), a2},
      {"drop highlight", TreeDropHighlight(tree), b},
  };
  for (const Step& step : steps) EXPECT_EQ(reinterpret_cast<LRESULT>(step.expected), step.found) << step.shortcut;
  EXPECT_EQ(4, TvmGetCount(tree));
  EXPECT_NE(0, TvmDeleteItem(tree));
  EXPECT_EQ(0, TvmGetCount(tree));
}

}  // namespace
