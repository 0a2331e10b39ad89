#include <gtest/gtest.h>

#include <tuple>

#include <string>

#include <tabard/dialogs/list_ops.h>
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"

using namespace tabard;

namespace {

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

// The selected text, "" standing for the null handle.
std::string Selected(ProcedureFrame& frame, DialogHandle dialog, const ListKind& kind, ControlId id = 30) {
  kind.selectedText(frame, dialog, id);
  EXPECT_EQ(1, TextStackDepth(frame));
  bool wasNull = false;
  const std::string text = PopText(frame, &wasNull);
  return text.empty() && !wasNull ? "<empty but not null>" : text;
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
    EXPECT_EQ("", Selected(frame, dialog, kind)) << "nothing selected yet";
    const std::pair<int32_t, std::string> picks[] = {{1, "alpha"}, {4, "delta"}, {2, longText}, {3, "gamma"}};
    for (const auto& [position, text] : picks) {
      EXPECT_EQ(position - 1, kind.select(dialog, 30, position));
      EXPECT_EQ(text, Selected(frame, dialog, kind));
    }
    kind.select(dialog, 30, 0);  // position 0 reaches the control as -1: no selection
    EXPECT_EQ("", Selected(frame, dialog, kind));
    EXPECT_EQ(-1, kind.select(dialog, 30, 5)) << "past the last item";
    // Position 3 deletes the third item; the answer is the count left.
    const auto third = kind.remove(dialog, 30, 3), first = kind.remove(dialog, 30, 1), none = kind.remove(dialog, 30, 0);
    EXPECT_EQ(std::tuple(3, 2, -1), std::tuple(third, first, none));
    for (const auto& [position, text] : {std::pair{1, longText}, std::pair{2, std::string("delta")}})
      EXPECT_EQ(text, (kind.select(dialog, 30, position), Selected(frame, dialog, kind)));
    kind.clear(dialog, 30);
    EXPECT_EQ("", Selected(frame, dialog, kind));
    PushText(frame, ""), kind.add(frame, dialog, 30), kind.select(dialog, 30, 1);
    EXPECT_EQ("", Selected(frame, dialog, kind)) << "an empty item";
    PushText(frame, "nowhere");
    EXPECT_EQ(0, kind.add(frame, dialog, 77)) << "a missing control";
    EXPECT_EQ(0, TextStackDepth(frame));
    EXPECT_EQ("", Selected(frame, dialog, kind, 77));
  }
}

}  // namespace
