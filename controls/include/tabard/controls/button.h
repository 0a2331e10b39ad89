#pragma once
// Button message wrappers, in library order, each named after the message it
// sends, and setting a button's text.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {

void BmClick(HWND button);
LRESULT BmGetCheck(HWND button);
// The bitmap: IMAGE_BITMAP in wParam.
LRESULT BmGetImage(HWND button);
LRESULT BmGetState(HWND button);
void BmSetCheck(HWND button, uint32_t check);
// A bitmap: IMAGE_BITMAP in wParam; gives back the previous image.
LRESULT BmSetImage(HWND button, HANDLE image);
// Any non-zero state highlights: sent as 1.
LRESULT BmSetState(HWND button, int32_t state);
// The redraw value is sent as a flag, 1 or 0.
void BmSetStyle(HWND button, uint32_t style, int32_t redraw);
// Sets the text from a copy of the caller's string, released afterwards; the
// caller's string stays the caller's.
void ButtonSetText(HWND button, const DynString& text);

}  // namespace tabard
