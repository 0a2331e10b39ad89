#pragma once
// The runtime's message box and beep, and clearing the way for the box, one wrapper per call.
#include <cstdint>

#include <tabard/platform/win32_api.h>
#include <tabard/platform/win32_messages.h>

namespace tabard {

namespace platform {

inline int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  return ::MessageBoxA(owner, text, caption, style);
}
inline DWORD GetQueueStatus(UINT kinds) { return ::GetQueueStatus(kinds); }
inline DWORD GetTickCount() { return ::GetTickCount(); }
inline BOOL ReleaseCapture() { return ::ReleaseCapture(); }
inline HWND SetCapture(HWND window) { return ::SetCapture(window); }
inline HWND GetActiveWindow() { return ::GetActiveWindow(); }
inline BOOL PlayMessageBeep(UINT type) { return ::MessageBeep(type); }

}  // namespace platform

}  // namespace tabard
