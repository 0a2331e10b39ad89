#pragma once
// What the tests of geometry and menus add to the toolkit's test support: dialogs
// whose template names another face or size than the toolkit's 8-point one, so that
// their units map to other pixel counts.
#include <cstdint>
#include <string>

#include "dialogs/dialog_types.h"
#include "runtime/procedure_frame.h"
#include "tests/core/text_test_support.h"

// A hidden toolkit dialog (the toolkit's dialog procedure, no controls).
DialogHandle MakeDialogWithFont(const char* faceName, uint16_t pointSize, HWND owner = nullptr, int16_t x = 10,
                                int16_t y = 10, int16_t width = 200, int16_t height = 120,
                                uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
