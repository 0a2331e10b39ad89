#include <tabard/controls/tree_view.h>

#include <cstring>

#include <tabard/controls/message_shapes.h>

namespace tabard {

LRESULT TvmInsertItemA(HWND tree, TVINSERTSTRUCTA& insert) { return SendRecord(tree, TVM_INSERTITEMA, 0, insert); }
LRESULT TvmDeleteItem(HWND tree, HTREEITEM item) { return SendPlain(tree, TVM_DELETEITEM, 0, item); }
LRESULT TvmDeleteItem(HWND tree) { return SendPlain(tree, TVM_DELETEITEM, 0, TVI_ROOT); }
LRESULT TvmExpand(HWND tree, HTREEITEM item, uint32_t code) { return SendReversed(tree, TVM_EXPAND, item, code); }
LRESULT TvmGetCount(HWND tree) { return SendPlain(tree, TVM_GETCOUNT); }
LRESULT TvmGetIndent(HWND tree) { return SendPlain(tree, TVM_GETINDENT); }
LRESULT TvmSetIndent(HWND tree, int32_t indent) { return SendPlain(tree, TVM_SETINDENT, indent); }
LRESULT TvmGetImageList(HWND tree, int32_t listType) { return SendPlain(tree, TVM_GETIMAGELIST, listType); }
LRESULT TvmSetImageList(HWND tree, HIMAGELIST imageList, int32_t listType) {
  return SendReversed(tree, TVM_SETIMAGELIST, imageList, listType);
}
LRESULT TvmGetNextItem(HWND tree, HTREEITEM item, uint32_t relation) {
  return SendReversed(tree, TVM_GETNEXTITEM, item, relation);
}
LRESULT TreeChild(HWND tree, HTREEITEM item) { return TvmGetNextItem(tree, item, TVGN_CHILD); }
LRESULT TreeNextSibling(HWND tree, HTREEITEM item) { return TvmGetNextItem(tree, item, TVGN_NEXT); }
LRESULT TreePreviousSibling(HWND tree, HTREEITEM item) { return TvmGetNextItem(tree, item, TVGN_PREVIOUS); }
LRESULT TreeParent(HWND tree, HTREEITEM item) { return TvmGetNextItem(tree, item, TVGN_PARENT); }
LRESULT TreeFirstVisible(HWND tree) { return TvmGetNextItem(tree, nullptr, TVGN_FIRSTVISIBLE); }
LRESULT TreeNextVisible(HWND tree, HTREEITEM item) { return TvmGetNextItem(tree, item, TVGN_NEXTVISIBLE); }
LRESULT TreePreviousVisible(HWND tree, HTREEITEM item) { return TvmGetNextItem(tree, item, TVGN_PREVIOUSVISIBLE); }
LRESULT TreeSelection(HWND tree) { return TvmGetNextItem(tree, nullptr, TVGN_CARET); }
LRESULT TreeDropHighlight(HWND tree) { return TvmGetNextItem(tree, nullptr, TVGN_DROPHILITE); }
LRESULT TreeRoot(HWND tree) { return TvmGetNextItem(tree, nullptr, TVGN_ROOT); }
LRESULT TreeLastVisible(HWND tree) { return TvmGetNextItem(tree, nullptr, TVGN_LASTVISIBLE); }
LRESULT TvmSelectItem(HWND tree, HTREEITEM item, uint32_t code) {
  return SendReversed(tree, TVM_SELECTITEM, item, code);
}
LRESULT TreeSelect(HWND tree, HTREEITEM item) { return TvmSelectItem(tree, item, TVGN_CARET); }
LRESULT TreeSelectDropTarget(HWND tree, HTREEITEM item) { return TvmSelectItem(tree, item, TVGN_DROPHILITE); }
LRESULT TreeScrollToItem(HWND tree, HTREEITEM item) { return TvmSelectItem(tree, item, TVGN_FIRSTVISIBLE); }
LRESULT TvmGetItemA(HWND tree, TVITEMA& item) { return SendRecord(tree, TVM_GETITEMA, 0, item); }
LRESULT TvmSetItemA(HWND tree, TVITEMA& item) { return SendRecord(tree, TVM_SETITEMA, 0, item); }
LRESULT TvmEditLabelA(HWND tree, HTREEITEM item) { return SendPlain(tree, TVM_EDITLABELA, 0, item); }
LRESULT TvmGetEditControl(HWND tree) { return SendPlain(tree, TVM_GETEDITCONTROL); }
LRESULT TvmGetVisibleCount(HWND tree) { return SendPlain(tree, TVM_GETVISIBLECOUNT); }
LRESULT TvmHitTest(HWND tree, TVHITTESTINFO& hitTest) { return SendRecord(tree, TVM_HITTEST, 0, hitTest); }
LRESULT TvmCreateDragImage(HWND tree, HTREEITEM item) { return SendPlain(tree, TVM_CREATEDRAGIMAGE, 0, item); }
LRESULT TvmSortChildren(HWND tree, HTREEITEM item, int32_t recurse) {
  return SendReversed(tree, TVM_SORTCHILDREN, item, recurse);
}
LRESULT TvmEnsureVisible(HWND tree, HTREEITEM item) { return SendPlain(tree, TVM_ENSUREVISIBLE, 0, item); }
LRESULT TvmSortChildrenCB(HWND tree, TVSORTCB& sort, int32_t recurse) {
  return SendReversed(tree, TVM_SORTCHILDRENCB, &sort, recurse);
}
LRESULT TvmEndEditLabelNow(HWND tree, int32_t cancel) { return SendPlain(tree, TVM_ENDEDITLABELNOW, cancel); }
LRESULT TvmGetISearchStringA(HWND tree, char* buffer) { return SendPlain(tree, TVM_GETISEARCHSTRINGA, 0, buffer); }
LRESULT TvmSetToolTips(HWND tree, HWND toolTips) { return SendPlain(tree, TVM_SETTOOLTIPS, toolTips); }
LRESULT TvmGetToolTips(HWND tree) { return SendPlain(tree, TVM_GETTOOLTIPS); }
LRESULT TvmSetInsertMark(HWND tree, HTREEITEM item, int32_t after) {
  return SendReversed(tree, TVM_SETINSERTMARK, item, after);
}
LRESULT TreeViewCcmSetUnicodeFormat(HWND tree, int32_t format) { return SendPlain(tree, CCM_SETUNICODEFORMAT, format); }
LRESULT TreeViewCcmGetUnicodeFormat(HWND tree) { return SendPlain(tree, CCM_GETUNICODEFORMAT); }
LRESULT TvmSetItemHeight(HWND tree, int32_t height) { return SendPlain(tree, TVM_SETITEMHEIGHT, height); }
LRESULT TvmGetItemHeight(HWND tree) { return SendPlain(tree, TVM_GETITEMHEIGHT); }
LRESULT TvmSetBkColor(HWND tree, COLORREF colour) { return SendPlain(tree, TVM_SETBKCOLOR, 0, colour); }
LRESULT TvmSetTextColor(HWND tree, COLORREF colour) { return SendPlain(tree, TVM_SETTEXTCOLOR, 0, colour); }
LRESULT TvmGetBkColor(HWND tree) { return SendPlain(tree, TVM_GETBKCOLOR); }
LRESULT TvmGetTextColor(HWND tree) { return SendPlain(tree, TVM_GETTEXTCOLOR); }
LRESULT TvmSetScrollTime(HWND tree, uint32_t milliseconds) { return SendPlain(tree, TVM_SETSCROLLTIME, milliseconds); }
LRESULT TvmGetScrollTime(HWND tree) { return SendPlain(tree, TVM_GETSCROLLTIME); }
LRESULT TvmSetInsertMarkColor(HWND tree, COLORREF colour) { return SendPlain(tree, TVM_SETINSERTMARKCOLOR, 0, colour); }
LRESULT TvmGetInsertMarkColor(HWND tree) { return SendPlain(tree, TVM_GETINSERTMARKCOLOR); }

LRESULT TvmGetItemRect(HWND tree, HTREEITEM item, RECT& rect, int32_t code) {
  static_assert(sizeof item <= sizeof rect);
  std::memcpy(&rect, &item, sizeof item);
  return SendPlain(tree, TVM_GETITEMRECT, code, &rect);
}

}  // namespace tabard
