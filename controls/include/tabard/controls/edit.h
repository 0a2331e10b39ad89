#pragma once
/// @file
/// Edit-control wrappers, in library order, each named after the message it
/// sends, and reading and setting the whole text. Returned texts are new
/// DynStrings that the caller owns.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_edit
/// @{

/// Sends `EM_CANUNDO`: non-zero when there is something to undo.
LRESULT EmCanUndo(HWND edit);
/// Sends `EM_CHARFROMPOS`: the character nearest client point (`x`, `y`): its 0-based
/// index in the low word, its line in the high word.
LRESULT EmCharFromPos(HWND edit, int32_t x, int32_t y);
/// Sends `EM_EMPTYUNDOBUFFER`: forgets what could be undone.
void EmEmptyUndoBuffer(HWND edit);
/// Sends `EM_FMTLINES`.
/// Any non-zero value adds soft line breaks: sent as 1.
LRESULT EmFmtLines(HWND edit, int32_t addBreaks);
/// Sends `EM_GETFIRSTVISIBLELINE`: the 0-based index of the top visible line (of the
/// first visible character on one line).
LRESULT EmGetFirstVisibleLine(HWND edit);
/// Sends `EM_GETHANDLE`: the memory handle of a multiline control's text.
LRESULT EmGetHandle(HWND edit);
/// Sends `EM_GETLIMITTEXT`: the most characters the control accepts.
LRESULT EmGetLimitText(HWND edit);
/// Sends `EM_GETLINE`.
/// One line, of at most 32,765 characters (longer lines come back cut there).
DynString EmGetLine(HWND edit, int32_t line);
/// Sends `EM_GETLINECOUNT`: the number of lines (1 when empty).
LRESULT EmGetLineCount(HWND edit);
/// Sends `EM_GETMARGINS`: the left margin in the low word and the right one in the
/// high word, in pixels.
LRESULT EmGetMargins(HWND edit);
/// Sends `EM_GETMODIFY`: non-zero when the text changed since last cleared.
LRESULT EmGetModify(HWND edit);
/// Sends `EM_GETPASSWORDCHAR`: the character shown instead of typed ones, 0 when none.
LRESULT EmGetPasswordChar(HWND edit);
/// Sends `EM_GETRECT`: stores the formatting rectangle in `rect`.
void EmGetRect(HWND edit, RECT& rect);
/// Sends `EM_GETSEL`.
/// Either address may be null; the result packs start and end as well.
LRESULT EmGetSel(HWND edit, DWORD* start, DWORD* end);
/// Sends `WM_GETTEXTLENGTH`: the length of the text in characters, without a
/// terminating zero.
LRESULT WmGetTextLength(HWND edit);
/// The whole text. The receive buffer, the length's blanks and a zero byte, stays
/// in TextScratch until the next call replaces it.
DynString EditGetText(HWND edit);
/// Sends `EM_GETTHUMB`: the position of the scroll box of a multiline control.
LRESULT EmGetThumb(HWND edit);
/// Sends `EM_LIMITTEXT`: limits the text to `limit` characters (0: the largest limit).
void EmLimitText(HWND edit, int32_t limit);
/// Sends `EM_LINEFROMCHAR`: the 0-based line holding character `index` (-1: the
/// caret's line).
LRESULT EmLineFromChar(HWND edit, int32_t index);
/// Sends `EM_LINEINDEX`: the 0-based index of the first character of line `line` (-1:
/// the caret's line); -1 past the last line.
LRESULT EmLineIndex(HWND edit, int32_t line);
/// Sends `EM_LINELENGTH`: the length of the line holding character `index`.
LRESULT EmLineLength(HWND edit, int32_t index);
/// Sends `EM_LINESCROLL`: scrolls by `columns` characters and `lines` lines; TRUE for
/// a multiline control.
LRESULT EmLineScroll(HWND edit, int32_t columns, int32_t lines);
/// Sends `EM_POSFROMCHAR`: the client position of character `index`: x in the low
/// word, y in the high word.
LRESULT EmPosFromChar(HWND edit, int32_t index);
/// Consumes `text`, the wrapper's own copy; gives the system call's result.
LRESULT EditSetText(HWND edit, DynString text);

/// @}
}  // namespace tabard
