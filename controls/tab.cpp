#include <tabard/controls/tab.h>

#include <tabard/controls/message_shapes.h>

namespace tabard {

LRESULT TcmGetImageList(HWND tab) { return SendPlain(tab, TCM_GETIMAGELIST); }
LRESULT TcmSetImageList(HWND tab, HIMAGELIST imageList) { return SendPlain(tab, TCM_SETIMAGELIST, 0, imageList); }
LRESULT TcmGetItemCount(HWND tab) { return SendPlain(tab, TCM_GETITEMCOUNT); }
LRESULT TcmGetItemA(HWND tab, int32_t index, TCITEMA& item) { return SendRecord(tab, TCM_GETITEMA, index, item); }
LRESULT TcmSetItemA(HWND tab, int32_t index, TCITEMA& item) { return SendRecord(tab, TCM_SETITEMA, index, item); }
LRESULT TcmInsertItemA(HWND tab, int32_t index, TCITEMA& item) { return SendRecord(tab, TCM_INSERTITEMA, index, item); }
LRESULT TcmDeleteItem(HWND tab, int32_t index) { return SendPlain(tab, TCM_DELETEITEM, index); }
LRESULT TcmDeleteAllItems(HWND tab) { return SendPlain(tab, TCM_DELETEALLITEMS); }
LRESULT TcmGetItemRect(HWND tab, int32_t index, RECT& rect) { return SendRecord(tab, TCM_GETITEMRECT, index, rect); }
LRESULT TcmGetCurSel(HWND tab) { return SendPlain(tab, TCM_GETCURSEL); }
LRESULT TcmSetCurSel(HWND tab, int32_t index) { return SendPlain(tab, TCM_SETCURSEL, index); }
LRESULT TcmHitTest(HWND tab, TCHITTESTINFO& hitTest) { return SendRecord(tab, TCM_HITTEST, 0, hitTest); }
LRESULT TcmSetItemExtra(HWND tab, int32_t bytes) { return SendPlain(tab, TCM_SETITEMEXTRA, bytes); }
LRESULT TcmAdjustRect(HWND tab, int32_t larger, RECT& rect) { return SendRecord(tab, TCM_ADJUSTRECT, larger, rect); }
LRESULT TcmSetItemSize(HWND tab, int32_t cx, int32_t cy) { return SendPacked(tab, TCM_SETITEMSIZE, 0, cx, cy); }
void TcmRemoveImage(HWND tab, int32_t image) { SendDropResult(tab, TCM_REMOVEIMAGE, image); }
void TcmSetPadding(HWND tab, int32_t cx, int32_t cy) { SendDropResult(tab, TCM_SETPADDING, 0, PackWords(cx, cy)); }
LRESULT TcmGetRowCount(HWND tab) { return SendPlain(tab, TCM_GETROWCOUNT); }
LRESULT TcmGetToolTips(HWND tab) { return SendPlain(tab, TCM_GETTOOLTIPS); }
void TcmSetToolTips(HWND tab, HWND toolTips) { SendDropResult(tab, TCM_SETTOOLTIPS, toolTips); }
LRESULT TcmGetCurFocus(HWND tab) { return SendPlain(tab, TCM_GETCURFOCUS); }
void TcmSetCurFocus(HWND tab, int32_t index) { SendDropResult(tab, TCM_SETCURFOCUS, index); }
LRESULT TcmSetMinTabWidth(HWND tab, int32_t width) { return SendPlain(tab, TCM_SETMINTABWIDTH, 0, width); }
void TcmDeselectAll(HWND tab, int32_t excludeFocus) { SendDropResult(tab, TCM_DESELECTALL, excludeFocus); }
LRESULT TcmHighlightItem(HWND tab, int32_t index, int32_t highlight) {
  return SendPlain(tab, TCM_HIGHLIGHTITEM, index, PackLow(highlight));
}
LRESULT TcmSetExtendedStyle(HWND tab, uint32_t mask, uint32_t style) {
  return SendPlain(tab, TCM_SETEXTENDEDSTYLE, mask, style);
}
LRESULT TcmGetExtendedStyle(HWND tab) { return SendPlain(tab, TCM_GETEXTENDEDSTYLE); }
LRESULT TabCcmSetUnicodeFormat(HWND tab, int32_t format) { return SendPlain(tab, CCM_SETUNICODEFORMAT, format); }
LRESULT TabCcmGetUnicodeFormat(HWND tab) { return SendPlain(tab, CCM_GETUNICODEFORMAT); }

}  // namespace tabard
