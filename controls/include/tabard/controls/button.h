#pragma once
/// @file
/// Button message wrappers, in library order, each named after the message it
/// sends, and setting a button's text.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_button
/// @{

/// Sends `BM_CLICK`: presses the button as a click would.
void BmClick(HWND button);
/// Sends `BM_GETCHECK`: BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
LRESULT BmGetCheck(HWND button);
/// Sends `BM_GETIMAGE`.
/// The bitmap: IMAGE_BITMAP in wParam.
LRESULT BmGetImage(HWND button);
/// Sends `BM_GETSTATE`: the check, push and focus state bits.
LRESULT BmGetState(HWND button);
/// Sends `BM_SETCHECK`: sets the check state to `check` (a BST_ value).
void BmSetCheck(HWND button, uint32_t check);
/// Sends `BM_SETIMAGE`.
/// A bitmap: IMAGE_BITMAP in wParam; gives back the previous image.
LRESULT BmSetImage(HWND button, HANDLE image);
/// Sends `BM_SETSTATE`.
/// Any non-zero state highlights: sent as 1.
LRESULT BmSetState(HWND button, int32_t state);
/// Sends `BM_SETSTYLE`.
/// The redraw value is sent as a flag, 1 or 0.
void BmSetStyle(HWND button, uint32_t style, int32_t redraw);
/// Sets the text from a copy of the caller's string, released afterwards; the
/// caller's string stays the caller's.
void ButtonSetText(HWND button, const DynString& text);

/// @}
}  // namespace tabard
