#include <tabard/controls/combo_box.h>

#include <tabard/controls/item_text.h>
#include <tabard/controls/message_shapes.h>

namespace tabard {

LRESULT CbAddString(HWND comboBox, DynString text) { return SendTextValue(comboBox, CB_ADDSTRING, 0, text); }
LRESULT CbDeleteString(HWND comboBox, int32_t index) { return SendPlain(comboBox, CB_DELETESTRING, index); }
LRESULT CbDir(HWND comboBox, uint32_t attributes, DynString pattern) {
  return SendTextValue(comboBox, CB_DIR, attributes, pattern);
}
LRESULT CbFindString(HWND comboBox, int32_t start, DynString prefix) {
  return SendTextValue(comboBox, CB_FINDSTRING, start, prefix);
}
LRESULT CbFindStringExact(HWND comboBox, int32_t start, DynString text) {
  return SendTextValue(comboBox, CB_FINDSTRINGEXACT, start, text);
}
LRESULT CbGetCount(HWND comboBox) { return SendPlain(comboBox, CB_GETCOUNT); }
LRESULT CbGetCurSel(HWND comboBox) { return SendPlain(comboBox, CB_GETCURSEL); }
LRESULT CbGetDroppedState(HWND comboBox) { return SendFlagResult(comboBox, CB_GETDROPPEDSTATE); }
LRESULT CbGetDroppedWidth(HWND comboBox) { return SendPlain(comboBox, CB_GETDROPPEDWIDTH); }
void CbGetEditSel(HWND comboBox, DWORD& start, DWORD& end) { SendDropResult(comboBox, CB_GETEDITSEL, &start, &end); }
LRESULT CbGetExtendedUI(HWND comboBox) { return SendPlain(comboBox, CB_GETEXTENDEDUI); }
LRESULT CbGetTopIndex(HWND comboBox) { return SendPlain(comboBox, CB_GETTOPINDEX); }
LRESULT CbInitStorage(HWND comboBox, int32_t items, int32_t bytes) {
  return SendPlain(comboBox, CB_INITSTORAGE, items, bytes);
}
LRESULT CbInsertString(HWND comboBox, DynString text) { return SendTextValue(comboBox, CB_INSERTSTRING, 0, text); }
void CbLimitText(HWND comboBox, int32_t limit) { SendDropResult(comboBox, CB_LIMITTEXT, limit); }
void CbResetContent(HWND comboBox) { SendDropResult(comboBox, CB_RESETCONTENT); }
LRESULT CbSelectString(HWND comboBox, int32_t start, DynString prefix) {
  return SendTextValue(comboBox, CB_SELECTSTRING, start, prefix);
}
LRESULT CbSetCurSel(HWND comboBox, int32_t index) { return SendPlain(comboBox, CB_SETCURSEL, index); }
LRESULT CbSetEditSel(HWND comboBox, int32_t start, int32_t end) {
  return SendPacked(comboBox, CB_SETEDITSEL, 0, start, end);
}
LRESULT CbSetItemData(HWND comboBox, int32_t index, LPARAM data) {
  return SendPlain(comboBox, CB_SETITEMDATA, index, data);
}
LRESULT CbSetTopIndex(HWND comboBox, int32_t index) { return SendPlain(comboBox, CB_SETTOPINDEX, index); }
void CbShowDropDown(HWND comboBox, int32_t show) { SendDropResult(comboBox, CB_SHOWDROPDOWN, FlagArgument(show)); }

LRESULT CbGetItemData(HWND comboBox, int32_t index) {
  return SendPlain(comboBox, CB_GETITEMDATA, index < 0 ? CbGetCurSel(comboBox) : index);
}

DynString CbGetLBText(HWND comboBox, int32_t index) {
  const LRESULT item = index < 0 ? CbGetCurSel(comboBox) : index;
  const LRESULT length = SendPlain(comboBox, CB_GETLBTEXTLEN, item);
  if (length > kItemTextLimit) return ItemTextOfLength(comboBox, CB_GETLBTEXT, item, length);
  char buffer[kItemTextLimit + 1] = {};
  SendPlain(comboBox, CB_GETLBTEXT, item, buffer);
  return ItemTextCopy(buffer, kItemTextLimit);
}

}  // namespace tabard
