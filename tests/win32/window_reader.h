#pragma once
// Reads another process's windows from outside, as an accessibility tool would:
// window texts through WM_GETTEXT, list-view rows and columns through records
// placed in the other process's memory.
#include <functional>
#include <string>
#include <vector>

#include "platform/win32_api.h"

struct ListColumn {
  std::string text;
  int format;
  int width;
};

std::string WindowText(HWND window);
// The first visible top-level window with this exact title, or nullptr.
HWND FindTopWindow(const char* title);
HWND WaitForTopWindow(const char* title, DWORD timeoutMs);
bool WaitForWindowGone(HWND window, DWORD timeoutMs);

std::vector<ListColumn> ReadListColumns(HWND listView);
// Every row, each as its cells' texts in column order.
std::vector<std::vector<std::string>> ReadListRows(HWND listView, int columns);
// The message text of a message box (its static text control).
std::string MessageBoxText(HWND box);

// A message box as a user meets it: the text it shows, and whether the key given
// to answer it went astray so that the box had to be closed for the test to end.
struct BoxAnswer {
  const char* caption;
  WORD key = VK_RETURN;
  bool found = false;
  std::string text;
  bool closedByForce = false;
};
// Runs `show` while a thread of its own plays the user: it waits for the visible
// box captioned `answer.caption`, reads its text, brings it to the front and
// presses `answer.key` as real input.
void AnswerBoxWhile(BoxAnswer& answer, const std::function<void()>& show);
