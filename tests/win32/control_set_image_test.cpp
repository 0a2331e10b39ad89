#include <gtest/gtest.h>

#include <vector>

#include "dialogs/control_image.h"
#include "dialogs/control_ops.h"
#include "dialogs/control_set_image.h"
#include "tests/win32/control_ops_support.h"
#include "tests/win32/toolkit_support.h"
#include "text/text_core.h"

namespace {

using ControlSetImageTest = ToolkitTest;

// The test program's own images (test_images.rc): a 16 by 16 bitmap and icon.
constexpr SIZE kNaturalSize{16, 16};
constexpr ControlId kId = 40;

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof info, &info) == 0) return {-1, -1};
  return {info.bmWidth, info.bmHeight};
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {-1, -1};
  const SIZE size = BitmapSize(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return size;
}

struct ImageCase {
  const char* name;
  ControlKind kind;
  const char* className;  // for Custom controls
  uint32_t style;         // for Custom controls
  uint32_t mode;
  UINT expectedMessage;
  WPARAM expectedType;
  bool scaled;
};

// Sets the image through the toolkit and checks the one image message the control
// got: which message, which image type, and the size of the image it carried.
void CheckImage(ProcedureFrame& frame, const ImageCase& c) {
  SCOPED_TRACE(testing::Message() << c.name << " on kind " << static_cast<int>(c.kind) << " "
                                  << (c.className ? c.className : "") << ", mode " << c.mode);
  const DialogHandle dialog = MakeDialog(frame, "images");
  const HWND control = MakeControl(frame, c.kind, dialog, kId, c.kind == ControlKind::Custom ? "" : c.name, 4, 4,
                                   40, 30, c.style, 0, nullptr, c.className ? c.className : "");
  ASSERT_NE(nullptr, control);
  RECT client{};
  GetClientRect(control, &client);
  if (c.scaled) {
    ASSERT_NE(kNaturalSize.cx, client.right) << "the scaled size must differ from the natural one";
  }

  StartMessageLog(control, {BM_SETIMAGE, STM_SETIMAGE});
  PushText(frame, c.name);
  ControlSetImage(frame, dialog, kId, c.mode);
  EXPECT_EQ(0, TextStackDepth(frame));
  const std::vector<LoggedMessage> seen = StopMessageLog();

  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ(c.expectedMessage, seen[0].message);
  EXPECT_EQ(c.expectedType, seen[0].wParam);
  ASSERT_NE(0, seen[0].lParam);
  const SIZE expected = c.scaled ? SIZE{client.right, client.bottom} : kNaturalSize;
  const SIZE got = c.expectedType == IMAGE_BITMAP ? BitmapSize(reinterpret_cast<HBITMAP>(seen[0].lParam))
                                                  : IconSize(reinterpret_cast<HICON>(seen[0].lParam));
  EXPECT_EQ(expected.cx, got.cx);
  EXPECT_EQ(expected.cy, got.cy);
  const UINT getImage = c.expectedMessage == STM_SETIMAGE ? STM_GETIMAGE : BM_GETIMAGE;
  EXPECT_EQ(seen[0].lParam, SendMessageA(control, getImage, c.expectedType, 0)) << "the control holds it";
  DestroyWindow(dialog);
}

constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;

TEST_F(ControlSetImageTest, BitmapAtNaturalOrClientSize) {
  const ImageCase cases[] = {
      {"TESTBITMAP", ControlKind::Picture, nullptr, 0, 0, STM_SETIMAGE, IMAGE_BITMAP, false},
      {"TESTBITMAP", ControlKind::ScaledPictureButton, nullptr, 0, 3, BM_SETIMAGE, IMAGE_BITMAP, true},
      {"TESTBITMAP", ControlKind::Custom, "STATIC", kChild | SS_BITMAP, 1, STM_SETIMAGE, IMAGE_BITMAP, true},
      {"TESTBITMAP", ControlKind::Custom, "BUTTON", kChild | BS_BITMAP, 2, BM_SETIMAGE, IMAGE_BITMAP, false},
  };
  for (const ImageCase& c : cases) CheckImage(frame, c);
}

// Images are loaded shared, and the system keeps a shared icon at the size of its
// first load in the process; natural and scaled icons are therefore checked in
// separate tests, each its own process, on controls that load no icon themselves.
TEST_F(ControlSetImageTest, IconWhenNoBitmapHasTheNameAtNaturalSize) {
  const ImageCase cases[] = {
      {"TESTICON", ControlKind::Custom, "STATIC", kChild | SS_ICON, 0, STM_SETIMAGE, IMAGE_ICON, false},
      {"TESTICON", ControlKind::Custom, "BUTTON", kChild | BS_ICON, 2, BM_SETIMAGE, IMAGE_ICON, false},
  };
  for (const ImageCase& c : cases) CheckImage(frame, c);
}

TEST_F(ControlSetImageTest, IconWhenNoBitmapHasTheNameScaled) {
  const ImageCase cases[] = {
      {"TESTICON", ControlKind::Custom, "BUTTON", kChild | BS_ICON, 3, BM_SETIMAGE, IMAGE_ICON, true},
      {"TESTICON", ControlKind::Custom, "STATIC", kChild | SS_ICON, 1, STM_SETIMAGE, IMAGE_ICON, true},
  };
  for (const ImageCase& c : cases) CheckImage(frame, c);
}

TEST_F(ControlSetImageTest, UnknownNameHandsOverANullIcon) {
  const DialogHandle dialog = MakeDialog(frame, "images");
  const HWND control =
      MakeControl(frame, ControlKind::Custom, dialog, kId, "", 4, 4, 40, 30, kChild | SS_ICON, 0, nullptr, "STATIC");
  StartMessageLog(control, {BM_SETIMAGE, STM_SETIMAGE});
  PushText(frame, "NOSUCHIMAGE");
  ControlSetImage(frame, dialog, kId, 1);
  EXPECT_EQ(0, TextStackDepth(frame));
  const std::vector<LoggedMessage> seen = StopMessageLog();
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ(static_cast<UINT>(STM_SETIMAGE), seen[0].message);
  EXPECT_EQ(static_cast<WPARAM>(IMAGE_ICON), seen[0].wParam);
  EXPECT_EQ(0, seen[0].lParam);
}

// Controls never delete the images they are given: the toolkit deletes each bitmap
// a control of its got, once it is replaced or its control goes, and only then.
TEST_F(ControlSetImageTest, BitmapsAreDeletedWhenReplacedOrWhenTheirControlGoes) {
  struct Held {
    ControlId id;
    UINT getImage;
    HGDIOBJ bitmap;
  };
  const DialogHandle dialog = MakeDialog(frame, "owned");
  const ControlKind kinds[] = {ControlKind::ScaledPicture, ControlKind::Picture, ControlKind::PictureButton};
  std::vector<Held> held;
  for (ControlKind kind : kinds) {
    const auto index = static_cast<int32_t>(held.size());
    const ControlId id = kId + index;
    const HWND control = MakeControl(frame, kind, dialog, id, "TESTBITMAP", 4, 4 + 32 * index, 40, 30);
    const UINT getImage = kind == ControlKind::PictureButton ? BM_GETIMAGE : STM_GETIMAGE;
    held.push_back({id, getImage, reinterpret_cast<HGDIOBJ>(SendMessageA(control, getImage, IMAGE_BITMAP, 0))});
    ASSERT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(held.back().bitmap)) << "kind " << static_cast<int>(kind);
  }

  PushText(frame, "TESTICON");
  ControlSetImage(frame, dialog, held[0].id, kImageScaled);
  EXPECT_EQ(0u, GetObjectType(held[0].bitmap)) << "a bitmap replaced by an icon";
  PushText(frame, "TESTBITMAP");
  ControlSetImage(frame, dialog, held[1].id, 0);
  EXPECT_EQ(0u, GetObjectType(held[1].bitmap)) << "the bitmap the control loaded by itself, replaced";
  held[1].bitmap = reinterpret_cast<HGDIOBJ>(SendMessageA(GetDlgItem(dialog, held[1].id), STM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(held[1].bitmap)) << "the new one lives";

  ControlKill(dialog, held[2].id);
  EXPECT_EQ(0u, GetObjectType(held[2].bitmap)) << "a killed control's bitmap";
  DestroyWindow(dialog);
  EXPECT_EQ(0u, GetObjectType(held[1].bitmap)) << "the bitmaps of a destroyed dialog's controls";
}

TEST_F(ControlSetImageTest, MissingControlStillConsumesTheName) {
  const DialogHandle dialog = MakeDialog(frame, "images");
  PushText(frame, "TESTBITMAP");
  ControlSetImage(frame, dialog, kId, 3);
  EXPECT_EQ(0, TextStackDepth(frame));
}

}  // namespace
