#pragma once
/// @file
/// Tree-view message wrappers, in library order, each named after the message it
/// sends, and the shortcuts that call TvmGetNextItem and TvmSelectItem with a
/// fixed relation. Items are the control's HTREEITEM handles, passed whole.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_tree_view
/// @{

/// Sends `TVM_INSERTITEMA`: inserts the item `insert` describes; its HTREEITEM, null
/// on failure.
LRESULT TvmInsertItemA(HWND tree, TVINSERTSTRUCTA& insert);
/// Sends `TVM_DELETEITEM`: removes `item` and its children; non-zero on success.
LRESULT TvmDeleteItem(HWND tree, HTREEITEM item);
/// Sends `TVM_DELETEITEM`.
/// Every item: lParam TVI_ROOT.
LRESULT TvmDeleteItem(HWND tree);
/// Sends `TVM_EXPAND`: expands or collapses `item`'s children as `code` (TVE_) says;
/// non-zero on success.
LRESULT TvmExpand(HWND tree, HTREEITEM item, uint32_t code);
/// Sends `TVM_GETITEMRECT`.
/// Stores the item into the rectangle's first field (the whole handle: the
/// control reads it there as a handle), then sends the code in wParam.
LRESULT TvmGetItemRect(HWND tree, HTREEITEM item, RECT& rect, int32_t code);
/// Sends `TVM_GETCOUNT`: the number of items.
LRESULT TvmGetCount(HWND tree);
/// Sends `TVM_GETINDENT`: the indent of a child from its parent in pixels.
LRESULT TvmGetIndent(HWND tree);
/// Sends `TVM_SETINDENT`: sets the indent of a child from its parent in pixels.
LRESULT TvmSetIndent(HWND tree, int32_t indent);
/// Sends `TVM_GETIMAGELIST`: the image list of type `listType` (TVSIL_).
LRESULT TvmGetImageList(HWND tree, int32_t listType);
/// Sends `TVM_SETIMAGELIST`: gives the tree `imageList` as type `listType` (TVSIL_);
/// the previous one.
LRESULT TvmSetImageList(HWND tree, HIMAGELIST imageList, int32_t listType);
/// Sends `TVM_GETNEXTITEM`: the item in relation `relation` (TVGN_) to `item`; null
/// when none.
LRESULT TvmGetNextItem(HWND tree, HTREEITEM item, uint32_t relation);
/// The first child of `item`, null when none (TVGN_CHILD).
LRESULT TreeChild(HWND tree, HTREEITEM item);
/// The next sibling of `item`, null when none (TVGN_NEXT).
LRESULT TreeNextSibling(HWND tree, HTREEITEM item);
/// The previous sibling of `item`, null when none (TVGN_PREVIOUS).
LRESULT TreePreviousSibling(HWND tree, HTREEITEM item);
/// The parent of `item`, null for a top item (TVGN_PARENT).
LRESULT TreeParent(HWND tree, HTREEITEM item);
/// The first visible item (TVGN_FIRSTVISIBLE).
LRESULT TreeFirstVisible(HWND tree);
/// The visible item below `item`, null when none (TVGN_NEXTVISIBLE).
LRESULT TreeNextVisible(HWND tree, HTREEITEM item);
/// The visible item above `item`, null when none (TVGN_PREVIOUSVISIBLE).
LRESULT TreePreviousVisible(HWND tree, HTREEITEM item);
/// The selected item, null when none (TVGN_CARET).
LRESULT TreeSelection(HWND tree);
/// The drop target item, null when none (TVGN_DROPHILITE).
LRESULT TreeDropHighlight(HWND tree);
/// The first top item (TVGN_ROOT).
LRESULT TreeRoot(HWND tree);
/// The last expanded item (TVGN_LASTVISIBLE).
LRESULT TreeLastVisible(HWND tree);
/// Sends `TVM_SELECTITEM`: selects, scrolls to or marks as drop target `item` as
/// `code` (TVGN_) says; non-zero on success.
LRESULT TvmSelectItem(HWND tree, HTREEITEM item, uint32_t code);
/// Selects `item` (TVGN_CARET); non-zero on success.
LRESULT TreeSelect(HWND tree, HTREEITEM item);
/// Marks `item` as the drop target (TVGN_DROPHILITE); non-zero on success.
LRESULT TreeSelectDropTarget(HWND tree, HTREEITEM item);
/// Scrolls `item` to the top (TVGN_FIRSTVISIBLE); non-zero on success.
LRESULT TreeScrollToItem(HWND tree, HTREEITEM item);
/// Sends `TVM_GETITEMA`: fills the masked fields of `item` from the item its hItem
/// names; non-zero on success.
LRESULT TvmGetItemA(HWND tree, TVITEMA& item);
/// Sends `TVM_SETITEMA`: sets the masked fields of the item `item`.hItem names;
/// non-zero on success.
LRESULT TvmSetItemA(HWND tree, TVITEMA& item);
/// Sends `TVM_EDITLABELA`: starts editing `item`'s label; the edit control, null on
/// failure.
LRESULT TvmEditLabelA(HWND tree, HTREEITEM item);
/// Sends `TVM_GETEDITCONTROL`: the edit control of a label being edited, null when none.
LRESULT TvmGetEditControl(HWND tree);
/// Sends `TVM_GETVISIBLECOUNT`: how many items fit in the window.
LRESULT TvmGetVisibleCount(HWND tree);
/// Sends `TVM_HITTEST`: the item at the point in `hitTest`, filling in its flags;
/// null when none.
LRESULT TvmHitTest(HWND tree, TVHITTESTINFO& hitTest);
/// Sends `TVM_CREATEDRAGIMAGE`: a new image list (the caller's to destroy) with
/// `item`'s picture.
LRESULT TvmCreateDragImage(HWND tree, HTREEITEM item);
/// Sends `TVM_SORTCHILDREN`: sorts `item`'s children by their text (all levels below
/// when `recurse` is non-zero); non-zero on success.
LRESULT TvmSortChildren(HWND tree, HTREEITEM item, int32_t recurse);
/// Sends `TVM_ENSUREVISIBLE`: expands and scrolls so that `item` is visible; non-zero
/// when it scrolled.
LRESULT TvmEnsureVisible(HWND tree, HTREEITEM item);
/// Sends `TVM_SORTCHILDRENCB`: sorts the children of `sort`.hParent with its
/// callback; non-zero on success.
LRESULT TvmSortChildrenCB(HWND tree, TVSORTCB& sort, int32_t recurse);
/// Sends `TVM_ENDEDITLABELNOW`: ends label editing, dropping the change when `cancel`
/// is non-zero; non-zero on success.
LRESULT TvmEndEditLabelNow(HWND tree, int32_t cancel);
/// Sends `TVM_GETISEARCHSTRINGA`: copies the incremental search text into `buffer`;
/// its length, 0 outside a search.
LRESULT TvmGetISearchStringA(HWND tree, char* buffer);
/// Sends `TVM_SETTOOLTIPS`: gives the tree the tooltip control `toolTips`; the
/// previous one.
LRESULT TvmSetToolTips(HWND tree, HWND toolTips);
/// Sends `TVM_GETTOOLTIPS`: the tooltip control.
LRESULT TvmGetToolTips(HWND tree);
/// Sends `TVM_SETINSERTMARK`: shows the insertion mark at `item`, after it when
/// `after` is non-zero (null item: removes it); non-zero on success.
LRESULT TvmSetInsertMark(HWND tree, HTREEITEM item, int32_t after);
/// Sends CCM_SETUNICODEFORMAT: wide-character notifications when `format` is
/// non-zero; the previous format.
LRESULT TreeViewCcmSetUnicodeFormat(HWND tree, int32_t format);
/// Sends CCM_GETUNICODEFORMAT: non-zero when the tree sends wide-character notifications.
LRESULT TreeViewCcmGetUnicodeFormat(HWND tree);
/// Sends `TVM_SETITEMHEIGHT`: sets the height of every item in pixels (-1: the
/// default); the previous height.
LRESULT TvmSetItemHeight(HWND tree, int32_t height);
/// Sends `TVM_GETITEMHEIGHT`: the height of an item in pixels.
LRESULT TvmGetItemHeight(HWND tree);
/// Sends `TVM_SETBKCOLOR`: sets the background colour (-1: the system's); the
/// previous one.
LRESULT TvmSetBkColor(HWND tree, COLORREF colour);
/// Sends `TVM_SETTEXTCOLOR`: sets the text colour (-1: the system's); the previous one.
LRESULT TvmSetTextColor(HWND tree, COLORREF colour);
/// Sends `TVM_GETBKCOLOR`: the background colour, -1 for the system's.
LRESULT TvmGetBkColor(HWND tree);
/// Sends `TVM_GETTEXTCOLOR`: the text colour, -1 for the system's.
LRESULT TvmGetTextColor(HWND tree);
/// Sends `TVM_SETSCROLLTIME`: sets the longest automatic scroll in milliseconds; the
/// previous one.
LRESULT TvmSetScrollTime(HWND tree, uint32_t milliseconds);
/// Sends `TVM_GETSCROLLTIME`: the longest automatic scroll in milliseconds.
LRESULT TvmGetScrollTime(HWND tree);
/// Sends `TVM_SETINSERTMARKCOLOR`: sets the insertion mark's colour; the previous one.
LRESULT TvmSetInsertMarkColor(HWND tree, COLORREF colour);
/// Sends `TVM_GETINSERTMARKCOLOR`: the insertion mark's colour.
LRESULT TvmGetInsertMarkColor(HWND tree);

/// @}
}  // namespace tabard
