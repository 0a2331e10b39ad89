#pragma once
// A window that stands in for any control: its procedure records each message
// it is sent, copies the record at lParam while the call lasts when asked to,
// and answers a chosen result. The wire table of the control wrappers runs every
// wrapper against it.
#include <cstddef>
#include <vector>

#include "platform/win32_api.h"

constexpr size_t kRecordCopyMax = 256;

struct WireMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  unsigned char record[kRecordCopyMax];  // the first bytes at lParam, as the window saw them
};

HWND CreateWireRecorder(DWORD style = WS_POPUP);
// From now on every message is recorded and answered with `answer`; with
// `recordBytes` non-zero, that many bytes at a non-zero lParam are copied.
void StartWire(LRESULT answer, size_t recordBytes);
std::vector<WireMessage> StopWire();
