#pragma once
// Sending messages to windows and asking them to repaint.
#include "platform/win32_api.h"

namespace platform {

inline LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(window, message, wParam, lParam);
}
inline BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) { return ::InvalidateRect(window, rect, erase); }
inline BOOL UpdateWindow(HWND window) { return ::UpdateWindow(window); }
inline BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) { return ::InitCommonControlsEx(classes); }

}  // namespace platform
