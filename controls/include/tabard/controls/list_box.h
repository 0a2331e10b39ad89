#pragma once
// List-box wrappers, in library order, each named after the message it sends.
// Texts going in are by-value DynStrings: the wrapper's own copies, released
// when it returns. Texts coming out are new DynStrings that the caller owns.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT LbAddFile(HWND listBox, DynString fileName);
LRESULT LbAddString(HWND listBox, DynString text);
LRESULT LbDeleteString(HWND listBox, int32_t index);
LRESULT LbDir(HWND listBox, uint32_t attributes, DynString pattern);
LRESULT LbFindString(HWND listBox, int32_t start, DynString prefix);
LRESULT LbFindStringExact(HWND listBox, int32_t start, DynString text);
LRESULT LbGetAnchorIndex(HWND listBox);
LRESULT LbGetCaretIndex(HWND listBox);
LRESULT LbGetCount(HWND listBox);
// The current selection: the caret item of a multiple-selection list
// (LB_GETCARETINDEX), else LB_GETCURSEL.
LRESULT LbGetCurSel(HWND listBox);
LRESULT LbGetHorizontalExtent(HWND listBox);
LRESULT LbGetItemData(HWND listBox, int32_t index);
LRESULT LbGetLocale(HWND listBox);
// -1 for a selected item and for the control's error -1, 0 for an unselected one.
LRESULT LbGetSel(HWND listBox, int32_t index);
LRESULT LbGetSelCount(HWND listBox);
LRESULT LbGetSelItems(HWND listBox, int32_t capacity, int32_t* items);
// An item's text; a negative index reads the current selection (LbGetCurSel).
// The length is asked first: up to 255 characters the control writes into
// ItemTextBuffer, where the text stays; a longer item is read into storage of its
// own length. The empty string when the control reports no such item.
DynString LbGetText(HWND listBox, int32_t index);
LRESULT LbGetTopIndex(HWND listBox);
LRESULT LbInsertString(HWND listBox, int32_t index, DynString text);
void LbResetContent(HWND listBox);
LRESULT LbSelectString(HWND listBox, int32_t start, DynString prefix);
LRESULT LbSetAnchorIndex(HWND listBox, int32_t index);
// Makes `index` the current selection, so that LbGetCurSel gives it back. A
// single-selection list takes LB_SETCURSEL. A multiple-selection list has its
// selection cleared, then the item selected and made the caret; -1 only clears,
// as LB_SETCURSEL does. The result is the last selection answer (-1 on error).
LRESULT LbSetCurSel(HWND listBox, int32_t index);
void LbSetHorizontalExtent(HWND listBox, int32_t extent);
LRESULT LbSetLocale(HWND listBox, uint32_t locale);
LRESULT LbSetSel(HWND listBox, int32_t select, int32_t index);
// The caller's array comes first, its count second.
void LbSetTabStops(HWND listBox, int32_t* tabStops, int32_t count);
LRESULT LbSetTopIndex(HWND listBox, int32_t index);

}  // namespace tabard
