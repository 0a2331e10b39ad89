#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/control_add.h"
#include "runtime/runtime_block.h"
#include "tests/win32/toolkit_support.h"
#include "text/text_core.h"

namespace {

// What the toolkit asked the system for, caught as each window is created:
// controls may change their own styles afterwards.
struct Requested {
  std::string className;
  std::string text;
  uint32_t style;
  uint32_t exStyle;
  int cx;
  int cy;
};
std::vector<Requested> requested;
HHOOK creationHook = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    char className[64] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    requested.push_back({className, create->lpszName ? create->lpszName : "", static_cast<uint32_t>(create->style),
                         static_cast<uint32_t>(create->dwExStyle), create->cx, create->cy});
  }
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

class ControlAddTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    dialog = MakeDialog(frame, "controls", 10, 10, 300, 200);
    ASSERT_NE(nullptr, dialog);
    requested.clear();
    creationHook = SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  }
  void TearDown() override {
    UnhookWindowsHookEx(creationHook);
    ToolkitTest::TearDown();
  }

  // Pixel size of a box of dialog units, edges mapped one by one.
  SIZE PixelSize(int width, int height) {
    RECT rect{10, 10, 10 + width, 10 + height};
    MapDialogRect(dialog, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
  }

  HWND dialog = nullptr;
};

// A string laid out as the runtime lays it out, for arrays built by hand.
struct HandMadeText {
  explicit HandMadeText(const char* text) : storage(4 + std::strlen(text) + 1) {
    const uint32_t length = static_cast<uint32_t>(std::strlen(text));
    std::memcpy(storage.data(), &length, 4);
    std::memcpy(storage.data() + 4, text, length + 1);
  }
  DynString handle() { return storage.data() + 4; }
  std::vector<char> storage;
};

int32_t NoOpCallback(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

}  // namespace

TEST_F(ControlAddTest, KindTableGivesClassAndFinalStyles) {
  struct Case {
    ControlKind kind;
    uint32_t style, exStyle;
    const char* className;  // the class asked for, Custom's included
    uint32_t finalStyle, finalExStyle;
  };
  const Case cases[] = {
      {ControlKind::PushButton, 0, 0, "Button", 0x50010000, 0},                      // the demo's "Cancel"
      {ControlKind::Custom, 0x50000059, 0x200, "SysListView32", 0x50000059, 0x200},  // the demo's list
      {ControlKind::ThreeStateBox, 0, 0, "Button", 0x50010006, 0},
      {ControlKind::CheckBox, 0, 0, "Button", 0x50010003, 0},
      {ControlKind::CheckBox, 0x08000020, 0, "Button", 0x50000003, 0},  // disabled and left text both go
      {ControlKind::GroupBox, 0x50010000, 0, "Button", 0x50000007, 0},  // a group box keeps its own bits only
      {ControlKind::Label, 0, 0, "Static", 0x50000000, 0},
      {ControlKind::EtchedFrame, 0, 0, "Static", 0x50000012, 0},
      {ControlKind::EtchedFrame, 0x00000001, 0, "Static", 0x50000001, 0},
      {ControlKind::RadioButton, 0, 0, "Button", 0x50010009, 0},
      {ControlKind::RadioButton, 0x00020000, 0, "Button", 0x50020009, 0},  // WS_GROUP survives
      {ControlKind::EditBox, 0, 0, "Edit", 0x50010080, 0x200},             // border becomes a client edge
      {ControlKind::EditBox, 0x50800000, 0, "Edit", 0x50800000, 0},        // only the default style is adjusted
      {ControlKind::ComboBox, 0, 0, "ComboBox", 0x50010102, 0},
      {ControlKind::ListBox, 0, 0, "ListBox", 0x50210003, 0x200},
      {ControlKind::ListBox, 0x50000000, 0x4, "ListBox", 0x50000001, 0x4},  // LBS_NOTIFY always
  };
  ControlId id = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<uint32_t>(c.kind) << " style " << std::hex << c.style);
    requested.clear();
    HWND control = MakeControl(frame, c.kind, dialog, id++, "text", 5, 5, 60, 40, c.style, c.exStyle, nullptr,
                               c.kind == ControlKind::Custom ? "SysListView32" : "ignored");
    ASSERT_NE(nullptr, control);
    ASSERT_FALSE(requested.empty());
    EXPECT_STRCASEEQ(c.className, requested.front().className.c_str());
    EXPECT_EQ(c.finalStyle, requested.front().style);
    EXPECT_EQ(c.finalExStyle, requested.front().exStyle);
    EXPECT_EQ("text", requested.front().text);
    EXPECT_EQ(dialog, GetParent(control));
    EXPECT_EQ(0, TextStackDepth(frame));
  }
}

TEST_F(ControlAddTest, DefaultScrollBarIsVerticalOnlyWhenNarrowerThanTall) {
  // Units whose pixels come out square, whatever the dialog's font maps to.
  int squareWidth = 0, squareHeight = 0;
  for (int w = 8; w <= 40 && squareWidth == 0; ++w)
    for (int h = 4; h <= 40; ++h)
      if (PixelSize(w, h).cx == PixelSize(w, h).cy) {
        squareWidth = w;
        squareHeight = h;
        break;
      }
  ASSERT_NE(0, squareWidth);
  struct Case {
    int width, height;
    uint32_t finalStyle;
  };
  const Case cases[] = {{10, 50, 0x50000001}, {50, 10, 0x50000000}, {squareWidth, squareHeight, 0x50000000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " by " << c.height);
    requested.clear();
    ASSERT_NE(nullptr, MakeControl(frame, ControlKind::ScrollBar, dialog, 7, "", 5, 5, c.width, c.height));
    EXPECT_EQ(c.finalStyle, requested.front().style);
    DestroyWindow(GetDlgItem(dialog, 7));
  }
  requested.clear();
  MakeControl(frame, ControlKind::ScrollBar, dialog, 8, "", 5, 5, 10, 50, 0x50000000);
  EXPECT_EQ(0x50000000u, requested.front().style) << "a given style gets no adjustment";
}

TEST_F(ControlAddTest, PlacesTheControlByItsMappedEdgesAndGivesItFontAndCallback) {
  HWND control = MakeControl(frame, ControlKind::PushButton, dialog, 2, "Cancel", 300 - 200, 290 - 200, 50, 20, 0, 0,
                             NoOpCallback);
  ASSERT_NE(nullptr, control);
  RECT expected{100, 90, 150, 110};
  MapDialogRect(dialog, &expected);
  RECT actual{};
  GetWindowRect(control, &actual);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
  EXPECT_EQ(expected.left, actual.left);
  EXPECT_EQ(expected.top, actual.top);
  EXPECT_EQ(expected.right, actual.right);
  EXPECT_EQ(expected.bottom, actual.bottom);
  EXPECT_EQ(runtimeBlock.dialogFont, reinterpret_cast<void*>(SendMessageA(control, WM_GETFONT, 0, 0)));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(NoOpCallback), GetWindowLongPtrA(control, GWLP_USERDATA));
  EXPECT_EQ(2, GetDlgCtrlID(control));
  EXPECT_NE(static_cast<LRESULT>(MAKELONG(2, DC_HASDEFID)), SendMessageA(dialog, DM_GETDEFID, 0, 0))
      << "a plain push button does not become the default";

  HWND custom = MakeControl(frame, ControlKind::Custom, dialog, 20, "", 4, 12, 100, 50, 0x50000059, 0x200, NoOpCallback,
                            "SysListView32");
  ASSERT_NE(nullptr, custom);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(NoOpCallback), GetWindowLongPtrA(custom, GWLP_USERDATA));
}

TEST_F(ControlAddTest, DefaultPushStyleMakesTheDefaultButton) {
  for (const ControlKind kind : {ControlKind::PushButton, ControlKind::PictureButton}) {
    const ControlId id = kind == ControlKind::PushButton ? 33 : 34;
    ASSERT_NE(nullptr, MakeControl(frame, kind, dialog, id, "Go", 5, 5, 40, 14, 0x50010001));
    EXPECT_EQ(MAKELONG(id, DC_HASDEFID), SendMessageA(dialog, DM_GETDEFID, 0, 0));
  }
}

TEST_F(ControlAddTest, InitialItemsStopAtTheFirstEmptyElement) {
  HandMadeText a("a"), b("b"), empty(""), c("c");
  DynString elements[] = {a.handle(), b.handle(), empty.handle(), c.handle()};
  ArrayDescriptor array{elements, kArrayDimensioned, 0x20, 1, 4, 16, 4, {{0, 3}}};
  struct Case {
    ControlKind kind;
    ArrayDescriptor descriptor;
    UINT countMessage;
    LRESULT count;
  };
  ArrayDescriptor undimensioned = array;
  undimensioned.flags = 0;
  ArrayDescriptor numbers = array;
  numbers.elementType = 0x03;
  ArrayDescriptor shorter = array;
  shorter.elementCount = 1;
  DynString withNull[] = {a.handle(), nullptr, c.handle()};
  ArrayDescriptor nullElement{withNull, kArrayDimensioned, 0x20, 1, 3, 12, 4, {{0, 2}}};
  const Case cases[] = {
      {ControlKind::ListBox, array, LB_GETCOUNT, 2},
      {ControlKind::ComboBox, array, CB_GETCOUNT, 2},
      {ControlKind::ListBox, undimensioned, LB_GETCOUNT, 0},
      {ControlKind::ListBox, numbers, LB_GETCOUNT, 0},  // not strings: nothing to read as text
      {ControlKind::ListBox, shorter, LB_GETCOUNT, 1},
      {ControlKind::ListBox, nullElement, LB_GETCOUNT, 1},
  };
  ControlId id = 70;
  for (const Case& item : cases) {
    SCOPED_TRACE(id);
    TextPushEmpty(frame);
    TextPushEmpty(frame);
    HWND control = ControlAdd(frame, static_cast<uint32_t>(item.kind), dialog, id++, &item.descriptor, 5, 5, 80, 60, 0,
                              0, nullptr);
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(item.count, SendMessageA(control, item.countMessage, 0, 0));
  }
  HWND list = GetDlgItem(dialog, 70);
  char text[8] = {};
  SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ("a", text);
  SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ("b", text);
}

TEST_F(ControlAddTest, KindAboveFifteenCreatesNothingButConsumesBothTemporaries) {
  for (const uint32_t kind : {16u, 255u, 0xFFFFFFFFu}) {
    TextPushBytes(frame, "class", 5);
    TextPushBytes(frame, "text", 4);
    EXPECT_EQ(nullptr, ControlAdd(frame, kind, dialog, 5, nullptr, 1, 1, 10, 10, 0, 0, nullptr));
    EXPECT_EQ(0, TextStackDepth(frame));
  }
  EXPECT_TRUE(requested.empty());
  EXPECT_EQ(nullptr, GetWindow(dialog, GW_CHILD));
}

// The stack's depth is checked after every test: each call here must consume both temporaries.
TEST_F(ControlAddTest, FailedOrFarOutCreationStillConsumesBothTemporaries) {
  EXPECT_EQ(nullptr, MakeControl(frame, ControlKind::Custom, dialog, 5, "t", 1, 1, 10, 10, WS_CHILD, 0, nullptr,
                                 "NoSuchWindowClass"));
  EXPECT_EQ(nullptr, MakeControl(frame, ControlKind::Label, nullptr, 5, "t", 1, 1, 10, 10));
  // The system may or may not take such a window; the toolkit must not fault.
  MakeControl(frame, ControlKind::Label, dialog, 9, "far", 0x7FFFFFF0, 0x7FFFFFF0, 0x7FFFFFF0, 0x7FFFFFF0, 0x50000000);
}

namespace {

// The image a picture control holds: its type (or -1 for none) and size.
struct HeldImage {
  int type;
  int width;
  int height;
};

HeldImage ImageOf(HWND control, bool button) {
  const UINT get = button ? BM_GETIMAGE : STM_GETIMAGE;
  HANDLE image = reinterpret_cast<HANDLE>(SendMessageA(control, get, IMAGE_BITMAP, 0));
  if (image == nullptr) image = reinterpret_cast<HANDLE>(SendMessageA(control, get, IMAGE_ICON, 0));
  if (image == nullptr) return {-1, 0, 0};
  // A control may answer with whatever image it holds: the handle tells its kind.
  if (GetObjectType(image) != OBJ_BITMAP) return {IMAGE_ICON, 0, 0};
  BITMAP info{};
  GetObjectA(image, sizeof info, &info);
  return {IMAGE_BITMAP, info.bmWidth, info.bmHeight};
}

}  // namespace

TEST_F(ControlAddTest, PictureKindsFindTheirImageByName) {
  struct Case {
    ControlKind kind;
    const char* name;
    uint32_t finalStyle;
    int heldType;
    bool scaled;  // bitmap held at the control's size, else at its own 16 by 16
  };
  const Case cases[] = {
      {ControlKind::Picture, "TESTBITMAP", 0x5000000E, IMAGE_BITMAP, false},
      {ControlKind::Picture, "TESTICON", 0x50000003, IMAGE_ICON, false},
      {ControlKind::Picture, "NoSuchImage", 0x50000003, -1, false},  // without a bitmap: an icon style
      {ControlKind::ScaledPicture, "NoSuchImage", 0x50000003, -1, false},
      {ControlKind::ScaledPicture, "TESTBITMAP", 0x5000000E, IMAGE_BITMAP, true},
      {ControlKind::ScaledPicture, "TESTICON", 0x50000003, IMAGE_ICON, false},
      {ControlKind::PictureButton, "TESTBITMAP", 0x50010080, IMAGE_BITMAP, false},
      {ControlKind::PictureButton, "TESTICON", 0x50010040, IMAGE_ICON, false},
      {ControlKind::PictureButton, "NoSuchImage", 0x50010040, -1, false},
      {ControlKind::ScaledPictureButton, "TESTBITMAP", 0x50010080, IMAGE_BITMAP, true},
      {ControlKind::ScaledPictureButton, "TESTICON", 0x50010040, IMAGE_ICON, false},
      {ControlKind::ScaledPictureButton, "NoSuchImage", 0x50010040, -1, false},
  };
  ControlId id = 80;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<uint32_t>(c.kind) << " " << c.name);
    requested.clear();
    HWND control = MakeControl(frame, c.kind, dialog, id++, c.name, 5, 5, 50, 30);
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(c.finalStyle, requested.front().style);
    const bool button = c.kind == ControlKind::PictureButton || c.kind == ControlKind::ScaledPictureButton;
    const HeldImage held = ImageOf(control, button);
    EXPECT_EQ(c.heldType, held.type);
    if (c.heldType == IMAGE_BITMAP) {
      const SIZE expected = c.scaled ? PixelSize(50, 30) : SIZE{16, 16};
      EXPECT_EQ(expected.cx, held.width);
      EXPECT_EQ(expected.cy, held.height);
    }
  }
}
