#include <gtest/gtest.h>

#include <string>

#include "dialogs/control_add.h"
#include "dialogs/control_ops.h"
#include "dialogs/dialog_show.h"
#include "platform/allocation_control.h"
#include "tests/win32/control_ops_support.h"
#include "tests/win32/message_sequence.h"
#include "tests/win32/toolkit_support.h"
#include "text/text_core.h"

namespace {

constexpr ControlId kMissing = 999;

using ControlOpsTest = ToolkitTest;

int32_t Ignore(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

std::string WindowText(HWND window) {
  std::string text(65536, '\0');
  const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? length : 0);
  return text;
}

TEST_F(ControlOpsTest, TextsRoundTripThroughRealControls) {
  const DialogHandle dialog = MakeDialog(frame, "texts");
  const struct {
    ControlKind kind;
    ControlId id;
  } controls[] = {{ControlKind::EditBox, 101}, {ControlKind::Label, 102}, {ControlKind::PushButton, 103}};
  std::string highBytes;
  for (int byte = 0x80; byte <= 0xFF; ++byte) highBytes.push_back(static_cast<char>(byte));
  const std::string texts[] = {"Cancel", "", "a", "with spaces and\ttab", highBytes, std::string(5000, 'x')};
  for (const auto& control : controls) {
    ASSERT_NE(nullptr, MakeControl(frame, control.kind, dialog, control.id, "start", 4, 4, 100, 14));
    for (const std::string& text : texts) {
      SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(control.kind) << ", " << text.size() << " bytes");
      PushText(frame, text);
      ControlSetText(frame, dialog, control.id);
      EXPECT_EQ(0, TextStackDepth(frame)) << "the text argument is consumed";
      EXPECT_EQ(text, WindowText(ControlHandle(dialog, control.id)));

      ControlGetText(frame, dialog, control.id);
      ASSERT_EQ(1, TextStackDepth(frame));
      bool wasNull = false;
      EXPECT_EQ(text, PopText(frame, &wasNull));
      EXPECT_EQ(text.empty(), wasNull) << "the empty text is the null handle";
    }
  }
}

TEST_F(ControlOpsTest, GetTextCutsLongTextsAt32769Bytes) {
  const DialogHandle dialog = MakeDialog(frame, "long texts");
  const HWND label = MakeControl(frame, ControlKind::Label, dialog, 7, "", 4, 4, 100, 14);
  const struct {
    size_t length;
    size_t expected;
  } cases[] = {{32768, 32768}, {32769, 32769}, {32770, 32769}, {40000, 32769}};
  for (const auto& c : cases) {
    std::string text(c.length, 'm');
    for (size_t i = 0; i < text.size(); i += 97) text[i] = static_cast<char>('A' + i % 26);
    SetWindowTextA(label, text.c_str());
    ControlGetText(frame, dialog, 7);
    const std::string got = PopText(frame);
    EXPECT_EQ(c.expected, got.size()) << c.length;
    EXPECT_EQ(text.substr(0, c.expected), got);
  }
}

TEST_F(ControlOpsTest, GetTextMakesTheBufferAndAResultOfExactlyTheLength) {
  const DialogHandle dialog = MakeDialog(frame, "exact");
  MakeControl(frame, ControlKind::Label, dialog, 7, "Kolom 2", 4, 4, 100, 14);
  const uint64_t before = platform::AllocationCountsNow().strings;
  ControlGetText(frame, dialog, 7);
  EXPECT_EQ(2u, platform::AllocationCountsNow().strings - before);
  EXPECT_EQ(7u, TextHandleLength(TextStackEntry(frame, 0).handle));
  EXPECT_EQ("Kolom 2", PopText(frame));
}

TEST_F(ControlOpsTest, RefusedMemoryGivesTheEmptyString) {
  const DialogHandle dialog = MakeDialog(frame, "no memory");
  MakeControl(frame, ControlKind::Label, dialog, 7, "not empty", 4, 4, 100, 14);
  // One refusal fails the large buffer; two fail the copy after it as well.
  for (uint32_t refusals : {1u, 2u}) {
    platform::RefuseNextAllocations(refusals);
    ControlGetText(frame, dialog, 7);
    platform::RefuseNextAllocations(0);
    ASSERT_EQ(1, TextStackDepth(frame));
    bool wasNull = false;
    EXPECT_EQ("", PopText(frame, &wasNull));
    EXPECT_TRUE(wasNull);
    EXPECT_EQ(0u, frame.errorWord) << "the toolkit raises no runtime error";
  }
}

TEST_F(ControlOpsTest, MissingControlLeavesEveryOtherWindowAlone) {
  const DialogHandle dialog = MakeDialog(frame, "Toolkit test");
  const HWND edit = MakeControl(frame, ControlKind::EditBox, dialog, 1, "", 4, 4, 100, 14);
  DialogShowModeless(dialog, nullptr, nullptr);
  ASSERT_TRUE(BringToFront(dialog));
  SetFocus(edit);
  EXPECT_EQ(nullptr, ControlHandle(dialog, kMissing));

  // The null window reads as the desktop to some calls: its text must not leak in.
  ControlGetText(frame, dialog, kMissing);
  bool wasNull = false;
  EXPECT_EQ("", PopText(frame, &wasNull));
  EXPECT_TRUE(wasNull);

  const std::string desktopText = WindowText(nullptr);
  PushText(frame, "lost");
  ControlSetText(frame, dialog, kMissing);
  EXPECT_EQ(0, TextStackDepth(frame));
  EXPECT_EQ("Toolkit test", WindowText(dialog));
  EXPECT_EQ(desktopText, WindowText(nullptr));

  ControlSetFocus(dialog, kMissing);
  EXPECT_EQ(edit, GetFocus()) << "a missing control takes no focus away";
  ControlSetCallback(dialog, kMissing, Ignore);
  EXPECT_EQ(0, GetWindowLongPtrA(dialog, GWLP_USERDATA));
  ControlKill(dialog, kMissing);
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_TRUE(IsWindow(edit));
  EXPECT_EQ(0, CheckGet(dialog, kMissing));
  EXPECT_EQ(0u, frame.errorWord);
}

TEST_F(ControlOpsTest, FocusMovesAndKillDestroysOnlyThatControl) {
  const DialogHandle dialog = MakeDialog(frame, "focus");
  const HWND first = MakeControl(frame, ControlKind::EditBox, dialog, 1, "", 4, 4, 100, 14);
  const HWND second = MakeControl(frame, ControlKind::EditBox, dialog, 2, "", 4, 24, 100, 14);
  DialogShowModeless(dialog, nullptr, nullptr);
  ASSERT_TRUE(BringToFront(dialog));
  ControlSetFocus(dialog, 2);
  EXPECT_EQ(second, GetFocus());
  ControlSetFocus(dialog, 1);
  EXPECT_EQ(first, GetFocus());

  ControlKill(dialog, 2);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(nullptr, ControlHandle(dialog, 2));
  EXPECT_EQ(first, ControlHandle(dialog, 1));
}

TEST_F(ControlOpsTest, CheckStatesRoundTrip) {
  const DialogHandle dialog = MakeDialog(frame, "checks");
  MakeControl(frame, ControlKind::CheckBox, dialog, 3, "two states", 4, 4, 100, 14);
  MakeControl(frame, ControlKind::ThreeStateBox, dialog, 6, "three states", 4, 24, 100, 14);
  const struct {
    ControlId id;
    uint32_t state;
  } cases[] = {{3, BST_CHECKED}, {3, BST_UNCHECKED}, {6, BST_INDETERMINATE}, {6, BST_CHECKED}, {6, BST_UNCHECKED}};
  for (const auto& c : cases) {
    CheckSet(dialog, c.id, c.state);
    EXPECT_EQ(static_cast<LRESULT>(c.state), CheckGet(dialog, c.id)) << c.id << " " << c.state;
    EXPECT_EQ(c.state, IsDlgButtonChecked(dialog, c.id));
  }
}

// A click on the button, as a person gives it, until the dialog callback saw it.
void ClickAndWait(HWND button) {
  ClearLog();
  ClickAt(CentreOf(button));
  ASSERT_TRUE(PumpUntil([] { return CountSeen(Seer::DialogCallback, WM_COMMAND) > 0; }));
}

TEST_F(ControlOpsTest, ReplacedCallbackGetsTheClicksAndNoCallbackPassesThemOn) {
  const DialogHandle dialog = MakeDialog(frame, "callbacks", 20, 20, 160, 80, WS_POPUP | WS_CAPTION);
  const HWND button = MakeControl(frame, ControlKind::PushButton, dialog, 30, "Press", 10, 10, 60, 20, 0, 0, Ignore);
  DialogShowModeless(dialog, RecordingDialogCallback, nullptr);
  ASSERT_TRUE(BringToFront(dialog));
  const WPARAM clicked = MAKEWPARAM(30, BN_CLICKED);

  ControlSetCallback(dialog, 30, RecordingControlCallback);
  ClickAndWait(button);
  EXPECT_SEQUENCE({Seer::ControlCallback, WM_COMMAND, kWParam | kLParam, clicked, reinterpret_cast<LPARAM>(button)},
                  {Seer::DialogCallback, WM_COMMAND, kWParam | kLParam, clicked, reinterpret_cast<LPARAM>(button)});

  ControlSetCallback(dialog, 30, nullptr);
  ClickAndWait(button);
  EXPECT_SEQUENCE({Seer::DialogCallback, WM_COMMAND, kWParam | kLParam, clicked, reinterpret_cast<LPARAM>(button)});
}

}  // namespace
