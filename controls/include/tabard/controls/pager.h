#pragma once
/// @file
/// Pager message wrappers, in library order, each named after the message it
/// sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_pager
/// @{

/// Sends `PGM_SETCHILD`: makes `child` the contained window.
void PgmSetChild(HWND pager, HWND child);
/// Sends `PGM_RECALCSIZE`: makes the pager measure its contained window again.
void PgmRecalcSize(HWND pager);
/// Sends `PGM_FORWARDMOUSE`.
/// Only the low byte of the flag is sent.
void PgmForwardMouse(HWND pager, uint32_t forward);
/// Sends `PGM_SETBKCOLOR`: sets the background colour; the previous one.
LRESULT PgmSetBkColor(HWND pager, COLORREF colour);
/// Sends `PGM_GETBKCOLOR`: the background colour.
LRESULT PgmGetBkColor(HWND pager);
/// Sends `PGM_SETBORDER`: sets the border size in pixels; the previous one.
LRESULT PgmSetBorder(HWND pager, int32_t border);
/// Sends `PGM_GETBORDER`: the border size in pixels.
LRESULT PgmGetBorder(HWND pager);
/// Sends `PGM_SETPOS`: scrolls to position `position` in pixels.
LRESULT PgmSetPos(HWND pager, int32_t position);
/// Sends `PGM_GETPOS`: the scroll position in pixels.
LRESULT PgmGetPos(HWND pager);
/// Sends `PGM_SETBUTTONSIZE`: sets the size of the scroll buttons in pixels; the
/// previous one.
LRESULT PgmSetButtonSize(HWND pager, int32_t size);
/// Sends `PGM_GETBUTTONSIZE`: the size of the scroll buttons in pixels.
LRESULT PgmGetButtonSize(HWND pager);
/// Sends `PGM_GETBUTTONSTATE`: the state (PGF_) of the scroll button `button` (PGB_).
LRESULT PgmGetButtonState(HWND pager, int32_t button);
/// Sends `CCM_GETDROPTARGET`.
/// The control writes its drop target's interface pointer into `target`.
void CcmGetDropTarget(HWND pager, void*& target);

/// @}
}  // namespace tabard
