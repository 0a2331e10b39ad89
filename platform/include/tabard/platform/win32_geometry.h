#pragma once
// What the toolkit's geometry asks of the system beyond the dialog calls, one
// wrapper per call.
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace platform {

inline BOOL GetClientRect(HWND window, RECT* rect) { return ::GetClientRect(window, rect); }
inline BOOL GetWindowRect(HWND window, RECT* rect) { return ::GetWindowRect(window, rect); }
inline BOOL ScreenToClient(HWND window, POINT* point) { return ::ScreenToClient(window, point); }
inline BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  return ::SetWindowPos(window, insertAfter, x, y, width, height, flags);
}

}  // namespace platform

}  // namespace tabard
