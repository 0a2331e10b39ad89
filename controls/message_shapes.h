#pragma once
// The shapes every control message wrapper takes. A wrapper is one line: the
// message it sends, written through the shape that says how its arguments fill
// wParam and lParam and what becomes of the result.
#include <cstdint>

#include "platform/win32_messages.h"

// Common shape: the arguments fill wParam then lParam, the result comes back as is.
inline int32_t SendPlain(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return static_cast<int32_t>(platform::SendMessage(control, message, wParam, lParam));
}

// A record passed by reference: the control reads or fills the caller's record.
template <typename Record>
int32_t SendRecord(HWND control, UINT message, WPARAM wParam, Record& record) {
  return SendPlain(control, message, wParam, reinterpret_cast<LPARAM>(&record));
}

// No result: the message is sent and its answer dropped.
inline void SendDropResult(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  platform::SendMessage(control, message, wParam, lParam);
}
