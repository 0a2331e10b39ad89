#pragma once
/// @file
/// List-view message wrappers, in library order, each named after the message it
/// sends. Records are the caller's unless a wrapper builds a local one.
#include <cstdint>

#include <tabard/controls/packing.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_list_view
/// @{

/// Sends CCM_SETUNICODEFORMAT: wide-character notifications when `format` is
/// non-zero; the previous format.
LRESULT ListViewCcmSetUnicodeFormat(HWND listView, int32_t format);
/// Sends CCM_GETUNICODEFORMAT: non-zero when the list view sends wide-character
/// notifications.
LRESULT ListViewCcmGetUnicodeFormat(HWND listView);
/// Sends `LVM_GETBKCOLOR`: the background colour.
LRESULT LvmGetBkColor(HWND listView);
/// Sends `LVM_SETBKCOLOR`: sets the background colour (CLR_NONE: none); non-zero on
/// success.
LRESULT LvmSetBkColor(HWND listView, COLORREF colour);
/// Sends `LVM_GETIMAGELIST`: the image list of type `listType` (LVSIL_).
LRESULT LvmGetImageList(HWND listView, int32_t listType);
/// Sends `LVM_SETIMAGELIST`: gives the list view `imageList` as type `listType`
/// (LVSIL_); the previous one.
LRESULT LvmSetImageList(HWND listView, HIMAGELIST imageList, int32_t listType);
/// Sends `LVM_GETITEMCOUNT`.
/// The number of rows.
LRESULT LvmGetItemCount(HWND listView);
/// Sends `LVM_GETITEMA`: fills the masked fields of `item` from the row and sub-item
/// it names (0-based); non-zero on success.
LRESULT LvmGetItemA(HWND listView, LVITEMA& item);
/// Sends `LVM_SETITEMA`: sets the masked fields of the row and sub-item `item` names
/// (0-based); non-zero on success.
LRESULT LvmSetItemA(HWND listView, LVITEMA& item);
/// Sends `LVM_INSERTITEMA`.
/// Inserts the caller's record; the new row's index, -1 on failure.
LRESULT LvmInsertItemA(HWND listView, LVITEMA& item);
/// Sends `LVM_DELETEITEM`: removes row `index` (0-based); non-zero on success.
LRESULT LvmDeleteItem(HWND listView, int32_t index);
/// Sends `LVM_DELETEALLITEMS`.
/// Removes every row.
LRESULT LvmDeleteAllItems(HWND listView);
/// Sends `LVM_GETCALLBACKMASK`: the state bits the program keeps itself.
LRESULT LvmGetCallbackMask(HWND listView);
/// Sends `LVM_SETCALLBACKMASK`: sets the state bits the program keeps itself;
/// non-zero on success.
LRESULT LvmSetCallbackMask(HWND listView, uint32_t mask);
/// Sends `LVM_GETNEXTITEM`.
/// The flags go packed alone: only their low 16 bits reach the control.
LRESULT LvmGetNextItem(HWND listView, int32_t start, int32_t flags);
/// Sends `LVM_FINDITEMA`: the first row after `start` (-1: from the top) that `find`
/// describes; its 0-based index, -1 when none.
LRESULT LvmFindItemA(HWND listView, int32_t start, LVFINDINFOA& find);
/// Sends `LVM_GETITEMRECT`.
/// Stores the code into rect.left, so that the control fills the rectangle asked
/// for whatever left held before.
LRESULT LvmGetItemRect(HWND listView, int32_t index, RECT& rect, int32_t code);
/// Sends `LVM_SETITEMPOSITION`: moves row `index` (0-based) to (`x`, `y`) in an icon
/// view; non-zero on success.
LRESULT LvmSetItemPosition(HWND listView, int32_t index, int32_t x, int32_t y);
/// Sends `LVM_GETITEMPOSITION`: stores row `index`'s position (0-based) in
/// `position`; non-zero on success.
LRESULT LvmGetItemPosition(HWND listView, int32_t index, POINT& position);
/// Sends `LVM_GETSTRINGWIDTHA`: the width of `text` in pixels in the list view's
/// font, 0 on failure.
LRESULT LvmGetStringWidthA(HWND listView, const char* text);
/// Sends `LVM_HITTEST`: the 0-based row at the point in `hitTest`, filling in its
/// flags; -1 when none.
LRESULT LvmHitTest(HWND listView, LVHITTESTINFO& hitTest);
/// Sends `LVM_ENSUREVISIBLE`: scrolls row `index` (0-based) into view, wholly unless
/// `partial` is non-zero; non-zero on success.
LRESULT LvmEnsureVisible(HWND listView, int32_t index, int32_t partial);
/// Sends `LVM_SCROLL`: scrolls by `dx` and `dy` pixels (rows in report view);
/// non-zero on success.
LRESULT LvmScroll(HWND listView, int32_t dx, int32_t dy);
/// Sends `LVM_REDRAWITEMS`: repaints rows `first` to `last` (0-based) when the window
/// next paints; non-zero on success.
LRESULT LvmRedrawItems(HWND listView, int32_t first, int32_t last);
/// Sends `LVM_ARRANGE`: arranges the icons as `code` (LVA_) says; non-zero on success.
LRESULT LvmArrange(HWND listView, int32_t code);
/// Sends `LVM_EDITLABELA`: starts editing row `index`'s label (0-based; -1 ends it);
/// the edit control, null on failure.
LRESULT LvmEditLabelA(HWND listView, int32_t index);
/// Sends `LVM_GETEDITCONTROL`: the edit control of a label being edited, null when none.
LRESULT LvmGetEditControl(HWND listView);
/// Sends `LVM_GETCOLUMNA`: fills the masked fields of `record` from column `column`
/// (0-based); non-zero on success.
LRESULT LvmGetColumnA(HWND listView, int32_t column, LVCOLUMNA& record);
/// Sends `LVM_SETCOLUMNA`: sets the masked fields of column `column` (0-based) from
/// `record`; non-zero on success.
LRESULT LvmSetColumnA(HWND listView, int32_t column, LVCOLUMNA& record);
/// Sends `LVM_INSERTCOLUMNA`: inserts `record` as column `column` (0-based); the new
/// column's index, -1 on failure.
LRESULT LvmInsertColumnA(HWND listView, int32_t column, LVCOLUMNA& record);
/// Sends `LVM_DELETECOLUMN`: removes column `column` (0-based); non-zero on success.
LRESULT LvmDeleteColumn(HWND listView, int32_t column);
/// Sends `LVM_GETCOLUMNWIDTH`: the width of column `column` (0-based) in pixels, 0 on
/// failure.
LRESULT LvmGetColumnWidth(HWND listView, int32_t column);
/// Sends `LVM_SETCOLUMNWIDTH`: sets column `column`'s width (0-based) in pixels, or
/// LVSCW_AUTOSIZE(_USEHEADER); non-zero on success.
LRESULT LvmSetColumnWidth(HWND listView, int32_t column, int32_t width);
/// Sends `LVM_GETHEADER`: the header control of the report view.
LRESULT LvmGetHeader(HWND listView);
/// Sends `LVM_CREATEDRAGIMAGE`: a new image list (the caller's to destroy) with row
/// `index`'s picture; stores its upper left in `upperLeft`.
LRESULT LvmCreateDragImage(HWND listView, int32_t index, POINT& upperLeft);
/// Sends `LVM_GETVIEWRECT`: stores the rectangle around every row in `rect` (icon
/// views); non-zero on success.
LRESULT LvmGetViewRect(HWND listView, RECT& rect);
/// Sends `LVM_GETTEXTCOLOR`: the text colour.
LRESULT LvmGetTextColor(HWND listView);
/// Sends `LVM_SETTEXTCOLOR`: sets the text colour; non-zero on success.
LRESULT LvmSetTextColor(HWND listView, COLORREF colour);
/// Sends `LVM_GETTEXTBKCOLOR`: the text background colour.
LRESULT LvmGetTextBkColor(HWND listView);
/// Sends `LVM_SETTEXTBKCOLOR`: sets the text background colour (CLR_NONE: none);
/// non-zero on success.
LRESULT LvmSetTextBkColor(HWND listView, COLORREF colour);
/// Sends `LVM_GETTOPINDEX`: the 0-based index of the top visible row (list and report
/// views).
LRESULT LvmGetTopIndex(HWND listView);
/// Sends `LVM_GETCOUNTPERPAGE`: how many rows fit in the visible area (list and
/// report views).
LRESULT LvmGetCountPerPage(HWND listView);
/// Sends `LVM_GETORIGIN`: stores the view's origin in `origin`; non-zero on success.
LRESULT LvmGetOrigin(HWND listView, POINT& origin);
/// Sends `LVM_UPDATE`: arranges the view again and repaints row `index` (0-based);
/// non-zero on success.
LRESULT LvmUpdate(HWND listView, int32_t index);
/// Sends `LVM_SETITEMSTATE`.
/// Sets the masked state bits of a row from a local record; the answer is dropped.
void LvmSetItemState(HWND listView, int32_t index, uint32_t state, uint32_t stateMask);
/// Sends `LVM_GETITEMSTATE`: the state bits of row `index` (0-based) under `mask`.
LRESULT LvmGetItemState(HWND listView, int32_t index, uint32_t mask);
/// Sends `LVM_GETITEMSTATE`.
/// All state bits above the low twelve: the state-image and overlay bits.
LRESULT LvmGetItemState(HWND listView, int32_t index);
/// Sends `LVM_GETITEMTEXTA`.
/// Fills the caller's buffer of `capacity` bytes with a cell's text, through a
/// local record; the answer is dropped.
void LvmGetItemTextA(HWND listView, int32_t index, int32_t subItem, char* buffer, int32_t capacity);
/// Sends `LVM_SETITEMTEXTA`.
/// Sets one cell's text from a local record holding only the sub-item index and
/// the text; the answer is dropped.
void LvmSetItemTextA(HWND listView, int32_t index, int32_t subItem, const char* text);
/// Sends `LVM_SETITEMCOUNT`: makes room for `count` rows (a virtual list: shows that
/// many); the answer is dropped.
void LvmSetItemCount(HWND listView, int32_t count);
/// As the one above, with `flags` (LVSICF_) for a virtual list.
void LvmSetItemCount(HWND listView, int32_t count, uint32_t flags);
/// Sends `LVM_SORTITEMS`: sorts the rows with `compare`, which gets two rows' values
/// and `sortValue`; non-zero on success.
LRESULT LvmSortItems(HWND listView, PFNLVCOMPARE compare, LPARAM sortValue);
/// Sends `LVM_SETITEMPOSITION32`.
/// Moves a row through a local POINT; the answer is dropped.
void LvmSetItemPosition32(HWND listView, int32_t index, int32_t x, int32_t y);
/// Sends `LVM_GETSELECTEDCOUNT`: the number of selected rows.
LRESULT LvmGetSelectedCount(HWND listView);
/// Sends `LVM_GETITEMSPACING`: the spacing between icons (small icons when
/// `smallIcons` is non-zero): horizontal in the low word, vertical in the high word.
LRESULT LvmGetItemSpacing(HWND listView, int32_t smallIcons);
/// Sends `LVM_GETISEARCHSTRINGA`: copies the incremental search text into `buffer`;
/// its length, 0 outside a search.
LRESULT LvmGetISearchStringA(HWND listView, char* buffer);
/// Sends `LVM_SETICONSPACING`: sets the spacing of icons to `cx` by `cy` pixels; the
/// previous spacing packed.
LRESULT LvmSetIconSpacing(HWND listView, int32_t cx, int32_t cy);
/// Sends `LVM_SETEXTENDEDLISTVIEWSTYLE`.
/// With no mask every extended style is set or cleared.
LRESULT LvmSetExtendedListViewStyle(HWND listView, uint32_t style);
/// Sets the extended style bits `style` under `mask` (LVS_EX_); the previous style.
LRESULT LvmSetExtendedListViewStyle(HWND listView, uint32_t mask, uint32_t style);
/// Sends `LVM_GETEXTENDEDLISTVIEWSTYLE`: the extended list-view style (LVS_EX_ bits).
LRESULT LvmGetExtendedListViewStyle(HWND listView);
/// Sends `LVM_GETSUBITEMRECT`.
/// With a rectangle: stores the sub-item into top and the code into left, so that
/// the control fills the one asked for. Without one (null), sends lParam 0.
LRESULT LvmGetSubItemRect(HWND listView, int32_t index, int32_t subItem, int32_t code, RECT* rect);
/// Sends `LVM_SUBITEMHITTEST`: the 0-based row at the point in `hitTest`, filling in
/// its sub-item and flags; -1 when none.
LRESULT LvmSubItemHitTest(HWND listView, LVHITTESTINFO& hitTest);
/// Sends `LVM_SETCOLUMNORDERARRAY`: sets the left-to-right order of `count` columns
/// from `orders`; non-zero on success.
LRESULT LvmSetColumnOrderArray(HWND listView, int32_t count, int32_t* orders);
/// Sends `LVM_GETCOLUMNORDERARRAY`: stores the left-to-right order of `count` columns
/// in `orders`; non-zero on success.
LRESULT LvmGetColumnOrderArray(HWND listView, int32_t count, int32_t* orders);
/// Sends `LVM_SETHOTITEM`: makes row `index` (0-based) the hot row; the previous one.
LRESULT LvmSetHotItem(HWND listView, int32_t index);
/// Sends `LVM_GETHOTITEM`: the 0-based index of the hot row, -1 when none.
LRESULT LvmGetHotItem(HWND listView);
/// Sends `LVM_SETHOTCURSOR`: sets the cursor shown over hot rows; the previous one.
LRESULT LvmSetHotCursor(HWND listView, HCURSOR cursor);
/// Sends `LVM_GETHOTCURSOR`: the cursor shown over hot rows.
LRESULT LvmGetHotCursor(HWND listView);
/// Sends `LVM_APPROXIMATEVIEWRECT`: the width (low word) and height (high word)
/// needed to show `count` rows (-1: all) in `cx` by `cy` (-1: current) pixels.
LRESULT LvmApproximateViewRect(HWND listView, int32_t cx, int32_t cy, int32_t count);
/// Sends `LVM_SETWORKAREAS`: sets `count` work areas from `areas`.
LRESULT LvmSetWorkAreas(HWND listView, int32_t count, RECT* areas);
/// Sends `LVM_GETWORKAREAS`: stores up to `count` work areas in `areas`.
LRESULT LvmGetWorkAreas(HWND listView, int32_t count, RECT* areas);
/// Sends `LVM_GETNUMBEROFWORKAREAS`: stores the number of work areas in `count`.
LRESULT LvmGetNumberOfWorkAreas(HWND listView, UINT& count);
/// Sends `LVM_GETSELECTIONMARK`: the 0-based index of the selection mark, -1 when none.
LRESULT LvmGetSelectionMark(HWND listView);
/// Sends `LVM_SETSELECTIONMARK`: makes row `index` (0-based) the selection mark; the
/// previous one.
LRESULT LvmSetSelectionMark(HWND listView, int32_t index);
/// Sends `LVM_SETHOVERTIME`: sets the hover delay in milliseconds; the previous one.
LRESULT LvmSetHoverTime(HWND listView, uint32_t milliseconds);
/// Sends `LVM_GETHOVERTIME`: the hover delay in milliseconds.
LRESULT LvmGetHoverTime(HWND listView);
/// Sends `LVM_SETTOOLTIPS`: gives the list view the tooltip control `toolTips`; the
/// previous one.
LRESULT LvmSetToolTips(HWND listView, HWND toolTips);
/// Sends `LVM_GETTOOLTIPS`: the tooltip control.
LRESULT LvmGetToolTips(HWND listView);
/// Sends `LVM_SETBKIMAGEA`: sets the background image from `image`; non-zero on success.
LRESULT LvmSetBkImageA(HWND listView, LVBKIMAGEA& image);
/// Sends `LVM_GETBKIMAGEA`: fills `image` with the background image; non-zero on success.
LRESULT LvmGetBkImageA(HWND listView, LVBKIMAGEA& image);

/// @}
}  // namespace tabard
