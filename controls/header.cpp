#include <tabard/controls/header.h>

#include <tabard/controls/message_shapes.h>

namespace tabard {

LRESULT HdmGetItemCount(HWND header) { return SendPlain(header, HDM_GETITEMCOUNT); }
LRESULT HdmInsertItemA(HWND header, int32_t index, HDITEMA& item) {
  return SendRecord(header, HDM_INSERTITEMA, index, item);
}
LRESULT HdmDeleteItem(HWND header, int32_t index) { return SendPlain(header, HDM_DELETEITEM, index); }
LRESULT HdmGetItemA(HWND header, int32_t index, HDITEMA& item) { return SendRecord(header, HDM_GETITEMA, index, item); }
LRESULT HdmSetItemA(HWND header, int32_t index, HDITEMA& item) { return SendRecord(header, HDM_SETITEMA, index, item); }
LRESULT HdmLayout(HWND header, HDLAYOUT& layout) { return SendRecord(header, HDM_LAYOUT, 0, layout); }
LRESULT HdmGetItemRect(HWND header, int32_t index, RECT& rect) {
  return SendRecord(header, HDM_GETITEMRECT, index, rect);
}
LRESULT HdmSetImageList(HWND header, HIMAGELIST imageList) { return SendPlain(header, HDM_SETIMAGELIST, 0, imageList); }
LRESULT HdmGetImageList(HWND header) { return SendPlain(header, HDM_GETIMAGELIST); }
LRESULT HdmOrderToIndex(HWND header, int32_t order) { return SendPlain(header, HDM_ORDERTOINDEX, order); }
LRESULT HdmCreateDragImage(HWND header, int32_t index) { return SendPlain(header, HDM_CREATEDRAGIMAGE, index); }
LRESULT HdmGetOrderArray(HWND header, int32_t count, int32_t* orders) {
  return SendPlain(header, HDM_GETORDERARRAY, count, orders);
}
LRESULT HdmSetOrderArray(HWND header, int32_t count, int32_t* orders) {
  return SendPlain(header, HDM_SETORDERARRAY, count, orders);
}
LRESULT HdmSetHotDivider(HWND header, int32_t byPosition, LPARAM value) {
  return SendPlain(header, HDM_SETHOTDIVIDER, byPosition, value);
}
LRESULT HeaderCcmSetUnicodeFormat(HWND header, int32_t format) {
  return SendPlain(header, CCM_SETUNICODEFORMAT, format);
}
LRESULT HeaderCcmGetUnicodeFormat(HWND header) { return SendPlain(header, CCM_GETUNICODEFORMAT); }

}  // namespace tabard
