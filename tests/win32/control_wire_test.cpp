// Every control wrapper, one row each, run against a recording window: the
// message, wParam and lParam it sent (the last one, where it sends several), the
// record at lParam as the window saw it, and what it made of the answer. The rows
// of the wrappers that send no message run their own checks on real objects.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <type_traits>

#include "app/program_globals.h"
#include "controls/animation.h"
#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/date_time.h"
#include "controls/edit.h"
#include "controls/general.h"
#include "controls/header.h"
#include "controls/item_text.h"
#include "controls/ip_address.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/message_shapes.h"
#include "controls/month_calendar.h"
#include "controls/pager.h"
#include "controls/tab.h"
#include "controls/tree_view.h"
#include "dialogs/dialog_template.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/control_wire_support.h"

namespace {

enum class Family { General, Header, ListView, TreeView, Tab, Animation, MonthCalendar, DateTime, IpAddress, Pager,
                    Button, Edit, ListBox, ComboBox };

// The number of wrappers of each family.
constexpr std::pair<Family, int> kFamilySizes[] = {
    {Family::General, 12}, {Family::Header, 16},        {Family::ListView, 81}, {Family::TreeView, 53},
    {Family::Tab, 29},     {Family::Animation, 7},      {Family::MonthCalendar, 23}, {Family::DateTime, 10},
    {Family::IpAddress, 6}, {Family::Pager, 13},        {Family::Button, 9},    {Family::Edit, 24},
    {Family::ListBox, 28}, {Family::ComboBox, 24},
};

// What a wrapper makes of the window's answer: the answer as is, a flag (-1 or
// 0), nothing, the 32-bit BOOL of a system call that passed the answer on, or a
// text whose length is `expected` when the window answers 0.
enum class Kind { AsIs, Flag, None, Bool, Text };

struct Seen {
  size_t bytes;
  bool (*check)(const unsigned char* record);
};

struct WireRow {
  Family family;
  const char* call;
  LRESULT (*run)(HWND window);
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  Kind kind;
  Seen seen = {0, nullptr};
  LRESULT expected = 0;
};

// lParam is some address the wrapper made; its record is checked instead.
const LPARAM kSomeAddress = static_cast<LPARAM>(0x0A11ADD5);
const LRESULT kNoResult = static_cast<LRESULT>(0x0DEADBAD);
// Answers and handles with bits above 32 in a 64-bit build, which must come
// through whole.
template <typename Handle>
Handle Fake(uint64_t value) {
  return reinterpret_cast<Handle>(static_cast<uintptr_t>(value));
}
const LRESULT kAnswer = static_cast<LRESULT>(static_cast<uintptr_t>(0x7E12345678ULL));
const HTREEITEM kItem = Fake<HTREEITEM>(0x7F00001230ULL);
const HIMAGELIST kImages = Fake<HIMAGELIST>(0x7F00004560ULL);
const HWND kOther = Fake<HWND>(0x7F00007890ULL);
const HFONT kFont = Fake<HFONT>(0x7F0000ABC0ULL);
const HINSTANCE kInstance = Fake<HINSTANCE>(0x7F00400000ULL);
const LPARAM kTviRoot = static_cast<LPARAM>(static_cast<intptr_t>(-0x10000));  // 0xFFFF0000 in the product

int CALLBACK CompareNothing(LPARAM, LPARAM, LPARAM) { return 0; }

// The caller's records that wrappers pass by reference.
struct Records {
  LVITEMA lvItem;
  LVCOLUMNA lvColumn;
  LVFINDINFOA lvFind;
  LVHITTESTINFO lvHit;
  LVBKIMAGEA lvImage;
  HDITEMA hdItem;
  HDLAYOUT hdLayout;
  TVINSERTSTRUCTA tvInsert;
  TVITEMA tvItem;
  TVHITTESTINFO tvHit;
  TVSORTCB tvSort;
  TCITEMA tcItem;
  TCHITTESTINFO tcHit;
  MCHITTESTINFO mcHit;
  RECT rect;
  RECT rects[2];
  POINT point;
  SYSTEMTIME time;
  SYSTEMTIME times[2];
  MONTHDAYSTATE dayStates[3];
  int32_t orders[4];
  UINT count;
  void* dropTarget;
  DWORD start;
  DWORD end;
  char buffer[32];
  DynString caption;
} r;

template <typename Record>
Record As(const unsigned char* bytes) {
  Record record;
  std::memcpy(&record, bytes, sizeof record);
  return record;
}
bool Zero(const unsigned char* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (bytes[i] != 0) return false;
  return true;
}
// A local LVITEMA as the wrappers build it: all zero but the fields they set.
bool SameItem(const unsigned char* bytes, UINT state, UINT stateMask, int subItem, char* text, int capacity) {
  LVITEMA expected{};
  expected.state = state;
  expected.stateMask = stateMask;
  expected.iSubItem = subItem;
  expected.pszText = text;
  expected.cchTextMax = capacity;
  return std::memcmp(bytes, &expected, sizeof expected) == 0;
}
#define SEEN_TEXT(text) Seen{sizeof text, [](const unsigned char* b) { return std::memcmp(b, text, sizeof text) == 0; }}

// Runs a wrapper and turns what it gives into one value: its result, kNoResult
// for none, a text's length (the text released).
template <typename Call>
LRESULT Outcome(Call call) {
  using Result = decltype(call());
  if constexpr (std::is_void_v<Result>) {
    call();
    return kNoResult;
  } else if constexpr (std::is_same_v<Result, DynString>) {
    const DynString text = call();
    const auto length = static_cast<LRESULT>(TextHandleLength(text));
    TextRelease(text);
    return length;
  } else {
    return static_cast<LRESULT>(call());
  }
}

#define W(family, call, message, wParam, lParam, kind, ...)                                                \
  WireRow {                                                                                                \
    Family::family, #call, [](HWND w) { return Outcome([&] { return call; }); }, message,                   \
        static_cast<WPARAM>(MessageValue(wParam)), MessageValue(lParam), Kind::kind, ##__VA_ARGS__         \
  }

const WireRow kWireRows[] = {
    W(Header, HdmGetItemCount(w), HDM_GETITEMCOUNT, 0, 0, AsIs),
    W(Header, HdmInsertItemA(w, 2, r.hdItem), HDM_INSERTITEMA, 2, &r.hdItem, AsIs),
    W(Header, HdmDeleteItem(w, 3), HDM_DELETEITEM, 3, 0, AsIs),
    W(Header, HdmGetItemA(w, 4, r.hdItem), HDM_GETITEMA, 4, &r.hdItem, AsIs),
    W(Header, HdmSetItemA(w, 5, r.hdItem), HDM_SETITEMA, 5, &r.hdItem, AsIs),
    W(Header, HdmLayout(w, r.hdLayout), HDM_LAYOUT, 0, &r.hdLayout, AsIs),
    W(Header, HdmGetItemRect(w, 6, r.rect), HDM_GETITEMRECT, 6, &r.rect, AsIs),
    W(Header, HdmSetImageList(w, kImages), HDM_SETIMAGELIST, 0, kImages, AsIs),
    W(Header, HdmGetImageList(w), HDM_GETIMAGELIST, 0, 0, AsIs),
    W(Header, HdmOrderToIndex(w, 7), HDM_ORDERTOINDEX, 7, 0, AsIs),
    W(Header, HdmCreateDragImage(w, 8), HDM_CREATEDRAGIMAGE, 8, 0, AsIs),
    W(Header, HdmGetOrderArray(w, 4, r.orders), HDM_GETORDERARRAY, 4, r.orders, AsIs),
    W(Header, HdmSetOrderArray(w, 3, r.orders), HDM_SETORDERARRAY, 3, r.orders, AsIs),
    W(Header, HdmSetHotDivider(w, 1, 0x00200010), HDM_SETHOTDIVIDER, 1, 0x00200010, AsIs),
    W(Header, HeaderCcmSetUnicodeFormat(w, 1), CCM_SETUNICODEFORMAT, 1, 0, AsIs),
    W(Header, HeaderCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0, AsIs),

    W(ListView, ListViewCcmSetUnicodeFormat(w, 0), CCM_SETUNICODEFORMAT, 0, 0, AsIs),
    W(ListView, ListViewCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0, AsIs),
    W(ListView, LvmGetBkColor(w), LVM_GETBKCOLOR, 0, 0, AsIs),
    W(ListView, LvmSetBkColor(w, 0x00FFEEDD), LVM_SETBKCOLOR, 0, 0x00FFEEDD, AsIs),
    W(ListView, LvmGetImageList(w, LVSIL_SMALL), LVM_GETIMAGELIST, LVSIL_SMALL, 0, AsIs),
    W(ListView, LvmSetImageList(w, kImages, LVSIL_STATE), LVM_SETIMAGELIST, LVSIL_STATE, kImages, AsIs),
    W(ListView, LvmGetItemCount(w), LVM_GETITEMCOUNT, 0, 0, AsIs),
    W(ListView, LvmGetItemA(w, r.lvItem), LVM_GETITEMA, 0, &r.lvItem, AsIs),
    W(ListView, LvmSetItemA(w, r.lvItem), LVM_SETITEMA, 0, &r.lvItem, AsIs),
    W(ListView, LvmInsertItemA(w, r.lvItem), LVM_INSERTITEMA, 0, &r.lvItem, AsIs),
    W(ListView, LvmDeleteItem(w, 9), LVM_DELETEITEM, 9, 0, AsIs),
    W(ListView, LvmDeleteAllItems(w), LVM_DELETEALLITEMS, 0, 0, AsIs),
    W(ListView, LvmGetCallbackMask(w), LVM_GETCALLBACKMASK, 0, 0, AsIs),
    W(ListView, LvmSetCallbackMask(w, LVIS_SELECTED), LVM_SETCALLBACKMASK, LVIS_SELECTED, 0, AsIs),
    W(ListView, LvmGetNextItem(w, -1, 0x10002), LVM_GETNEXTITEM, -1, 0x0002, AsIs),
    W(ListView, LvmFindItemA(w, -1, r.lvFind), LVM_FINDITEMA, -1, &r.lvFind, AsIs),
    W(ListView, (r.rect.left = 99, LvmGetItemRect(w, 2, r.rect, LVIR_LABEL)), LVM_GETITEMRECT, 2, &r.rect, AsIs,
      Seen{sizeof(RECT), [](const unsigned char* b) { return As<RECT>(b).left == LVIR_LABEL; }}),
    W(ListView, LvmSetItemPosition(w, 3, -1, 2), LVM_SETITEMPOSITION, 3, 0x0002FFFF, AsIs),
    W(ListView, LvmGetItemPosition(w, 4, r.point), LVM_GETITEMPOSITION, 4, &r.point, AsIs),
    W(ListView, LvmGetStringWidthA(w, "wide"), LVM_GETSTRINGWIDTHA, 0, kSomeAddress, AsIs, SEEN_TEXT("wide")),
    W(ListView, LvmHitTest(w, r.lvHit), LVM_HITTEST, 0, &r.lvHit, AsIs),
    W(ListView, LvmEnsureVisible(w, 5, -1), LVM_ENSUREVISIBLE, 5, 0xFFFF, AsIs),
    W(ListView, LvmScroll(w, -3, 4), LVM_SCROLL, -3, 4, AsIs),
    W(ListView, LvmRedrawItems(w, 1, 6), LVM_REDRAWITEMS, 1, 6, AsIs),
    W(ListView, LvmArrange(w, LVA_SNAPTOGRID), LVM_ARRANGE, LVA_SNAPTOGRID, 0, AsIs),
    W(ListView, LvmEditLabelA(w, 7), LVM_EDITLABELA, 7, 0, AsIs),
    W(ListView, LvmGetEditControl(w), LVM_GETEDITCONTROL, 0, 0, AsIs),
    W(ListView, LvmGetColumnA(w, 1, r.lvColumn), LVM_GETCOLUMNA, 1, &r.lvColumn, AsIs),
    W(ListView, LvmSetColumnA(w, 2, r.lvColumn), LVM_SETCOLUMNA, 2, &r.lvColumn, AsIs),
    W(ListView, LvmInsertColumnA(w, 3, r.lvColumn), LVM_INSERTCOLUMNA, 3, &r.lvColumn, AsIs),
    W(ListView, LvmDeleteColumn(w, 4), LVM_DELETECOLUMN, 4, 0, AsIs),
    W(ListView, LvmGetColumnWidth(w, 5), LVM_GETCOLUMNWIDTH, 5, 0, AsIs),
    W(ListView, LvmSetColumnWidth(w, 6, 70000), LVM_SETCOLUMNWIDTH, 6, 0x1170, AsIs),
    W(ListView, LvmGetHeader(w), LVM_GETHEADER, 0, 0, AsIs),
    W(ListView, LvmCreateDragImage(w, 8, r.point), LVM_CREATEDRAGIMAGE, 8, &r.point, AsIs),
    W(ListView, LvmGetViewRect(w, r.rect), LVM_GETVIEWRECT, 0, &r.rect, AsIs),
    W(ListView, LvmGetTextColor(w), LVM_GETTEXTCOLOR, 0, 0, AsIs),
    W(ListView, LvmSetTextColor(w, 0x00010203), LVM_SETTEXTCOLOR, 0, 0x00010203, AsIs),
    W(ListView, LvmGetTextBkColor(w), LVM_GETTEXTBKCOLOR, 0, 0, AsIs),
    W(ListView, LvmSetTextBkColor(w, CLR_NONE), LVM_SETTEXTBKCOLOR, 0, CLR_NONE, AsIs),
    W(ListView, LvmGetTopIndex(w), LVM_GETTOPINDEX, 0, 0, AsIs),
    W(ListView, LvmGetCountPerPage(w), LVM_GETCOUNTPERPAGE, 0, 0, AsIs),
    W(ListView, LvmGetOrigin(w, r.point), LVM_GETORIGIN, 0, &r.point, AsIs),
    W(ListView, LvmUpdate(w, 9), LVM_UPDATE, 9, 0, AsIs),
    W(ListView, LvmSetItemState(w, 2, 0x2003, 0xF00F), LVM_SETITEMSTATE, 2, kSomeAddress, None,
      Seen{sizeof(LVITEMA), [](const unsigned char* b) { return SameItem(b, 0x2003, 0xF00F, 0, nullptr, 0); }}),
    W(ListView, LvmGetItemState(w, 3, LVIS_FOCUSED), LVM_GETITEMSTATE, 3, LVIS_FOCUSED, AsIs),
    W(ListView, LvmGetItemState(w, 4), LVM_GETITEMSTATE, 4, 0xFFFFF000u, AsIs),
    W(ListView, LvmGetItemTextA(w, 5, 2, r.buffer, 32), LVM_GETITEMTEXTA, 5, kSomeAddress, None,
      Seen{sizeof(LVITEMA), [](const unsigned char* b) { return SameItem(b, 0, 0, 2, r.buffer, 32); }}),
    W(ListView, LvmSetItemTextA(w, 6, 3, r.buffer), LVM_SETITEMTEXTA, 6, kSomeAddress, None,
      Seen{sizeof(LVITEMA), [](const unsigned char* b) { return SameItem(b, 0, 0, 3, r.buffer, 0); }}),
    W(ListView, LvmSetItemCount(w, 500), LVM_SETITEMCOUNT, 500, 0, None),
    W(ListView, LvmSetItemCount(w, 600, LVSICF_NOSCROLL), LVM_SETITEMCOUNT, 600, LVSICF_NOSCROLL, None),
    W(ListView, LvmSortItems(w, CompareNothing, kAnswer), LVM_SORTITEMS, kAnswer, CompareNothing, AsIs),
    W(ListView, LvmSetItemPosition32(w, 7, -5, 70000), LVM_SETITEMPOSITION32, 7, kSomeAddress, None,
      Seen{sizeof(POINT), [](const unsigned char* b) { return As<POINT>(b).x == -5 && As<POINT>(b).y == 70000; }}),
    W(ListView, LvmGetSelectedCount(w), LVM_GETSELECTEDCOUNT, 0, 0, AsIs),
    W(ListView, LvmGetItemSpacing(w, 1), LVM_GETITEMSPACING, 1, 0, AsIs),
    W(ListView, LvmGetISearchStringA(w, r.buffer), LVM_GETISEARCHSTRINGA, 0, r.buffer, AsIs),
    W(ListView, LvmSetIconSpacing(w, 64, -1), LVM_SETICONSPACING, 0, 0xFFFF0040, AsIs),
    W(ListView, LvmSetExtendedListViewStyle(w, LVS_EX_GRIDLINES), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES,
      AsIs),
    W(ListView, LvmSetExtendedListViewStyle(w, 0x21, 0x01), LVM_SETEXTENDEDLISTVIEWSTYLE, 0x21, 0x01, AsIs),
    W(ListView, LvmGetExtendedListViewStyle(w), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0, AsIs),
    W(ListView, (r.rect = RECT{9, 9, 9, 9}, LvmGetSubItemRect(w, 8, 2, LVIR_ICON, &r.rect)), LVM_GETSUBITEMRECT, 8,
      &r.rect, AsIs, Seen{sizeof(RECT), [](const unsigned char* b) {
                            const RECT seen = As<RECT>(b);
                            return seen.top == 2 && seen.left == LVIR_ICON && seen.right == 9 && seen.bottom == 9;
                          }}),
    W(ListView, LvmSubItemHitTest(w, r.lvHit), LVM_SUBITEMHITTEST, 0, &r.lvHit, AsIs),
    W(ListView, LvmSetColumnOrderArray(w, 3, r.orders), LVM_SETCOLUMNORDERARRAY, 3, r.orders, AsIs),
    W(ListView, LvmGetColumnOrderArray(w, 4, r.orders), LVM_GETCOLUMNORDERARRAY, 4, r.orders, AsIs),
    W(ListView, LvmSetHotItem(w, 1), LVM_SETHOTITEM, 1, 0, AsIs),
    W(ListView, LvmGetHotItem(w), LVM_GETHOTITEM, 0, 0, AsIs),
    W(ListView, LvmSetHotCursor(w, Fake<HCURSOR>(0x7F00000CC0ULL)), LVM_SETHOTCURSOR, 0,
      Fake<HCURSOR>(0x7F00000CC0ULL), AsIs),
    W(ListView, LvmGetHotCursor(w), LVM_GETHOTCURSOR, 0, 0, AsIs),
    W(ListView, LvmApproximateViewRect(w, 100, 200, 12), LVM_APPROXIMATEVIEWRECT, 12, 0x00C80064, AsIs),
    W(ListView, LvmSetWorkAreas(w, 2, r.rects), LVM_SETWORKAREAS, 2, r.rects, AsIs),
    W(ListView, LvmGetWorkAreas(w, 1, r.rects), LVM_GETWORKAREAS, 1, r.rects, AsIs),
    W(ListView, LvmGetNumberOfWorkAreas(w, r.count), LVM_GETNUMBEROFWORKAREAS, 0, &r.count, AsIs),
    W(ListView, LvmGetSelectionMark(w), LVM_GETSELECTIONMARK, 0, 0, AsIs),
    W(ListView, LvmSetSelectionMark(w, 3), LVM_SETSELECTIONMARK, 0, 3, AsIs),
    W(ListView, LvmSetHoverTime(w, 400), LVM_SETHOVERTIME, 0, 400, AsIs),
    W(ListView, LvmGetHoverTime(w), LVM_GETHOVERTIME, 0, 0, AsIs),
    W(ListView, LvmSetToolTips(w, kOther), LVM_SETTOOLTIPS, kOther, 0, AsIs),
    W(ListView, LvmGetToolTips(w), LVM_GETTOOLTIPS, 0, 0, AsIs),
    W(ListView, LvmSetBkImageA(w, r.lvImage), LVM_SETBKIMAGEA, 0, &r.lvImage, AsIs),
    W(ListView, LvmGetBkImageA(w, r.lvImage), LVM_GETBKIMAGEA, 0, &r.lvImage, AsIs),

    W(TreeView, TvmInsertItemA(w, r.tvInsert), TVM_INSERTITEMA, 0, &r.tvInsert, AsIs),
    W(TreeView, TvmDeleteItem(w, kItem), TVM_DELETEITEM, 0, kItem, AsIs),
    W(TreeView, TvmDeleteItem(w), TVM_DELETEITEM, 0, kTviRoot, AsIs),
    W(TreeView, TvmExpand(w, kItem, TVE_TOGGLE), TVM_EXPAND, TVE_TOGGLE, kItem, AsIs),
    W(TreeView, TvmGetItemRect(w, kItem, r.rect, 1), TVM_GETITEMRECT, 1, &r.rect, AsIs,
      Seen{sizeof(HTREEITEM), [](const unsigned char* b) { return As<HTREEITEM>(b) == kItem; }}),
    W(TreeView, TvmGetCount(w), TVM_GETCOUNT, 0, 0, AsIs),
    W(TreeView, TvmGetIndent(w), TVM_GETINDENT, 0, 0, AsIs),
    W(TreeView, TvmSetIndent(w, 19), TVM_SETINDENT, 19, 0, AsIs),
    W(TreeView, TvmGetImageList(w, TVSIL_STATE), TVM_GETIMAGELIST, TVSIL_STATE, 0, AsIs),
    W(TreeView, TvmSetImageList(w, kImages, TVSIL_NORMAL), TVM_SETIMAGELIST, TVSIL_NORMAL, kImages, AsIs),
    W(TreeView, TvmGetNextItem(w, kItem, TVGN_NEXT), TVM_GETNEXTITEM, TVGN_NEXT, kItem, AsIs),
    W(TreeView, TreeChild(w, kItem), TVM_GETNEXTITEM, 4, kItem, AsIs),
    W(TreeView, TreeNextSibling(w, kItem), TVM_GETNEXTITEM, 1, kItem, AsIs),
    W(TreeView, TreePreviousSibling(w, kItem), TVM_GETNEXTITEM, 2, kItem, AsIs),
    W(TreeView, TreeParent(w, kItem), TVM_GETNEXTITEM, 3, kItem, AsIs),
    W(TreeView, TreeFirstVisible(w), TVM_GETNEXTITEM, 5, 0, AsIs),
    W(TreeView, TreeNextVisible(w, kItem), TVM_GETNEXTITEM, 6, kItem, AsIs),
    W(TreeView, TreePreviousVisible(w, kItem), TVM_GETNEXTITEM, 7, kItem, AsIs),
    W(TreeView, TreeSelection(w), TVM_GETNEXTITEM, 9, 0, AsIs),
    W(TreeView, TreeDropHighlight(w), TVM_GETNEXTITEM, 8, 0, AsIs),
    W(TreeView, TreeRoot(w), TVM_GETNEXTITEM, 0, 0, AsIs),
    W(TreeView, TreeLastVisible(w), TVM_GETNEXTITEM, 10, 0, AsIs),
    W(TreeView, TvmSelectItem(w, kItem, TVGN_CARET), TVM_SELECTITEM, TVGN_CARET, kItem, AsIs),
    W(TreeView, TreeSelect(w, kItem), TVM_SELECTITEM, 9, kItem, AsIs),
    W(TreeView, TreeSelectDropTarget(w, kItem), TVM_SELECTITEM, 8, kItem, AsIs),
    W(TreeView, TreeScrollToItem(w, kItem), TVM_SELECTITEM, 5, kItem, AsIs),
    W(TreeView, TvmGetItemA(w, r.tvItem), TVM_GETITEMA, 0, &r.tvItem, AsIs),
    W(TreeView, TvmSetItemA(w, r.tvItem), TVM_SETITEMA, 0, &r.tvItem, AsIs),
    W(TreeView, TvmEditLabelA(w, kItem), TVM_EDITLABELA, 0, kItem, AsIs),
    W(TreeView, TvmGetEditControl(w), TVM_GETEDITCONTROL, 0, 0, AsIs),
    W(TreeView, TvmGetVisibleCount(w), TVM_GETVISIBLECOUNT, 0, 0, AsIs),
    W(TreeView, TvmHitTest(w, r.tvHit), TVM_HITTEST, 0, &r.tvHit, AsIs),
    W(TreeView, TvmCreateDragImage(w, kItem), TVM_CREATEDRAGIMAGE, 0, kItem, AsIs),
    W(TreeView, TvmSortChildren(w, kItem, 1), TVM_SORTCHILDREN, 1, kItem, AsIs),
    W(TreeView, TvmEnsureVisible(w, kItem), TVM_ENSUREVISIBLE, 0, kItem, AsIs),
    W(TreeView, TvmSortChildrenCB(w, r.tvSort, 0), TVM_SORTCHILDRENCB, 0, &r.tvSort, AsIs),
    W(TreeView, TvmEndEditLabelNow(w, 1), TVM_ENDEDITLABELNOW, 1, 0, AsIs),
    W(TreeView, TvmGetISearchStringA(w, r.buffer), TVM_GETISEARCHSTRINGA, 0, r.buffer, AsIs),
    W(TreeView, TvmSetToolTips(w, kOther), TVM_SETTOOLTIPS, kOther, 0, AsIs),
    W(TreeView, TvmGetToolTips(w), TVM_GETTOOLTIPS, 0, 0, AsIs),
    W(TreeView, TvmSetInsertMark(w, kItem, 1), TVM_SETINSERTMARK, 1, kItem, AsIs),
    W(TreeView, TreeViewCcmSetUnicodeFormat(w, 1), CCM_SETUNICODEFORMAT, 1, 0, AsIs),
    W(TreeView, TreeViewCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0, AsIs),
    W(TreeView, TvmSetItemHeight(w, 21), TVM_SETITEMHEIGHT, 21, 0, AsIs),
    W(TreeView, TvmGetItemHeight(w), TVM_GETITEMHEIGHT, 0, 0, AsIs),
    W(TreeView, TvmSetBkColor(w, 0x00102030), TVM_SETBKCOLOR, 0, 0x00102030, AsIs),
    W(TreeView, TvmSetTextColor(w, 0x00405060), TVM_SETTEXTCOLOR, 0, 0x00405060, AsIs),
    W(TreeView, TvmGetBkColor(w), TVM_GETBKCOLOR, 0, 0, AsIs),
    W(TreeView, TvmGetTextColor(w), TVM_GETTEXTCOLOR, 0, 0, AsIs),
    W(TreeView, TvmSetScrollTime(w, 250), TVM_SETSCROLLTIME, 250, 0, AsIs),
    W(TreeView, TvmGetScrollTime(w), TVM_GETSCROLLTIME, 0, 0, AsIs),
    W(TreeView, TvmSetInsertMarkColor(w, 0x00708090), TVM_SETINSERTMARKCOLOR, 0, 0x00708090, AsIs),
    W(TreeView, TvmGetInsertMarkColor(w), TVM_GETINSERTMARKCOLOR, 0, 0, AsIs),

    W(Tab, TcmGetImageList(w), TCM_GETIMAGELIST, 0, 0, AsIs),
    W(Tab, TcmSetImageList(w, kImages), TCM_SETIMAGELIST, 0, kImages, AsIs),
    W(Tab, TcmGetItemCount(w), TCM_GETITEMCOUNT, 0, 0, AsIs),
    W(Tab, TcmGetItemA(w, 1, r.tcItem), TCM_GETITEMA, 1, &r.tcItem, AsIs),
    W(Tab, TcmSetItemA(w, 2, r.tcItem), TCM_SETITEMA, 2, &r.tcItem, AsIs),
    W(Tab, TcmInsertItemA(w, 3, r.tcItem), TCM_INSERTITEMA, 3, &r.tcItem, AsIs),
    W(Tab, TcmDeleteItem(w, 4), TCM_DELETEITEM, 4, 0, AsIs),
    W(Tab, TcmDeleteAllItems(w), TCM_DELETEALLITEMS, 0, 0, AsIs),
    W(Tab, TcmGetItemRect(w, 5, r.rect), TCM_GETITEMRECT, 5, &r.rect, AsIs),
    W(Tab, TcmGetCurSel(w), TCM_GETCURSEL, 0, 0, AsIs),
    W(Tab, TcmSetCurSel(w, 6), TCM_SETCURSEL, 6, 0, AsIs),
    W(Tab, TcmHitTest(w, r.tcHit), TCM_HITTEST, 0, &r.tcHit, AsIs),
    W(Tab, TcmSetItemExtra(w, 8), TCM_SETITEMEXTRA, 8, 0, AsIs),
    W(Tab, TcmAdjustRect(w, 1, r.rect), TCM_ADJUSTRECT, 1, &r.rect, AsIs),
    W(Tab, TcmSetItemSize(w, 80, 70000), TCM_SETITEMSIZE, 0, 0x11700050, AsIs),
    W(Tab, TcmRemoveImage(w, 2), TCM_REMOVEIMAGE, 2, 0, None),
    W(Tab, TcmSetPadding(w, 6, -2), TCM_SETPADDING, 0, 0xFFFE0006, None),
    W(Tab, TcmGetRowCount(w), TCM_GETROWCOUNT, 0, 0, AsIs),
    W(Tab, TcmGetToolTips(w), TCM_GETTOOLTIPS, 0, 0, AsIs),
    W(Tab, TcmSetToolTips(w, kOther), TCM_SETTOOLTIPS, kOther, 0, None),
    W(Tab, TcmGetCurFocus(w), TCM_GETCURFOCUS, 0, 0, AsIs),
    W(Tab, TcmSetCurFocus(w, 3), TCM_SETCURFOCUS, 3, 0, None),
    W(Tab, TcmSetMinTabWidth(w, 40), TCM_SETMINTABWIDTH, 0, 40, AsIs),
    W(Tab, TcmDeselectAll(w, 1), TCM_DESELECTALL, 1, 0, None),
    W(Tab, TcmHighlightItem(w, 2, -1), TCM_HIGHLIGHTITEM, 2, 0xFFFF, AsIs),
    W(Tab, TcmSetExtendedStyle(w, 0x3, 0x1), TCM_SETEXTENDEDSTYLE, 0x3, 0x1, AsIs),
    W(Tab, TcmGetExtendedStyle(w), TCM_GETEXTENDEDSTYLE, 0, 0, AsIs),
    W(Tab, TabCcmSetUnicodeFormat(w, 0), CCM_SETUNICODEFORMAT, 0, 0, AsIs),
    W(Tab, TabCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0, AsIs),

    W(Animation, AcmOpenA(w, "clip"), ACM_OPENA, 0, kSomeAddress, AsIs, SEEN_TEXT("clip")),
    W(Animation, AcmOpenA(w, kInstance, "clip"), ACM_OPENA, kInstance, kSomeAddress, AsIs, SEEN_TEXT("clip")),
    W(Animation, AcmPlay(w, 2, 9, -1), ACM_PLAY, -1, 0x00090002, AsIs),
    W(Animation, AcmStop(w), ACM_STOP, 0, 0, AsIs),
    W(Animation, AnimationClose(w), ACM_OPENA, 0, 0, AsIs),
    W(Animation, AnimationSeek(w, 7), ACM_PLAY, 1, 0x00070007, AsIs),

    W(MonthCalendar, McmGetCurSel(w, r.time), MCM_GETCURSEL, 0, &r.time, AsIs),
    W(MonthCalendar, McmSetCurSel(w, r.time), MCM_SETCURSEL, 0, &r.time, AsIs),
    W(MonthCalendar, McmGetMaxSelCount(w), MCM_GETMAXSELCOUNT, 0, 0, AsIs),
    W(MonthCalendar, McmSetMaxSelCount(w, 14), MCM_SETMAXSELCOUNT, 14, 0, AsIs),
    W(MonthCalendar, McmGetSelRange(w, r.times), MCM_GETSELRANGE, 0, r.times, AsIs),
    W(MonthCalendar, McmSetSelRange(w, r.times), MCM_SETSELRANGE, 0, r.times, AsIs),
    W(MonthCalendar, McmGetMonthRange(w, GMR_DAYSTATE, r.times), MCM_GETMONTHRANGE, GMR_DAYSTATE, r.times, AsIs),
    W(MonthCalendar, McmSetDayState(w, 3, r.dayStates), MCM_SETDAYSTATE, 3, r.dayStates, AsIs),
    W(MonthCalendar, McmGetMinReqRect(w, r.rect), MCM_GETMINREQRECT, 0, &r.rect, AsIs),
    W(MonthCalendar, McmSetColor(w, MCSC_TEXT, 0x00112233), MCM_SETCOLOR, MCSC_TEXT, 0x00112233, AsIs),
    W(MonthCalendar, McmGetColor(w, MCSC_TITLEBK), MCM_GETCOLOR, MCSC_TITLEBK, 0, AsIs),
    W(MonthCalendar, McmSetToday(w, r.time), MCM_SETTODAY, 0, &r.time, AsIs),
    W(MonthCalendar, McmGetToday(w, r.time), MCM_GETTODAY, 0, &r.time, AsIs),
    W(MonthCalendar, McmHitTest(w, r.mcHit), MCM_HITTEST, 0, &r.mcHit, AsIs),
    W(MonthCalendar, McmSetFirstDayOfWeek(w, 6), MCM_SETFIRSTDAYOFWEEK, 0, 6, AsIs),
    W(MonthCalendar, McmGetFirstDayOfWeek(w), MCM_GETFIRSTDAYOFWEEK, 0, 0, AsIs),
    W(MonthCalendar, McmGetRange(w, r.times), MCM_GETRANGE, 0, r.times, AsIs),
    W(MonthCalendar, McmSetRange(w, GDTR_MIN, r.times), MCM_SETRANGE, GDTR_MIN, r.times, AsIs),
    W(MonthCalendar, McmGetMonthDelta(w), MCM_GETMONTHDELTA, 0, 0, AsIs),
    W(MonthCalendar, McmSetMonthDelta(w, 2), MCM_SETMONTHDELTA, 2, 0, AsIs),
    W(MonthCalendar, McmGetMaxTodayWidth(w), MCM_GETMAXTODAYWIDTH, 0, 0, AsIs),
    W(MonthCalendar, MonthCalCcmSetUnicodeFormat(w, 1), CCM_SETUNICODEFORMAT, 1, 0, AsIs),
    W(MonthCalendar, MonthCalCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0, AsIs),

    W(DateTime, DtmGetSystemTime(w, r.time), DTM_GETSYSTEMTIME, 0, &r.time, AsIs),
    W(DateTime, DtmSetSystemTime(w, GDT_VALID, r.time), DTM_SETSYSTEMTIME, GDT_VALID, &r.time, AsIs),
    W(DateTime, DtmGetRange(w, r.times), DTM_GETRANGE, 0, r.times, AsIs),
    W(DateTime, DtmSetRange(w, GDTR_MAX, r.times), DTM_SETRANGE, GDTR_MAX, r.times, AsIs),
    W(DateTime, DtmSetFormatA(w, "yyyy"), DTM_SETFORMATA, 0, kSomeAddress, AsIs, SEEN_TEXT("yyyy")),
    W(DateTime, DtmSetMcColor(w, MCSC_BACKGROUND, 0x00445566), DTM_SETMCCOLOR, MCSC_BACKGROUND, 0x00445566, AsIs),
    W(DateTime, DtmGetMcColor(w, MCSC_MONTHBK), DTM_GETMCCOLOR, MCSC_MONTHBK, 0, AsIs),
    W(DateTime, DtmGetMonthCal(w), DTM_GETMONTHCAL, 0, 0, AsIs),
    W(DateTime, DtmSetMcFont(w, kFont, 1), DTM_SETMCFONT, kFont, 1, None),
    W(DateTime, DtmGetMcFont(w), DTM_GETMCFONT, 0, 0, AsIs),

    W(Pager, PgmSetChild(w, kOther), PGM_SETCHILD, 0, kOther, None),
    W(Pager, PgmRecalcSize(w), PGM_RECALCSIZE, 0, 0, None),
    W(Pager, PgmForwardMouse(w, 0x1FF), PGM_FORWARDMOUSE, 0xFF, 0, None),
    W(Pager, PgmSetBkColor(w, 0x00778899), PGM_SETBKCOLOR, 0, 0x00778899, AsIs),
    W(Pager, PgmGetBkColor(w), PGM_GETBKCOLOR, 0, 0, AsIs),
    W(Pager, PgmSetBorder(w, 3), PGM_SETBORDER, 0, 3, AsIs),
    W(Pager, PgmGetBorder(w), PGM_GETBORDER, 0, 0, AsIs),
    W(Pager, PgmSetPos(w, 40), PGM_SETPOS, 0, 40, AsIs),
    W(Pager, PgmGetPos(w), PGM_GETPOS, 0, 0, AsIs),
    W(Pager, PgmSetButtonSize(w, 12), PGM_SETBUTTONSIZE, 0, 12, AsIs),
    W(Pager, PgmGetButtonSize(w), PGM_GETBUTTONSIZE, 0, 0, AsIs),
    W(Pager, PgmGetButtonState(w, PGB_BOTTOMORRIGHT), PGM_GETBUTTONSTATE, 0, PGB_BOTTOMORRIGHT, AsIs),
    W(Pager, CcmGetDropTarget(w, r.dropTarget), CCM_GETDROPTARGET, 0, &r.dropTarget, None),

    W(Button, BmClick(w), BM_CLICK, 0, 0, None),
    W(Button, BmGetCheck(w), BM_GETCHECK, 0, 0, AsIs),
    W(Button, BmGetImage(w), BM_GETIMAGE, IMAGE_BITMAP, 0, AsIs),
    W(Button, BmGetState(w), BM_GETSTATE, 0, 0, AsIs),
    W(Button, BmSetCheck(w, BST_INDETERMINATE), BM_SETCHECK, BST_INDETERMINATE, 0, None),
    W(Button, BmSetImage(w, kFont), BM_SETIMAGE, IMAGE_BITMAP, kFont, AsIs),
    W(Button, BmSetState(w, -1), BM_SETSTATE, 1, 0, AsIs),
    W(Button, BmSetStyle(w, BS_CHECKBOX, 5), BM_SETSTYLE, BS_CHECKBOX, 1, None),
    W(Button, ButtonSetText(w, r.caption), WM_SETTEXT, 0, kSomeAddress, None, SEEN_TEXT("Caption")),

    W(Edit, EmCanUndo(w), EM_CANUNDO, 0, 0, AsIs),
    W(Edit, EmCharFromPos(w, 70000, -1), EM_CHARFROMPOS, 0, 0xFFFF1170, AsIs),
    W(Edit, EmEmptyUndoBuffer(w), EM_EMPTYUNDOBUFFER, 0, 0, None),
    W(Edit, EmFmtLines(w, 5), EM_FMTLINES, 1, 0, AsIs),
    W(Edit, EmGetFirstVisibleLine(w), EM_GETFIRSTVISIBLELINE, 0, 0, AsIs),
    W(Edit, EmGetHandle(w), EM_GETHANDLE, 0, 0, AsIs),
    W(Edit, EmGetLimitText(w), EM_GETLIMITTEXT, 0, 0, AsIs),
    W(Edit, EmGetLine(w, 3), EM_GETLINE, 3, kSomeAddress, Text,
      Seen{64, [](const unsigned char* b) { return b[0] == 0xFD && b[1] == 0x7F && Zero(b + 2, 62); }}, 0),
    W(Edit, EmGetLineCount(w), EM_GETLINECOUNT, 0, 0, AsIs),
    W(Edit, EmGetMargins(w), EM_GETMARGINS, 0, 0, AsIs),
    W(Edit, EmGetModify(w), EM_GETMODIFY, 0, 0, AsIs),
    W(Edit, EmGetPasswordChar(w), EM_GETPASSWORDCHAR, 0, 0, AsIs),
    W(Edit, EmGetRect(w, r.rect), EM_GETRECT, 0, &r.rect, None),
    W(Edit, EmGetSel(w, &r.start, &r.end), EM_GETSEL, &r.start, &r.end, AsIs),
    W(Edit, WmGetTextLength(w), WM_GETTEXTLENGTH, 0, 0, AsIs),
    W(Edit, EditGetText(w), WM_GETTEXT, 1, kSomeAddress, Text, Seen{}, 0),
    W(Edit, EmGetThumb(w), EM_GETTHUMB, 0, 0, AsIs),
    W(Edit, EmLimitText(w, 80), EM_LIMITTEXT, 80, 0, None),
    W(Edit, EmLineFromChar(w, 12), EM_LINEFROMCHAR, 12, 0, AsIs),
    W(Edit, EmLineIndex(w, -1), EM_LINEINDEX, -1, 0, AsIs),
    W(Edit, EmLineLength(w, 4), EM_LINELENGTH, 4, 0, AsIs),
    W(Edit, EmLineScroll(w, 2, -3), EM_LINESCROLL, 2, -3, AsIs),
    W(Edit, EmPosFromChar(w, 5), EM_POSFROMCHAR, 5, 0, AsIs),
    W(Edit, EditSetText(w, MakeText("typed")), WM_SETTEXT, 0, kSomeAddress, Bool, SEEN_TEXT("typed")),

    W(ListBox, LbAddFile(w, MakeText("a.txt")), LB_ADDFILE, 0, kSomeAddress, AsIs, SEEN_TEXT("a.txt")),
    W(ListBox, LbAddString(w, MakeText("abc")), LB_ADDSTRING, 0, kSomeAddress, AsIs, SEEN_TEXT("abc")),
    W(ListBox, LbDeleteString(w, 2), LB_DELETESTRING, 2, 0, AsIs),
    W(ListBox, LbDir(w, DDL_DIRECTORY, MakeText("*.*")), LB_DIR, DDL_DIRECTORY, kSomeAddress, AsIs, SEEN_TEXT("*.*")),
    W(ListBox, LbFindString(w, -1, MakeText("ab")), LB_FINDSTRING, -1, kSomeAddress, AsIs, SEEN_TEXT("ab")),
    W(ListBox, LbFindStringExact(w, 3, MakeText("")), LB_FINDSTRINGEXACT, 3, kSomeAddress, AsIs, SEEN_TEXT("")),
    W(ListBox, LbGetAnchorIndex(w), LB_GETANCHORINDEX, 0, 0, AsIs),
    W(ListBox, LbGetCaretIndex(w), LB_GETCARETINDEX, 0, 0, AsIs),
    W(ListBox, LbGetCount(w), LB_GETCOUNT, 0, 0, AsIs),
    W(ListBox, LbGetCurSel(w), LB_GETCURSEL, 0, 0, AsIs),
    W(ListBox, LbGetHorizontalExtent(w), LB_GETHORIZONTALEXTENT, 0, 0, AsIs),
    W(ListBox, LbGetItemData(w, 4), LB_GETITEMDATA, 4, 0, AsIs),
    W(ListBox, LbGetLocale(w), LB_GETLOCALE, 0, 0, AsIs),
    W(ListBox, LbGetSel(w, 5), LB_GETSEL, 5, 0, Flag),
    W(ListBox, LbGetSelCount(w), LB_GETSELCOUNT, 0, 0, AsIs),
    W(ListBox, LbGetSelItems(w, 4, r.orders), LB_GETSELITEMS, 4, r.orders, AsIs),
    W(ListBox, LbGetText(w, 6), LB_GETTEXT, 6, programGlobals.ItemTextBuffer, Text),
    W(ListBox, LbGetTopIndex(w), LB_GETTOPINDEX, 0, 0, AsIs),
    W(ListBox, LbInsertString(w, -1, MakeText("last")), LB_INSERTSTRING, -1, kSomeAddress, AsIs, SEEN_TEXT("last")),
    W(ListBox, LbResetContent(w), LB_RESETCONTENT, 0, 0, None),
    W(ListBox, LbSelectString(w, 1, MakeText("x")), LB_SELECTSTRING, 1, kSomeAddress, AsIs, SEEN_TEXT("x")),
    W(ListBox, LbSetAnchorIndex(w, 7), LB_SETANCHORINDEX, 7, 0, AsIs),
    W(ListBox, LbSetCurSel(w, 8), LB_SETCURSEL, 8, 0, AsIs),
    W(ListBox, LbSetHorizontalExtent(w, 300), LB_SETHORIZONTALEXTENT, 300, 0, None),
    W(ListBox, LbSetLocale(w, 0x0413), LB_SETLOCALE, 0x0413, 0, AsIs),
    W(ListBox, LbSetSel(w, 1, -1), LB_SETSEL, 1, -1, AsIs),
    W(ListBox, LbSetTabStops(w, r.orders, 2), LB_SETTABSTOPS, 2, r.orders, None),
    W(ListBox, LbSetTopIndex(w, 9), LB_SETTOPINDEX, 9, 0, AsIs),

    W(ComboBox, CbAddString(w, MakeText("abc")), CB_ADDSTRING, 0, kSomeAddress, AsIs, SEEN_TEXT("abc")),
    W(ComboBox, CbDeleteString(w, 1), CB_DELETESTRING, 1, 0, AsIs),
    W(ComboBox, CbDir(w, DDL_READWRITE, MakeText("*.c")), CB_DIR, DDL_READWRITE, kSomeAddress, AsIs, SEEN_TEXT("*.c")),
    W(ComboBox, CbFindString(w, -1, MakeText("a")), CB_FINDSTRING, -1, kSomeAddress, AsIs, SEEN_TEXT("a")),
    W(ComboBox, CbFindStringExact(w, 2, MakeText("b")), CB_FINDSTRINGEXACT, 2, kSomeAddress, AsIs, SEEN_TEXT("b")),
    W(ComboBox, CbGetCount(w), CB_GETCOUNT, 0, 0, AsIs),
    W(ComboBox, CbGetCurSel(w), CB_GETCURSEL, 0, 0, AsIs),
    W(ComboBox, CbGetDroppedState(w), CB_GETDROPPEDSTATE, 0, 0, Flag),
    W(ComboBox, CbGetDroppedWidth(w), CB_GETDROPPEDWIDTH, 0, 0, AsIs),
    W(ComboBox, CbGetEditSel(w, r.start, r.end), CB_GETEDITSEL, &r.start, &r.end, None),
    W(ComboBox, CbGetExtendedUI(w), CB_GETEXTENDEDUI, 0, 0, AsIs),
    W(ComboBox, CbGetItemData(w, 3), CB_GETITEMDATA, 3, 0, AsIs),
    W(ComboBox, CbGetLBText(w, 4), CB_GETLBTEXT, 4, kSomeAddress, Text,
      Seen{kItemTextLimit + 1, [](const unsigned char* b) { return Zero(b, kItemTextLimit + 1); }}, 255),
    W(ComboBox, CbGetTopIndex(w), CB_GETTOPINDEX, 0, 0, AsIs),
    W(ComboBox, CbInitStorage(w, 100, 4000), CB_INITSTORAGE, 100, 4000, AsIs),
    W(ComboBox, CbInsertString(w, MakeText("top")), CB_INSERTSTRING, 0, kSomeAddress, AsIs, SEEN_TEXT("top")),
    W(ComboBox, CbLimitText(w, 12), CB_LIMITTEXT, 12, 0, None),
    W(ComboBox, CbResetContent(w), CB_RESETCONTENT, 0, 0, None),
    W(ComboBox, CbSelectString(w, -1, MakeText("t")), CB_SELECTSTRING, -1, kSomeAddress, AsIs, SEEN_TEXT("t")),
    W(ComboBox, CbSetCurSel(w, 5), CB_SETCURSEL, 5, 0, AsIs),
    W(ComboBox, CbSetEditSel(w, 0, -1), CB_SETEDITSEL, 0, 0xFFFF0000, AsIs),
    W(ComboBox, CbSetItemData(w, 6, kAnswer), CB_SETITEMDATA, 6, kAnswer, AsIs),
    W(ComboBox, CbSetTopIndex(w, 7), CB_SETTOPINDEX, 7, 0, AsIs),
    W(ComboBox, CbShowDropDown(w, -2), CB_SHOWDROPDOWN, 1, 0, None),
};

std::string Describe(const WireRow& row, LRESULT answer) {
  return std::string(row.call) + " answered " + std::to_string(static_cast<long long>(answer));
}

class ControlWire : public ::testing::Test {
 protected:
  void SetUp() override {
    recorder = CreateWireRecorder();
    ASSERT_NE(nullptr, recorder);
    r.caption = MakeText("Caption");
  }
  void TearDown() override {
    TextRelease(r.caption);
    DestroyWindow(recorder);
  }
  HWND recorder = nullptr;
};

TEST_F(ControlWire, EveryMessageWrapperSendsItsMessageAndReadsTheAnswer) {
  for (const WireRow& row : kWireRows) {
    const bool textRow = row.kind == Kind::Text;
    const LRESULT answers[] = {kAnswer, -1, 0};
    for (const LRESULT answer : answers) {
      if (textRow && answer != 0) continue;
      StartWire(answer, row.seen.bytes);
      const LRESULT outcome = row.run(recorder);
      const std::vector<WireMessage> wire = StopWire();
      SCOPED_TRACE(Describe(row, answer));
      ASSERT_FALSE(wire.empty());
      const WireMessage& sent = wire.back();
      EXPECT_EQ(row.message, sent.message);
      EXPECT_EQ(row.wParam, sent.wParam);
      if (row.lParam == kSomeAddress) {
        EXPECT_NE(0, sent.lParam);
      } else {
        EXPECT_EQ(row.lParam, sent.lParam);
      }
      if (row.seen.check != nullptr) {
        EXPECT_TRUE(row.seen.check(sent.record)) << "the record as the window saw it";
      }
      switch (row.kind) {
        case Kind::AsIs: EXPECT_EQ(answer, outcome); break;
        case Kind::Flag: EXPECT_EQ(answer != 0 ? -1 : 0, outcome); break;
        case Kind::None: EXPECT_EQ(kNoResult, outcome); break;
        case Kind::Bool: EXPECT_EQ(static_cast<BOOL>(answer), outcome); break;
        case Kind::Text: EXPECT_EQ(row.expected, outcome); break;
      }
    }
  }
}

// The wrappers that send no message: each checks itself on real objects, or is
// pure arithmetic.
struct CallRow {
  Family family;
  const char* name;
  bool (*check)();
};

INT_PTR CALLBACK EndAt42(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) EndDialog(dialog, 42);
  return FALSE;
}
INT_PTR CALLBACK StayOpen(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

const DLGTEMPLATE& BuiltTemplate() {
  static DialogTemplateBuffer buffer;
  DialogTemplateBuild(buffer, DialogTemplateRequest{"Built", 5, 10, 10, 120, 60, 0, 0});
  return *reinterpret_cast<const DLGTEMPLATE*>(buffer.bytes);
}
std::string TitleOf(HWND window) {
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  return title;
}
bool ModelessShows(HWND dialog, const char* title) {
  const bool shown = dialog != nullptr && TitleOf(dialog) == title;
  DestroyWindow(dialog);
  return shown;
}
int ImageCount(HIMAGELIST list) { return ImageList_GetImageCount(list); }
HIMAGELIST IconList() {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "TESTICON");
  ImageListAddIcon(list, icon);
  ImageListAddIcon(list, icon);
  return list;
}

const CallRow kCallRows[] = {
    {Family::General, "ModuleHandle", [] { return ModuleHandle() == GetModuleHandleA(nullptr); }},
    {Family::General, "MoveTo",
     [] {
       HDC context = CreateCompatibleDC(nullptr);
       POINT now{};
       const bool moved = MoveTo(context, 5, -7) != 0 && GetCurrentPositionEx(context, &now) && now.x == 5 &&
                          now.y == -7;
       DeleteDC(context);
       return moved;
     }},
    {Family::General, "DialogFromTemplateRecord",
     [] { return ModelessShows(DialogFromTemplateRecord(ModuleHandle(), BuiltTemplate(), nullptr, StayOpen), "Built"); }},
    {Family::General, "DialogFromTemplateName",
     [] { return ModelessShows(DialogFromTemplateName(ModuleHandle(), "TESTDIALOG", nullptr, StayOpen), "Named"); }},
    {Family::General, "WindowCreate",
     [] {
       HWND window = WindowCreate("STATIC", "made", WS_POPUP, 3, 4, 30, 40, nullptr, nullptr, ModuleHandle(), nullptr);
       RECT frame{};
       GetWindowRect(window, &frame);
       const bool made = TitleOf(window) == "made" && frame.left == 3 && frame.right - frame.left == 30 &&
                         frame.bottom - frame.top == 40 && GetWindowLongPtrA(window, GWL_EXSTYLE) == 0;
       DestroyWindow(window);
       return made;
     }},
    {Family::General, "DialogModalFromTemplateName",
     [] { return DialogModalFromTemplateName(ModuleHandle(), "TESTDIALOG", nullptr, EndAt42) == 42; }},
    {Family::General, "DialogModalFromTemplateRecord",
     [] { return DialogModalFromTemplateRecord(ModuleHandle(), BuiltTemplate(), nullptr, EndAt42) == 42; }},
    {Family::General, "ImageListAddIcon",
     [] {
       HIMAGELIST list = IconList();
       const bool added = ImageCount(list) == 2 && ImageListAddIcon(list, nullptr) == -1;
       ImageList_Destroy(list);
       return added;
     }},
    {Family::General, "OverlayMask", [] { return OverlayMask(2) == 0x200; }},
    {Family::General, "ImageListRemoveAll",
     [] {
       HIMAGELIST list = IconList();
       const bool removed = ImageListRemoveAll(list) != 0 && ImageCount(list) == 0;
       ImageList_Destroy(list);
       return removed;
     }},
    {Family::General, "ImageListExtractIcon",
     [] {
       HIMAGELIST list = IconList();
       HICON icon = ImageListExtractIcon(nullptr, list, 1);
       ICONINFO info{};
       const bool extracted = icon != nullptr && GetIconInfo(icon, &info) && info.fIcon;
       DeleteObject(info.hbmColor);
       DeleteObject(info.hbmMask);
       DestroyIcon(icon);
       const bool missing = ImageListExtractIcon(nullptr, list, 5) == nullptr;
       ImageList_Destroy(list);
       return extracted && missing;
     }},
    {Family::General, "ImageListLoadBitmap",
     [] {
       HIMAGELIST list = ImageListLoadBitmap(ModuleHandle(), "TESTBITMAP", 8, 1, CLR_NONE);
       int width = 0;
       int height = 0;
       const bool loaded = list != nullptr && ImageCount(list) == 2 && ImageList_GetIconSize(list, &width, &height) &&
                           width == 8 && height == 16;
       ImageList_Destroy(list);
       return loaded;
     }},
    {Family::ListView, "StateImageMask", [] { return StateImageMask(2) == 0x2000; }},
    {Family::Animation, "AnimationCreate",
     [] {
       HWND parent = CreateWireRecorder();
       AnimationCreate(parent, 77, WS_CHILD | ACS_CENTER, ModuleHandle());
       HWND made = GetDlgItem(parent, 77);
       char className[32] = {};
       GetClassNameA(made, className, sizeof className);
       RECT frame{};
       GetClientRect(made, &frame);
       const bool created = std::string(className) == ANIMATE_CLASSA && TitleOf(made).empty() &&
                            (GetWindowLongPtrA(made, GWL_STYLE) & ACS_CENTER) != 0 && frame.right == 0;
       DestroyWindow(parent);
       return created;
     }},
    {Family::IpAddress, "IpRange", [] { return IpRange(1, 255) == 0xFF01; }},
    {Family::IpAddress, "IpAddress", [] { return IpAddress(192, 168, 1, 2) == 0xC0A80102; }},
    {Family::IpAddress, "IpFirstField", [] { return IpFirstField(0xC0A80102) == 192; }},
    {Family::IpAddress, "IpSecondField", [] { return IpSecondField(0xC0A80102) == 168; }},
    {Family::IpAddress, "IpThirdField", [] { return IpThirdField(0xC0A80102) == 1; }},
    {Family::IpAddress, "IpFourthField", [] { return IpFourthField(0xC0A80102) == 2; }},
};

TEST_F(ControlWire, EveryWrapperWithoutAMessageDoesItsCall) {
  for (const CallRow& row : kCallRows) EXPECT_TRUE(row.check()) << row.name;
}

TEST_F(ControlWire, TheTablesHoldEveryWrapperOfEveryFamily) {
  std::map<Family, int> rows;
  for (const WireRow& row : kWireRows) ++rows[row.family];
  for (const CallRow& row : kCallRows) ++rows[row.family];
  int total = 0;
  for (const auto& [family, size] : kFamilySizes) {
    EXPECT_EQ(size, rows[family]) << "family " << static_cast<int>(family);
    total += rows[family];
  }
  EXPECT_EQ(335, total);
  EXPECT_EQ(static_cast<LPARAM>(static_cast<int32_t>(0xFFFF0000)), static_cast<LPARAM>(kTviRoot))
      << "TVI_ROOT as the product sends it";
}

}  // namespace
