#include <tabard/controls/list_view.h>

#include <tabard/controls/message_shapes.h>

namespace tabard {

namespace {
// Every state bit above the low twelve: the state-image and overlay bits alike.
constexpr uint32_t kStateImageBits = 0xFFFFF000;

LVITEMA ItemState(uint32_t state, uint32_t stateMask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = stateMask;
  return item;
}
LVITEMA ItemText(int32_t subItem, char* text, int32_t capacity) {
  LVITEMA item{};
  item.iSubItem = subItem;
  item.pszText = text;
  item.cchTextMax = capacity;
  return item;
}
}  // namespace

LRESULT ListViewCcmSetUnicodeFormat(HWND listView, int32_t format) {
  return SendPlain(listView, CCM_SETUNICODEFORMAT, format);
}
LRESULT ListViewCcmGetUnicodeFormat(HWND listView) { return SendPlain(listView, CCM_GETUNICODEFORMAT); }
LRESULT LvmGetBkColor(HWND listView) { return SendPlain(listView, LVM_GETBKCOLOR); }
LRESULT LvmSetBkColor(HWND listView, COLORREF colour) { return SendPlain(listView, LVM_SETBKCOLOR, 0, colour); }
LRESULT LvmGetImageList(HWND listView, int32_t listType) { return SendPlain(listView, LVM_GETIMAGELIST, listType); }
LRESULT LvmSetImageList(HWND listView, HIMAGELIST imageList, int32_t listType) {
  return SendReversed(listView, LVM_SETIMAGELIST, imageList, listType);
}
LRESULT LvmGetItemCount(HWND listView) { return SendPlain(listView, LVM_GETITEMCOUNT); }
LRESULT LvmGetItemA(HWND listView, LVITEMA& item) { return SendRecord(listView, LVM_GETITEMA, 0, item); }
LRESULT LvmSetItemA(HWND listView, LVITEMA& item) { return SendRecord(listView, LVM_SETITEMA, 0, item); }
LRESULT LvmInsertItemA(HWND listView, LVITEMA& item) { return SendRecord(listView, LVM_INSERTITEMA, 0, item); }
LRESULT LvmDeleteItem(HWND listView, int32_t index) { return SendPlain(listView, LVM_DELETEITEM, index); }
LRESULT LvmDeleteAllItems(HWND listView) { return SendPlain(listView, LVM_DELETEALLITEMS); }
LRESULT LvmGetCallbackMask(HWND listView) { return SendPlain(listView, LVM_GETCALLBACKMASK); }
LRESULT LvmSetCallbackMask(HWND listView, uint32_t mask) { return SendPlain(listView, LVM_SETCALLBACKMASK, mask); }
LRESULT LvmGetNextItem(HWND listView, int32_t start, int32_t flags) {
  return SendPlain(listView, LVM_GETNEXTITEM, start, PackLow(flags));
}
LRESULT LvmFindItemA(HWND listView, int32_t start, LVFINDINFOA& find) {
  return SendRecord(listView, LVM_FINDITEMA, start, find);
}
LRESULT LvmGetItemRect(HWND listView, int32_t index, RECT& rect, int32_t code) {
  rect.left = code;
  return SendRecord(listView, LVM_GETITEMRECT, index, rect);
}
LRESULT LvmSetItemPosition(HWND listView, int32_t index, int32_t x, int32_t y) {
  return SendPacked(listView, LVM_SETITEMPOSITION, index, x, y);
}
LRESULT LvmGetItemPosition(HWND listView, int32_t index, POINT& position) {
  return SendRecord(listView, LVM_GETITEMPOSITION, index, position);
}
LRESULT LvmGetStringWidthA(HWND listView, const char* text) {
  return SendPlain(listView, LVM_GETSTRINGWIDTHA, 0, text);
}
LRESULT LvmHitTest(HWND listView, LVHITTESTINFO& hitTest) { return SendRecord(listView, LVM_HITTEST, 0, hitTest); }
LRESULT LvmEnsureVisible(HWND listView, int32_t index, int32_t partial) {
  return SendPlain(listView, LVM_ENSUREVISIBLE, index, PackLow(partial));
}
LRESULT LvmScroll(HWND listView, int32_t dx, int32_t dy) { return SendPlain(listView, LVM_SCROLL, dx, dy); }
LRESULT LvmRedrawItems(HWND listView, int32_t first, int32_t last) {
  return SendPlain(listView, LVM_REDRAWITEMS, first, last);
}
LRESULT LvmArrange(HWND listView, int32_t code) { return SendPlain(listView, LVM_ARRANGE, code); }
LRESULT LvmEditLabelA(HWND listView, int32_t index) { return SendPlain(listView, LVM_EDITLABELA, index); }
LRESULT LvmGetEditControl(HWND listView) { return SendPlain(listView, LVM_GETEDITCONTROL); }
LRESULT LvmGetColumnA(HWND listView, int32_t column, LVCOLUMNA& record) {
  return SendRecord(listView, LVM_GETCOLUMNA, column, record);
}
LRESULT LvmSetColumnA(HWND listView, int32_t column, LVCOLUMNA& record) {
  return SendRecord(listView, LVM_SETCOLUMNA, column, record);
}
LRESULT LvmInsertColumnA(HWND listView, int32_t column, LVCOLUMNA& record) {
  return SendRecord(listView, LVM_INSERTCOLUMNA, column, record);
}
LRESULT LvmDeleteColumn(HWND listView, int32_t column) { return SendPlain(listView, LVM_DELETECOLUMN, column); }
LRESULT LvmGetColumnWidth(HWND listView, int32_t column) { return SendPlain(listView, LVM_GETCOLUMNWIDTH, column); }
LRESULT LvmSetColumnWidth(HWND listView, int32_t column, int32_t width) {
  return SendPlain(listView, LVM_SETCOLUMNWIDTH, column, PackLow(width));
}
LRESULT LvmGetHeader(HWND listView) { return SendPlain(listView, LVM_GETHEADER); }
LRESULT LvmCreateDragImage(HWND listView, int32_t index, POINT& upperLeft) {
  return SendRecord(listView, LVM_CREATEDRAGIMAGE, index, upperLeft);
}
LRESULT LvmGetViewRect(HWND listView, RECT& rect) { return SendRecord(listView, LVM_GETVIEWRECT, 0, rect); }
LRESULT LvmGetTextColor(HWND listView) { return SendPlain(listView, LVM_GETTEXTCOLOR); }
LRESULT LvmSetTextColor(HWND listView, COLORREF colour) { return SendPlain(listView, LVM_SETTEXTCOLOR, 0, colour); }
LRESULT LvmGetTextBkColor(HWND listView) { return SendPlain(listView, LVM_GETTEXTBKCOLOR); }
LRESULT LvmSetTextBkColor(HWND listView, COLORREF colour) { return SendPlain(listView, LVM_SETTEXTBKCOLOR, 0, colour); }
LRESULT LvmGetTopIndex(HWND listView) { return SendPlain(listView, LVM_GETTOPINDEX); }
LRESULT LvmGetCountPerPage(HWND listView) { return SendPlain(listView, LVM_GETCOUNTPERPAGE); }
LRESULT LvmGetOrigin(HWND listView, POINT& origin) { return SendRecord(listView, LVM_GETORIGIN, 0, origin); }
LRESULT LvmUpdate(HWND listView, int32_t index) { return SendPlain(listView, LVM_UPDATE, index); }
void LvmSetItemState(HWND listView, int32_t index, uint32_t state, uint32_t stateMask) {
  SendLocalRecord(listView, LVM_SETITEMSTATE, index, ItemState(state, stateMask));
}
LRESULT LvmGetItemState(HWND listView, int32_t index, uint32_t mask) {
  return SendPlain(listView, LVM_GETITEMSTATE, index, mask);
}
LRESULT LvmGetItemState(HWND listView, int32_t index) {
  return SendPlain(listView, LVM_GETITEMSTATE, index, kStateImageBits);
}
void LvmGetItemTextA(HWND listView, int32_t index, int32_t subItem, char* buffer, int32_t capacity) {
  SendLocalRecord(listView, LVM_GETITEMTEXTA, index, ItemText(subItem, buffer, capacity));
}
void LvmSetItemTextA(HWND listView, int32_t index, int32_t subItem, const char* text) {
  SendLocalRecord(listView, LVM_SETITEMTEXTA, index, ItemText(subItem, const_cast<char*>(text), 0));
}
void LvmSetItemCount(HWND listView, int32_t count) { SendDropResult(listView, LVM_SETITEMCOUNT, count); }
void LvmSetItemCount(HWND listView, int32_t count, uint32_t flags) {
  SendDropResult(listView, LVM_SETITEMCOUNT, count, flags);
}
LRESULT LvmSortItems(HWND listView, PFNLVCOMPARE compare, LPARAM sortValue) {
  return SendReversed(listView, LVM_SORTITEMS, compare, sortValue);
}
void LvmSetItemPosition32(HWND listView, int32_t index, int32_t x, int32_t y) {
  SendLocalRecord(listView, LVM_SETITEMPOSITION32, index, POINT{x, y});
}
LRESULT LvmGetSelectedCount(HWND listView) { return SendPlain(listView, LVM_GETSELECTEDCOUNT); }
LRESULT LvmGetItemSpacing(HWND listView, int32_t smallIcons) {
  return SendPlain(listView, LVM_GETITEMSPACING, smallIcons);
}
LRESULT LvmGetISearchStringA(HWND listView, char* buffer) {
  return SendPlain(listView, LVM_GETISEARCHSTRINGA, 0, buffer);
}
LRESULT LvmSetIconSpacing(HWND listView, int32_t cx, int32_t cy) {
  return SendPacked(listView, LVM_SETICONSPACING, 0, cx, cy);
}
LRESULT LvmSetExtendedListViewStyle(HWND listView, uint32_t style) {
  return SendPlain(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
}
LRESULT LvmSetExtendedListViewStyle(HWND listView, uint32_t mask, uint32_t style) {
  return SendPlain(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}
LRESULT LvmGetExtendedListViewStyle(HWND listView) { return SendPlain(listView, LVM_GETEXTENDEDLISTVIEWSTYLE); }
LRESULT LvmSubItemHitTest(HWND listView, LVHITTESTINFO& hitTest) {
  return SendRecord(listView, LVM_SUBITEMHITTEST, 0, hitTest);
}
LRESULT LvmSetColumnOrderArray(HWND listView, int32_t count, int32_t* orders) {
  return SendPlain(listView, LVM_SETCOLUMNORDERARRAY, count, orders);
}
LRESULT LvmGetColumnOrderArray(HWND listView, int32_t count, int32_t* orders) {
  return SendPlain(listView, LVM_GETCOLUMNORDERARRAY, count, orders);
}
LRESULT LvmSetHotItem(HWND listView, int32_t index) { return SendPlain(listView, LVM_SETHOTITEM, index); }
LRESULT LvmGetHotItem(HWND listView) { return SendPlain(listView, LVM_GETHOTITEM); }
LRESULT LvmSetHotCursor(HWND listView, HCURSOR cursor) { return SendPlain(listView, LVM_SETHOTCURSOR, 0, cursor); }
LRESULT LvmGetHotCursor(HWND listView) { return SendPlain(listView, LVM_GETHOTCURSOR); }
LRESULT LvmApproximateViewRect(HWND listView, int32_t cx, int32_t cy, int32_t count) {
  return SendPacked(listView, LVM_APPROXIMATEVIEWRECT, count, cx, cy);
}
LRESULT LvmSetWorkAreas(HWND listView, int32_t count, RECT* areas) {
  return SendPlain(listView, LVM_SETWORKAREAS, count, areas);
}
LRESULT LvmGetWorkAreas(HWND listView, int32_t count, RECT* areas) {
  return SendPlain(listView, LVM_GETWORKAREAS, count, areas);
}
LRESULT LvmGetNumberOfWorkAreas(HWND listView, UINT& count) {
  return SendRecord(listView, LVM_GETNUMBEROFWORKAREAS, 0, count);
}
LRESULT LvmGetSelectionMark(HWND listView) { return SendPlain(listView, LVM_GETSELECTIONMARK); }
LRESULT LvmSetSelectionMark(HWND listView, int32_t index) {
  return SendPlain(listView, LVM_SETSELECTIONMARK, 0, index);
}
LRESULT LvmSetHoverTime(HWND listView, uint32_t milliseconds) {
  return SendPlain(listView, LVM_SETHOVERTIME, 0, milliseconds);
}
LRESULT LvmGetHoverTime(HWND listView) { return SendPlain(listView, LVM_GETHOVERTIME); }
LRESULT LvmSetToolTips(HWND listView, HWND toolTips) { return SendPlain(listView, LVM_SETTOOLTIPS, toolTips); }
LRESULT LvmGetToolTips(HWND listView) { return SendPlain(listView, LVM_GETTOOLTIPS); }
LRESULT LvmSetBkImageA(HWND listView, LVBKIMAGEA& image) { return SendRecord(listView, LVM_SETBKIMAGEA, 0, image); }
LRESULT LvmGetBkImageA(HWND listView, LVBKIMAGEA& image) { return SendRecord(listView, LVM_GETBKIMAGEA, 0, image); }

LRESULT LvmGetSubItemRect(HWND listView, int32_t index, int32_t subItem, int32_t code, RECT* rect) {
  if (rect != nullptr) {
    rect->top = subItem;
    rect->left = code;
  }
  return SendPlain(listView, LVM_GETSUBITEMRECT, index, rect);
}

}  // namespace tabard
