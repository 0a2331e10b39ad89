#pragma once
/// @file
/// List-box wrappers, in library order, each named after the message it sends.
/// Texts going in are by-value DynStrings: the wrapper's own copies, released
/// when it returns. Texts coming out are new DynStrings that the caller owns.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_list_box
/// @{

/// Sends `LB_ADDFILE`: adds the file named `fileName`; its 0-based index, LB_ERR on
/// failure.
LRESULT LbAddFile(HWND listBox, DynString fileName);
/// Sends `LB_ADDSTRING`: appends `text` (in order when the list sorts); the new
/// item's 0-based index, LB_ERR (-1) or LB_ERRSPACE (-2) on failure.
LRESULT LbAddString(HWND listBox, DynString text);
/// Sends `LB_DELETESTRING`: removes item `index` (0-based); the items left, LB_ERR on
/// failure.
LRESULT LbDeleteString(HWND listBox, int32_t index);
/// Sends `LB_DIR`: adds the file names matching `pattern` with `attributes` (DDL_
/// flags); the last name's index, LB_ERR on failure.
LRESULT LbDir(HWND listBox, uint32_t attributes, DynString pattern);
/// Sends `LB_FINDSTRING`: the first item after `start` (-1: from the top) that begins
/// with `prefix`, case ignored; LB_ERR when none.
LRESULT LbFindString(HWND listBox, int32_t start, DynString prefix);
/// Sends `LB_FINDSTRINGEXACT`: the first item after `start` (-1: from the top) equal
/// to `text`, case ignored; LB_ERR when none.
LRESULT LbFindStringExact(HWND listBox, int32_t start, DynString text);
/// Sends `LB_GETANCHORINDEX`: the 0-based index of the anchor item of a multiple
/// selection.
LRESULT LbGetAnchorIndex(HWND listBox);
/// Sends `LB_GETCARETINDEX`: the 0-based index of the item with the focus rectangle.
LRESULT LbGetCaretIndex(HWND listBox);
/// Sends `LB_GETCOUNT`: the number of items.
LRESULT LbGetCount(HWND listBox);
/// The current selection: the caret item of a multiple-selection list
/// (LB_GETCARETINDEX), else LB_GETCURSEL.
LRESULT LbGetCurSel(HWND listBox);
/// Sends `LB_GETHORIZONTALEXTENT`: the width in pixels the list scrolls across.
LRESULT LbGetHorizontalExtent(HWND listBox);
/// Sends `LB_GETITEMDATA`: the value stored with item `index` (0-based), LB_ERR on
/// failure.
LRESULT LbGetItemData(HWND listBox, int32_t index);
/// Sends `LB_GETLOCALE`: the locale the list sorts by.
LRESULT LbGetLocale(HWND listBox);
/// Sends `LB_GETSEL`.
/// -1 for a selected item and for the control's error -1, 0 for an unselected one.
LRESULT LbGetSel(HWND listBox, int32_t index);
/// Sends `LB_GETSELCOUNT`: the number of selected items of a multiple-selection list,
/// LB_ERR for a single-selection one.
LRESULT LbGetSelCount(HWND listBox);
/// Sends `LB_GETSELITEMS`: stores up to `capacity` 0-based indices of selected items
/// in `items`; how many, LB_ERR on failure.
LRESULT LbGetSelItems(HWND listBox, int32_t capacity, int32_t* items);
/// Sends `LB_GETTEXT`.
/// An item's text; a negative index reads the current selection (LbGetCurSel).
/// The length is asked first: up to 255 characters the control writes into
/// ItemTextBuffer, where the text stays; a longer item is read into storage of its
/// own length. The empty string when the control reports no such item.
DynString LbGetText(HWND listBox, int32_t index);
/// Sends `LB_GETTOPINDEX`: the 0-based index of the first visible item.
LRESULT LbGetTopIndex(HWND listBox);
/// Sends `LB_INSERTSTRING`: inserts `text` at 0-based position `index` (-1: at the
/// end), never sorting; its index, LB_ERR or LB_ERRSPACE on failure.
LRESULT LbInsertString(HWND listBox, int32_t index, DynString text);
/// Sends `LB_RESETCONTENT`: removes every item.
void LbResetContent(HWND listBox);
/// Sends `LB_SELECTSTRING`: selects the first item after `start` (-1: from the top)
/// that begins with `prefix`; its index, LB_ERR when none.
LRESULT LbSelectString(HWND listBox, int32_t start, DynString prefix);
/// Sends `LB_SETANCHORINDEX`: makes item `index` (0-based) the anchor of a multiple
/// selection; LB_ERR on failure.
LRESULT LbSetAnchorIndex(HWND listBox, int32_t index);
/// Makes `index` the current selection, so that LbGetCurSel gives it back. A
/// single-selection list takes LB_SETCURSEL. A multiple-selection list has its
/// selection cleared, then the item selected and made the caret; -1 only clears,
/// as LB_SETCURSEL does. The result is the last selection answer (-1 on error).
LRESULT LbSetCurSel(HWND listBox, int32_t index);
/// Sends `LB_SETHORIZONTALEXTENT`: sets the width in pixels the list scrolls across.
void LbSetHorizontalExtent(HWND listBox, int32_t extent);
/// Sends `LB_SETLOCALE`: sorts by `locale` from now on; the previous locale, LB_ERR
/// on failure.
LRESULT LbSetLocale(HWND listBox, uint32_t locale);
/// Sends `LB_SETSEL`: selects (`select` non-zero) or deselects item `index` (0-based;
/// -1: every item) of a multiple-selection list; LB_ERR on failure.
LRESULT LbSetSel(HWND listBox, int32_t select, int32_t index);
/// Sends `LB_SETTABSTOPS`.
/// The caller's array comes first, its count second.
void LbSetTabStops(HWND listBox, int32_t* tabStops, int32_t count);
/// Sends `LB_SETTOPINDEX`: scrolls item `index` (0-based) to the top; LB_ERR on failure.
LRESULT LbSetTopIndex(HWND listBox, int32_t index);

/// @}
}  // namespace tabard
