#pragma once
// A window that stands in for any control: while recording, its procedure keeps each
// message it is sent, with a copy of the first bytes at a non-zero lParam as they were
// during the call, and answers a chosen result.
#include <vector>

#include "platform/win32_api.h"

struct WireMessage { UINT message; WPARAM wParam; LPARAM lParam; unsigned char record[256]; };

HWND CreateWireRecorder();
void StartWire(LRESULT answer, size_t recordBytes);
std::vector<WireMessage> StopWire();
