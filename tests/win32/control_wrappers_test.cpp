// What the wire cannot show, on real controls: the texts the wrappers return, the
// rectangles the controls fill for a code, the tree shortcuts on a real tree, and the
// multiple-selection setter.
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
  const std::string bytes = TextOf(text);
  return TextRelease(text), bytes;
}

class RealControls : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr, nullptr, 0);
  }
  void TearDown() override { DestroyWindow(parent); }
  HWND Make(const char* className, DWORD style, const char* text = "") {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 300, parent, nullptr,
                           nullptr, nullptr);
  }
  HTREEITEM Add(HWND tree, HTREEITEM parentItem, const char* text) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parentItem, insert.hInsertAfter = TVI_LAST, insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text);
    return reinterpret_cast<HTREEITEM>(TvmInsertItemA(tree, insert));
  }
  HWND parent = nullptr;
};

TEST_F(RealControls, ItemTextsComeBackWholeAndNegativeIndicesReadTheSelection) {
  HWND list = Make("LISTBOX", 0), combo = Make("COMBOBOX", CBS_DROPDOWNLIST);
  const std::string items[] = {"abc", std::string(255, 'f'), std::string(256, 'g'), std::string(5000, 'h')};
  for (const std::string& item : items)
    EXPECT_GE(LbAddString(list, MakeText(item)) | CbAddString(combo, MakeText(item)), 0);
  EXPECT_EQ("abc", Taken(LbGetText(list, 0)));
  EXPECT_EQ("", Taken(LbGetText(list, -1))) << "no selection: not the previous call's text";
  EXPECT_EQ(std::string(255, '\0'), Taken(CbGetLBText(combo, -1)));
  EXPECT_EQ("", Taken(LbGetText(list, 9)));
  for (int index = 0; index < 4; ++index) {
    const std::string& item = items[index];
    SCOPED_TRACE(item.size());
    EXPECT_EQ(item, Taken(LbGetText(list, index)));
    // Up to 255 characters the combo box's text is exactly 255 bytes, zero-padded.
    const std::string padded = index < 2 ? item + std::string(255 - item.size(), '\0') : item;
    EXPECT_EQ(padded, Taken(CbGetLBText(combo, index)));
    EXPECT_EQ(index, LbSetCurSel(list, index));
    EXPECT_EQ(item, Taken(LbGetText(list, -1)));
    CbSetItemData(combo, index, 70 + index);
    CbSetCurSel(combo, index);
    EXPECT_EQ(padded, Taken(CbGetLBText(combo, -1)));
    EXPECT_EQ(70 + index, CbGetItemData(combo, -1));
  }
  EXPECT_EQ(-1, LbGetSel(list, 3));
  EXPECT_EQ(0, LbGetSel(list, 0));
  EXPECT_EQ(-1, LbGetSel(list, 99)) << "the control's error reads as a flag too";
  Taken(LbGetText(list, 1));
  Taken(LbGetText(list, 3));
  EXPECT_EQ(items[1], std::string(programGlobals.ItemTextBuffer)) << "a long item is read elsewhere";
}

TEST_F(RealControls, MultipleSelectionSetterSelectsOneItemAndTheGetterGivesItBack) {
  HWND list = Make("LISTBOX", LBS_MULTIPLESEL);
  for (const char* item : {"zero", "one", "two", "three", "four"}) LbAddString(list, MakeText(item));
  LbSetSel(list, 1, 0);  // a selection of the user's, replaced by the setter
  for (const int32_t index : {3, 1, 4}) {
    EXPECT_GE(LbSetCurSel(list, index), 0);
    EXPECT_EQ(index, LbGetCurSel(list));
    EXPECT_EQ(1, LbGetSelCount(list));
    EXPECT_EQ(-1, LbGetSel(list, index));
    EXPECT_EQ(Taken(LbGetText(list, index)), Taken(LbGetText(list, -1)));
  }
  EXPECT_LT(LbSetCurSel(list, 7), 0) << "an item that does not exist";
  LbSetCurSel(list, -1);
  EXPECT_EQ(0, LbGetSelCount(list)) << "-1 clears the selection";
}

TEST_F(RealControls, EditTextsLinesAndButtonCaption) {
  HWND edit = Make("EDIT", ES_AUTOHSCROLL, "hello"), lines = Make("EDIT", ES_MULTILINE | ES_AUTOHSCROLL, "one\r\ntwo");
  EXPECT_EQ("hello", Taken(EditGetText(edit)));
  EXPECT_EQ(6u, TextHandleLength(programGlobals.TextScratch));
  EXPECT_NE(0, EditSetText(edit, MakeText("")));
  EXPECT_EQ("", Taken(EditGetText(edit)));
  EXPECT_EQ(1u, TextHandleLength(programGlobals.TextScratch));
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
  EXPECT_EQ("Press", Taken(caption)) << "the caller's string stays the caller's";
}

TEST_F(RealControls, RectanglesAreFilledForTheCodeWhateverTheRecordHeld) {
  HWND list = CreateReportList(3);
  LVITEMA item{};
  LvmInsertItemA(list, item);
  LvmInsertItemA(list, item);
  for (const int32_t code : {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL}) {
    RECT expected{code, 0, 0, 0}, rect{12345, -1, -1, -1}, expectedCell{code, 2, 0, 0}, cell{777, 777, 777, 777};
    ASSERT_NE(0, SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&expected)));
    ASSERT_NE(0, SendMessageA(list, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&expectedCell)));
    EXPECT_NE(0, LvmGetItemRect(list, 1, rect, code));
    EXPECT_NE(0, LvmGetSubItemRect(list, 1, 2, code, &cell));
    EXPECT_TRUE(EqualRect(&expected, &rect) && EqualRect(&expectedCell, &cell)) << code;
  }
  EXPECT_EQ(0, LvmGetSubItemRect(list, 1, 2, LVIR_BOUNDS, nullptr)) << "no address: nothing to fill";
  DestroyWindow(list);
  HWND tree = Make(WC_TREEVIEWA, 0);
  const HTREEITEM only = Add(tree, TVI_ROOT, "item");
  RECT expected{}, rect{9, 9, 9, 9};
  ASSERT_TRUE(TreeView_GetItemRect(tree, only, &expected, TRUE));
  EXPECT_NE(0, TvmGetItemRect(tree, only, rect, TRUE));
  EXPECT_TRUE(EqualRect(&expected, &rect));
}

TEST_F(RealControls, TreeShortcutsWalkARealTree) {
  HWND tree = Make(WC_TREEVIEWA, TVS_HASBUTTONS);
  const HTREEITEM a = Add(tree, TVI_ROOT, "A"), a1 = Add(tree, a, "A1"), a2 = Add(tree, a, "A2");
  const HTREEITEM b = Add(tree, TVI_ROOT, "B");
  TvmExpand(tree, a, TVE_EXPAND);
  EXPECT_NE(0, TreeSelect(tree, a2) && TreeSelectDropTarget(tree, b) && TreeScrollToItem(tree, a));
  const std::pair<LRESULT, HTREEITEM> steps[] = {
      {TreeRoot(tree), a},           {TreeChild(tree, a), a1},           {TreeNextSibling(tree, a1), a2},
      {TreePreviousSibling(tree, a2), a1}, {TreeParent(tree, a2), a},   {TreeFirstVisible(tree), a},
      {TreeNextVisible(tree, a2), b}, {TreePreviousVisible(tree, a1), a}, {TreeLastVisible(tree), b},
      {TreeSelection(tree), a2},     {TreeDropHighlight(tree), b}};
  for (size_t i = 0; i < std::size(steps); ++i)
    EXPECT_EQ(reinterpret_cast<LRESULT>(steps[i].second), steps[i].first) << "step " << i;
  EXPECT_EQ(4, TvmGetCount(tree));
  EXPECT_NE(0, TvmDeleteItem(tree));
  EXPECT_EQ(0, TvmGetCount(tree));
}

}  // namespace
