#pragma once
// Combo-box wrappers, in library order, each named after the message it sends.
// Texts going in are by-value DynStrings: the wrapper's own copies, released
// when it returns. Texts coming out are new DynStrings that the caller owns.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT CbAddString(HWND comboBox, DynString text);
LRESULT CbDeleteString(HWND comboBox, int32_t index);
LRESULT CbDir(HWND comboBox, uint32_t attributes, DynString pattern);
LRESULT CbFindString(HWND comboBox, int32_t start, DynString prefix);
LRESULT CbFindStringExact(HWND comboBox, int32_t start, DynString text);
LRESULT CbGetCount(HWND comboBox);
LRESULT CbGetCurSel(HWND comboBox);
// -1 while the list is dropped down, else 0.
LRESULT CbGetDroppedState(HWND comboBox);
LRESULT CbGetDroppedWidth(HWND comboBox);
void CbGetEditSel(HWND comboBox, DWORD& start, DWORD& end);
LRESULT CbGetExtendedUI(HWND comboBox);
// A negative index reads the current selection's data (CbGetCurSel).
LRESULT CbGetItemData(HWND comboBox, int32_t index);
// An item's text; a negative index reads the current selection (CbGetCurSel).
// The length is asked first: up to 255 characters the text comes back as exactly
// 255 bytes, the item and zero bytes after it; a longer item comes back whole,
// read into storage of its own length.
DynString CbGetLBText(HWND comboBox, int32_t index);
LRESULT CbGetTopIndex(HWND comboBox);
LRESULT CbInitStorage(HWND comboBox, int32_t items, int32_t bytes);
// Always at position 0: the message's index is not an argument.
LRESULT CbInsertString(HWND comboBox, DynString text);
void CbLimitText(HWND comboBox, int32_t limit);
void CbResetContent(HWND comboBox);
LRESULT CbSelectString(HWND comboBox, int32_t start, DynString prefix);
LRESULT CbSetCurSel(HWND comboBox, int32_t index);
LRESULT CbSetEditSel(HWND comboBox, int32_t start, int32_t end);
LRESULT CbSetItemData(HWND comboBox, int32_t index, LPARAM data);
LRESULT CbSetTopIndex(HWND comboBox, int32_t index);
// Any non-zero value shows the list: sent as 1.
void CbShowDropDown(HWND comboBox, int32_t show);

}  // namespace tabard
