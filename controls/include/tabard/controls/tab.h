#pragma once
/// @file
/// Tab-control message wrappers, in library order, each named after the message
/// it sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_tab
/// @{

/// Sends `TCM_GETIMAGELIST`: the image list.
LRESULT TcmGetImageList(HWND tab);
/// Sends `TCM_SETIMAGELIST`: gives the tab control `imageList`; the previous one.
LRESULT TcmSetImageList(HWND tab, HIMAGELIST imageList);
/// Sends `TCM_GETITEMCOUNT`: the number of tabs.
LRESULT TcmGetItemCount(HWND tab);
/// Sends `TCM_GETITEMA`: fills the masked fields of `item` from tab `index`
/// (0-based); non-zero on success.
LRESULT TcmGetItemA(HWND tab, int32_t index, TCITEMA& item);
/// Sends `TCM_SETITEMA`: sets the masked fields of tab `index` (0-based) from `item`;
/// non-zero on success.
LRESULT TcmSetItemA(HWND tab, int32_t index, TCITEMA& item);
/// Sends `TCM_INSERTITEMA`: inserts `item` as tab `index` (0-based); the new tab's
/// index, -1 on failure.
LRESULT TcmInsertItemA(HWND tab, int32_t index, TCITEMA& item);
/// Sends `TCM_DELETEITEM`: removes tab `index` (0-based); non-zero on success.
LRESULT TcmDeleteItem(HWND tab, int32_t index);
/// Sends `TCM_DELETEALLITEMS`: removes every tab; non-zero on success.
LRESULT TcmDeleteAllItems(HWND tab);
/// Sends `TCM_GETITEMRECT`: stores tab `index`'s rectangle (0-based) in `rect`;
/// non-zero on success.
LRESULT TcmGetItemRect(HWND tab, int32_t index, RECT& rect);
/// Sends `TCM_GETCURSEL`: the 0-based index of the selected tab, -1 when none.
LRESULT TcmGetCurSel(HWND tab);
/// Sends `TCM_SETCURSEL`: selects tab `index` (0-based); the previously selected tab,
/// -1 when none.
LRESULT TcmSetCurSel(HWND tab, int32_t index);
/// Sends `TCM_HITTEST`: the 0-based tab at the point in `hitTest`, filling in its
/// flags; -1 when none.
LRESULT TcmHitTest(HWND tab, TCHITTESTINFO& hitTest);
/// Sends `TCM_SETITEMEXTRA`: reserves `bytes` bytes of application data per tab (only
/// while there are no tabs); non-zero on success.
LRESULT TcmSetItemExtra(HWND tab, int32_t bytes);
/// Sends `TCM_ADJUSTRECT`: turns `rect` from a display area into the window rectangle
/// (`larger` non-zero) or back; the answer is the control's.
LRESULT TcmAdjustRect(HWND tab, int32_t larger, RECT& rect);
/// Sends `TCM_SETITEMSIZE`: sets the width and height of fixed-width tabs; the
/// previous ones packed.
LRESULT TcmSetItemSize(HWND tab, int32_t cx, int32_t cy);
/// Sends `TCM_REMOVEIMAGE`: removes image `image` from the image list, renumbering
/// the tabs' images.
void TcmRemoveImage(HWND tab, int32_t image);
/// Sends `TCM_SETPADDING`: sets the space around each tab's icon and label.
void TcmSetPadding(HWND tab, int32_t cx, int32_t cy);
/// Sends `TCM_GETROWCOUNT`: the number of rows of tabs.
LRESULT TcmGetRowCount(HWND tab);
/// Sends `TCM_GETTOOLTIPS`: the tooltip control.
LRESULT TcmGetToolTips(HWND tab);
/// Sends `TCM_SETTOOLTIPS`: gives the tab control the tooltip control `toolTips`.
void TcmSetToolTips(HWND tab, HWND toolTips);
/// Sends `TCM_GETCURFOCUS`: the 0-based index of the tab with the focus.
LRESULT TcmGetCurFocus(HWND tab);
/// Sends `TCM_SETCURFOCUS`: gives tab `index` (0-based) the focus.
void TcmSetCurFocus(HWND tab, int32_t index);
/// Sends `TCM_SETMINTABWIDTH`: sets the least tab width in pixels (-1: the default);
/// the previous one.
LRESULT TcmSetMinTabWidth(HWND tab, int32_t width);
/// Sends `TCM_DESELECTALL`: deselects the tabs of a button tab control (all but the
/// current one when `excludeFocus` is non-zero).
void TcmDeselectAll(HWND tab, int32_t excludeFocus);
/// Sends `TCM_HIGHLIGHTITEM`.
/// The highlight value goes packed alone: only its low 16 bits reach the control.
LRESULT TcmHighlightItem(HWND tab, int32_t index, int32_t highlight);
/// Sends `TCM_SETEXTENDEDSTYLE`: sets the extended style bits `style` under `mask`;
/// the previous style.
LRESULT TcmSetExtendedStyle(HWND tab, uint32_t mask, uint32_t style);
/// Sends `TCM_GETEXTENDEDSTYLE`: the extended style (TCS_EX_ bits).
LRESULT TcmGetExtendedStyle(HWND tab);
/// Sends CCM_SETUNICODEFORMAT: wide-character notifications when `format` is
/// non-zero; the previous format.
LRESULT TabCcmSetUnicodeFormat(HWND tab, int32_t format);
/// Sends CCM_GETUNICODEFORMAT: non-zero when the tab control sends wide-character
/// notifications.
LRESULT TabCcmGetUnicodeFormat(HWND tab);

/// @}
}  // namespace tabard
