#include "tests/win32/window_reader.h"

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  for (const DWORD start = GetTickCount(); !done(); Sleep(2))
    if (GetTickCount() - start > timeoutMs) return false;
  return true;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND WaitForTopWindow(const char* title, DWORD timeoutMs) {
  HWND window = nullptr;
  const auto shown = [&] {
    return (window = FindWindowA(nullptr, title)) && IsWindowVisible(window) && WindowText(window) == title;
  };
  return WaitUntil(shown, timeoutMs) ? window : nullptr;
}
