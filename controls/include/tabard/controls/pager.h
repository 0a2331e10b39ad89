#pragma once
// Pager message wrappers, in library order, each named after the message it
// sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {

void PgmSetChild(HWND pager, HWND child);
void PgmRecalcSize(HWND pager);
// Only the low byte of the flag is sent.
void PgmForwardMouse(HWND pager, uint32_t forward);
LRESULT PgmSetBkColor(HWND pager, COLORREF colour);
LRESULT PgmGetBkColor(HWND pager);
LRESULT PgmSetBorder(HWND pager, int32_t border);
LRESULT PgmGetBorder(HWND pager);
LRESULT PgmSetPos(HWND pager, int32_t position);
LRESULT PgmGetPos(HWND pager);
LRESULT PgmSetButtonSize(HWND pager, int32_t size);
LRESULT PgmGetButtonSize(HWND pager);
LRESULT PgmGetButtonState(HWND pager, int32_t button);
// The control writes its drop target's interface pointer into `target`.
void CcmGetDropTarget(HWND pager, void*& target);

}  // namespace tabard
