#include <gtest/gtest.h>

#include <tuple>
#include <algorithm>
#include <string>

#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/dialog_show.h>
#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/allocation_control.h>
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"

using namespace tabard;

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
    ASSERT_EQ(1, TextStackDepth(frame));
    bool wasNull = false;
    EXPECT_EQ(text.substr(0, 32769), PopText(frame, &wasNull));
    EXPECT_EQ(text.empty(), wasNull) << "the empty text is the null handle";
  }
  for (uint32_t refusals : {1u, 2u}) {  // the large buffer fails, then the copy after it as well
    platform::RefuseNextAllocations(refusals), ControlGetText(frame, dialog, 7), platform::RefuseNextAllocations(0);
    bool wasNull = false;
    EXPECT_EQ("", PopText(frame, &wasNull));
    EXPECT_EQ(std::tuple(true, 0, 0u), std::tuple(wasNull, TextStackDepth(frame), frame.errorWord)) << refusals;
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
  bool wasNull = false;
  ControlGetText(frame, dialog, kMissing);
  EXPECT_EQ("", PopText(frame, &wasNull));
  EXPECT_TRUE(wasNull);
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

}  // namespace
