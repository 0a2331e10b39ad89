#pragma once
// Sending messages to windows, taking them from the queue, and asking windows to repaint.
#include <tabard/platform/win32_api.h>

namespace tabard {

namespace platform {

inline LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(window, message, wParam, lParam);
}
inline BOOL PeekMessage(MSG* message, HWND window, UINT first, UINT last, UINT removal) {
  return ::PeekMessageA(message, window, first, last, removal);
}
inline BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) { return ::InvalidateRect(window, rect, erase); }
inline BOOL UpdateWindow(HWND window) { return ::UpdateWindow(window); }
inline BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) { return ::InitCommonControlsEx(classes); }

}  // namespace platform

}  // namespace tabard
