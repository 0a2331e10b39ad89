// The runtime's message box against the real window system: a watcher thread plays
// the user, finds the box from outside, reads what it shows and presses a key.
#include <gtest/gtest.h>

#include "runtime/message_box.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/window_reader.h"

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

}  // namespace
