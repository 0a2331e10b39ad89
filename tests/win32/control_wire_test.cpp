// Every control wrapper, one row each, against a recording window: the message,
// wParam and lParam it sent (the last, where it sends several), the record at lParam
// as the window saw it, and what it made of the answer. C rows are the wrappers that
// send no message, checked on real objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include <tabard/controls/animation.h>
#include <tabard/controls/button.h>
#include <tabard/controls/combo_box.h>
#include <tabard/controls/date_time.h>
#include <tabard/controls/edit.h>
#include <tabard/controls/general.h>
#include <tabard/controls/header.h>
#include <tabard/controls/ip_address.h>
#include <tabard/controls/item_text.h>
#include <tabard/controls/list_box.h>
#include <tabard/controls/list_view.h>
#include <tabard/controls/month_calendar.h>
#include <tabard/controls/pager.h>
#include <tabard/controls/receive_buffers.h>
#include <tabard/controls/tab.h>
#include <tabard/controls/tree_view.h>
#include <tabard/dialogs/dialog_template.h>
#include "tests/core/text_test_support.h"

using namespace tabard;

namespace {

// A window standing in for any control: it keeps each message, with a copy of the first
// bytes at a non-zero lParam as they were during the call, and gives a chosen answer.
struct WireMessage { UINT message; WPARAM wParam; LPARAM lParam; unsigned char record[256]; };
std::vector<WireMessage> wire;
bool recording = false;
LRESULT chosenAnswer = 0;
size_t copyBytes = 0;
LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!recording) return DefWindowProcA(window, message, wParam, lParam);
  wire.push_back({message, wParam, lParam, {}});
  if (copyBytes != 0 && lParam != 0) std::memcpy(wire.back().record, reinterpret_cast<const void*>(lParam), copyBytes);
  return chosenAnswer;
}
HWND CreateWireRecorder() {
  WNDCLASSA windowClass{0, Recorder, 0, 0, GetModuleHandleA(nullptr), {}, {}, {}, {}, "ControlWireRecorder"};
  RegisterClassA(&windowClass);  // fails harmlessly once registered
  return CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, {}, {}, windowClass.hInstance, {});
}

// What a wrapper makes of the answer: the answer as is, a flag (-1 or 0), nothing, the 32-bit
// BOOL of a system call, a text of length `expected` (answer 0 only).
enum Kind { AsIs, Flag, Void, Bool, Text, Check };
// `bytes` of the record at lParam are checked by `seen`.
struct WireRow {
  const char* call; LRESULT (*run)(HWND window); UINT message; WPARAM wParam; LPARAM lParam; Kind kind = AsIs;
  size_t bytes = 0; bool (*seen)(const unsigned char* record) = nullptr; LRESULT expected = 0;
};

// Answers and handles with bits above 32 in a 64-bit build, which must come through whole.
template <typename H> H Fake(uint64_t value) { return reinterpret_cast<H>(static_cast<uintptr_t>(value)); }
const LRESULT kAnswer = static_cast<LRESULT>(0x7E12345678ULL), kNoResult = 0x0DEADBAD;
const LPARAM kAny = 0x0A11ADD5;  // some address the wrapper made; its record is checked
const HTREEITEM kItem = Fake<HTREEITEM>(0x7F00001230ULL);
const HIMAGELIST kImages = Fake<HIMAGELIST>(0x7F00004560ULL);
const HWND kOther = Fake<HWND>(0x7F00007890ULL);
const HFONT kFont = Fake<HFONT>(0x7F0000ABC0ULL);
const HINSTANCE kInstance = Fake<HINSTANCE>(0x7F00400000ULL);
int CALLBACK CompareNothing(LPARAM, LPARAM, LPARAM) { return 0; }

// clang-format off
// The caller's records that wrappers pass by reference.
LVITEMA lvItem; LVCOLUMNA lvColumn; LVFINDINFOA lvFind; LVHITTESTINFO lvHit; LVBKIMAGEA lvImage; HDITEMA hdItem;
HDLAYOUT hdLayout; TVINSERTSTRUCTA tvInsert; TVITEMA tvItem; TVHITTESTINFO tvHit; TVSORTCB tvSort; TCITEMA tcItem;
TCHITTESTINFO tcHit; MCHITTESTINFO mcHit; RECT rect, rects[2]; POINT point; SYSTEMTIME day, days[2];
MONTHDAYSTATE dayStates[3]; int32_t orders[4]; UINT count; void* dropTarget; DWORD from, to; char buffer[32];
DynString caption;
// clang-format on

// The value a message carries for an argument: records and arrays go by address.
template <typename T>
LPARAM V(const T& value) {
  if constexpr (std::is_class_v<T> || std::is_array_v<T> || std::is_function_v<T>) return LPARAM(&value);
  else if constexpr (std::is_pointer_v<T> || std::is_null_pointer_v<T>) return reinterpret_cast<LPARAM>(value);
  else return static_cast<LPARAM>(value);
}
template <typename Record>
Record As(const unsigned char* bytes) { Record record; return std::memcpy(&record, bytes, sizeof record), record; }
bool Zero(const unsigned char* bytes, size_t n) { return std::all_of(bytes, bytes + n, [](int b) { return b == 0; }); }
bool SameRect(const RECT& a, const RECT& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
// A local LVITEMA as the wrappers build it: all zero but the fields they set.
bool SameItem(const unsigned char* bytes, UINT state, UINT stateMask, int subItem, char* text, int capacity) {
  LVITEMA expected{};
  expected.state = state, expected.stateMask = stateMask, expected.iSubItem = subItem;
  return expected.pszText = text, expected.cchTextMax = capacity, std::memcmp(bytes, &expected, sizeof expected) == 0;
}
// A wrapper's result as one value: kNoResult for none, a text's length (released).
template <typename Call>
LRESULT Outcome(Call call) {
  using Result = decltype(call());
  if constexpr (std::is_void_v<Result>) return call(), kNoResult;
  else if constexpr (!std::is_same_v<Result, DynString>) return static_cast<LRESULT>(call());
  else return [](DynString t) { const auto n = LRESULT(TextHandleLength(t)); return TextRelease(t), n; }(call());
}

INT_PTR CALLBACK EndAt42(HWND d, UINT m, WPARAM, LPARAM) { return m == WM_INITDIALOG && EndDialog(d, 42), 0; }
INT_PTR CALLBACK StayOpen(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
const DLGTEMPLATE& Built() {
  static DialogTemplateBuffer buffer;
  DialogTemplateBuild(buffer, DialogTemplateRequest{"Built", 5, 10, 10, 120, 60, 0, 0});
  return *reinterpret_cast<const DLGTEMPLATE*>(buffer.bytes);
}
std::string TitleOf(HWND window) { char title[64] = {}; return GetWindowTextA(window, title, sizeof title), title; }
bool Shows(HWND dialog, const char* title) {
  const bool shown = dialog != nullptr && TitleOf(dialog) == title;
  return DestroyWindow(dialog), shown;
}
int Count(HIMAGELIST list) { return ImageList_GetImageCount(list); }
// Two copies of the test icon in a fresh list for `use`.
template <typename Use>
bool Icons(Use use) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "TESTICON");
  ImageListAddIcon(list, icon), ImageListAddIcon(list, icon);
  const bool passed = use(list);
  return ImageList_Destroy(list), passed;
}

// Row shapes: W spells it all out; N sends (0, 0); P sends its argument as wParam, Q
// as lParam; PQ (a, b) and QP (b, a); T sends a text, TP a wParam and a text.
#define W(call, message, wParam, lParam, ...)                                                                     \
  WireRow{#call, [](HWND w) { return Outcome([&] { return call; }); }, message, static_cast<WPARAM>(V(wParam)), \
          V(lParam), ##__VA_ARGS__}
#define N(f, message, ...) W(f(w), message, 0, 0, ##__VA_ARGS__)
#define P(f, message, a, ...) W(f(w, a), message, a, 0, ##__VA_ARGS__)
#define Q(f, message, a, ...) W(f(w, a), message, 0, a, ##__VA_ARGS__)
#define PQ(f, message, a, b, ...) W(f(w, a, b), message, a, b, ##__VA_ARGS__)
#define QP(f, message, a, b, ...) W(f(w, a, b), message, b, a, ##__VA_ARGS__)
#define SEE(Record, test) sizeof(Record), [](const unsigned char* b) { return test; }
#define SAW(text) SEE(char[sizeof text], std::memcmp(b, text, sizeof text) == 0)
#define T(f, message, text) W(f(w, MakeText(text)), message, 0, kAny, AsIs, SAW(text))
#define TP(f, message, a, text) W(f(w, a, MakeText(text)), message, a, kAny, AsIs, SAW(text))
#define C(f, ...) WireRow{#f, [](HWND) -> LRESULT { return __VA_ARGS__; }, 0, 0, 0, Check}

// clang-format off
const WireRow kRows[] = {
    C(ModuleHandle, ModuleHandle() == GetModuleHandleA(nullptr)),
    C(ImageListExtractIcon, Icons([](HIMAGELIST l) { HICON icon = ImageListExtractIcon(nullptr, l, 1); ICONINFO info{};
      const bool made = icon != nullptr && GetIconInfo(icon, &info) && info.fIcon; DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask); DestroyIcon(icon); return made && !ImageListExtractIcon(nullptr, l, 5); })),
    C(DialogFromTemplateName, Shows(DialogFromTemplateName(ModuleHandle(), "TESTDIALOG", nullptr, StayOpen), "Named")),
    C(WindowCreate, [] { RECT at{}; HWND made = WindowCreate("STATIC", "made", WS_POPUP, 3, 4, 30, 40, nullptr, nullptr,
      ModuleHandle(), nullptr); GetWindowRect(made, &at); const bool ok = TitleOf(made) == "made" &&
      SameRect(at, {3, 4, 33, 44}) && GetWindowLongPtrA(made, GWL_EXSTYLE) == 0; return DestroyWindow(made), ok; }()),
    C(DialogFromTemplateRecord, Shows(DialogFromTemplateRecord(ModuleHandle(), Built(), nullptr, StayOpen), "Built")),
    C(ImageListLoadBitmap, [] { HIMAGELIST l = ImageListLoadBitmap(ModuleHandle(), "TESTBITMAP", 8, 1, CLR_NONE);
      int cx = 0, cy = 0; const bool ok = l && Count(l) == 2 && ImageList_GetIconSize(l, &cx, &cy) && cx == 8;
      return ImageList_Destroy(l), ok && cy == 16; }()),
    C(DialogModalFromTemplateName, DialogModalFromTemplateName(ModuleHandle(), "TESTDIALOG", nullptr, EndAt42) == 42),
    C(MoveTo, [] { HDC dc = CreateCompatibleDC(nullptr); POINT at{};
      const bool moved = MoveTo(dc, 5, -7) != 0 && GetCurrentPositionEx(dc, &at) && at.x == 5 && at.y == -7;
      return DeleteDC(dc), moved; }()),
    C(DialogModalFromTemplateRecord, DialogModalFromTemplateRecord(ModuleHandle(), Built(), nullptr, EndAt42) == 42),
    C(ImageListAddIcon, Icons([](HIMAGELIST l) { return Count(l) == 2 && ImageListAddIcon(l, nullptr) == -1; })),
    C(ImageListRemoveAll, Icons([](HIMAGELIST l) { return ImageListRemoveAll(l) != 0 && Count(l) == 0; })),
    C(OverlayMask, OverlayMask(2) == 0x200), PQ(HdmSetHotDivider, HDM_SETHOTDIVIDER, 1, 0x00200010),
    P(HeaderCcmSetUnicodeFormat, CCM_SETUNICODEFORMAT, 1), PQ(HdmGetOrderArray, HDM_GETORDERARRAY, 4, orders),
    PQ(HdmSetOrderArray, HDM_SETORDERARRAY, 3, orders), N(HeaderCcmGetUnicodeFormat, CCM_GETUNICODEFORMAT),
    PQ(HdmInsertItemA, HDM_INSERTITEMA, 2, hdItem), Q(HdmSetImageList, HDM_SETIMAGELIST, kImages),
    P(HdmCreateDragImage, HDM_CREATEDRAGIMAGE, 8), PQ(HdmGetItemRect, HDM_GETITEMRECT, 6, rect),
    PQ(HdmGetItemA, HDM_GETITEMA, 4, hdItem), PQ(HdmSetItemA, HDM_SETITEMA, 5, hdItem),
    P(HdmOrderToIndex, HDM_ORDERTOINDEX, 7), N(HdmGetItemCount, HDM_GETITEMCOUNT), N(HdmGetImageList, HDM_GETIMAGELIST),
    P(HdmDeleteItem, HDM_DELETEITEM, 3), Q(HdmLayout, HDM_LAYOUT, hdLayout),
    W((rect = RECT{9, 9, 9, 9}, LvmGetSubItemRect(w, 8, 2, LVIR_ICON, &rect)), LVM_GETSUBITEMRECT, 8, &rect, AsIs,
      SEE(RECT, SameRect(As<RECT>(b), {LVIR_ICON, 2, 9, 9}))),
    W(LvmSetItemTextA(w, 6, 3, buffer), LVM_SETITEMTEXTA, 6, kAny, Void, SEE(LVITEMA, SameItem(b, 0, 0, 3, buffer, 0))),
    W(LvmSetItemPosition32(w, 7, -5, 70000), LVM_SETITEMPOSITION32, 7, kAny, Void,
      SEE(POINT, As<POINT>(b).x == -5 && As<POINT>(b).y == 70000)),
    W(LvmApproximateViewRect(w, 100, 200, 12), LVM_APPROXIMATEVIEWRECT, 12, 0x00C80064), N(LvmGetHeader, LVM_GETHEADER),
    W((rect.left = 99, LvmGetItemRect(w, 2, rect, LVIR_LABEL)), LVM_GETITEMRECT, 2, &rect, AsIs,
      SEE(RECT, As<RECT>(b).left == LVIR_LABEL)),
    W(LvmGetStringWidthA(w, "wide"), LVM_GETSTRINGWIDTHA, 0, kAny, AsIs, SAW("wide")), N(LvmGetBkColor, LVM_GETBKCOLOR),
    W(LvmSetItemState(w, 2, 0x2003, 0xF00F), LVM_SETITEMSTATE, 2, kAny, Void,
      SEE(LVITEMA, SameItem(b, 0x2003, 0xF00F, 0, nullptr, 0))),
    Q(LvmSetExtendedListViewStyle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES), P(LvmDeleteItem, LVM_DELETEITEM, 9),
    W(LvmGetItemTextA(w, 5, 2, buffer, 32), LVM_GETITEMTEXTA, 5, kAny, Void,
      SEE(LVITEMA, SameItem(b, 0, 0, 2, buffer, 32))),
    PQ(LvmSetExtendedListViewStyle, LVM_SETEXTENDEDLISTVIEWSTYLE, 0x21, 0x01), N(LvmDeleteAllItems, LVM_DELETEALLITEMS),
    W(LvmSetItemPosition(w, 3, -1, 2), LVM_SETITEMPOSITION, 3, 0x0002FFFF), PQ(LvmFindItemA, LVM_FINDITEMA, -1, lvFind),
    Q(LvmSetHotCursor, LVM_SETHOTCURSOR, Fake<HCURSOR>(0x7F00000CC0ULL)), Q(LvmSetBkColor, LVM_SETBKCOLOR, 0x00FFEEDD),
    W(LvmSetIconSpacing(w, 64, -1), LVM_SETICONSPACING, 0, 0xFFFF0040), P(LvmSetItemCount, LVM_SETITEMCOUNT, 500, Void),
    PQ(LvmSetItemCount, LVM_SETITEMCOUNT, 600, LVSICF_NOSCROLL, Void), Q(LvmSetTextColor, LVM_SETTEXTCOLOR, 0x00010203),
    W(LvmSetColumnWidth(w, 6, 70000), LVM_SETCOLUMNWIDTH, 6, 0x1170), P(LvmGetImageList, LVM_GETIMAGELIST, LVSIL_SMALL),
    W(LvmGetNextItem(w, -1, 0x10002), LVM_GETNEXTITEM, -1, 0x0002), Q(LvmSetTextBkColor, LVM_SETTEXTBKCOLOR, CLR_NONE),
    PQ(LvmSetColumnOrderArray, LVM_SETCOLUMNORDERARRAY, 3, orders), Q(LvmSubItemHitTest, LVM_SUBITEMHITTEST, lvHit),
    PQ(LvmGetColumnOrderArray, LVM_GETCOLUMNORDERARRAY, 4, orders), PQ(LvmSetWorkAreas, LVM_SETWORKAREAS, 2, rects),
    N(LvmGetExtendedListViewStyle, LVM_GETEXTENDEDLISTVIEWSTYLE), PQ(LvmGetItemPosition, LVM_GETITEMPOSITION, 4, point),
    QP(LvmSetImageList, LVM_SETIMAGELIST, kImages, LVSIL_STATE), PQ(LvmGetItemState, LVM_GETITEMSTATE, 3, LVIS_FOCUSED),
    W(LvmEnsureVisible(w, 5, -1), LVM_ENSUREVISIBLE, 5, 0xFFFF), Q(LvmGetISearchStringA, LVM_GETISEARCHSTRINGA, buffer),
    W(LvmGetNumberOfWorkAreas(w, count), LVM_GETNUMBEROFWORKAREAS, 0, &count),
    PQ(LvmCreateDragImage, LVM_CREATEDRAGIMAGE, 8, point),
    W(LvmGetItemState(w, 4), LVM_GETITEMSTATE, 4, 0xFFFFF000u), P(ListViewCcmSetUnicodeFormat, CCM_SETUNICODEFORMAT, 0),
    P(LvmSetCallbackMask, LVM_SETCALLBACKMASK, LVIS_SELECTED), QP(LvmSortItems, LVM_SORTITEMS, CompareNothing, kAnswer),
    N(ListViewCcmGetUnicodeFormat, CCM_GETUNICODEFORMAT), PQ(LvmInsertColumnA, LVM_INSERTCOLUMNA, 3, lvColumn),
    PQ(LvmGetWorkAreas, LVM_GETWORKAREAS, 1, rects), Q(LvmSetSelectionMark, LVM_SETSELECTIONMARK, 3),
    C(StateImageMask, StateImageMask(2) == 0x2000), PQ(LvmGetColumnA, LVM_GETCOLUMNA, 1, lvColumn),
    PQ(LvmSetColumnA, LVM_SETCOLUMNA, 2, lvColumn), N(LvmGetSelectedCount, LVM_GETSELECTEDCOUNT),
    N(LvmGetSelectionMark, LVM_GETSELECTIONMARK), P(LvmGetColumnWidth, LVM_GETCOLUMNWIDTH, 5),
    P(LvmGetItemSpacing, LVM_GETITEMSPACING, 1), Q(LvmSetBkImageA, LVM_SETBKIMAGEA, lvImage),
    Q(LvmGetBkImageA, LVM_GETBKIMAGEA, lvImage), Q(LvmInsertItemA, LVM_INSERTITEMA, lvItem),
    N(LvmGetCallbackMask, LVM_GETCALLBACKMASK), P(LvmArrange, LVM_ARRANGE, LVA_SNAPTOGRID), P(LvmUpdate, LVM_UPDATE, 9),
    N(LvmGetCountPerPage, LVM_GETCOUNTPERPAGE), P(LvmSetToolTips, LVM_SETTOOLTIPS, kOther),
    PQ(LvmRedrawItems, LVM_REDRAWITEMS, 1, 6), Q(LvmSetHoverTime, LVM_SETHOVERTIME, 400),
    N(LvmGetEditControl, LVM_GETEDITCONTROL), Q(LvmGetViewRect, LVM_GETVIEWRECT, rect),
    N(LvmGetTextBkColor, LVM_GETTEXTBKCOLOR), P(LvmDeleteColumn, LVM_DELETECOLUMN, 4), PQ(LvmScroll, LVM_SCROLL, -3, 4),
    Q(LvmGetOrigin, LVM_GETORIGIN, point), N(LvmGetItemCount, LVM_GETITEMCOUNT), Q(LvmGetItemA, LVM_GETITEMA, lvItem),
    Q(LvmSetItemA, LVM_SETITEMA, lvItem), N(LvmGetTextColor, LVM_GETTEXTCOLOR), N(LvmGetHotCursor, LVM_GETHOTCURSOR),
    N(LvmGetHoverTime, LVM_GETHOVERTIME), P(LvmEditLabelA, LVM_EDITLABELA, 7), P(LvmSetHotItem, LVM_SETHOTITEM, 1),
    N(LvmGetTopIndex, LVM_GETTOPINDEX), N(LvmGetToolTips, LVM_GETTOOLTIPS), Q(LvmHitTest, LVM_HITTEST, lvHit),
    N(LvmGetHotItem, LVM_GETHOTITEM), W(TreePreviousSibling(w, kItem), TVM_GETNEXTITEM, 2, kItem),
    W(TvmGetItemRect(w, kItem, rect, 1), TVM_GETITEMRECT, 1, &rect, AsIs, SEE(HTREEITEM, As<HTREEITEM>(b) == kItem)),
    QP(TvmSetImageList, TVM_SETIMAGELIST, kImages, TVSIL_NORMAL), QP(TvmGetNextItem, TVM_GETNEXTITEM, kItem, TVGN_NEXT),
    Q(TvmSetInsertMarkColor, TVM_SETINSERTMARKCOLOR, 0x00708090), QP(TvmSelectItem, TVM_SELECTITEM, kItem, TVGN_CARET),
    W(TreePreviousVisible(w, kItem), TVM_GETNEXTITEM, 7, kItem), Q(TvmGetISearchStringA, TVM_GETISEARCHSTRINGA, buffer),
    W(TreeSelectDropTarget(w, kItem), TVM_SELECTITEM, 8, kItem), QP(TvmSortChildrenCB, TVM_SORTCHILDRENCB, tvSort, 0),
    W(TreeNextSibling(w, kItem), TVM_GETNEXTITEM, 1, kItem), W(TreeNextVisible(w, kItem), TVM_GETNEXTITEM, 6, kItem),
    W(TreeScrollToItem(w, kItem), TVM_SELECTITEM, 5, kItem), P(TreeViewCcmSetUnicodeFormat, CCM_SETUNICODEFORMAT, 1),
    N(TreeViewCcmGetUnicodeFormat, CCM_GETUNICODEFORMAT), W(TreeParent(w, kItem), TVM_GETNEXTITEM, 3, kItem),
    P(TvmGetImageList, TVM_GETIMAGELIST, TVSIL_STATE), W(TreeChild(w, kItem), TVM_GETNEXTITEM, 4, kItem),
    W(TreeSelect(w, kItem), TVM_SELECTITEM, 9, kItem), Q(TvmCreateDragImage, TVM_CREATEDRAGIMAGE, kItem),
    QP(TvmSetInsertMark, TVM_SETINSERTMARK, kItem, 1), W(TvmDeleteItem(w), TVM_DELETEITEM, 0, -0x10000),
    Q(TvmSetTextColor, TVM_SETTEXTCOLOR, 0x00405060), N(TvmGetInsertMarkColor, TVM_GETINSERTMARKCOLOR),
    QP(TvmSortChildren, TVM_SORTCHILDREN, kItem, 1), W(TreeDropHighlight(w), TVM_GETNEXTITEM, 8, 0),
    W(TreeFirstVisible(w), TVM_GETNEXTITEM, 5, 0), W(TreeLastVisible(w), TVM_GETNEXTITEM, 10, 0),
    Q(TvmEnsureVisible, TVM_ENSUREVISIBLE, kItem), P(TvmEndEditLabelNow, TVM_ENDEDITLABELNOW, 1),
    Q(TvmInsertItemA, TVM_INSERTITEMA, tvInsert), QP(TvmExpand, TVM_EXPAND, kItem, TVE_TOGGLE),
    Q(TvmSetBkColor, TVM_SETBKCOLOR, 0x00102030), P(TvmSetScrollTime, TVM_SETSCROLLTIME, 250),
    W(TreeSelection(w), TVM_GETNEXTITEM, 9, 0), N(TvmGetVisibleCount, TVM_GETVISIBLECOUNT),
    P(TvmSetToolTips, TVM_SETTOOLTIPS, kOther), P(TvmSetItemHeight, TVM_SETITEMHEIGHT, 21),
    N(TvmGetEditControl, TVM_GETEDITCONTROL), Q(TvmDeleteItem, TVM_DELETEITEM, kItem), N(TvmGetBkColor, TVM_GETBKCOLOR),
    Q(TvmEditLabelA, TVM_EDITLABELA, kItem), N(TvmGetItemHeight, TVM_GETITEMHEIGHT), P(TvmSetIndent, TVM_SETINDENT, 19),
    N(TvmGetScrollTime, TVM_GETSCROLLTIME), Q(TvmGetItemA, TVM_GETITEMA, tvItem), Q(TvmSetItemA, TVM_SETITEMA, tvItem),
    N(TvmGetTextColor, TVM_GETTEXTCOLOR), N(TvmGetToolTips, TVM_GETTOOLTIPS), Q(TvmHitTest, TVM_HITTEST, tvHit),
    N(TvmGetIndent, TVM_GETINDENT), N(TvmGetCount, TVM_GETCOUNT), N(TreeRoot, TVM_GETNEXTITEM),
    W(TcmSetItemSize(w, 80, 70000), TCM_SETITEMSIZE, 0, 0x11700050), P(TabCcmSetUnicodeFormat, CCM_SETUNICODEFORMAT, 0),
    W(TcmSetPadding(w, 6, -2), TCM_SETPADDING, 0, 0xFFFE0006, Void), P(TcmSetToolTips, TCM_SETTOOLTIPS, kOther, Void),
    W(TcmHighlightItem(w, 2, -1), TCM_HIGHLIGHTITEM, 2, 0xFFFF), N(TabCcmGetUnicodeFormat, CCM_GETUNICODEFORMAT),
    PQ(TcmSetExtendedStyle, TCM_SETEXTENDEDSTYLE, 0x3, 0x1), PQ(TcmInsertItemA, TCM_INSERTITEMA, 3, tcItem),
    Q(TcmSetImageList, TCM_SETIMAGELIST, kImages), PQ(TcmGetItemRect, TCM_GETITEMRECT, 5, rect),
    Q(TcmSetMinTabWidth, TCM_SETMINTABWIDTH, 40), N(TcmGetExtendedStyle, TCM_GETEXTENDEDSTYLE),
    P(TcmRemoveImage, TCM_REMOVEIMAGE, 2, Void), P(TcmSetCurFocus, TCM_SETCURFOCUS, 3, Void),
    P(TcmDeselectAll, TCM_DESELECTALL, 1, Void), PQ(TcmAdjustRect, TCM_ADJUSTRECT, 1, rect),
    PQ(TcmGetItemA, TCM_GETITEMA, 1, tcItem), PQ(TcmSetItemA, TCM_SETITEMA, 2, tcItem), N(TcmGetCurSel, TCM_GETCURSEL),
    N(TcmDeleteAllItems, TCM_DELETEALLITEMS), P(TcmSetItemExtra, TCM_SETITEMEXTRA, 8),
    N(TcmGetImageList, TCM_GETIMAGELIST), N(TcmGetItemCount, TCM_GETITEMCOUNT), P(TcmDeleteItem, TCM_DELETEITEM, 4),
    N(TcmGetRowCount, TCM_GETROWCOUNT), N(TcmGetToolTips, TCM_GETTOOLTIPS), N(TcmGetCurFocus, TCM_GETCURFOCUS),
    P(TcmSetCurSel, TCM_SETCURSEL, 6), Q(TcmHitTest, TCM_HITTEST, tcHit), N(AcmStop, ACM_STOP),
    C(AnimationCreate, [] { HWND parent = CreateWireRecorder(); AnimationCreate(parent, 77, WS_CHILD | ACS_CENTER,
      ModuleHandle()); HWND made = GetDlgItem(parent, 77); char name[32] = {}; GetClassNameA(made, name, 32); RECT at{};
      GetClientRect(made, &at); const bool ok = std::string(name) == ANIMATE_CLASSA && TitleOf(made).empty() &&
      (GetWindowLongPtrA(made, GWL_STYLE) & ACS_CENTER) && at.right == 0; return DestroyWindow(parent), ok; }()),
    W(AcmOpenA(w, kInstance, "clip"), ACM_OPENA, kInstance, kAny, AsIs, SAW("clip")), N(AnimationClose, ACM_OPENA),
    W(AcmOpenA(w, "clip"), ACM_OPENA, 0, kAny, AsIs, SAW("clip")), W(AcmPlay(w, 2, 9, -1), ACM_PLAY, -1, 0x00090002),
    W(AnimationSeek(w, 7), ACM_PLAY, 1, 0x00070007), N(McmGetMonthDelta, MCM_GETMONTHDELTA),
    PQ(McmGetMonthRange, MCM_GETMONTHRANGE, GMR_DAYSTATE, days), PQ(McmSetColor, MCM_SETCOLOR, MCSC_TEXT, 0x00112233),
    P(MonthCalCcmSetUnicodeFormat, CCM_SETUNICODEFORMAT, 1), N(MonthCalCcmGetUnicodeFormat, CCM_GETUNICODEFORMAT),
    PQ(McmSetDayState, MCM_SETDAYSTATE, 3, dayStates), Q(McmSetFirstDayOfWeek, MCM_SETFIRSTDAYOFWEEK, 6),
    N(McmGetFirstDayOfWeek, MCM_GETFIRSTDAYOFWEEK), PQ(McmSetRange, MCM_SETRANGE, GDTR_MIN, days),
    P(McmSetMaxSelCount, MCM_SETMAXSELCOUNT, 14), Q(McmGetMinReqRect, MCM_GETMINREQRECT, rect),
    N(McmGetMaxTodayWidth, MCM_GETMAXTODAYWIDTH), P(McmGetColor, MCM_GETCOLOR, MCSC_TITLEBK),
    P(McmSetMonthDelta, MCM_SETMONTHDELTA, 2), N(McmGetMaxSelCount, MCM_GETMAXSELCOUNT),
    Q(McmGetSelRange, MCM_GETSELRANGE, days), Q(McmSetSelRange, MCM_SETSELRANGE, days),
    Q(McmGetCurSel, MCM_GETCURSEL, day), Q(McmSetCurSel, MCM_SETCURSEL, day), Q(McmGetRange, MCM_GETRANGE, days),
    Q(McmSetToday, MCM_SETTODAY, day), Q(McmGetToday, MCM_GETTODAY, day), Q(McmHitTest, MCM_HITTEST, mcHit),
    W(DtmSetFormatA(w, "yyyy"), DTM_SETFORMATA, 0, kAny, AsIs, SAW("yyyy")),
    PQ(DtmSetMcColor, DTM_SETMCCOLOR, MCSC_BACKGROUND, 0x00445566), PQ(DtmSetMcFont, DTM_SETMCFONT, kFont, 1, Void),
    PQ(DtmSetSystemTime, DTM_SETSYSTEMTIME, GDT_VALID, day), P(DtmGetMcColor, DTM_GETMCCOLOR, MCSC_MONTHBK),
    PQ(DtmSetRange, DTM_SETRANGE, GDTR_MAX, days), Q(DtmGetSystemTime, DTM_GETSYSTEMTIME, day),
    Q(DtmGetRange, DTM_GETRANGE, days), N(DtmGetMonthCal, DTM_GETMONTHCAL), N(DtmGetMcFont, DTM_GETMCFONT),
    W(PgmForwardMouse(w, 0x1FF), PGM_FORWARDMOUSE, 0xFF, 0, Void), Q(PgmSetBorder, PGM_SETBORDER, 3),
    Q(PgmGetButtonState, PGM_GETBUTTONSTATE, PGB_BOTTOMORRIGHT), Q(PgmSetBkColor, PGM_SETBKCOLOR, 0x00778899),
    W(CcmGetDropTarget(w, dropTarget), CCM_GETDROPTARGET, 0, &dropTarget, Void),
    Q(PgmSetChild, PGM_SETCHILD, kOther, Void),
    Q(PgmSetButtonSize, PGM_SETBUTTONSIZE, 12), N(PgmRecalcSize, PGM_RECALCSIZE, Void), N(PgmGetBorder, PGM_GETBORDER),
    N(PgmGetButtonSize, PGM_GETBUTTONSIZE), N(PgmGetBkColor, PGM_GETBKCOLOR), Q(PgmSetPos, PGM_SETPOS, 40),
    N(PgmGetPos, PGM_GETPOS), W(BmSetStyle(w, BS_CHECKBOX, 5), BM_SETSTYLE, BS_CHECKBOX, 1, Void),
    W(ButtonSetText(w, caption), WM_SETTEXT, 0, kAny, Void, SAW("Caption")), W(BmSetState(w, -1), BM_SETSTATE, 1, 0),
    W(BmSetImage(w, kFont), BM_SETIMAGE, IMAGE_BITMAP, kFont), P(BmSetCheck, BM_SETCHECK, BST_INDETERMINATE, Void),
    W(BmGetImage(w), BM_GETIMAGE, IMAGE_BITMAP, 0), N(BmClick, BM_CLICK, Void), N(BmGetCheck, BM_GETCHECK),
    N(BmGetState, BM_GETSTATE), W(EmCharFromPos(w, 70000, -1), EM_CHARFROMPOS, 0, 0xFFFF1170),
    W(EmGetLine(w, 3), EM_GETLINE, 3, kAny, Text, SEE(char[64], b[0] == 0xFD && b[1] == 0x7F && Zero(b + 2, 62))),
    W(EditSetText(w, MakeText("typed")), WM_SETTEXT, 0, kAny, Bool, SAW("typed")), Q(EmGetRect, EM_GETRECT, rect, Void),
    W(EmGetSel(w, &from, &to), EM_GETSEL, &from, &to), N(EmGetFirstVisibleLine, EM_GETFIRSTVISIBLELINE),
    N(EmEmptyUndoBuffer, EM_EMPTYUNDOBUFFER, Void), W(EditGetText(w), WM_GETTEXT, 1, kAny, Text),
    N(EmGetPasswordChar, EM_GETPASSWORDCHAR), W(EmFmtLines(w, 5), EM_FMTLINES, 1, 0), P(EmLineLength, EM_LINELENGTH, 4),
    P(EmLimitText, EM_LIMITTEXT, 80, Void), P(EmLineFromChar, EM_LINEFROMCHAR, 12), P(EmPosFromChar, EM_POSFROMCHAR, 5),
    PQ(EmLineScroll, EM_LINESCROLL, 2, -3), N(WmGetTextLength, WM_GETTEXTLENGTH), N(EmGetLimitText, EM_GETLIMITTEXT),
    N(EmGetLineCount, EM_GETLINECOUNT), P(EmLineIndex, EM_LINEINDEX, -1), N(EmGetMargins, EM_GETMARGINS),
    N(EmGetHandle, EM_GETHANDLE), N(EmGetModify, EM_GETMODIFY), N(EmGetThumb, EM_GETTHUMB), N(EmCanUndo, EM_CANUNDO),
    W(LbGetText(w, 6), LB_GETTEXT, 6, receiveBuffers.ItemTextBuffer, Text),
    P(LbSetHorizontalExtent, LB_SETHORIZONTALEXTENT, 300, Void), QP(LbSetTabStops, LB_SETTABSTOPS, orders, 2, Void),
    TP(LbFindStringExact, LB_FINDSTRINGEXACT, 3, ""), N(LbGetHorizontalExtent, LB_GETHORIZONTALEXTENT),
    TP(LbInsertString, LB_INSERTSTRING, -1, "last"), PQ(LbGetSelItems, LB_GETSELITEMS, 4, orders),
    TP(LbSelectString, LB_SELECTSTRING, 1, "x"), TP(LbFindString, LB_FINDSTRING, -1, "ab"), N(LbGetCount, LB_GETCOUNT),
    P(LbSetAnchorIndex, LB_SETANCHORINDEX, 7), N(LbResetContent, LB_RESETCONTENT, Void), PQ(LbSetSel, LB_SETSEL, 1, -1),
    TP(LbDir, LB_DIR, DDL_DIRECTORY, "*.*"), N(LbGetAnchorIndex, LB_GETANCHORINDEX), T(LbAddFile, LB_ADDFILE, "a.txt"),
    P(LbDeleteString, LB_DELETESTRING, 2), N(LbGetCaretIndex, LB_GETCARETINDEX), P(LbSetLocale, LB_SETLOCALE, 0x0413),
    T(LbAddString, LB_ADDSTRING, "abc"), P(LbGetItemData, LB_GETITEMDATA, 4), P(LbSetTopIndex, LB_SETTOPINDEX, 9),
    N(LbGetSelCount, LB_GETSELCOUNT), N(LbGetTopIndex, LB_GETTOPINDEX), P(LbGetSel, LB_GETSEL, 5, Flag),
    P(LbSetCurSel, LB_SETCURSEL, 8), N(LbGetCurSel, LB_GETCURSEL), N(LbGetLocale, LB_GETLOCALE),
    W(CbGetLBText(w, 4), CB_GETLBTEXT, 4, kAny, Text, SEE(char[kItemTextLimit + 1], Zero(b, kItemTextLimit + 1)), 255),
    W(CbGetEditSel(w, from, to), CB_GETEDITSEL, &from, &to, Void), TP(CbFindStringExact, CB_FINDSTRINGEXACT, 2, "b"),
    W(CbSetEditSel(w, 0, -1), CB_SETEDITSEL, 0, 0xFFFF0000), W(CbShowDropDown(w, -2), CB_SHOWDROPDOWN, 1, 0, Void),
    N(CbGetDroppedState, CB_GETDROPPEDSTATE, Flag), PQ(CbSetItemData, CB_SETITEMDATA, 6, kAnswer),
    PQ(CbInitStorage, CB_INITSTORAGE, 100, 4000), TP(CbSelectString, CB_SELECTSTRING, -1, "t"),
    T(CbInsertString, CB_INSERTSTRING, "top"), TP(CbFindString, CB_FINDSTRING, -1, "a"), N(CbGetCurSel, CB_GETCURSEL),
    N(CbGetDroppedWidth, CB_GETDROPPEDWIDTH), N(CbResetContent, CB_RESETCONTENT, Void), P(CbSetCurSel, CB_SETCURSEL, 5),
    TP(CbDir, CB_DIR, DDL_READWRITE, "*.c"), P(CbLimitText, CB_LIMITTEXT, 12, Void), N(CbGetTopIndex, CB_GETTOPINDEX),
    P(CbDeleteString, CB_DELETESTRING, 1), N(CbGetExtendedUI, CB_GETEXTENDEDUI), T(CbAddString, CB_ADDSTRING, "abc"),
    P(CbGetItemData, CB_GETITEMDATA, 3), P(CbSetTopIndex, CB_SETTOPINDEX, 7), N(CbGetCount, CB_GETCOUNT),
    C(IpAddress, IpAddress(192, 168, 1, 2) == 0xC0A80102), C(IpRange, IpRange(1, 255) == 0xFF01),
    C(IpSecondField, IpSecondField(0xC0A80102) == 168), C(IpFirstField, IpFirstField(0xC0A80102) == 192),
    C(IpFourthField, IpFourthField(0xC0A80102) == 2), C(IpThirdField, IpThirdField(0xC0A80102) == 1),
};
// clang-format on

TEST(ControlWire, EveryWrapperOfEveryFamilySendsItsMessageAndReadsTheAnswer) {
  const HWND recorder = CreateWireRecorder();
  caption = MakeText("Caption");
  for (const WireRow& row : kRows) {
    SCOPED_TRACE(row.call);
    EXPECT_TRUE(row.kind != Check || row.run(recorder));
    for (const LRESULT answer : {kAnswer, LRESULT{-1}, LRESULT{0}}) {
      if (row.kind == Check || (row.kind == Text && answer != 0)) continue;
      wire.clear();
      chosenAnswer = answer;
      copyBytes = row.bytes;
      recording = true;
      const LRESULT outcome = row.run(recorder);
      recording = false;
      ASSERT_FALSE(wire.empty()) << answer;
      const WireMessage& last = wire.back();
      EXPECT_TRUE(row.message == last.message && row.wParam == last.wParam) << answer;
      EXPECT_EQ(row.lParam, row.lParam == kAny && last.lParam != 0 ? kAny : last.lParam) << answer;
      EXPECT_TRUE(row.seen == nullptr || row.seen(last.record)) << "the record as the window saw it";
      const LRESULT made[] = {answer, answer != 0 ? -1 : 0, kNoResult, static_cast<BOOL>(answer), row.expected};
      EXPECT_EQ(made[row.kind], outcome) << answer;
    }
  }
  TextRelease(caption);
  DestroyWindow(recorder);
}

}  // namespace
