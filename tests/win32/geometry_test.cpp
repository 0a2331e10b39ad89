#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "dialogs/geometry.h"
#include "tests/win32/control_ops_support.h"
#include "tests/win32/toolkit_support.h"

namespace {

using GeometryTest = ToolkitTest;

RECT Mapped(HWND dialog, RECT units) {
  MapDialogRect(dialog, &units);
  return units;
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// The oracle for pixels to units: floating-point division with halves rounded
// away from zero (std::lround), against the window's real mapping of 1000 units.
XYPair ExpectedUnits(HWND dialog, int32_t x, int32_t y) {
  const RECT thousand = Mapped(dialog, {0, 0, 1000, 1000});
  return {static_cast<int32_t>(std::lround(x * 1000.0 / thousand.right)),
          static_cast<int32_t>(std::lround(y * 1000.0 / thousand.bottom))};
}

testing::AssertionResult IsPair(int32_t x, int32_t y, XYPair got) {
  if (got.x == x && got.y == y) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "expected (" << x << ", " << y << "), got (" << got.x << ", " << got.y << ")";
}
#define EXPECT_PAIR(x, y, pair) EXPECT_TRUE(IsPair((x), (y), (pair)))

TEST_F(GeometryTest, ConversionsFollowTheDialogsOwnMapping) {
  const struct {
    const char* face;
    uint16_t points;
  } fonts[] = {{"MS Sans Serif", 7}, {"MS Sans Serif", 10}, {"Tahoma", 11}};
  const int32_t values[] = {0, 1, 2, 3, 7, 50, 99, 100, 101, 398, 317, 1000, 4321, -1, -2, -75, -317};
  std::vector<HWND> dialogs{MakeDialog(frame, "the toolkit's own")};
  for (const auto& font : fonts) dialogs.push_back(MakeDialogWithFont(font.face, font.points));
  for (HWND dialog : dialogs) {
    SCOPED_TRACE(testing::Message() << "1000 units = " << Mapped(dialog, {0, 0, 1000, 1000}).right << " pixels");
    for (int32_t x : values) {
      for (int32_t y : {int32_t{0}, int32_t{13}, x}) {
        const RECT pixels = Mapped(dialog, {0, 0, x, y});
        EXPECT_PAIR(pixels.right, pixels.bottom, DialogUnitsToPixels(dialog, x, y)) << x << ", " << y << " units";
        const XYPair units = ExpectedUnits(dialog, x, y);
        EXPECT_PAIR(units.x, units.y, DialogPixelsToUnits(dialog, x, y)) << x << ", " << y << " pixels";
      }
    }
  }
}

TEST_F(GeometryTest, PixelsToUnitsRoundsHalvesAwayFromZero) {
  // 7-point type maps 1000 horizontal units to 1500 pixels, 10-point type to 2000.
  const HWND narrow = MakeDialogWithFont("MS Sans Serif", 7);
  const HWND wide = MakeDialogWithFont("MS Sans Serif", 10);
  ASSERT_EQ(1500, Mapped(narrow, {0, 0, 1000, 1000}).right);
  ASSERT_EQ(2000, Mapped(wide, {0, 0, 1000, 1000}).right);
  const struct {
    HWND dialog;
    int32_t pixels;
    int32_t units;
  } cases[] = {
      {narrow, 100, 67},  // 66.67
      {narrow, 75, 50},   {narrow, 1, 1},  // 0.67
      {narrow, 0, 0},     {narrow, -100, -67},
      {wide, 1, 1},       // 0.5
      {wide, -1, -1},     // -0.5
      {wide, 3, 2},       // 1.5
      {wide, 5000000, 2500000},  // the product with 1000 needs more than 32 bits
  };
  for (const auto& c : cases) EXPECT_EQ(c.units, DialogPixelsToUnits(c.dialog, c.pixels, 0).x) << c.pixels;
}

TEST_F(GeometryTest, WindowTheSystemCannotMapGivesZero) {
  const HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  RECT probe{0, 0, 1000, 1000};
  ASSERT_FALSE(MapDialogRect(plain, &probe)) << "not a dialog";
  EXPECT_PAIR(0, 0, DialogPixelsToUnits(plain, 100, -100));
  EXPECT_PAIR(0, 0, DialogUnitsToPixels(plain, 100, -100));
  EXPECT_PAIR(0, 0, DialogGetClientSize(plain));
}

TEST_F(GeometryTest, OuterSizeIncludesCaptionAndFrameClientSizeDoesNot) {
  const DialogHandle dialog = MakeDialog(frame, "sizes", 10, 10, 200, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU);
  RECT outer{}, client{};
  GetWindowRect(dialog, &outer);
  GetClientRect(dialog, &client);
  const XYPair outerUnits = ExpectedUnits(dialog, outer.right - outer.left, outer.bottom - outer.top);
  const XYPair clientUnits = ExpectedUnits(dialog, client.right, client.bottom);
  EXPECT_PAIR(outerUnits.x, outerUnits.y, WindowGetSize(dialog, kDialogItself));
  EXPECT_PAIR(clientUnits.x, clientUnits.y, DialogGetClientSize(dialog));
  EXPECT_PAIR(200, 120, DialogGetClientSize(dialog)) << "the template's size is the client area";
  const XYPair whole = WindowGetSize(dialog, kDialogItself);
  EXPECT_GT(whole.x, 200);
  EXPECT_GT(whole.y - 120, whole.x - 200) << "the caption adds height only";
}

TEST_F(GeometryTest, ControlSizeAndLocationInTheDialogsUnits) {
  const DialogHandle dialog = MakeDialog(frame, "control");
  const HWND button = MakeControl(frame, ControlKind::PushButton, dialog, 9, "OK", 30, 20, 80, 14);
  const RECT placed = ScreenRect(button);
  POINT corner{placed.left, placed.top};
  ScreenToClient(dialog, &corner);
  const XYPair where = ExpectedUnits(dialog, corner.x, corner.y);
  const XYPair size = ExpectedUnits(dialog, placed.right - placed.left, placed.bottom - placed.top);
  EXPECT_PAIR(where.x, where.y, WindowGetLocation(dialog, 9));
  EXPECT_PAIR(size.x, size.y, WindowGetSize(dialog, 9));
  EXPECT_PAIR(30, 20, WindowGetLocation(dialog, 9)) << "where it was put";
  EXPECT_PAIR(80, 14, WindowGetSize(dialog, 9));
}

TEST_F(GeometryTest, SetSizeNeverMovesSetLocationNeverResizes) {
  const DialogHandle dialog = MakeDialog(frame, "moves", 10, 10, 200, 120);
  const HWND edit = MakeControl(frame, ControlKind::EditBox, dialog, 4, "", 12, 14, 60, 20);
  for (HWND target : {static_cast<HWND>(dialog), edit}) {
    const ControlId id = target == dialog ? kDialogItself : 4;
    SCOPED_TRACE(id);
    const RECT before = ScreenRect(target);
    WindowSetSize(dialog, id, 90, 45);
    const RECT sized = ScreenRect(target);
    EXPECT_EQ(before.left, sized.left);
    EXPECT_EQ(before.top, sized.top);
    const RECT pixels = Mapped(dialog, {0, 0, 90, 45});
    EXPECT_EQ(pixels.right, sized.right - sized.left);
    EXPECT_EQ(pixels.bottom, sized.bottom - sized.top);

    WindowSetLocation(dialog, id, 33, 21);
    const RECT moved = ScreenRect(target);
    EXPECT_EQ(sized.right - sized.left, moved.right - moved.left);
    EXPECT_EQ(sized.bottom - sized.top, moved.bottom - moved.top);
    const RECT corner = Mapped(dialog, {0, 0, 33, 21});
    POINT where{moved.left, moved.top};
    if (target != dialog) ScreenToClient(dialog, &where);  // a dialog's position is on the screen
    EXPECT_EQ(corner.right, where.x);
    EXPECT_EQ(corner.bottom, where.y);
  }
}

TEST_F(GeometryTest, LocationOfDialogsWithAndWithoutOwner) {
  // Different type sizes, so that whose units are used shows in the numbers.
  const HWND owner = MakeDialogWithFont("MS Sans Serif", 10, nullptr, 0, 0, 300, 200);
  const HWND owned = MakeDialogWithFont("MS Sans Serif", 7, owner, 0, 0, 100, 60);
  SetWindowPos(owner, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(owned, nullptr, 140, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  // Without owner: the screen position in the dialog's own units.
  const XYPair ownerUnits = ExpectedUnits(owner, 40, 50);
  EXPECT_PAIR(ownerUnits.x, ownerUnits.y, WindowGetLocation(owner, kDialogItself));

  // With owner: the position in the owner's client area, in the owner's units.
  POINT inOwner{140, 170};
  ScreenToClient(owner, &inOwner);
  ASSERT_NE(140, inOwner.x);
  const XYPair ownedUnits = ExpectedUnits(owner, inOwner.x, inOwner.y);
  EXPECT_PAIR(ownedUnits.x, ownedUnits.y, WindowGetLocation(owned, kDialogItself));
  EXPECT_NE(ExpectedUnits(owned, inOwner.x, inOwner.y).x, ownedUnits.x) << "the units must tell the two apart";

  // Setting takes a screen position: the reported one moves an owned dialog elsewhere.
  const XYPair reported = WindowGetLocation(owned, kDialogItself);
  WindowSetLocation(owned, kDialogItself, reported.x, reported.y);
  const RECT moved = ScreenRect(owned);
  const RECT expected = Mapped(owned, {0, 0, reported.x, reported.y});
  EXPECT_EQ(expected.right, moved.left);
  EXPECT_EQ(expected.bottom, moved.top);
  EXPECT_NE(140, moved.left);
}

TEST_F(GeometryTest, MissingControlGivesZeroAndChangesNothing) {
  const DialogHandle dialog = MakeDialog(frame, "missing", 10, 10, 200, 120);
  const RECT before = ScreenRect(dialog);
  EXPECT_PAIR(0, 0, WindowGetSize(dialog, 55));
  EXPECT_PAIR(0, 0, WindowGetLocation(dialog, 55));
  WindowSetSize(dialog, 55, 10, 10);
  WindowSetLocation(dialog, 55, 90, 90);
  const RECT after = ScreenRect(dialog);
  EXPECT_EQ(0, std::memcmp(&before, &after, sizeof before)) << "the dialog itself is untouched";
}

}  // namespace
