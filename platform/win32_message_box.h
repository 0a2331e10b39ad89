#pragma once
// The runtime's message box and beep, one wrapper per call.
#include <cstdint>

#include "platform/win32_api.h"

namespace platform {

inline int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  return ::MessageBoxA(owner, text, caption, style);
}
inline BOOL PlayMessageBeep(UINT type) { return ::MessageBeep(type); }

}  // namespace platform
