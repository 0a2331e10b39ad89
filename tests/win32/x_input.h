#pragma once
// Real input through the X server, as a person gives it: the test starts the X
// tool as a Unix program (Wine starts non-Windows programs natively) and waits
// until it has finished.
#include <string>

#include "platform/win32_api.h"

// Runs `xdotool ARGUMENTS`; true when it ran and exited with 0.
bool XdoTool(const std::string& arguments, DWORD timeoutMs = 10000);
bool XKey(const char* keyName);
// The key pressed on `window`: the window is made the foreground one and the
// pointer put over it first, since the X server sends keys there.
bool XKeyTo(HWND window, const char* keyName);
// A left click at a point of the screen, in the coordinates GetWindowRect reports.
bool XClickAt(int x, int y);
bool XClickCentreOf(HWND window);
