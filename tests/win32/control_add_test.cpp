#include <gtest/gtest.h>

#include <span>
#include <string>
#include <tuple>
#include <vector>

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/control_add.h>
#include <tabard/dialogs/control_image.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/control_set_image.h>
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"

namespace {

// What the toolkit asked the system for, caught as each window is created:
// controls may change their own styles afterwards.
struct Requested { std::string className, text; uint32_t style, exStyle; };
std::vector<Requested> requested;
HHOOK creationHook = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    char className[64] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    requested.push_back({className, create->lpszName ? create->lpszName : "", uint32_t(create->style),
                         uint32_t(create->dwExStyle)});
  }
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

struct ControlAddTest : ToolkitTest {
  void SetUp() override {
    ToolkitTest::SetUp();
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    dialog = MakeDialog(frame, "controls", 10, 10, 300, 200);
    requested.clear();
    creationHook = SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  }
  void TearDown() override { UnhookWindowsHookEx(creationHook), ToolkitTest::TearDown(); }
  // A box of dialog units in the dialog's pixels, each edge mapped on its own.
  RECT Mapped(int x, int y, int width, int height) {
    RECT rect{x, y, static_cast<int>(static_cast<uint32_t>(x) + width),
              static_cast<int>(static_cast<uint32_t>(y) + height)};
    MapDialogRect(dialog, &rect);
    return rect;
  }
  HWND dialog = nullptr;
};

// The image a picture control or button holds, asked with `getImage`: IMAGE_BITMAP or IMAGE_ICON by the kind of its
// handle (a control may answer with whatever image it holds), -1 for none, and its size.
struct HeldImage { int type; SIZE size; };
HeldImage ImageHeld(HWND control, UINT getImage) {
  auto image = reinterpret_cast<HANDLE>(SendMessageA(control, getImage, IMAGE_BITMAP, 0));
  if (image == nullptr) image = reinterpret_cast<HANDLE>(SendMessageA(control, getImage, IMAGE_ICON, 0));
  ICONINFO icon{};
  const int type = image == nullptr ? -1 : GetObjectType(image) == OBJ_BITMAP ? IMAGE_BITMAP : IMAGE_ICON;
  if (type == IMAGE_ICON && GetIconInfo(static_cast<HICON>(image), &icon))
    image = icon.hbmColor != nullptr ? icon.hbmColor : icon.hbmMask;
  BITMAP info{};
  const SIZE size = GetObjectA(image, sizeof info, &info) != 0 ? SIZE{info.bmWidth, info.bmHeight} : SIZE{-1, -1};
  return DeleteObject(icon.hbmColor), DeleteObject(icon.hbmMask), HeldImage{type, size};
}

int32_t NoOpCallback(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

TEST_F(ControlAddTest, KindTableGivesClassStylesAndImage) {
  using enum ControlKind;
  constexpr int kUnchecked = -2;
  const char* const kList = "SysListView32";
  SIZE square{};  // units whose pixels come out square, whatever the dialog's font maps to
  for (int w = 8; w <= 40 && square.cx == 0; ++w)
    for (int h = 4; h <= 40 && square.cx == 0; ++h)
      if (Mapped(0, 0, w, h).right == Mapped(0, 0, w, h).bottom) square = {w, h};
  ASSERT_NE(0, square.cx);
  // The class and styles asked for; for the picture kinds (whose text is the image's name), the image type held
  // and whether a bitmap is held at the control's size, else at its own 16 by 16.
  struct Case { ControlKind kind; const char* text; uint32_t style, exStyle; const char* className; uint32_t finalStyle,
                finalExStyle; int held = kUnchecked; bool scaled = false; int width = 60, height = 40; };
  // clang-format off
  const char *bitmap = "TESTBITMAP", *icon = "TESTICON", *none = "NoSuchImage";  // no bitmap: an icon's style
  const Case cases[] = {
    {ScrollBar, "", 0, 0, "ScrollBar", 0x50000000, 0, kUnchecked, false, square.cx, square.cy},
    {ScaledPictureButton, bitmap, 0, 0, "Button", 0x50010080, 0, IMAGE_BITMAP, true},
    {ScaledPicture, bitmap, 0, 0, "Static", 0x5000000E, 0, IMAGE_BITMAP, true},
    {ScaledPictureButton, icon, 0, 0, "Button", 0x50010040, 0, IMAGE_ICON},
    {PictureButton, bitmap, 0, 0, "Button", 0x50010080, 0, IMAGE_BITMAP},
    {PictureButton, icon, 0, 0, "Button", 0x50010040, 0, IMAGE_ICON}, {CheckBox, "text", 0, 0, "Button", 0x50010003, 0},
    {ScaledPicture, icon, 0, 0, "Static", 0x50000003, 0, IMAGE_ICON}, {Label, "text", 0, 0, "Static", 0x50000000, 0},
    {ScaledPictureButton, none, 0, 0, "Button", 0x50010040, 0, -1}, {ComboBox, "text", 0, 0, "ComboBox", 0x50010102, 0},
    {Picture, bitmap, 0, 0, "Static", 0x5000000E, 0, IMAGE_BITMAP}, {Picture, none, 0, 0, "Static", 0x50000003, 0, -1},
    {Picture, icon, 0, 0, "Static", 0x50000003, 0, IMAGE_ICON}, {ThreeStateBox, "text", 0, 0, "Button", 0x50010006, 0},
    {PictureButton, none, 0, 0, "Button", 0x50010040, 0, -1}, {ScaledPicture, none, 0, 0, "Static", 0x50000003, 0, -1},
    {ListBox, "text", 0, 0, "ListBox", 0x50210003, 0x200}, {RadioButton, "text", 0, 0, "Button", 0x50010009, 0},
    {EtchedFrame, "text", 1, 0, "Static", 0x50000001, 0}, {EtchedFrame, "text", 0, 0, "Static", 0x50000012, 0},
    {PushButton, "text", 0, 0, "Button", 0x50010000, 0},  // the demo's "Cancel"
    {Custom, "text", 0x50000059, 0x200, kList, 0x50000059, 0x200},  // the demo's list
    {CheckBox, "text", 0x08000020, 0, "Button", 0x50000003, 0},  // disabled and left text go
    {GroupBox, "text", 0x50010000, 0, "Button", 0x50000007, 0},  // keeps its own bits only
    {RadioButton, "text", 0x00020000, 0, "Button", 0x50020009, 0},  // WS_GROUP survives
    {EditBox, "text", 0, 0, "Edit", 0x50010080, 0x200},  // border becomes a client edge
    {EditBox, "text", 0x50800000, 0, "Edit", 0x50800000, 0},  // only a default is adjusted
    {ListBox, "text", 0x50000000, 0x4, "ListBox", 0x50000001, 0x4},  // LBS_NOTIFY always
    {ScrollBar, "", 0, 0, "ScrollBar", 0x50000001, 0, kUnchecked, false, 10, 50},  // vertical when narrower
    {ScrollBar, "", 0, 0, "ScrollBar", 0x50000000, 0, kUnchecked, false, 50, 10},  // than tall, else horizontal
    {ScrollBar, "", 0x50000000, 0, "ScrollBar", 0x50000000, 0, kUnchecked, false, 10, 50},  // given: kept
  };
  // clang-format on
  ControlId id = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<uint32_t>(c.kind) << " " << c.text << " " << c.width);
    requested.clear();
    const HWND control = MakeControl(frame, c.kind, dialog, id++, c.text, 5, 5, c.width, c.height, c.style, c.exStyle,
                                     nullptr, c.kind == Custom ? kList : "ignored");
    ASSERT_NE(nullptr, control);
    ASSERT_FALSE(requested.empty());
    const Requested& made = requested.front();
    EXPECT_STRCASEEQ(c.className, made.className.c_str());
    EXPECT_EQ(std::tuple(c.finalStyle, c.finalExStyle, std::string(c.text), dialog, 0),
              std::tuple(made.style, made.exStyle, made.text, GetParent(control), TextStackDepth(frame)));
    if (c.held == kUnchecked) continue;
    const HeldImage held = ImageHeld(control, std::string(c.className) == "Button" ? BM_GETIMAGE : STM_GETIMAGE);
    const RECT box = Mapped(5, 5, c.width, c.height);  // an icon's size is the system's own business
    const SIZE size = c.held != IMAGE_BITMAP ? held.size
                      : c.scaled             ? SIZE{box.right - box.left, box.bottom - box.top}
                                             : SIZE{16, 16};
    EXPECT_EQ(std::tuple(c.held, size.cx, size.cy), std::tuple(held.type, held.size.cx, held.size.cy));
  }
}

// Far out, each edge wraps as unsigned arithmetic before the system maps it; the
// system clamps the size it cannot take.
TEST_F(ControlAddTest, PlacesTheControlByItsMappedEdgesWithFontAndCallback) {
  const int32_t kFar = 0x7FFFFFF0;
  const int32_t boxes[][4] = {{100, 90, 50, 20}, {-20, -10, 30, 15}, {kFar, kFar, kFar, kFar}};
  ControlId id = 2;
  for (const auto& box : boxes) {
    SCOPED_TRACE(box[0]);
    const HWND control = MakeControl(frame, ControlKind::PushButton, dialog, id++, "Cancel", box[0], box[1], box[2],
                                     box[3], 0, 0, NoOpCallback);
    RECT expected = Mapped(box[0], box[1], box[2], box[3]), actual{};
    expected.right = std::max(expected.right, expected.left), expected.bottom = std::max(expected.bottom, expected.top);
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(std::tuple(expected.left, expected.top, expected.right, expected.bottom),
              std::tuple(actual.left, actual.top, actual.right, actual.bottom));
    EXPECT_EQ(std::pair(runtimeBlock.dialogFont, reinterpret_cast<LONG_PTR>(NoOpCallback)),
              std::pair(reinterpret_cast<void*>(SendMessageA(control, WM_GETFONT, 0, 0)),
                        GetWindowLongPtrA(control, GWLP_USERDATA)));
  }
  EXPECT_NE(MAKELONG(2, DC_HASDEFID), SendMessageA(dialog, DM_GETDEFID, 0, 0)) << "a plain push button is no default";
  for (const ControlKind kind : {ControlKind::PushButton, ControlKind::PictureButton}) {
    ASSERT_NE(nullptr, MakeControl(frame, kind, dialog, ++id, "Go", 5, 5, 40, 14, 0x50010001));
    EXPECT_EQ(MAKELONG(id, DC_HASDEFID), SendMessageA(dialog, DM_GETDEFID, 0, 0)) << "BS_DEFPUSHBUTTON";
  }
}

TEST_F(ControlAddTest, InitialItemsStopAtTheFirstEmptyElement) {
  const DynString a = MakeText("a"), b = MakeText("b"), c = MakeText("c");
  char emptyBytes[5] = {};  // a string of length 0 that is not the null handle
  DynString elements[] = {a, b, emptyBytes + 4, c}, withNull[] = {a, nullptr};
  const ArrayDescriptor array{elements, kArrayDimensioned, 0x20, 1, 4, 16, 4, {{0, 3}}, {}};
  ArrayDescriptor undimensioned = array, numbers = array, shorter = array, nullElement = array;
  undimensioned.flags = 0, numbers.elementType = 3, shorter.elementCount = 1, nullElement.data = withNull;
  nullElement.elementCount = 2;
  const std::pair<const ArrayDescriptor*, LRESULT> cases[] = {
      {&array, 2}, {&array, 2}, {&undimensioned, 0}, {&numbers, 0}, {&shorter, 1}, {&nullElement, 1}, {nullptr, 0}};
  ControlId id = 70;
  for (const auto& [items, count] : cases) {  // the second a combo box, the others list boxes
    const bool combo = id == 71;
    TextPushEmpty(frame), TextPushEmpty(frame);
    const HWND control = ControlAdd(frame, static_cast<uint32_t>(combo ? ControlKind::ComboBox : ControlKind::ListBox),
                                    dialog, id++, items, 5, 5, 80, 60, 0, 0, nullptr);
    EXPECT_EQ(count, SendMessageA(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0)) << id;
  }
  char text[8] = {};
  EXPECT_STREQ("b", (SendMessageA(GetDlgItem(dialog, 70), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), text));
  for (const DynString text : {a, b, c}) TextRelease(text);
}

// Every call consumes both temporaries; the stack's depth is checked after each test.
TEST_F(ControlAddTest, KindAboveFifteenOrFailedCreationMakesNothing) {
  for (const uint32_t kind : {16u, 255u, 0xFFFFFFFFu}) {
    TextPushBytes(frame, "class", 5), TextPushBytes(frame, "text", 4);
    EXPECT_EQ(nullptr, ControlAdd(frame, kind, dialog, 5, nullptr, 1, 1, 10, 10, 0, 0, nullptr));
  }
  EXPECT_TRUE(requested.empty());
  EXPECT_EQ(nullptr, MakeControl(frame, ControlKind::Custom, dialog, 5, "t", 1, 1, 10, 10, WS_CHILD, 0, nullptr,
                                 "NoSuchWindowClass"));
  EXPECT_EQ(nullptr, MakeControl(frame, ControlKind::Label, nullptr, 5, "t", 1, 1, 10, 10));
}

using ControlSetImageTest = ToolkitTest;
constexpr ControlId kId = 40;
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;

// An image set by name on a control of `className`, held at the control's client size
// when `scaled`, else at its own 16 by 16.
struct ImageCase { const char* name; const char* className; uint32_t style, mode; bool scaled; };

void CheckImages(ProcedureFrame& frame, std::span<const ImageCase> cases) {
  for (const ImageCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " on " << c.className << ", mode " << c.mode);
    const DialogHandle dialog = MakeDialog(frame, "images");
    const HWND control = MakeControl(frame, ControlKind::Custom, dialog, kId, "", 4, 4, 40, 30, kChild | c.style, 0,
                                     nullptr, c.className);
    RECT client{};
    GetClientRect(control, &client);
    PushText(frame, c.name);
    ControlSetImage(frame, dialog, kId, c.mode);
    const HeldImage held = ImageHeld(control, c.className[0] == 'B' ? BM_GETIMAGE : STM_GETIMAGE);
    const SIZE expected = c.scaled ? SIZE{client.right, client.bottom} : SIZE{16, 16};
    EXPECT_EQ(std::tuple(0, c.name[4] == 'I' ? IMAGE_ICON : IMAGE_BITMAP, expected.cx, expected.cy),
              std::tuple(TextStackDepth(frame), held.type, held.size.cx, held.size.cy));
    DestroyWindow(dialog);
  }
}

// clang-format off
const ImageCase kBitmaps[] = {
  {"TESTBITMAP", "STATIC", SS_BITMAP, 1, true}, {"TESTBITMAP", "BUTTON", BS_BITMAP, 2, false},
  {"TESTBITMAP", "STATIC", SS_BITMAP, 0, false}, {"TESTBITMAP", "BUTTON", BS_BITMAP, 3, true}};
// The system keeps a shared icon at the size of its first load in the process: scaled
// icons are checked in a test of their own, its own process.
const ImageCase kScaledIcons[] = {{"TESTICON", "BUTTON", BS_ICON, 3, true}, {"TESTICON", "STATIC", SS_ICON, 1, true}};
// clang-format on

TEST_F(ControlSetImageTest, BitmapAtNaturalOrClientSize) { CheckImages(frame, kBitmaps); }
TEST_F(ControlSetImageTest, IconWhenNoBitmapHasTheNameScaled) { CheckImages(frame, kScaledIcons); }

// Controls never delete the images they are given: the toolkit deletes each bitmap a
// control of its got, once it is replaced or its control goes, and only then. An
// unknown name hands over a null icon; a missing control still consumes the name.
TEST_F(ControlSetImageTest, BitmapsAreDeletedWhenReplacedOrWhenTheirControlGoes) {
  const DialogHandle dialog = MakeDialog(frame, "owned");
  const ControlKind kinds[] = {ControlKind::ScaledPicture, ControlKind::Picture, ControlKind::PictureButton};
  HGDIOBJ bitmaps[3] = {};
  for (int i = 0; i < 3; ++i) {
    const HWND control = MakeControl(frame, kinds[i], dialog, kId + i, "TESTBITMAP", 4, 4 + 32 * i, 40, 30);
    bitmaps[i] = reinterpret_cast<HGDIOBJ>(SendMessageA(control, i == 2 ? BM_GETIMAGE : STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmaps[i])) << i;
  }
  const auto set = [&](ControlId id, const char* name, uint32_t mode) {
    PushText(frame, name);
    ControlSetImage(frame, dialog, id, mode);
  };
  set(kId, "TESTICON", kImageScaled);
  EXPECT_EQ(0u, GetObjectType(bitmaps[0])) << "a bitmap replaced by an icon";
  const HWND icon = MakeControl(frame, ControlKind::Custom, dialog, kId + 3, "", 4, 4, 40, 30, kChild | SS_ICON, 0,
                                nullptr, "STATIC");
  set(kId + 3, "TESTICON", 0);
  ASSERT_NE(0, SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0));
  set(kId + 3, "NOSUCHIMAGE", 1);
  EXPECT_EQ(0, SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0)) << "an unknown name hands over a null icon";
  set(kId + 1, "TESTBITMAP", 0);
  EXPECT_EQ(0u, GetObjectType(bitmaps[1])) << "the bitmap the control loaded by itself, replaced";
  bitmaps[1] = reinterpret_cast<HGDIOBJ>(SendMessageA(GetDlgItem(dialog, kId + 1), STM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmaps[1])) << "the new one lives";
  ControlKill(dialog, kId + 2);
  EXPECT_EQ(0u, GetObjectType(bitmaps[2])) << "a killed control's bitmap";
  set(kId + 2, "TESTBITMAP", 3);
}

}  // namespace
