// The runtime's message box against the real window system, answered by a thread playing the user. Input given
// to a busy window and still queued (or not yet even read from the X server) when the box appears must not
// answer it; the key given once the box is visible must.
#include <gtest/gtest.h>

#include "runtime/message_box.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"
#include "tests/win32/x_input.h"

TEST(RuntimeMessageBox, ShowsCaptionAndTextAndOnlyInputGivenWhileVisibleAnswersIt) {
  struct Case { const char* queued; const char* text; const char* caption; const char* shown; uint32_t style;
                const char* key; int32_t result; };
  const Case cases[] = {  // an empty caption shows the runtime's own; the high bits would ask for a service box
      {"", "Number of elements in the listview:  20", "", "Orlavex", MB_OK, "Return", IDOK},
      {"key Escape Escape", "", "My caption", "My caption", MB_OKCANCEL, "Return", IDOK},
      {"key space", "Go on?", "Question", "Question", 0xFFFF0000u | MB_OKCANCEL, "Escape", IDCANCEL},
      {"key Return", "Go on?", "Question", "Question", MB_OKCANCEL, "Escape", IDCANCEL},
      {"click 1 key space", "Go on?", "Question", "Question", MB_OKCANCEL, "Escape", IDCANCEL}};
  PrepareToolkit();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.queued);
    HWND busy = CreateWindowExA(0, "STATIC", "Busy", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(BringToFront(busy));
    ASSERT_TRUE(XdoTool(MoveTo(busy) + " " + c.queued));
    ProcedureFrame frame;
    DynString borrowed = MakeText(c.text);
    TextPushBorrowed(frame, borrowed);
    TextPushOwned(frame, MakeText(c.caption));
    int32_t result = 0;
    EXPECT_EQ(c.text, AnswerBoxWhile(c.shown, c.key, [&] { result = MessageBoxShow(frame, c.style); }));
    EXPECT_EQ(c.result, result);
    EXPECT_EQ(0, TextStackDepth(frame)) << "both temporaries are consumed";
    EXPECT_EQ(c.text, TextOf(borrowed)) << "a borrowed text is not released";
    TextRelease(borrowed);
    DestroyWindow(busy);
  }
}
