// Every control wrapper, one row or more each, family by family in the order of the family's
// header, against a recording window: the wrapper as called, then the message, wParam and
// lParam it must send (the last, where it sends several), what it must make of the answer,
// and the bytes the window must find at lParam during the call. Wrappers that send no
// message are checked on real objects. tests/check_wire_rows.sh keeps a row for every wrapper.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
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
#include <tabard/controls/packing.h>
#include <tabard/controls/pager.h>
#include <tabard/controls/receive_buffers.h>
#include <tabard/controls/tab.h>
#include <tabard/controls/tree_view.h>
#include <tabard/dialogs/dialog_template.h>
#include "tests/core/text_test_support.h"

namespace {

// A window standing in for any control: it keeps each message, with a copy of the first
// bytes at a non-zero lParam as they were during the call, and gives a chosen answer.
struct WireMessage { UINT message; WPARAM wParam; LPARAM lParam; std::string record; };
std::vector<WireMessage> wire;
bool recording = false;
LRESULT chosenAnswer = 0;
size_t copyBytes = 0;
LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!recording) return DefWindowProcA(window, message, wParam, lParam);
  const char* at = reinterpret_cast<const char*>(lParam);
  wire.push_back({message, wParam, lParam, at != nullptr ? std::string(at, copyBytes) : std::string()});
  return chosenAnswer;
}
HWND CreateWireRecorder() {
  WNDCLASSA windowClass{0, Recorder, 0, 0, GetModuleHandleA(nullptr), {}, {}, {}, {}, "ControlWireRecorder"};
  RegisterClassA(&windowClass);  // fails harmlessly once registered
  return CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, {}, {}, windowClass.hInstance, {});
}

// What a wrapper makes of the answer: the answer as is, a flag (-1 or 0), nothing, the 32-bit
// BOOL of a system call, a text of length `expected` (answer 0 only); Check: no message.
enum Kind { AsIs, Flag, Void, Bool, Text, Check };
struct WireRow {
  const char* call; LRESULT (*run)(HWND window); UINT message; WPARAM wParam; LPARAM lParam; Kind kind = AsIs;
  std::string record = {}; LRESULT expected = 0; std::pair<std::string, std::string> (*check)() = nullptr;
};

// Answers and handles with bits above 32 in a 64-bit build, which must come through whole.
template <typename H> H Fake(uint64_t value) { return reinterpret_cast<H>(static_cast<uintptr_t>(value)); }
const LRESULT kAnswer = static_cast<LRESULT>(0x7E12345678ULL), kNoResult = 0x0DEADBAD;
const LPARAM kAny = 0x0A11ADD5;      // an address the wrapper made: any, as the record there is checked
const LPARAM kScratch = 0x05C4A7C4;  // the text receive buffer, receiveBuffers.TextScratch
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
// The bytes of each field in turn; a text's characters and its zero byte.
template <typename... Field>
std::string Bytes(const Field&... fields) {
  return (std::string(reinterpret_cast<const char*>(&fields), sizeof fields) + ...);
}
std::string Chars(const char* text) { return std::string(text, std::strlen(text) + 1); }
// A local LVITEMA as the wrappers build it: all zero but the fields they set.
LVITEMA LocalItem(UINT state, UINT stateMask, int subItem, char* text, int capacity) {
  LVITEMA item{};
  item.state = state, item.stateMask = stateMask, item.iSubItem = subItem, item.pszText = text, item.cchTextMax = capacity;
  return item;
}
template <typename... Value>
std::string Values(const Value&... values) {
  std::ostringstream out;
  ((out << values << ' '), ...);
  return out.str().substr(0, out.str().size() - 1);
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
std::string Shown(HWND dialog) { const std::string title = TitleOf(dialog); return DestroyWindow(dialog), title; }
int Count(HIMAGELIST list) { return ImageList_GetImageCount(list); }
// Two copies of the test icon in a fresh list for `use`.
template <typename Use>
std::string Icons(Use use) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "TESTICON");
  ImageListAddIcon(list, icon), ImageListAddIcon(list, icon);
  const std::string seen = use(list);
  return ImageList_Destroy(list), seen;
}

// SENDS(the wrapper called on window w, the message, wParam and lParam it must send,
//       [what it makes of the answer, the bytes at lParam, the text length it gives]);
// CHECKED(the wrapper, the values expected, the values seen).
#define SENDS(call, message, wParam, lParam, ...)                                                                 \
  WireRow{#call, [](HWND w) { return Outcome([&] { return call; }); }, message, static_cast<WPARAM>(V(wParam)), \
          V(lParam), ##__VA_ARGS__}
#define CHECKED(wrapper, expected, ...) \
  WireRow{#wrapper, nullptr, 0, 0, 0, Check, {}, 0, [] { return std::pair<std::string, std::string>(expected, __VA_ARGS__); }}

// clang-format off
const WireRow kRows[] = {
    // animation.h
    CHECKED(AnimationCreate, Values(ANIMATE_CLASSA, 0, ACS_CENTER, 0), [] {
      HWND parent = CreateWireRecorder(), made = (AnimationCreate(parent, 77, WS_CHILD | ACS_CENTER, ModuleHandle()),
                                                 GetDlgItem(parent, 77));
      char name[32] = {}; GetClassNameA(made, name, 32); RECT at{}; GetClientRect(made, &at);
      const std::string seen = Values(name, TitleOf(made).size(), GetWindowLongPtrA(made, GWL_STYLE) & ACS_CENTER, at.right);
      return DestroyWindow(parent), seen; }()),
    SENDS(AcmOpenA(w, kInstance, "clip"), ACM_OPENA, kInstance, kAny, AsIs, Chars("clip")),
    SENDS(AcmOpenA(w, "clip"), ACM_OPENA, 0, kAny, AsIs, Chars("clip")),
    SENDS(AcmPlay(w, 2, 9, -1), ACM_PLAY, -1, 0x00090002), SENDS(AcmStop(w), ACM_STOP, 0, 0),
    SENDS(AnimationClose(w), ACM_OPENA, 0, 0), SENDS(AnimationSeek(w, 7), ACM_PLAY, 1, 0x00070007),
    // button.h
    SENDS(BmClick(w), BM_CLICK, 0, 0, Void), SENDS(BmGetCheck(w), BM_GETCHECK, 0, 0),
    SENDS(BmGetImage(w), BM_GETIMAGE, IMAGE_BITMAP, 0), SENDS(BmGetState(w), BM_GETSTATE, 0, 0),
    SENDS(BmSetCheck(w, BST_INDETERMINATE), BM_SETCHECK, BST_INDETERMINATE, 0, Void),
    SENDS(BmSetImage(w, kFont), BM_SETIMAGE, IMAGE_BITMAP, kFont), SENDS(BmSetState(w, -1), BM_SETSTATE, 1, 0),
    SENDS(BmSetState(w, 0), BM_SETSTATE, 0, 0), SENDS(BmSetStyle(w, BS_CHECKBOX, 5), BM_SETSTYLE, BS_CHECKBOX, 1, Void),
    SENDS(BmSetStyle(w, BS_PUSHBUTTON, 0), BM_SETSTYLE, BS_PUSHBUTTON, 0, Void),
    SENDS(ButtonSetText(w, caption), WM_SETTEXT, 0, kAny, Void, Chars("Caption")),
    // combo_box.h
    SENDS(CbAddString(w, MakeText("abc")), CB_ADDSTRING, 0, kAny, AsIs, Chars("abc")),
    SENDS(CbDeleteString(w, 1), CB_DELETESTRING, 1, 0),
    SENDS(CbDir(w, DDL_READWRITE, MakeText("*.c")), CB_DIR, DDL_READWRITE, kAny, AsIs, Chars("*.c")),
    SENDS(CbFindString(w, -1, MakeText("a")), CB_FINDSTRING, -1, kAny, AsIs, Chars("a")),
    SENDS(CbFindStringExact(w, 2, MakeText("b")), CB_FINDSTRINGEXACT, 2, kAny, AsIs, Chars("b")),
    SENDS(CbGetCount(w), CB_GETCOUNT, 0, 0), SENDS(CbGetCurSel(w), CB_GETCURSEL, 0, 0),
    SENDS(CbGetDroppedState(w), CB_GETDROPPEDSTATE, 0, 0, Flag), SENDS(CbGetDroppedWidth(w), CB_GETDROPPEDWIDTH, 0, 0),
    SENDS(CbGetEditSel(w, from, to), CB_GETEDITSEL, &from, &to, Void),
    SENDS(CbGetExtendedUI(w), CB_GETEXTENDEDUI, 0, 0), SENDS(CbGetItemData(w, 3), CB_GETITEMDATA, 3, 0),
    SENDS(CbGetLBText(w, 4), CB_GETLBTEXT, 4, kAny, Text, std::string(kItemTextLimit + 1, 0), 255),
    SENDS(CbGetTopIndex(w), CB_GETTOPINDEX, 0, 0), SENDS(CbInitStorage(w, 100, 4000), CB_INITSTORAGE, 100, 4000),
    SENDS(CbInsertString(w, MakeText("top")), CB_INSERTSTRING, 0, kAny, AsIs, Chars("top")),
    SENDS(CbLimitText(w, 12), CB_LIMITTEXT, 12, 0, Void), SENDS(CbResetContent(w), CB_RESETCONTENT, 0, 0, Void),
    SENDS(CbSelectString(w, -1, MakeText("t")), CB_SELECTSTRING, -1, kAny, AsIs, Chars("t")),
    SENDS(CbSetCurSel(w, 5), CB_SETCURSEL, 5, 0), SENDS(CbSetEditSel(w, 0, -1), CB_SETEDITSEL, 0, 0xFFFF0000),
    SENDS(CbSetItemData(w, 6, kAnswer), CB_SETITEMDATA, 6, kAnswer), SENDS(CbSetTopIndex(w, 7), CB_SETTOPINDEX, 7, 0),
    SENDS(CbShowDropDown(w, -2), CB_SHOWDROPDOWN, 1, 0, Void), SENDS(CbShowDropDown(w, 0), CB_SHOWDROPDOWN, 0, 0, Void),
    // date_time.h
    SENDS(DtmGetSystemTime(w, day), DTM_GETSYSTEMTIME, 0, day),
    SENDS(DtmSetSystemTime(w, GDT_VALID, day), DTM_SETSYSTEMTIME, GDT_VALID, day),
    SENDS(DtmGetRange(w, days), DTM_GETRANGE, 0, days),
    SENDS(DtmSetRange(w, GDTR_MAX, days), DTM_SETRANGE, GDTR_MAX, days),
    SENDS(DtmSetFormatA(w, "yyyy"), DTM_SETFORMATA, 0, kAny, AsIs, Chars("yyyy")),
    SENDS(DtmSetMcColor(w, MCSC_BACKGROUND, 0x00445566), DTM_SETMCCOLOR, MCSC_BACKGROUND, 0x00445566),
    SENDS(DtmGetMcColor(w, MCSC_MONTHBK), DTM_GETMCCOLOR, MCSC_MONTHBK, 0),
    SENDS(DtmGetMonthCal(w), DTM_GETMONTHCAL, 0, 0), SENDS(DtmSetMcFont(w, kFont, 1), DTM_SETMCFONT, kFont, 1, Void),
    SENDS(DtmGetMcFont(w), DTM_GETMCFONT, 0, 0),
    // edit.h
    SENDS(EmCanUndo(w), EM_CANUNDO, 0, 0), SENDS(EmCharFromPos(w, 70000, -1), EM_CHARFROMPOS, 0, 0xFFFF1170),
    SENDS(EmEmptyUndoBuffer(w), EM_EMPTYUNDOBUFFER, 0, 0, Void), SENDS(EmFmtLines(w, 5), EM_FMTLINES, 1, 0),
    SENDS(EmFmtLines(w, 0), EM_FMTLINES, 0, 0), SENDS(EmGetFirstVisibleLine(w), EM_GETFIRSTVISIBLELINE, 0, 0),
    SENDS(EmGetHandle(w), EM_GETHANDLE, 0, 0), SENDS(EmGetLimitText(w), EM_GETLIMITTEXT, 0, 0),
    SENDS(EmGetLine(w, 3), EM_GETLINE, 3, kAny, Text, Bytes(uint16_t{0x7FFD}) + std::string(62, 0)),
    SENDS(EmGetLineCount(w), EM_GETLINECOUNT, 0, 0), SENDS(EmGetMargins(w), EM_GETMARGINS, 0, 0),
    SENDS(EmGetModify(w), EM_GETMODIFY, 0, 0), SENDS(EmGetPasswordChar(w), EM_GETPASSWORDCHAR, 0, 0),
    SENDS(EmGetRect(w, rect), EM_GETRECT, 0, rect, Void), SENDS(EmGetSel(w, &from, &to), EM_GETSEL, &from, &to),
    SENDS(WmGetTextLength(w), WM_GETTEXTLENGTH, 0, 0),
    SENDS(EditGetText(w), WM_GETTEXT, 1, kScratch, Text, std::string(1, 0)), SENDS(EmGetThumb(w), EM_GETTHUMB, 0, 0),
    SENDS(EmLimitText(w, 80), EM_LIMITTEXT, 80, 0, Void), SENDS(EmLineFromChar(w, 12), EM_LINEFROMCHAR, 12, 0),
    SENDS(EmLineIndex(w, -1), EM_LINEINDEX, -1, 0), SENDS(EmLineLength(w, 4), EM_LINELENGTH, 4, 0),
    SENDS(EmLineScroll(w, 2, -3), EM_LINESCROLL, 2, -3), SENDS(EmPosFromChar(w, 5), EM_POSFROMCHAR, 5, 0),
    SENDS(EditSetText(w, MakeText("typed")), WM_SETTEXT, 0, kAny, Bool, Chars("typed")),
    // general.h
    CHECKED(ModuleHandle, Values(GetModuleHandleA(nullptr)), Values(ModuleHandle())),
    CHECKED(MoveTo, Values(1, 5, -7), [] {
      HDC dc = CreateCompatibleDC(nullptr); POINT at{}; const bool moved = MoveTo(dc, 5, -7) != 0;
      GetCurrentPositionEx(dc, &at); return DeleteDC(dc), Values(moved, at.x, at.y); }()),
    CHECKED(DialogFromTemplateRecord, "Built", Shown(DialogFromTemplateRecord(ModuleHandle(), Built(), nullptr, StayOpen))),
    CHECKED(DialogFromTemplateName, "Named", Shown(DialogFromTemplateName(ModuleHandle(), "TESTDIALOG", nullptr, StayOpen))),
    CHECKED(WindowCreate, "made 3 4 33 44 0", [] {
      RECT at{}; HWND made = WindowCreate("STATIC", "made", WS_POPUP, 3, 4, 30, 40, nullptr, nullptr, ModuleHandle(), nullptr);
      GetWindowRect(made, &at);
      const std::string seen = Values(TitleOf(made), at.left, at.top, at.right, at.bottom, GetWindowLongPtrA(made, GWL_EXSTYLE));
      return DestroyWindow(made), seen; }()),
    CHECKED(DialogModalFromTemplateName, "42", Values(DialogModalFromTemplateName(ModuleHandle(), "TESTDIALOG", nullptr, EndAt42))),
    CHECKED(DialogModalFromTemplateRecord, "42", Values(DialogModalFromTemplateRecord(ModuleHandle(), Built(), nullptr, EndAt42))),
    CHECKED(ImageListAddIcon, "2 -1", Icons([](HIMAGELIST l) { return Values(Count(l), ImageListAddIcon(l, nullptr)); })),
    CHECKED(ImageListRemoveAll, "1 0", Icons([](HIMAGELIST l) {
      const bool removed = ImageListRemoveAll(l) != 0; return Values(removed, Count(l)); })),
    CHECKED(ImageListExtractIcon, "1 1", Icons([](HIMAGELIST l) {
      HICON icon = ImageListExtractIcon(nullptr, l, 1); ICONINFO info{}; GetIconInfo(icon, &info);
      DeleteObject(info.hbmColor), DeleteObject(info.hbmMask), DestroyIcon(icon);
      return Values(info.fIcon, ImageListExtractIcon(nullptr, l, 5) == nullptr); })),
    CHECKED(ImageListLoadBitmap, "2 8 16", [] {
      HIMAGELIST l = ImageListLoadBitmap(ModuleHandle(), "TESTBITMAP", 8, 1, CLR_NONE); int cx = 0, cy = 0;
      ImageList_GetIconSize(l, &cx, &cy); const std::string seen = Values(Count(l), cx, cy);
      return ImageList_Destroy(l), seen; }()),
    // header.h
    SENDS(HdmGetItemCount(w), HDM_GETITEMCOUNT, 0, 0), SENDS(HdmInsertItemA(w, 2, hdItem), HDM_INSERTITEMA, 2, hdItem),
    SENDS(HdmDeleteItem(w, 3), HDM_DELETEITEM, 3, 0), SENDS(HdmGetItemA(w, 4, hdItem), HDM_GETITEMA, 4, hdItem),
    SENDS(HdmSetItemA(w, 5, hdItem), HDM_SETITEMA, 5, hdItem), SENDS(HdmLayout(w, hdLayout), HDM_LAYOUT, 0, hdLayout),
    SENDS(HdmGetItemRect(w, 6, rect), HDM_GETITEMRECT, 6, rect),
    SENDS(HdmSetImageList(w, kImages), HDM_SETIMAGELIST, 0, kImages), SENDS(HdmGetImageList(w), HDM_GETIMAGELIST, 0, 0),
    SENDS(HdmOrderToIndex(w, 7), HDM_ORDERTOINDEX, 7, 0), SENDS(HdmCreateDragImage(w, 8), HDM_CREATEDRAGIMAGE, 8, 0),
    SENDS(HdmGetOrderArray(w, 4, orders), HDM_GETORDERARRAY, 4, orders),
    SENDS(HdmSetOrderArray(w, 3, orders), HDM_SETORDERARRAY, 3, orders),
    SENDS(HdmSetHotDivider(w, 1, 0x00200010), HDM_SETHOTDIVIDER, 1, 0x00200010),
    SENDS(HeaderCcmSetUnicodeFormat(w, 1), CCM_SETUNICODEFORMAT, 1, 0),
    SENDS(HeaderCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0),
    // ip_address.h
    CHECKED(IpRange, Values(0xFF01, 0x3412), Values(IpRange(1, 255), IpRange(0x1112, 0x2234))),
    CHECKED(IpAddress, Values(0xC0A80102, 0x200), Values(IpAddress(192, 168, 1, 2), IpAddress(0, 0, 1, 256))),
    CHECKED(IpFirstField, "192", Values(IpFirstField(0xC0A80102))),
    CHECKED(IpSecondField, "168", Values(IpSecondField(0xC0A80102))),
    CHECKED(IpThirdField, "1", Values(IpThirdField(0xC0A80102))),
    CHECKED(IpFourthField, "2", Values(IpFourthField(0xC0A80102))),
    // list_box.h
    SENDS(LbAddFile(w, MakeText("a.txt")), LB_ADDFILE, 0, kAny, AsIs, Chars("a.txt")),
    SENDS(LbAddString(w, MakeText("abc")), LB_ADDSTRING, 0, kAny, AsIs, Chars("abc")),
    SENDS(LbDeleteString(w, 2), LB_DELETESTRING, 2, 0),
    SENDS(LbDir(w, DDL_DIRECTORY, MakeText("*.*")), LB_DIR, DDL_DIRECTORY, kAny, AsIs, Chars("*.*")),
    SENDS(LbFindString(w, -1, MakeText("ab")), LB_FINDSTRING, -1, kAny, AsIs, Chars("ab")),
    SENDS(LbFindStringExact(w, 3, MakeText("")), LB_FINDSTRINGEXACT, 3, kAny, AsIs, Chars("")),
    SENDS(LbGetAnchorIndex(w), LB_GETANCHORINDEX, 0, 0), SENDS(LbGetCaretIndex(w), LB_GETCARETINDEX, 0, 0),
    SENDS(LbGetCount(w), LB_GETCOUNT, 0, 0), SENDS(LbGetCurSel(w), LB_GETCURSEL, 0, 0),
    SENDS(LbGetHorizontalExtent(w), LB_GETHORIZONTALEXTENT, 0, 0), SENDS(LbGetItemData(w, 4), LB_GETITEMDATA, 4, 0),
    SENDS(LbGetLocale(w), LB_GETLOCALE, 0, 0), SENDS(LbGetSel(w, 5), LB_GETSEL, 5, 0, Flag),
    SENDS(LbGetSelCount(w), LB_GETSELCOUNT, 0, 0), SENDS(LbGetSelItems(w, 4, orders), LB_GETSELITEMS, 4, orders),
    SENDS(LbGetText(w, 6), LB_GETTEXT, 6, receiveBuffers.ItemTextBuffer, Text),
    SENDS(LbGetTopIndex(w), LB_GETTOPINDEX, 0, 0),
    SENDS(LbInsertString(w, -1, MakeText("last")), LB_INSERTSTRING, -1, kAny, AsIs, Chars("last")),
    SENDS(LbResetContent(w), LB_RESETCONTENT, 0, 0, Void),
    SENDS(LbSelectString(w, 1, MakeText("x")), LB_SELECTSTRING, 1, kAny, AsIs, Chars("x")),
    SENDS(LbSetAnchorIndex(w, 7), LB_SETANCHORINDEX, 7, 0), SENDS(LbSetCurSel(w, 8), LB_SETCURSEL, 8, 0),
    SENDS(LbSetHorizontalExtent(w, 300), LB_SETHORIZONTALEXTENT, 300, 0, Void),
    SENDS(LbSetLocale(w, 0x0413), LB_SETLOCALE, 0x0413, 0), SENDS(LbSetSel(w, 1, -1), LB_SETSEL, 1, -1),
    SENDS(LbSetTabStops(w, orders, 2), LB_SETTABSTOPS, 2, orders, Void),
    SENDS(LbSetTopIndex(w, 9), LB_SETTOPINDEX, 9, 0),
    // list_view.h
    SENDS(ListViewCcmSetUnicodeFormat(w, 0), CCM_SETUNICODEFORMAT, 0, 0),
    SENDS(ListViewCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0), SENDS(LvmGetBkColor(w), LVM_GETBKCOLOR, 0, 0),
    SENDS(LvmSetBkColor(w, 0x00FFEEDD), LVM_SETBKCOLOR, 0, 0x00FFEEDD),
    SENDS(LvmGetImageList(w, LVSIL_SMALL), LVM_GETIMAGELIST, LVSIL_SMALL, 0),
    SENDS(LvmSetImageList(w, kImages, LVSIL_STATE), LVM_SETIMAGELIST, LVSIL_STATE, kImages),
    SENDS(LvmGetItemCount(w), LVM_GETITEMCOUNT, 0, 0), SENDS(LvmGetItemA(w, lvItem), LVM_GETITEMA, 0, lvItem),
    SENDS(LvmSetItemA(w, lvItem), LVM_SETITEMA, 0, lvItem),
    SENDS(LvmInsertItemA(w, lvItem), LVM_INSERTITEMA, 0, lvItem), SENDS(LvmDeleteItem(w, 9), LVM_DELETEITEM, 9, 0),
    SENDS(LvmDeleteAllItems(w), LVM_DELETEALLITEMS, 0, 0), SENDS(LvmGetCallbackMask(w), LVM_GETCALLBACKMASK, 0, 0),
    SENDS(LvmSetCallbackMask(w, LVIS_SELECTED), LVM_SETCALLBACKMASK, LVIS_SELECTED, 0),
    SENDS(LvmGetNextItem(w, -1, 0x10002), LVM_GETNEXTITEM, -1, 0x0002),
    SENDS(LvmFindItemA(w, -1, lvFind), LVM_FINDITEMA, -1, lvFind),
    SENDS(LvmGetItemRect(w, 2, rect, LVIR_LABEL), LVM_GETITEMRECT, 2, &rect, AsIs, Bytes(RECT{LVIR_LABEL, 9, 9, 9})),
    SENDS(LvmSetItemPosition(w, 3, -1, 2), LVM_SETITEMPOSITION, 3, 0x0002FFFF),
    SENDS(LvmGetItemPosition(w, 4, point), LVM_GETITEMPOSITION, 4, point),
    SENDS(LvmGetStringWidthA(w, "wide"), LVM_GETSTRINGWIDTHA, 0, kAny, AsIs, Chars("wide")),
    SENDS(LvmHitTest(w, lvHit), LVM_HITTEST, 0, lvHit), SENDS(LvmEnsureVisible(w, 5, -1), LVM_ENSUREVISIBLE, 5, 0xFFFF),
    SENDS(LvmScroll(w, -3, 4), LVM_SCROLL, -3, 4), SENDS(LvmRedrawItems(w, 1, 6), LVM_REDRAWITEMS, 1, 6),
    SENDS(LvmArrange(w, LVA_SNAPTOGRID), LVM_ARRANGE, LVA_SNAPTOGRID, 0),
    SENDS(LvmEditLabelA(w, 7), LVM_EDITLABELA, 7, 0), SENDS(LvmGetEditControl(w), LVM_GETEDITCONTROL, 0, 0),
    SENDS(LvmGetColumnA(w, 1, lvColumn), LVM_GETCOLUMNA, 1, lvColumn),
    SENDS(LvmSetColumnA(w, 2, lvColumn), LVM_SETCOLUMNA, 2, lvColumn),
    SENDS(LvmInsertColumnA(w, 3, lvColumn), LVM_INSERTCOLUMNA, 3, lvColumn),
    SENDS(LvmDeleteColumn(w, 4), LVM_DELETECOLUMN, 4, 0), SENDS(LvmGetColumnWidth(w, 5), LVM_GETCOLUMNWIDTH, 5, 0),
    SENDS(LvmSetColumnWidth(w, 6, 70000), LVM_SETCOLUMNWIDTH, 6, 0x1170), SENDS(LvmGetHeader(w), LVM_GETHEADER, 0, 0),
    SENDS(LvmCreateDragImage(w, 8, point), LVM_CREATEDRAGIMAGE, 8, point),
    SENDS(LvmGetViewRect(w, rect), LVM_GETVIEWRECT, 0, rect), SENDS(LvmGetTextColor(w), LVM_GETTEXTCOLOR, 0, 0),
    SENDS(LvmSetTextColor(w, 0x00010203), LVM_SETTEXTCOLOR, 0, 0x00010203),
    SENDS(LvmGetTextBkColor(w), LVM_GETTEXTBKCOLOR, 0, 0),
    SENDS(LvmSetTextBkColor(w, CLR_NONE), LVM_SETTEXTBKCOLOR, 0, CLR_NONE),
    SENDS(LvmGetTopIndex(w), LVM_GETTOPINDEX, 0, 0), SENDS(LvmGetCountPerPage(w), LVM_GETCOUNTPERPAGE, 0, 0),
    SENDS(LvmGetOrigin(w, point), LVM_GETORIGIN, 0, point), SENDS(LvmUpdate(w, 9), LVM_UPDATE, 9, 0),
    SENDS(LvmSetItemState(w, 2, 0x2003, 0xF00F), LVM_SETITEMSTATE, 2, kAny, Void, Bytes(LocalItem(0x2003, 0xF00F, 0, nullptr, 0))),
    SENDS(LvmGetItemState(w, 3, LVIS_FOCUSED), LVM_GETITEMSTATE, 3, LVIS_FOCUSED),
    SENDS(LvmGetItemState(w, 4), LVM_GETITEMSTATE, 4, 0xFFFFF000u),
    SENDS(LvmGetItemTextA(w, 5, 2, buffer, 32), LVM_GETITEMTEXTA, 5, kAny, Void, Bytes(LocalItem(0, 0, 2, buffer, 32))),
    SENDS(LvmSetItemTextA(w, 6, 3, buffer), LVM_SETITEMTEXTA, 6, kAny, Void, Bytes(LocalItem(0, 0, 3, buffer, 0))),
    SENDS(LvmSetItemCount(w, 500), LVM_SETITEMCOUNT, 500, 0, Void),
    SENDS(LvmSetItemCount(w, 600, LVSICF_NOSCROLL), LVM_SETITEMCOUNT, 600, LVSICF_NOSCROLL, Void),
    SENDS(LvmSortItems(w, CompareNothing, kAnswer), LVM_SORTITEMS, kAnswer, CompareNothing),
    SENDS(LvmSetItemPosition32(w, 7, -5, 70000), LVM_SETITEMPOSITION32, 7, kAny, Void, Bytes(POINT{-5, 70000})),
    SENDS(LvmGetSelectedCount(w), LVM_GETSELECTEDCOUNT, 0, 0), SENDS(LvmGetItemSpacing(w, 1), LVM_GETITEMSPACING, 1, 0),
    SENDS(LvmGetISearchStringA(w, buffer), LVM_GETISEARCHSTRINGA, 0, buffer),
    SENDS(LvmSetIconSpacing(w, 64, -1), LVM_SETICONSPACING, 0, 0xFFFF0040),
    SENDS(LvmSetExtendedListViewStyle(w, LVS_EX_GRIDLINES), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES),
    SENDS(LvmSetExtendedListViewStyle(w, 0x21, 0x01), LVM_SETEXTENDEDLISTVIEWSTYLE, 0x21, 0x01),
    SENDS(LvmGetExtendedListViewStyle(w), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
    SENDS(LvmGetSubItemRect(w, 8, 2, LVIR_ICON, &rect), LVM_GETSUBITEMRECT, 8, &rect, AsIs, Bytes(RECT{LVIR_ICON, 2, 9, 9})),
    SENDS(LvmSubItemHitTest(w, lvHit), LVM_SUBITEMHITTEST, 0, lvHit),
    SENDS(LvmSetColumnOrderArray(w, 3, orders), LVM_SETCOLUMNORDERARRAY, 3, orders),
    SENDS(LvmGetColumnOrderArray(w, 4, orders), LVM_GETCOLUMNORDERARRAY, 4, orders),
    SENDS(LvmSetHotItem(w, 1), LVM_SETHOTITEM, 1, 0), SENDS(LvmGetHotItem(w), LVM_GETHOTITEM, 0, 0),
    SENDS(LvmSetHotCursor(w, Fake<HCURSOR>(0x7F00000CC0ULL)), LVM_SETHOTCURSOR, 0, Fake<HCURSOR>(0x7F00000CC0ULL)),
    SENDS(LvmGetHotCursor(w), LVM_GETHOTCURSOR, 0, 0),
    SENDS(LvmApproximateViewRect(w, 100, 200, 12), LVM_APPROXIMATEVIEWRECT, 12, 0x00C80064),
    SENDS(LvmSetWorkAreas(w, 2, rects), LVM_SETWORKAREAS, 2, rects),
    SENDS(LvmGetWorkAreas(w, 1, rects), LVM_GETWORKAREAS, 1, rects),
    SENDS(LvmGetNumberOfWorkAreas(w, count), LVM_GETNUMBEROFWORKAREAS, 0, &count),
    SENDS(LvmGetSelectionMark(w), LVM_GETSELECTIONMARK, 0, 0),
    SENDS(LvmSetSelectionMark(w, 3), LVM_SETSELECTIONMARK, 0, 3),
    SENDS(LvmSetHoverTime(w, 400), LVM_SETHOVERTIME, 0, 400), SENDS(LvmGetHoverTime(w), LVM_GETHOVERTIME, 0, 0),
    SENDS(LvmSetToolTips(w, kOther), LVM_SETTOOLTIPS, kOther, 0), SENDS(LvmGetToolTips(w), LVM_GETTOOLTIPS, 0, 0),
    SENDS(LvmSetBkImageA(w, lvImage), LVM_SETBKIMAGEA, 0, lvImage),
    SENDS(LvmGetBkImageA(w, lvImage), LVM_GETBKIMAGEA, 0, lvImage),
    // month_calendar.h
    SENDS(McmGetCurSel(w, day), MCM_GETCURSEL, 0, day), SENDS(McmSetCurSel(w, day), MCM_SETCURSEL, 0, day),
    SENDS(McmGetMaxSelCount(w), MCM_GETMAXSELCOUNT, 0, 0), SENDS(McmSetMaxSelCount(w, 14), MCM_SETMAXSELCOUNT, 14, 0),
    SENDS(McmGetSelRange(w, days), MCM_GETSELRANGE, 0, days), SENDS(McmSetSelRange(w, days), MCM_SETSELRANGE, 0, days),
    SENDS(McmGetMonthRange(w, GMR_DAYSTATE, days), MCM_GETMONTHRANGE, GMR_DAYSTATE, days),
    SENDS(McmSetDayState(w, 3, dayStates), MCM_SETDAYSTATE, 3, dayStates),
    SENDS(McmGetMinReqRect(w, rect), MCM_GETMINREQRECT, 0, rect),
    SENDS(McmSetColor(w, MCSC_TEXT, 0x00112233), MCM_SETCOLOR, MCSC_TEXT, 0x00112233),
    SENDS(McmGetColor(w, MCSC_TITLEBK), MCM_GETCOLOR, MCSC_TITLEBK, 0),
    SENDS(McmSetToday(w, day), MCM_SETTODAY, 0, day), SENDS(McmGetToday(w, day), MCM_GETTODAY, 0, day),
    SENDS(McmHitTest(w, mcHit), MCM_HITTEST, 0, mcHit), SENDS(McmSetFirstDayOfWeek(w, 6), MCM_SETFIRSTDAYOFWEEK, 0, 6),
    SENDS(McmGetFirstDayOfWeek(w), MCM_GETFIRSTDAYOFWEEK, 0, 0), SENDS(McmGetRange(w, days), MCM_GETRANGE, 0, days),
    SENDS(McmSetRange(w, GDTR_MIN, days), MCM_SETRANGE, GDTR_MIN, days),
    SENDS(McmGetMonthDelta(w), MCM_GETMONTHDELTA, 0, 0), SENDS(McmSetMonthDelta(w, 2), MCM_SETMONTHDELTA, 2, 0),
    SENDS(McmGetMaxTodayWidth(w), MCM_GETMAXTODAYWIDTH, 0, 0),
    SENDS(MonthCalCcmSetUnicodeFormat(w, 1), CCM_SETUNICODEFORMAT, 1, 0),
    SENDS(MonthCalCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0),
    // packing.h
    CHECKED(PackWords, Values(0x0002FFFF, 0x1170, 0x80007FFF), Values(PackWords(-1, 2), PackWords(70000, 0), PackWords(32767, -32768))),
    CHECKED(PackLow, Values(0xFFFF), Values(PackLow(-1))),
    CHECKED(StateImageMask, Values(0x2000), Values(StateImageMask(2))),
    CHECKED(OverlayMask, Values(0x200), Values(OverlayMask(2))),
    // pager.h
    SENDS(PgmSetChild(w, kOther), PGM_SETCHILD, 0, kOther, Void), SENDS(PgmRecalcSize(w), PGM_RECALCSIZE, 0, 0, Void),
    SENDS(PgmForwardMouse(w, 0x1FF), PGM_FORWARDMOUSE, 0xFF, 0, Void),
    SENDS(PgmForwardMouse(w, 0x100), PGM_FORWARDMOUSE, 0, 0, Void),
    SENDS(PgmSetBkColor(w, 0x00778899), PGM_SETBKCOLOR, 0, 0x00778899), SENDS(PgmGetBkColor(w), PGM_GETBKCOLOR, 0, 0),
    SENDS(PgmSetBorder(w, 3), PGM_SETBORDER, 0, 3), SENDS(PgmGetBorder(w), PGM_GETBORDER, 0, 0),
    SENDS(PgmSetPos(w, 40), PGM_SETPOS, 0, 40), SENDS(PgmGetPos(w), PGM_GETPOS, 0, 0),
    SENDS(PgmSetButtonSize(w, 12), PGM_SETBUTTONSIZE, 0, 12), SENDS(PgmGetButtonSize(w), PGM_GETBUTTONSIZE, 0, 0),
    SENDS(PgmGetButtonState(w, PGB_BOTTOMORRIGHT), PGM_GETBUTTONSTATE, 0, PGB_BOTTOMORRIGHT),
    SENDS(CcmGetDropTarget(w, dropTarget), CCM_GETDROPTARGET, 0, &dropTarget, Void),
    // tab.h
    SENDS(TcmGetImageList(w), TCM_GETIMAGELIST, 0, 0), SENDS(TcmSetImageList(w, kImages), TCM_SETIMAGELIST, 0, kImages),
    SENDS(TcmGetItemCount(w), TCM_GETITEMCOUNT, 0, 0), SENDS(TcmGetItemA(w, 1, tcItem), TCM_GETITEMA, 1, tcItem),
    SENDS(TcmSetItemA(w, 2, tcItem), TCM_SETITEMA, 2, tcItem),
    SENDS(TcmInsertItemA(w, 3, tcItem), TCM_INSERTITEMA, 3, tcItem), SENDS(TcmDeleteItem(w, 4), TCM_DELETEITEM, 4, 0),
    SENDS(TcmDeleteAllItems(w), TCM_DELETEALLITEMS, 0, 0), SENDS(TcmGetItemRect(w, 5, rect), TCM_GETITEMRECT, 5, rect),
    SENDS(TcmGetCurSel(w), TCM_GETCURSEL, 0, 0), SENDS(TcmSetCurSel(w, 6), TCM_SETCURSEL, 6, 0),
    SENDS(TcmHitTest(w, tcHit), TCM_HITTEST, 0, tcHit), SENDS(TcmSetItemExtra(w, 8), TCM_SETITEMEXTRA, 8, 0),
    SENDS(TcmAdjustRect(w, 1, rect), TCM_ADJUSTRECT, 1, rect),
    SENDS(TcmSetItemSize(w, 80, 70000), TCM_SETITEMSIZE, 0, 0x11700050),
    SENDS(TcmRemoveImage(w, 2), TCM_REMOVEIMAGE, 2, 0, Void),
    SENDS(TcmSetPadding(w, 6, -2), TCM_SETPADDING, 0, 0xFFFE0006, Void),
    SENDS(TcmGetRowCount(w), TCM_GETROWCOUNT, 0, 0), SENDS(TcmGetToolTips(w), TCM_GETTOOLTIPS, 0, 0),
    SENDS(TcmSetToolTips(w, kOther), TCM_SETTOOLTIPS, kOther, 0, Void), SENDS(TcmGetCurFocus(w), TCM_GETCURFOCUS, 0, 0),
    SENDS(TcmSetCurFocus(w, 3), TCM_SETCURFOCUS, 3, 0, Void),
    SENDS(TcmSetMinTabWidth(w, 40), TCM_SETMINTABWIDTH, 0, 40),
    SENDS(TcmDeselectAll(w, 1), TCM_DESELECTALL, 1, 0, Void),
    SENDS(TcmHighlightItem(w, 2, -1), TCM_HIGHLIGHTITEM, 2, 0xFFFF),
    SENDS(TcmSetExtendedStyle(w, 0x3, 0x1), TCM_SETEXTENDEDSTYLE, 0x3, 0x1),
    SENDS(TcmGetExtendedStyle(w), TCM_GETEXTENDEDSTYLE, 0, 0),
    SENDS(TabCcmSetUnicodeFormat(w, 0), CCM_SETUNICODEFORMAT, 0, 0),
    SENDS(TabCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0),
    // tree_view.h
    SENDS(TvmInsertItemA(w, tvInsert), TVM_INSERTITEMA, 0, tvInsert),
    SENDS(TvmDeleteItem(w), TVM_DELETEITEM, 0, -0x10000), SENDS(TvmDeleteItem(w, kItem), TVM_DELETEITEM, 0, kItem),
    SENDS(TvmExpand(w, kItem, TVE_TOGGLE), TVM_EXPAND, TVE_TOGGLE, kItem),
    SENDS(TvmGetItemRect(w, kItem, rect, 1), TVM_GETITEMRECT, 1, &rect, AsIs, Bytes(kItem)),
    SENDS(TvmGetCount(w), TVM_GETCOUNT, 0, 0), SENDS(TvmGetIndent(w), TVM_GETINDENT, 0, 0),
    SENDS(TvmSetIndent(w, 19), TVM_SETINDENT, 19, 0),
    SENDS(TvmGetImageList(w, TVSIL_STATE), TVM_GETIMAGELIST, TVSIL_STATE, 0),
    SENDS(TvmSetImageList(w, kImages, TVSIL_NORMAL), TVM_SETIMAGELIST, TVSIL_NORMAL, kImages),
    SENDS(TvmGetNextItem(w, kItem, TVGN_NEXT), TVM_GETNEXTITEM, TVGN_NEXT, kItem),
    SENDS(TreeChild(w, kItem), TVM_GETNEXTITEM, 4, kItem), SENDS(TreeNextSibling(w, kItem), TVM_GETNEXTITEM, 1, kItem),
    SENDS(TreePreviousSibling(w, kItem), TVM_GETNEXTITEM, 2, kItem),
    SENDS(TreeParent(w, kItem), TVM_GETNEXTITEM, 3, kItem), SENDS(TreeFirstVisible(w), TVM_GETNEXTITEM, 5, 0),
    SENDS(TreeNextVisible(w, kItem), TVM_GETNEXTITEM, 6, kItem),
    SENDS(TreePreviousVisible(w, kItem), TVM_GETNEXTITEM, 7, kItem), SENDS(TreeSelection(w), TVM_GETNEXTITEM, 9, 0),
    SENDS(TreeDropHighlight(w), TVM_GETNEXTITEM, 8, 0), SENDS(TreeRoot(w), TVM_GETNEXTITEM, 0, 0),
    SENDS(TreeLastVisible(w), TVM_GETNEXTITEM, 10, 0),
    SENDS(TvmSelectItem(w, kItem, TVGN_CARET), TVM_SELECTITEM, TVGN_CARET, kItem),
    SENDS(TreeSelect(w, kItem), TVM_SELECTITEM, 9, kItem),
    SENDS(TreeSelectDropTarget(w, kItem), TVM_SELECTITEM, 8, kItem),
    SENDS(TreeScrollToItem(w, kItem), TVM_SELECTITEM, 5, kItem), SENDS(TvmGetItemA(w, tvItem), TVM_GETITEMA, 0, tvItem),
    SENDS(TvmSetItemA(w, tvItem), TVM_SETITEMA, 0, tvItem), SENDS(TvmEditLabelA(w, kItem), TVM_EDITLABELA, 0, kItem),
    SENDS(TvmGetEditControl(w), TVM_GETEDITCONTROL, 0, 0), SENDS(TvmGetVisibleCount(w), TVM_GETVISIBLECOUNT, 0, 0),
    SENDS(TvmHitTest(w, tvHit), TVM_HITTEST, 0, tvHit),
    SENDS(TvmCreateDragImage(w, kItem), TVM_CREATEDRAGIMAGE, 0, kItem),
    SENDS(TvmSortChildren(w, kItem, 1), TVM_SORTCHILDREN, 1, kItem),
    SENDS(TvmEnsureVisible(w, kItem), TVM_ENSUREVISIBLE, 0, kItem),
    SENDS(TvmSortChildrenCB(w, tvSort, 0), TVM_SORTCHILDRENCB, 0, tvSort),
    SENDS(TvmEndEditLabelNow(w, 1), TVM_ENDEDITLABELNOW, 1, 0),
    SENDS(TvmGetISearchStringA(w, buffer), TVM_GETISEARCHSTRINGA, 0, buffer),
    SENDS(TvmSetToolTips(w, kOther), TVM_SETTOOLTIPS, kOther, 0), SENDS(TvmGetToolTips(w), TVM_GETTOOLTIPS, 0, 0),
    SENDS(TvmSetInsertMark(w, kItem, 1), TVM_SETINSERTMARK, 1, kItem),
    SENDS(TreeViewCcmSetUnicodeFormat(w, 1), CCM_SETUNICODEFORMAT, 1, 0),
    SENDS(TreeViewCcmGetUnicodeFormat(w), CCM_GETUNICODEFORMAT, 0, 0),
    SENDS(TvmSetItemHeight(w, 21), TVM_SETITEMHEIGHT, 21, 0), SENDS(TvmGetItemHeight(w), TVM_GETITEMHEIGHT, 0, 0),
    SENDS(TvmSetBkColor(w, 0x00102030), TVM_SETBKCOLOR, 0, 0x00102030),
    SENDS(TvmSetTextColor(w, 0x00405060), TVM_SETTEXTCOLOR, 0, 0x00405060),
    SENDS(TvmGetBkColor(w), TVM_GETBKCOLOR, 0, 0), SENDS(TvmGetTextColor(w), TVM_GETTEXTCOLOR, 0, 0),
    SENDS(TvmSetScrollTime(w, 250), TVM_SETSCROLLTIME, 250, 0), SENDS(TvmGetScrollTime(w), TVM_GETSCROLLTIME, 0, 0),
    SENDS(TvmSetInsertMarkColor(w, 0x00708090), TVM_SETINSERTMARKCOLOR, 0, 0x00708090),
    SENDS(TvmGetInsertMarkColor(w), TVM_GETINSERTMARKCOLOR, 0, 0),

};
// clang-format on

TEST(ControlWire, EveryWrapperOfEveryFamilySendsItsMessageAndReadsTheAnswer) {
  const HWND recorder = CreateWireRecorder();
  caption = MakeText("Caption");
  for (const WireRow& row : kRows) {
    SCOPED_TRACE(row.call);
    if (row.kind == Check) {
      const auto [expected, seen] = row.check();
      EXPECT_EQ(expected, seen);
      continue;
    }
    ASSERT_NE(std::pair(kAny, size_t{0}), std::pair(row.lParam, row.record.size())) << "an address made is checked by its record";
    for (const LRESULT answer : {kAnswer, LRESULT{-1}, LRESULT{0}}) {
      if (row.kind == Text && answer != 0) continue;
      wire.clear(), rect = RECT{9, 9, 9, 9};
      chosenAnswer = answer, copyBytes = row.record.size();
      recording = true;
      const LRESULT outcome = row.run(recorder);
      recording = false;
      ASSERT_FALSE(wire.empty()) << answer;
      const WireMessage& last = wire.back();
      const LPARAM lParam = row.lParam == kAny        ? last.lParam
                            : row.lParam == kScratch ? reinterpret_cast<LPARAM>(receiveBuffers.TextScratch)
                                                     : row.lParam;
      // The message and its parameters, the record at lParam as the window saw it, what the wrapper made of the answer.
      const LRESULT made[] = {answer, answer != 0 ? -1 : 0, kNoResult, static_cast<BOOL>(answer), row.expected};
      EXPECT_EQ(std::tuple(row.message, row.wParam, lParam, row.record, made[row.kind]),
                std::tuple(last.message, last.wParam, last.lParam, last.record, outcome)) << answer;
    }
  }
  TextRelease(caption);
  DestroyWindow(recorder);
}

}  // namespace
