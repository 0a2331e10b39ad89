#pragma once
// Edit-control wrappers, in library order, each named after the message it
// sends, and reading and setting the whole text. Returned texts are new
// DynStrings that the caller owns.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT EmCanUndo(HWND edit);
LRESULT EmCharFromPos(HWND edit, int32_t x, int32_t y);
void EmEmptyUndoBuffer(HWND edit);
// Any non-zero value adds soft line breaks: sent as 1.
LRESULT EmFmtLines(HWND edit, int32_t addBreaks);
LRESULT EmGetFirstVisibleLine(HWND edit);
LRESULT EmGetHandle(HWND edit);
LRESULT EmGetLimitText(HWND edit);
// One line, of at most 32,765 characters (longer lines come back cut there).
DynString EmGetLine(HWND edit, int32_t line);
LRESULT EmGetLineCount(HWND edit);
LRESULT EmGetMargins(HWND edit);
LRESULT EmGetModify(HWND edit);
LRESULT EmGetPasswordChar(HWND edit);
void EmGetRect(HWND edit, RECT& rect);
// Either address may be null; the result packs start and end as well.
LRESULT EmGetSel(HWND edit, DWORD* start, DWORD* end);
LRESULT WmGetTextLength(HWND edit);
// The whole text. The receive buffer, the length's blanks and a zero byte, stays
// in TextScratch until the next call replaces it.
DynString EditGetText(HWND edit);
LRESULT EmGetThumb(HWND edit);
void EmLimitText(HWND edit, int32_t limit);
LRESULT EmLineFromChar(HWND edit, int32_t index);
LRESULT EmLineIndex(HWND edit, int32_t line);
LRESULT EmLineLength(HWND edit, int32_t index);
LRESULT EmLineScroll(HWND edit, int32_t columns, int32_t lines);
LRESULT EmPosFromChar(HWND edit, int32_t index);
// Consumes `text`, the wrapper's own copy; gives the system call's result.
LRESULT EditSetText(HWND edit, DynString text);

}  // namespace tabard
