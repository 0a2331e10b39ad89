#include "controls/list_view.h"

#include "controls/message_shapes.h"

int32_t LvmGetItemCount(HWND listView) { return SendPlain(listView, LVM_GETITEMCOUNT); }

int32_t LvmInsertItemA(HWND listView, LVITEMA& item) { return SendRecord(listView, LVM_INSERTITEMA, 0, item); }

void LvmSetItemTextA(HWND listView, int32_t row, int32_t subItem, const char* text) {
  LVITEMA item{};
  item.iSubItem = subItem;
  item.pszText = const_cast<char*>(text);
  SendDropResult(listView, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int32_t LvmDeleteAllItems(HWND listView) { return SendPlain(listView, LVM_DELETEALLITEMS); }
