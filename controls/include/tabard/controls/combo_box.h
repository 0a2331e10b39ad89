#pragma once
/// @file
/// Combo-box wrappers, in library order, each named after the message it sends.
/// Texts going in are by-value DynStrings: the wrapper's own copies, released
/// when it returns. Texts coming out are new DynStrings that the caller owns.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_combo_box
/// @{

/// Sends `CB_ADDSTRING`: appends `text` to the list (in order when the list sorts);
/// the new item's 0-based index, CB_ERR (-1) or CB_ERRSPACE (-2) on failure.
LRESULT CbAddString(HWND comboBox, DynString text);
/// Sends `CB_DELETESTRING`: removes item `index` (0-based); the items left, CB_ERR on
/// failure.
LRESULT CbDeleteString(HWND comboBox, int32_t index);
/// Sends `CB_DIR`: adds the file names matching `pattern` with `attributes` (DDL_
/// flags); the last name's index, CB_ERR on failure.
LRESULT CbDir(HWND comboBox, uint32_t attributes, DynString pattern);
/// Sends `CB_FINDSTRING`: the first item after `start` (-1: from the top) that begins
/// with `prefix`, case ignored; CB_ERR when none.
LRESULT CbFindString(HWND comboBox, int32_t start, DynString prefix);
/// Sends `CB_FINDSTRINGEXACT`: the first item after `start` (-1: from the top) equal
/// to `text`, case ignored; CB_ERR when none.
LRESULT CbFindStringExact(HWND comboBox, int32_t start, DynString text);
/// Sends `CB_GETCOUNT`: the number of items.
LRESULT CbGetCount(HWND comboBox);
/// Sends `CB_GETCURSEL`: the selected item's 0-based index, CB_ERR (-1) when none.
LRESULT CbGetCurSel(HWND comboBox);
/// Sends `CB_GETDROPPEDSTATE`.
/// -1 while the list is dropped down, else 0.
LRESULT CbGetDroppedState(HWND comboBox);
/// Sends `CB_GETDROPPEDWIDTH`: the width of the drop-down list in pixels.
LRESULT CbGetDroppedWidth(HWND comboBox);
/// Sends `CB_GETEDITSEL`: stores the edit field's selection: `start` and the position
/// after its end, both 0-based.
void CbGetEditSel(HWND comboBox, DWORD& start, DWORD& end);
/// Sends `CB_GETEXTENDEDUI`: non-zero when the extended interface is on.
LRESULT CbGetExtendedUI(HWND comboBox);
/// Sends `CB_GETITEMDATA`.
/// A negative index reads the current selection's data (CbGetCurSel).
LRESULT CbGetItemData(HWND comboBox, int32_t index);
/// Sends `CB_GETLBTEXT`.
/// An item's text; a negative index reads the current selection (CbGetCurSel).
/// The length is asked first: up to 255 characters the text comes back as exactly
/// 255 bytes, the item and zero bytes after it; a longer item comes back whole,
/// read into storage of its own length.
DynString CbGetLBText(HWND comboBox, int32_t index);
/// Sends `CB_GETTOPINDEX`: the 0-based index of the first visible item.
LRESULT CbGetTopIndex(HWND comboBox);
/// Sends `CB_INITSTORAGE`: reserves room for `items` items and `bytes` bytes of text;
/// the items reserved, CB_ERRSPACE on failure.
LRESULT CbInitStorage(HWND comboBox, int32_t items, int32_t bytes);
/// Sends `CB_INSERTSTRING`.
/// Always at position 0: the message's index is not an argument.
LRESULT CbInsertString(HWND comboBox, DynString text);
/// Sends `CB_LIMITTEXT`: limits the edit field to `limit` characters (0: no limit).
void CbLimitText(HWND comboBox, int32_t limit);
/// Sends `CB_RESETCONTENT`: removes every item.
void CbResetContent(HWND comboBox);
/// Sends `CB_SELECTSTRING`: selects the first item after `start` (-1: from the top)
/// that begins with `prefix`; its index, CB_ERR when none.
LRESULT CbSelectString(HWND comboBox, int32_t start, DynString prefix);
/// Sends `CB_SETCURSEL`: selects item `index` (0-based; -1 clears the selection); the
/// index, CB_ERR when out of range.
LRESULT CbSetCurSel(HWND comboBox, int32_t index);
/// Sends `CB_SETEDITSEL`: selects characters `start` up to `end` (0-based; -1 as
/// start clears, as end selects to the end) in the edit field; TRUE on success.
LRESULT CbSetEditSel(HWND comboBox, int32_t start, int32_t end);
/// Sends `CB_SETITEMDATA`: stores `data` with item `index` (0-based); CB_ERR on failure.
LRESULT CbSetItemData(HWND comboBox, int32_t index, LPARAM data);
/// Sends `CB_SETTOPINDEX`: scrolls item `index` (0-based) to the top; 0 on success,
/// CB_ERR on failure.
LRESULT CbSetTopIndex(HWND comboBox, int32_t index);
/// Sends `CB_SHOWDROPDOWN`.
/// Any non-zero value shows the list: sent as 1.
void CbShowDropDown(HWND comboBox, int32_t show);

/// @}
}  // namespace tabard
