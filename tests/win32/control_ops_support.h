#pragma once
// What the tests of controls, geometry and menus add to the toolkit's test support:
// dialogs whose template names another face or size than the toolkit's 8-point one,
// so that their units map to other pixel counts, and the image a control holds.
#include <cstdint>
#include <string>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/dialog_types.h>
#include "tests/core/text_test_support.h"

using namespace tabard;

// A hidden toolkit dialog (the toolkit's dialog procedure, no controls).
DialogHandle MakeDialogWithFont(const char* faceName, uint16_t pointSize, HWND owner = nullptr, int16_t x = 10,
                                int16_t y = 10, int16_t width = 200, int16_t height = 120,
                                uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

// The image a picture control or button holds, asked with `getImage`: IMAGE_BITMAP or
// IMAGE_ICON by the kind of its handle (a control may answer with whatever image it
// holds), -1 for none, and its size.
struct HeldImage { int type; SIZE size; };
HeldImage ImageHeld(HWND control, UINT getImage);
