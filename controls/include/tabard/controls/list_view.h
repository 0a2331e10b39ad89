#pragma once
// List-view message wrappers, in library order, each named after the message it
// sends. Records are the caller's unless a wrapper builds a local one.
#include <cstdint>

#include <tabard/controls/packing.h>
#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT ListViewCcmSetUnicodeFormat(HWND listView, int32_t format);
LRESULT ListViewCcmGetUnicodeFormat(HWND listView);
LRESULT LvmGetBkColor(HWND listView);
LRESULT LvmSetBkColor(HWND listView, COLORREF colour);
LRESULT LvmGetImageList(HWND listView, int32_t listType);
LRESULT LvmSetImageList(HWND listView, HIMAGELIST imageList, int32_t listType);
// The number of rows.
LRESULT LvmGetItemCount(HWND listView);
LRESULT LvmGetItemA(HWND listView, LVITEMA& item);
LRESULT LvmSetItemA(HWND listView, LVITEMA& item);
// Inserts the caller's record; the new row's index, -1 on failure.
LRESULT LvmInsertItemA(HWND listView, LVITEMA& item);
LRESULT LvmDeleteItem(HWND listView, int32_t index);
// Removes every row.
LRESULT LvmDeleteAllItems(HWND listView);
LRESULT LvmGetCallbackMask(HWND listView);
LRESULT LvmSetCallbackMask(HWND listView, uint32_t mask);
// The flags go packed alone: only their low 16 bits reach the control.
LRESULT LvmGetNextItem(HWND listView, int32_t start, int32_t flags);
LRESULT LvmFindItemA(HWND listView, int32_t start, LVFINDINFOA& find);
// Stores the code into rect.left, so that the control fills the rectangle asked
// for whatever left held before.
LRESULT LvmGetItemRect(HWND listView, int32_t index, RECT& rect, int32_t code);
LRESULT LvmSetItemPosition(HWND listView, int32_t index, int32_t x, int32_t y);
LRESULT LvmGetItemPosition(HWND listView, int32_t index, POINT& position);
LRESULT LvmGetStringWidthA(HWND listView, const char* text);
LRESULT LvmHitTest(HWND listView, LVHITTESTINFO& hitTest);
LRESULT LvmEnsureVisible(HWND listView, int32_t index, int32_t partial);
LRESULT LvmScroll(HWND listView, int32_t dx, int32_t dy);
LRESULT LvmRedrawItems(HWND listView, int32_t first, int32_t last);
LRESULT LvmArrange(HWND listView, int32_t code);
LRESULT LvmEditLabelA(HWND listView, int32_t index);
LRESULT LvmGetEditControl(HWND listView);
LRESULT LvmGetColumnA(HWND listView, int32_t column, LVCOLUMNA& record);
LRESULT LvmSetColumnA(HWND listView, int32_t column, LVCOLUMNA& record);
LRESULT LvmInsertColumnA(HWND listView, int32_t column, LVCOLUMNA& record);
LRESULT LvmDeleteColumn(HWND listView, int32_t column);
LRESULT LvmGetColumnWidth(HWND listView, int32_t column);
LRESULT LvmSetColumnWidth(HWND listView, int32_t column, int32_t width);
LRESULT LvmGetHeader(HWND listView);
LRESULT LvmCreateDragImage(HWND listView, int32_t index, POINT& upperLeft);
LRESULT LvmGetViewRect(HWND listView, RECT& rect);
LRESULT LvmGetTextColor(HWND listView);
LRESULT LvmSetTextColor(HWND listView, COLORREF colour);
LRESULT LvmGetTextBkColor(HWND listView);
LRESULT LvmSetTextBkColor(HWND listView, COLORREF colour);
LRESULT LvmGetTopIndex(HWND listView);
LRESULT LvmGetCountPerPage(HWND listView);
LRESULT LvmGetOrigin(HWND listView, POINT& origin);
LRESULT LvmUpdate(HWND listView, int32_t index);
// Sets the masked state bits of a row from a local record; the answer is dropped.
void LvmSetItemState(HWND listView, int32_t index, uint32_t state, uint32_t stateMask);
LRESULT LvmGetItemState(HWND listView, int32_t index, uint32_t mask);
// All state bits above the low twelve: the state-image and overlay bits.
LRESULT LvmGetItemState(HWND listView, int32_t index);
// Fills the caller's buffer of `capacity` bytes with a cell's text, through a
// local record; the answer is dropped.
void LvmGetItemTextA(HWND listView, int32_t index, int32_t subItem, char* buffer, int32_t capacity);
// Sets one cell's text from a local record holding only the sub-item index and
// the text; the answer is dropped.
void LvmSetItemTextA(HWND listView, int32_t index, int32_t subItem, const char* text);
void LvmSetItemCount(HWND listView, int32_t count);
void LvmSetItemCount(HWND listView, int32_t count, uint32_t flags);
LRESULT LvmSortItems(HWND listView, PFNLVCOMPARE compare, LPARAM sortValue);
// Moves a row through a local POINT; the answer is dropped.
void LvmSetItemPosition32(HWND listView, int32_t index, int32_t x, int32_t y);
LRESULT LvmGetSelectedCount(HWND listView);
LRESULT LvmGetItemSpacing(HWND listView, int32_t smallIcons);
LRESULT LvmGetISearchStringA(HWND listView, char* buffer);
LRESULT LvmSetIconSpacing(HWND listView, int32_t cx, int32_t cy);
// With no mask every extended style is set or cleared.
LRESULT LvmSetExtendedListViewStyle(HWND listView, uint32_t style);
LRESULT LvmSetExtendedListViewStyle(HWND listView, uint32_t mask, uint32_t style);
LRESULT LvmGetExtendedListViewStyle(HWND listView);
// With a rectangle: stores the sub-item into top and the code into left, so that
// the control fills the one asked for. Without one (null), sends lParam 0.
LRESULT LvmGetSubItemRect(HWND listView, int32_t index, int32_t subItem, int32_t code, RECT* rect);
LRESULT LvmSubItemHitTest(HWND listView, LVHITTESTINFO& hitTest);
LRESULT LvmSetColumnOrderArray(HWND listView, int32_t count, int32_t* orders);
LRESULT LvmGetColumnOrderArray(HWND listView, int32_t count, int32_t* orders);
LRESULT LvmSetHotItem(HWND listView, int32_t index);
LRESULT LvmGetHotItem(HWND listView);
LRESULT LvmSetHotCursor(HWND listView, HCURSOR cursor);
LRESULT LvmGetHotCursor(HWND listView);
LRESULT LvmApproximateViewRect(HWND listView, int32_t cx, int32_t cy, int32_t count);
LRESULT LvmSetWorkAreas(HWND listView, int32_t count, RECT* areas);
LRESULT LvmGetWorkAreas(HWND listView, int32_t count, RECT* areas);
LRESULT LvmGetNumberOfWorkAreas(HWND listView, UINT& count);
LRESULT LvmGetSelectionMark(HWND listView);
LRESULT LvmSetSelectionMark(HWND listView, int32_t index);
LRESULT LvmSetHoverTime(HWND listView, uint32_t milliseconds);
LRESULT LvmGetHoverTime(HWND listView);
LRESULT LvmSetToolTips(HWND listView, HWND toolTips);
LRESULT LvmGetToolTips(HWND listView);
LRESULT LvmSetBkImageA(HWND listView, LVBKIMAGEA& image);
LRESULT LvmGetBkImageA(HWND listView, LVBKIMAGEA& image);

}  // namespace tabard
