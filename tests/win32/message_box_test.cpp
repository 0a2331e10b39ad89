// The runtime's message box against the real window system: a watcher thread plays
// the user, finds the box from outside, reads what it shows and presses a key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/allocation_control.h"
#include "platform/win32_api.h"
#include "runtime/message_box.h"
#include "tests/core/text_test_support.h"
#include "text/text_core.h"

namespace {

struct SeenBox {
  std::string caption;
  std::vector<std::string> texts;    // static controls with text
  std::vector<std::string> buttons;
  bool found = false;
  bool closedByForce = false;
  int foregroundTries = 0;
  WORD key = VK_RETURN;
};

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
  auto* seen = reinterpret_cast<SeenBox*>(param);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  const std::string text = WindowText(child);
  if (lstrcmpiA(className, "Static") == 0 && !text.empty()) seen->texts.push_back(text);
  if (lstrcmpiA(className, "Button") == 0) seen->buttons.push_back(text);
  return TRUE;
}

struct Search {
  DWORD process;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

void PressKey(WORD key) {
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = key;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

DWORD WINAPI Watch(void* param) {
  auto* seen = static_cast<SeenBox*>(param);
  Search search{GetCurrentProcessId(), nullptr};
  for (int tries = 0; tries < 1000 && search.box == nullptr; ++tries) {
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box == nullptr) Sleep(10);
  }
  if (search.box == nullptr) return 1;
  seen->found = true;
  seen->caption = WindowText(search.box);
  EnumChildWindows(search.box, CollectChild, reinterpret_cast<LPARAM>(seen));
  while (seen->foregroundTries < 200 && GetForegroundWindow() != search.box) {
    SetForegroundWindow(search.box);
    ++seen->foregroundTries;
    Sleep(10);
  }
  PressKey(seen->key);
  // Should the key go astray, close the box the hard way so that the test ends.
  for (int tries = 0; tries < 300 && IsWindow(search.box); ++tries) Sleep(10);
  if (IsWindow(search.box)) {
    seen->closedByForce = true;
    PostMessageA(search.box, WM_CLOSE, 0, 0);
  }
  return 0;
}

struct Shown {
  int32_t result;
  SeenBox seen;
};

Shown ShowAndAnswer(const std::string& text, const std::string& caption, uint32_t style, WORD key) {
  ProcedureFrame frame;
  TextPushOwned(frame, MakeText(text));
  TextPushOwned(frame, MakeText(caption));
  Shown shown{};
  shown.seen.key = key;
  HANDLE watcher = CreateThread(nullptr, 0, Watch, &shown.seen, 0, nullptr);
  shown.result = MessageBoxShow(frame, style);
  WaitForSingleObject(watcher, 20000);
  CloseHandle(watcher);
  EXPECT_EQ(0, TextStackDepth(frame)) << "both temporaries are consumed";
  EXPECT_FALSE(shown.seen.closedByForce) << "the key did not reach the box; foreground tries: "
                                         << shown.seen.foregroundTries;
  return shown;
}

TEST(RuntimeMessageBox, EmptyCaptionShowsTheDefaultOne) {
  const Shown shown = ShowAndAnswer("Number of elements in the listview:  20", "", MB_OK, VK_RETURN);
  ASSERT_TRUE(shown.seen.found);
  EXPECT_EQ("Orlavex", shown.seen.caption);
  ASSERT_EQ(1u, shown.seen.texts.size());
  EXPECT_EQ("Number of elements in the listview:  20", shown.seen.texts[0]);
  EXPECT_EQ(IDOK, shown.result);
}

TEST(RuntimeMessageBox, GivenCaptionAndEmptyText) {
  const Shown shown = ShowAndAnswer("", "My caption", MB_OK, VK_RETURN);
  ASSERT_TRUE(shown.seen.found);
  EXPECT_EQ("My caption", shown.seen.caption);
  EXPECT_TRUE(shown.seen.texts.empty()) << shown.seen.texts[0];
  EXPECT_EQ(IDOK, shown.result);
}

TEST(RuntimeMessageBox, OnlyTheLowSixteenBitsOfTheStyleCount) {
  // The high bits would ask for a service notification; the low ones ask for OK and Cancel.
  const Shown shown = ShowAndAnswer("Go on?", "Question", 0xFFFF0000u | MB_OKCANCEL, VK_ESCAPE);
  ASSERT_TRUE(shown.seen.found);
  EXPECT_EQ("Question", shown.seen.caption);
  EXPECT_EQ(2u, shown.seen.buttons.size());
  EXPECT_EQ(IDCANCEL, shown.result);
}

TEST(RuntimeMessageBox, ReleasesBothTemporaries) {
  ProcedureFrame frame;
  DynString owner = MakeText("kept by its variable");
  TextPushBorrowed(frame, owner);
  TextPushEmpty(frame);
  SeenBox seen;
  HANDLE watcher = CreateThread(nullptr, 0, Watch, &seen, 0, nullptr);
  EXPECT_EQ(IDOK, MessageBoxShow(frame, MB_OK));
  WaitForSingleObject(watcher, 20000);
  CloseHandle(watcher);
  EXPECT_EQ(0, TextStackDepth(frame));
  EXPECT_FALSE(seen.closedByForce);
  EXPECT_EQ("Orlavex", seen.caption);
  EXPECT_EQ("kept by its variable", TextOf(owner)) << "a borrowed text is not released";
  TextRelease(owner);
}

TEST(RuntimeMessageBox, BeepNeedsNothing) { RuntimeBeep(); }

}  // namespace
