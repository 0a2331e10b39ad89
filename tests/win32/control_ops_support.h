#pragma once
// What the tests of the control operations, geometry and menus add to the
// toolkit's test support: dialogs in other type sizes, texts to and from a
// frame's stack, and a log of the messages one control received.
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/dialog_types.h"
#include "runtime/procedure_frame.h"
#include "tests/core/text_test_support.h"

// A hidden toolkit dialog (the toolkit's dialog procedure, no controls) whose
// template names another face or size than the toolkit's 8-point one, so that
// its units map to other pixel counts.
DialogHandle MakeDialogWithFont(const char* faceName, uint16_t pointSize, HWND owner = nullptr, int16_t x = 10,
                                int16_t y = 10, int16_t width = 200, int16_t height = 120,
                                uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

// One message as a control's window procedure received it.
struct LoggedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
// Records the messages of `window` that are among `messages` and passes every
// message on to the window's own procedure. One window at a time.
void StartMessageLog(HWND window, std::vector<UINT> messages);
std::vector<LoggedMessage> StopMessageLog();
