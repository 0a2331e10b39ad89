#pragma once
// Header-control message wrappers, in library order, each named after the
// message it sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT HdmGetItemCount(HWND header);
LRESULT HdmInsertItemA(HWND header, int32_t index, HDITEMA& item);
LRESULT HdmDeleteItem(HWND header, int32_t index);
LRESULT HdmGetItemA(HWND header, int32_t index, HDITEMA& item);
LRESULT HdmSetItemA(HWND header, int32_t index, HDITEMA& item);
LRESULT HdmLayout(HWND header, HDLAYOUT& layout);
LRESULT HdmGetItemRect(HWND header, int32_t index, RECT& rect);
LRESULT HdmSetImageList(HWND header, HIMAGELIST imageList);
LRESULT HdmGetImageList(HWND header);
LRESULT HdmOrderToIndex(HWND header, int32_t order);
LRESULT HdmCreateDragImage(HWND header, int32_t index);
LRESULT HdmGetOrderArray(HWND header, int32_t count, int32_t* orders);
LRESULT HdmSetOrderArray(HWND header, int32_t count, int32_t* orders);
// `byPosition` non-zero: `value` is a packed point; otherwise a divider index.
LRESULT HdmSetHotDivider(HWND header, int32_t byPosition, LPARAM value);
LRESULT HeaderCcmSetUnicodeFormat(HWND header, int32_t format);
LRESULT HeaderCcmGetUnicodeFormat(HWND header);

}  // namespace tabard
