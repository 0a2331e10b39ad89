#include <tabard/controls/list_box.h>

#include <algorithm>
#include <cstring>

#include <tabard/controls/item_text.h>
#include <tabard/controls/message_shapes.h>
#include <tabard/controls/receive_buffers.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace {
bool AllowsMultipleSelection(HWND listBox) {
  return (static_cast<uint32_t>(platform::GetWindowLong(listBox, GWL_STYLE)) & LBS_MULTIPLESEL) != 0;
}
constexpr WPARAM kDeselect = 0;
constexpr WPARAM kSelect = 1;
constexpr LPARAM kEveryItem = -1;
}  // namespace

LRESULT LbAddFile(HWND listBox, DynString fileName) { return SendTextValue(listBox, LB_ADDFILE, 0, fileName); }
LRESULT LbAddString(HWND listBox, DynString text) { return SendTextValue(listBox, LB_ADDSTRING, 0, text); }
LRESULT LbDeleteString(HWND listBox, int32_t index) { return SendPlain(listBox, LB_DELETESTRING, index); }
LRESULT LbDir(HWND listBox, uint32_t attributes, DynString pattern) {
  return SendTextValue(listBox, LB_DIR, attributes, pattern);
}
LRESULT LbFindString(HWND listBox, int32_t start, DynString prefix) {
  return SendTextValue(listBox, LB_FINDSTRING, start, prefix);
}
LRESULT LbFindStringExact(HWND listBox, int32_t start, DynString text) {
  return SendTextValue(listBox, LB_FINDSTRINGEXACT, start, text);
}
LRESULT LbGetAnchorIndex(HWND listBox) { return SendPlain(listBox, LB_GETANCHORINDEX); }
LRESULT LbGetCaretIndex(HWND listBox) { return SendPlain(listBox, LB_GETCARETINDEX); }
LRESULT LbGetCount(HWND listBox) { return SendPlain(listBox, LB_GETCOUNT); }
LRESULT LbGetHorizontalExtent(HWND listBox) { return SendPlain(listBox, LB_GETHORIZONTALEXTENT); }
LRESULT LbGetItemData(HWND listBox, int32_t index) { return SendPlain(listBox, LB_GETITEMDATA, index); }
LRESULT LbGetLocale(HWND listBox) { return SendPlain(listBox, LB_GETLOCALE); }
LRESULT LbGetSel(HWND listBox, int32_t index) { return SendFlagResult(listBox, LB_GETSEL, index); }
LRESULT LbGetSelCount(HWND listBox) { return SendPlain(listBox, LB_GETSELCOUNT); }
LRESULT LbGetSelItems(HWND listBox, int32_t capacity, int32_t* items) {
  return SendPlain(listBox, LB_GETSELITEMS, capacity, items);
}
LRESULT LbGetTopIndex(HWND listBox) { return SendPlain(listBox, LB_GETTOPINDEX); }
LRESULT LbInsertString(HWND listBox, int32_t index, DynString text) {
  return SendTextValue(listBox, LB_INSERTSTRING, index, text);
}
void LbResetContent(HWND listBox) { SendDropResult(listBox, LB_RESETCONTENT); }
LRESULT LbSelectString(HWND listBox, int32_t start, DynString prefix) {
  return SendTextValue(listBox, LB_SELECTSTRING, start, prefix);
}
LRESULT LbSetAnchorIndex(HWND listBox, int32_t index) { return SendPlain(listBox, LB_SETANCHORINDEX, index); }
void LbSetHorizontalExtent(HWND listBox, int32_t extent) { SendDropResult(listBox, LB_SETHORIZONTALEXTENT, extent); }
LRESULT LbSetLocale(HWND listBox, uint32_t locale) { return SendPlain(listBox, LB_SETLOCALE, locale); }
LRESULT LbSetSel(HWND listBox, int32_t select, int32_t index) { return SendPlain(listBox, LB_SETSEL, select, index); }
void LbSetTabStops(HWND listBox, int32_t* tabStops, int32_t count) {
  SendDropResult(listBox, LB_SETTABSTOPS, count, tabStops);
}
LRESULT LbSetTopIndex(HWND listBox, int32_t index) { return SendPlain(listBox, LB_SETTOPINDEX, index); }

LRESULT LbGetCurSel(HWND listBox) {
  return SendPlain(listBox, AllowsMultipleSelection(listBox) ? LB_GETCARETINDEX : LB_GETCURSEL);
}

LRESULT LbSetCurSel(HWND listBox, int32_t index) {
  if (!AllowsMultipleSelection(listBox)) return SendPlain(listBox, LB_SETCURSEL, index);
  const LRESULT cleared = SendPlain(listBox, LB_SETSEL, kDeselect, kEveryItem);
  if (index == -1) return cleared;
  const LRESULT selected = SendPlain(listBox, LB_SETSEL, kSelect, index);
  if (selected < 0) return selected;
  SendPlain(listBox, LB_SETCARETINDEX, index);
  return selected;
}

DynString LbGetText(HWND listBox, int32_t index) {
  const LRESULT item = index < 0 ? LbGetCurSel(listBox) : index;
  const LRESULT length = SendPlain(listBox, LB_GETTEXTLEN, item);
  if (length < 0) return nullptr;
  if (length > kItemTextLimit) return ItemTextOfLength(listBox, LB_GETTEXT, item, length);
  char* buffer = receiveBuffers.ItemTextBuffer;
  const LRESULT copied = SendPlain(listBox, LB_GETTEXT, item, buffer);
  if (copied < 0) return nullptr;
  // Up to the first zero byte, and never past what the control says it wrote: the
  // bytes after it are an earlier item's.
  return ItemTextCopy(buffer, static_cast<uint32_t>(strnlen(buffer, std::min(copied, kItemTextLimit))));
}

}  // namespace tabard
