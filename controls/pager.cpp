#include <tabard/controls/pager.h>

#include <tabard/controls/message_shapes.h>

namespace tabard {

namespace {
constexpr uint32_t kLowByte = 0xFF;
}  // namespace

void PgmSetChild(HWND pager, HWND child) { SendDropResult(pager, PGM_SETCHILD, 0, child); }
void PgmRecalcSize(HWND pager) { SendDropResult(pager, PGM_RECALCSIZE); }
void PgmForwardMouse(HWND pager, uint32_t forward) { SendDropResult(pager, PGM_FORWARDMOUSE, forward & kLowByte); }
LRESULT PgmSetBkColor(HWND pager, COLORREF colour) { return SendPlain(pager, PGM_SETBKCOLOR, 0, colour); }
LRESULT PgmGetBkColor(HWND pager) { return SendPlain(pager, PGM_GETBKCOLOR); }
LRESULT PgmSetBorder(HWND pager, int32_t border) { return SendPlain(pager, PGM_SETBORDER, 0, border); }
LRESULT PgmGetBorder(HWND pager) { return SendPlain(pager, PGM_GETBORDER); }
LRESULT PgmSetPos(HWND pager, int32_t position) { return SendPlain(pager, PGM_SETPOS, 0, position); }
LRESULT PgmGetPos(HWND pager) { return SendPlain(pager, PGM_GETPOS); }
LRESULT PgmSetButtonSize(HWND pager, int32_t size) { return SendPlain(pager, PGM_SETBUTTONSIZE, 0, size); }
LRESULT PgmGetButtonSize(HWND pager) { return SendPlain(pager, PGM_GETBUTTONSIZE); }
LRESULT PgmGetButtonState(HWND pager, int32_t button) { return SendPlain(pager, PGM_GETBUTTONSTATE, 0, button); }
void CcmGetDropTarget(HWND pager, void*& target) { SendDropResult(pager, CCM_GETDROPTARGET, 0, &target); }

}  // namespace tabard
