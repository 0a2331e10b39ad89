#include <gtest/gtest.h>

#include <tuple>

#include <span>

#include <tabard/dialogs/control_image.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/control_set_image.h>
#include "tests/win32/control_ops_support.h"
#include "tests/win32/toolkit_support.h"

using namespace tabard;

namespace {

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
