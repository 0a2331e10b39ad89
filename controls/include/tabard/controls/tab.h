#pragma once
// Tab-control message wrappers, in library order, each named after the message
// it sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT TcmGetImageList(HWND tab);
LRESULT TcmSetImageList(HWND tab, HIMAGELIST imageList);
LRESULT TcmGetItemCount(HWND tab);
LRESULT TcmGetItemA(HWND tab, int32_t index, TCITEMA& item);
LRESULT TcmSetItemA(HWND tab, int32_t index, TCITEMA& item);
LRESULT TcmInsertItemA(HWND tab, int32_t index, TCITEMA& item);
LRESULT TcmDeleteItem(HWND tab, int32_t index);
LRESULT TcmDeleteAllItems(HWND tab);
LRESULT TcmGetItemRect(HWND tab, int32_t index, RECT& rect);
LRESULT TcmGetCurSel(HWND tab);
LRESULT TcmSetCurSel(HWND tab, int32_t index);
LRESULT TcmHitTest(HWND tab, TCHITTESTINFO& hitTest);
LRESULT TcmSetItemExtra(HWND tab, int32_t bytes);
LRESULT TcmAdjustRect(HWND tab, int32_t larger, RECT& rect);
LRESULT TcmSetItemSize(HWND tab, int32_t cx, int32_t cy);
void TcmRemoveImage(HWND tab, int32_t image);
void TcmSetPadding(HWND tab, int32_t cx, int32_t cy);
LRESULT TcmGetRowCount(HWND tab);
LRESULT TcmGetToolTips(HWND tab);
void TcmSetToolTips(HWND tab, HWND toolTips);
LRESULT TcmGetCurFocus(HWND tab);
void TcmSetCurFocus(HWND tab, int32_t index);
LRESULT TcmSetMinTabWidth(HWND tab, int32_t width);
void TcmDeselectAll(HWND tab, int32_t excludeFocus);
// The highlight value goes packed alone: only its low 16 bits reach the control.
LRESULT TcmHighlightItem(HWND tab, int32_t index, int32_t highlight);
LRESULT TcmSetExtendedStyle(HWND tab, uint32_t mask, uint32_t style);
LRESULT TcmGetExtendedStyle(HWND tab);
LRESULT TabCcmSetUnicodeFormat(HWND tab, int32_t format);
LRESULT TabCcmGetUnicodeFormat(HWND tab);

}  // namespace tabard
