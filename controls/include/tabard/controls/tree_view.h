#pragma once
// Tree-view message wrappers, in library order, each named after the message it
// sends, and the shortcuts that call TvmGetNextItem and TvmSelectItem with a
// fixed relation. Items are the control's HTREEITEM handles, passed whole.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT TvmInsertItemA(HWND tree, TVINSERTSTRUCTA& insert);
LRESULT TvmDeleteItem(HWND tree, HTREEITEM item);
// Every item: lParam TVI_ROOT.
LRESULT TvmDeleteItem(HWND tree);
LRESULT TvmExpand(HWND tree, HTREEITEM item, uint32_t code);
// Stores the item into the rectangle's first field (the whole handle: the
// control reads it there as a handle), then sends the code in wParam.
LRESULT TvmGetItemRect(HWND tree, HTREEITEM item, RECT& rect, int32_t code);
LRESULT TvmGetCount(HWND tree);
LRESULT TvmGetIndent(HWND tree);
LRESULT TvmSetIndent(HWND tree, int32_t indent);
LRESULT TvmGetImageList(HWND tree, int32_t listType);
LRESULT TvmSetImageList(HWND tree, HIMAGELIST imageList, int32_t listType);
LRESULT TvmGetNextItem(HWND tree, HTREEITEM item, uint32_t relation);
LRESULT TreeChild(HWND tree, HTREEITEM item);
LRESULT TreeNextSibling(HWND tree, HTREEITEM item);
LRESULT TreePreviousSibling(HWND tree, HTREEITEM item);
LRESULT TreeParent(HWND tree, HTREEITEM item);
LRESULT TreeFirstVisible(HWND tree);
LRESULT TreeNextVisible(HWND tree, HTREEITEM item);
LRESULT TreePreviousVisible(HWND tree, HTREEITEM item);
LRESULT TreeSelection(HWND tree);
LRESULT TreeDropHighlight(HWND tree);
LRESULT TreeRoot(HWND tree);
LRESULT TreeLastVisible(HWND tree);
LRESULT TvmSelectItem(HWND tree, HTREEITEM item, uint32_t code);
LRESULT TreeSelect(HWND tree, HTREEITEM item);
LRESULT TreeSelectDropTarget(HWND tree, HTREEITEM item);
LRESULT TreeScrollToItem(HWND tree, HTREEITEM item);
LRESULT TvmGetItemA(HWND tree, TVITEMA& item);
LRESULT TvmSetItemA(HWND tree, TVITEMA& item);
LRESULT TvmEditLabelA(HWND tree, HTREEITEM item);
LRESULT TvmGetEditControl(HWND tree);
LRESULT TvmGetVisibleCount(HWND tree);
LRESULT TvmHitTest(HWND tree, TVHITTESTINFO& hitTest);
LRESULT TvmCreateDragImage(HWND tree, HTREEITEM item);
LRESULT TvmSortChildren(HWND tree, HTREEITEM item, int32_t recurse);
LRESULT TvmEnsureVisible(HWND tree, HTREEITEM item);
LRESULT TvmSortChildrenCB(HWND tree, TVSORTCB& sort, int32_t recurse);
LRESULT TvmEndEditLabelNow(HWND tree, int32_t cancel);
LRESULT TvmGetISearchStringA(HWND tree, char* buffer);
LRESULT TvmSetToolTips(HWND tree, HWND toolTips);
LRESULT TvmGetToolTips(HWND tree);
LRESULT TvmSetInsertMark(HWND tree, HTREEITEM item, int32_t after);
LRESULT TreeViewCcmSetUnicodeFormat(HWND tree, int32_t format);
LRESULT TreeViewCcmGetUnicodeFormat(HWND tree);
LRESULT TvmSetItemHeight(HWND tree, int32_t height);
LRESULT TvmGetItemHeight(HWND tree);
LRESULT TvmSetBkColor(HWND tree, COLORREF colour);
LRESULT TvmSetTextColor(HWND tree, COLORREF colour);
LRESULT TvmGetBkColor(HWND tree);
LRESULT TvmGetTextColor(HWND tree);
LRESULT TvmSetScrollTime(HWND tree, uint32_t milliseconds);
LRESULT TvmGetScrollTime(HWND tree);
LRESULT TvmSetInsertMarkColor(HWND tree, COLORREF colour);
LRESULT TvmGetInsertMarkColor(HWND tree);

}  // namespace tabard
