// What the wire cannot show, on real controls: the texts the wrappers return and the
// multiple-selection setter.
#include <gtest/gtest.h>

#include <tuple>
#include <string>

#include <tabard/controls/button.h>
#include <tabard/controls/combo_box.h>
#include <tabard/controls/edit.h>
#include <tabard/controls/list_box.h>
#include <tabard/controls/receive_buffers.h>
#include "tests/core/text_test_support.h"

namespace {

// The text a wrapper returned; the string is released.
std::string Taken(DynString text) { const std::string bytes = TextOf(text); return TextRelease(text), bytes; }

struct RealControls : ::testing::Test {
  void TearDown() override { DestroyWindow(parent); }
  HWND Make(const char* className, DWORD style, const char* text = "") {
    return CreateWindowExA(0, className, text, WS_CHILD | style, 0, 0, 300, 300, parent, nullptr, nullptr, nullptr);
  }
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr, nullptr, nullptr);
};

TEST_F(RealControls, ItemTextsComeBackWholeAndNegativeIndicesReadTheSelection) {
  HWND list = Make("LISTBOX", 0), combo = Make("COMBOBOX", CBS_DROPDOWNLIST);
  const std::string items[] = {"abc", std::string(255, 'f'), std::string(256, 'g'), std::string(5000, 'h')};
  for (const std::string& item : items)
    EXPECT_GE(LbAddString(list, MakeText(item)) | CbAddString(combo, MakeText(item)), 0);
  EXPECT_EQ("", (Taken(LbGetText(list, 0)), Taken(LbGetText(list, -1)))) << "no selection: not the previous text";
  EXPECT_EQ(std::string(255, '\0'), Taken(CbGetLBText(combo, -1)));
  for (int index = 0; index < 4; ++index) {
    const std::string& item = items[index];
    SCOPED_TRACE(item.size());
    EXPECT_EQ(item, Taken(LbGetText(list, index)));
    // Up to 255 characters the combo box's text is exactly 255 bytes, zero-padded.
    const std::string padded = index < 2 ? item + std::string(255 - item.size(), '\0') : item;
    EXPECT_EQ(padded, Taken(CbGetLBText(combo, index)));
    LbSetCurSel(list, index), CbSetItemData(combo, index, 70 + index), CbSetCurSel(combo, index);
    EXPECT_EQ(item, Taken(LbGetText(list, -1)));
    EXPECT_EQ(std::pair(padded, LRESULT{70 + index}), std::pair(Taken(CbGetLBText(combo, -1)), CbGetItemData(combo, -1)));
  }
  EXPECT_EQ(-1, LbGetSel(list, 99)) << "the control's error reads as a flag too";
  Taken(LbGetText(list, 1)), Taken(LbGetText(list, 3));
  EXPECT_EQ(items[1], std::string(receiveBuffers.ItemTextBuffer)) << "a long item is read elsewhere";
}

TEST_F(RealControls, MultipleSelectionSetterSelectsOneItemAndTheGetterGivesItBack) {
  HWND list = Make("LISTBOX", LBS_MULTIPLESEL);
  for (const char* item : {"zero", "one", "two", "three", "four"}) LbAddString(list, MakeText(item));
  LbSetSel(list, 1, 0);  // a selection of the user's, replaced by the setter
  for (const int32_t index : {3, 1, 4}) {
    EXPECT_GE(LbSetCurSel(list, index), 0);
    EXPECT_EQ(std::tuple(LRESULT{index}, LRESULT{1}, LRESULT{-1}),
              std::tuple(LbGetCurSel(list), LbGetSelCount(list), LbGetSel(list, index))) << index;
  }
  EXPECT_LT(LbSetCurSel(list, 7), 0) << "an item that does not exist";
  EXPECT_EQ(0, (LbSetCurSel(list, -1), LbGetSelCount(list))) << "-1 clears the selection";
}

TEST_F(RealControls, EditTextsLinesAndCaption) {
  HWND edit = Make("EDIT", ES_AUTOHSCROLL, "hello"), lines = Make("EDIT", ES_MULTILINE | ES_AUTOHSCROLL, "one\r\ntwo");
  EXPECT_EQ("hello", Taken(EditGetText(edit)));
  EXPECT_EQ(6u, TextHandleLength(receiveBuffers.TextScratch));
  EXPECT_NE(0, EditSetText(edit, MakeText("")));
  EXPECT_EQ("", Taken(EditGetText(edit)));
  EXPECT_EQ(1u, TextHandleLength(receiveBuffers.TextScratch));
  EXPECT_EQ("two", Taken(EmGetLine(lines, 1)));
  EXPECT_EQ("", Taken(EmGetLine(lines, 5)));
  EmLimitText(lines, 0);
  EditSetText(lines, MakeText(std::string(40000, 'x')));
  EXPECT_EQ(std::string(32765, 'x'), Taken(EmGetLine(lines, 0))) << "cut at the receive buffer's size";
  DynString caption = MakeText("Press");
  ButtonSetText(edit, caption);
  EXPECT_EQ("Press", Taken(EditGetText(edit)));
  EXPECT_EQ("Press", Taken(caption)) << "the caller's string stays the caller's";
}

}  // namespace
