#pragma once
// List-view message wrappers, each named after the message it sends.
#include <cstdint>

#include "runtime/system_types.h"

// LVM_GETITEMCOUNT: the number of rows.
int32_t LvmGetItemCount(HWND listView);
// LVM_INSERTITEMA: inserts the caller's record; the new row's index, -1 on failure.
int32_t LvmInsertItemA(HWND listView, LVITEMA& item);
// LVM_SETITEMTEXTA: sets one cell's text from a local record holding only the
// sub-item index and the text; the answer is dropped.
void LvmSetItemTextA(HWND listView, int32_t row, int32_t subItem, const char* text);
// LVM_DELETEALLITEMS: removes every row.
int32_t LvmDeleteAllItems(HWND listView);
