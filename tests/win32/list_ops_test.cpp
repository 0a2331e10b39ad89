#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/list_ops.h"
#include "tests/win32/control_ops_support.h"
#include "tests/win32/toolkit_support.h"
#include "text/text_core.h"

namespace {

using ListOpsTest = ToolkitTest;

// The same cases run against a list box and a combo box.
struct ListKind {
  const char* name;
  ControlKind kind;
  uint32_t style;  // unsorted, so that items stay where they were put
  UINT getCount, getSelection, getText;
  LRESULT (*add)(ProcedureFrame&, DialogHandle, ControlId);
  LRESULT (*remove)(DialogHandle, ControlId, int32_t);
  void (*selectedText)(ProcedureFrame&, DialogHandle, ControlId);
  LRESULT (*clear)(DialogHandle, ControlId);
  LRESULT (*select)(DialogHandle, ControlId, int32_t);
};

const ListKind kKinds[] = {
    {"list box", ControlKind::ListBox, WS_CHILD | WS_VISIBLE | WS_VSCROLL, LB_GETCOUNT, LB_GETCURSEL, LB_GETTEXT,
     ListAddItem, ListDeleteItem, ListGetSelectedText, ListClear, ListSelect},
    {"combo box", ControlKind::ComboBox, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CB_GETCOUNT,
     CB_GETCURSEL, CB_GETLBTEXT, ComboAddItem, ComboDeleteItem, ComboGetSelectedText, ComboClear, ComboSelect},
};
constexpr ControlId kId = 30;

std::vector<std::string> Items(HWND control, const ListKind& kind) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(control, kind.getCount, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string text(SendMessageA(control, kind.getText == LB_GETTEXT ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0), '\0');
    SendMessageA(control, kind.getText, i, reinterpret_cast<LPARAM>(text.data()));
    items.push_back(text);
  }
  return items;
}

std::string SelectedText(ProcedureFrame& frame, DialogHandle dialog, const ListKind& kind, bool* wasNull = nullptr) {
  kind.selectedText(frame, dialog, kId);
  EXPECT_EQ(1, TextStackDepth(frame));
  return PopText(frame, wasNull);
}

TEST_F(ListOpsTest, PositionsAreOneBased) {
  for (const ListKind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    const DialogHandle dialog = MakeDialog(frame, kind.name);
    const HWND control = MakeControl(frame, kind.kind, dialog, kId, "", 4, 4, 100, 80, kind.style);
    ASSERT_NE(nullptr, control);

    for (const char* text : {"alpha", "beta", "gamma", "delta"}) {
      PushText(frame, text);
      const LRESULT index = kind.add(frame, dialog, kId);
      EXPECT_EQ(0, TextStackDepth(frame));
      EXPECT_EQ(static_cast<LRESULT>(Items(control, kind).size()) - 1, index) << "the control's answer";
    }
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "gamma", "delta"}), Items(control, kind));

    bool wasNull = false;
    EXPECT_EQ("", SelectedText(frame, dialog, kind, &wasNull)) << "nothing selected yet";
    EXPECT_TRUE(wasNull);

    EXPECT_EQ(0, kind.select(dialog, kId, 1));
    EXPECT_EQ(0, SendMessageA(control, kind.getSelection, 0, 0));
    EXPECT_EQ("alpha", SelectedText(frame, dialog, kind));
    EXPECT_EQ(3, kind.select(dialog, kId, 4));
    EXPECT_EQ("delta", SelectedText(frame, dialog, kind));

    // Position 0 reaches the control as -1: the selection is cleared.
    kind.select(dialog, kId, 0);
    EXPECT_EQ(-1, SendMessageA(control, kind.getSelection, 0, 0));
    EXPECT_EQ("", SelectedText(frame, dialog, kind, &wasNull));
    EXPECT_TRUE(wasNull);
    EXPECT_EQ(-1, kind.select(dialog, kId, 5)) << "past the last item";
    EXPECT_EQ("", SelectedText(frame, dialog, kind));

    // Position 3 deletes the third item, zero-based index 2; the answer is the count left.
    EXPECT_EQ(3, kind.remove(dialog, kId, 3));
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "delta"}), Items(control, kind));
    EXPECT_EQ(2, kind.remove(dialog, kId, 1));
    EXPECT_EQ((std::vector<std::string>{"beta", "delta"}), Items(control, kind));
    EXPECT_EQ(-1, kind.remove(dialog, kId, 0)) << "0 names no item";
    EXPECT_EQ(2u, Items(control, kind).size());

    kind.select(dialog, kId, 2);
    EXPECT_EQ("delta", SelectedText(frame, dialog, kind));
    kind.clear(dialog, kId);
    EXPECT_EQ(0, SendMessageA(control, kind.getCount, 0, 0));
    EXPECT_EQ("", SelectedText(frame, dialog, kind));
  }
}

TEST_F(ListOpsTest, SelectedTextKeepsEveryByte) {
  for (const ListKind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    const DialogHandle dialog = MakeDialog(frame, kind.name);
    const HWND control = MakeControl(frame, kind.kind, dialog, kId, "", 4, 4, 100, 80, kind.style);
    std::string longText(3000, 'q');
    longText.front() = '\xE9';
    longText.back() = '!';
    for (const std::string& text : {std::string("x"), longText, std::string()}) {
      PushText(frame, text);
      kind.add(frame, dialog, kId);
      kind.select(dialog, kId, static_cast<int32_t>(SendMessageA(control, kind.getCount, 0, 0)));
      bool wasNull = false;
      EXPECT_EQ(text, SelectedText(frame, dialog, kind, &wasNull)) << text.size() << " bytes";
      EXPECT_EQ(text.empty(), wasNull);
    }
  }
}

TEST_F(ListOpsTest, MissingControlGivesTheEmptyString) {
  const DialogHandle dialog = MakeDialog(frame, "nothing");
  for (const ListKind& kind : kKinds) {
    PushText(frame, "nowhere");
    EXPECT_EQ(0, kind.add(frame, dialog, 77));
    EXPECT_EQ(0, TextStackDepth(frame));
    bool wasNull = false;
    EXPECT_EQ("", SelectedText(frame, dialog, kind, &wasNull));
    EXPECT_TRUE(wasNull);
  }
}

}  // namespace
