// The runtime's message box against the real window system, answered by a thread playing the user. Input given
// to a busy window and still queued (or not yet even read from the X server) when the box appears must not
// answer it; the key given once the box is visible must.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include <tabard/runtime/message_box.h>
#include "tests/core/text_test_support.h"
#include "tests/win32/process_runner.h"
#include "tests/win32/toolkit_support.h"

namespace {

// As on a slow machine, where taking each input message off the queue costs far more: the queued flood outlasts
// any bound on clearing it.
LRESULT CALLBACK SlowInput(int code, WPARAM removal, LPARAM message) {
  const UINT m = reinterpret_cast<const MSG*>(message)->message;
  if (code == HC_ACTION && removal == PM_REMOVE && ((m >= WM_KEYFIRST && m <= WM_KEYLAST) || m == WM_MOUSEMOVE))
    Sleep(25);
  return CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace

TEST(RuntimeMessageBox, ShowsCaptionAndTextAndOnlyInputGivenWhileVisibleAnswersIt) {
  std::string sixtyEscapes = "key --delay 0";
  for (int k = 0; k < 60; ++k) sixtyEscapes += " Escape";
  struct Case { std::string queued; const char* text; const char* caption; uint32_t style; int32_t result; bool slow; };
  const Case cases[] = {  // an empty caption shows the runtime's own; the high bits would ask for a service box
      {"key Escape Escape", "", "My caption", MB_OKCANCEL, IDOK, false},
      {"click 1 key space Return", "Go on?", "", 0xFFFF0000u | MB_OKCANCEL, IDCANCEL, false},
      {sixtyEscapes, "Slowly", "Slow machine", MB_OKCANCEL, IDOK, true}};
  PrepareToolkit();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.queued);
    const HHOOK slow = c.slow ? SetWindowsHookExA(WH_GETMESSAGE, SlowInput, nullptr, GetCurrentThreadId()) : nullptr;
    HWND busy = CreateWindowExA(0, "STATIC", "Busy", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(BringToFront(busy));
    ASSERT_TRUE(XdoTool(MoveTo(busy) + " " + c.queued));
    ProcedureFrame frame;
    DynString borrowed = MakeText(c.text);
    TextPushBorrowed(frame, borrowed);
    TextPushOwned(frame, MakeText(c.caption));
    int32_t result = 0;
    EXPECT_EQ(c.text, AnswerBoxWhile(*c.caption ? c.caption : "Orlavex", c.result == IDOK ? "Return" : "Escape",
                                     [&] { result = MessageBoxShow(frame, c.style); }));
    // Both temporaries are consumed; the borrowed text is not released.
    EXPECT_EQ(std::tuple(c.result, 0, std::string(c.text)),
              std::tuple(result, TextStackDepth(frame), TextOf(borrowed)));
    TextRelease(borrowed);
    DestroyWindow(busy);
    if (slow) UnhookWindowsHookEx(slow);
  }
}
