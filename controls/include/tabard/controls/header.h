#pragma once
/// @file
/// Header-control message wrappers, in library order, each named after the
/// message it sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_header
/// @{

/// Sends `HDM_GETITEMCOUNT`: the number of items, -1 on failure.
LRESULT HdmGetItemCount(HWND header);
/// Sends `HDM_INSERTITEMA`: inserts `item` before item `index` (0-based); the new
/// item's index, -1 on failure.
LRESULT HdmInsertItemA(HWND header, int32_t index, HDITEMA& item);
/// Sends `HDM_DELETEITEM`: removes item `index` (0-based); non-zero on success.
LRESULT HdmDeleteItem(HWND header, int32_t index);
/// Sends `HDM_GETITEMA`: fills the masked fields of `item` from item `index`
/// (0-based); non-zero on success.
LRESULT HdmGetItemA(HWND header, int32_t index, HDITEMA& item);
/// Sends `HDM_SETITEMA`: sets the masked fields of item `index` (0-based) from
/// `item`; non-zero on success.
LRESULT HdmSetItemA(HWND header, int32_t index, HDITEMA& item);
/// Sends `HDM_LAYOUT`: fills `layout` with the size and position the header wants
/// within its rectangle; non-zero on success.
LRESULT HdmLayout(HWND header, HDLAYOUT& layout);
/// Sends `HDM_GETITEMRECT`: stores item `index`'s rectangle (0-based) in `rect`;
/// non-zero on success.
LRESULT HdmGetItemRect(HWND header, int32_t index, RECT& rect);
/// Sends `HDM_SETIMAGELIST`: gives the header `imageList`; the previous one.
LRESULT HdmSetImageList(HWND header, HIMAGELIST imageList);
/// Sends `HDM_GETIMAGELIST`: the image list.
LRESULT HdmGetImageList(HWND header);
/// Sends `HDM_ORDERTOINDEX`: the index of the item at left-to-right position `order`.
LRESULT HdmOrderToIndex(HWND header, int32_t order);
/// Sends `HDM_CREATEDRAGIMAGE`: a new image list (the caller's to destroy) with the
/// picture of item `index` (0-based).
LRESULT HdmCreateDragImage(HWND header, int32_t index);
/// Sends `HDM_GETORDERARRAY`: stores the left-to-right order of `count` items in
/// `orders`; non-zero on success.
LRESULT HdmGetOrderArray(HWND header, int32_t count, int32_t* orders);
/// Sends `HDM_SETORDERARRAY`: sets the left-to-right order of `count` items from
/// `orders`; non-zero on success.
LRESULT HdmSetOrderArray(HWND header, int32_t count, int32_t* orders);
/// Sends `HDM_SETHOTDIVIDER`.
/// `byPosition` non-zero: `value` is a packed point; otherwise a divider index.
LRESULT HdmSetHotDivider(HWND header, int32_t byPosition, LPARAM value);
/// Sends CCM_SETUNICODEFORMAT: wide-character notifications when `format` is
/// non-zero; the previous format.
LRESULT HeaderCcmSetUnicodeFormat(HWND header, int32_t format);
/// Sends CCM_GETUNICODEFORMAT: non-zero when the header sends wide-character
/// notifications.
LRESULT HeaderCcmGetUnicodeFormat(HWND header);

/// @}
}  // namespace tabard
