// The runtime's message box against the real window system: a watcher thread plays
// the user, finds the box from outside, reads what it shows and presses a key.
#include <gtest/gtest.h>

#include "runtime/message_box.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"
#include "tests/win32/window_reader.h"
#include "tests/win32/x_input.h"

namespace {

TEST(RuntimeMessageBox, ShowsCaptionAndTextAndAnswersTheKey) {
  struct Case {
    const char* text;
    const char* caption;  // the one given; empty shows the runtime's own
    const char* shownCaption;
    uint32_t style;
    WORD key;
    int32_t result;
  };
  const Case cases[] = {
      {"Number of elements in the listview:  20", "", "Orlavex", MB_OK, VK_RETURN, IDOK},
      {"", "My caption", "My caption", MB_OK, VK_RETURN, IDOK},
      // The high bits would ask for a service notification; the low ones ask for OK and Cancel.
      {"Go on?", "Question", "Question", 0xFFFF0000u | MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shownCaption);
    ProcedureFrame frame;
    DynString variable = MakeText(c.text);
    TextPushBorrowed(frame, variable);
    TextPushOwned(frame, MakeText(c.caption));
    BoxAnswer answer{c.shownCaption, c.key};
    int32_t result = 0;
    AnswerBoxWhile(answer, [&] { result = MessageBoxShow(frame, c.style); });
    ASSERT_TRUE(answer.found);
    EXPECT_FALSE(answer.closedByForce) << "the key did not reach the box";
    EXPECT_EQ(c.text, answer.text);
    EXPECT_EQ(c.result, result);
    EXPECT_EQ(0, TextStackDepth(frame)) << "both temporaries are consumed";
    EXPECT_EQ(c.text, TextOf(variable)) << "a borrowed text is not released";
    TextRelease(variable);
  }
  RuntimeBeep();
}

// Input given to a busy program's window, still queued (or not yet even read from
// the X server) when the box appears, must not answer it; the key given once the
// box is visible must.
TEST(RuntimeMessageBox, OnlyInputGivenWhileTheBoxIsVisibleAnswersIt) {
  struct Case {
    const char* queued;  // xdotool commands, given before the box
    WORD key;            // given to the visible box
    int32_t result;
  };
  const Case cases[] = {
      {"key Escape Escape", VK_RETURN, IDOK},
      {"key space", VK_ESCAPE, IDCANCEL},
      {"key Return", VK_ESCAPE, IDCANCEL},
      {"click 1 key space", VK_ESCAPE, IDCANCEL},
  };
  PrepareToolkit();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.queued);
    HWND busy = CreateWindowExA(0, "STATIC", "Busy", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(BringToFront(busy));
    const POINT centre = CentreOf(busy);
    ASSERT_TRUE(XdoTool("mousemove " + std::to_string(centre.x) + " " + std::to_string(centre.y) + " " + c.queued));
    ProcedureFrame frame;
    TextPushOwned(frame, MakeText("Go on?"));
    TextPushOwned(frame, MakeText("Queued"));
    BoxAnswer answer;
    answer.caption = "Queued";
    answer.key = c.key;
    int32_t result = 0;
    AnswerBoxWhile(answer, [&] { result = MessageBoxShow(frame, MB_OKCANCEL); });
    EXPECT_TRUE(answer.found) << "the box was answered before it could be seen";
    EXPECT_FALSE(answer.closedByForce);
    EXPECT_EQ(c.result, result);
    DestroyWindow(busy);
  }
}

}  // namespace
