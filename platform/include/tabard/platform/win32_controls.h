#pragma once
// What the toolkit's control operations ask of the system beyond the dialog
// calls, one wrapper per call.
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace platform {

inline int GetWindowText(HWND window, char* buffer, int capacity) { return ::GetWindowTextA(window, buffer, capacity); }
inline BOOL SetWindowText(HWND window, const char* text) { return ::SetWindowTextA(window, text); }
inline HCURSOR SetCursor(HCURSOR cursor) { return ::SetCursor(cursor); }

}  // namespace platform

}  // namespace tabard
