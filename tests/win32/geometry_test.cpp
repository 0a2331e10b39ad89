#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "dialogs/geometry.h"
#include "tests/win32/control_ops_support.h"
#include "tests/win32/toolkit_support.h"

namespace {

using GeometryTest = ToolkitTest;
using Pair = std::pair<int32_t, int32_t>;
Pair Of(XYPair pair) { return {pair.x, pair.y}; }
Pair Pixels(HWND dialog, int32_t x, int32_t y) {  // the system's own mapping of units
  RECT rect{0, 0, x, y};
  MapDialogRect(dialog, &rect);
  return {rect.right, rect.bottom};
}
// The oracle for pixels to units: floating-point division with halves rounded away
// from zero (std::lround), against the window's real mapping of 1000 units.
Pair Units(HWND dialog, int32_t x, int32_t y) {
  const Pair thousand = Pixels(dialog, 1000, 1000);
  return {std::lround(x * 1000.0 / thousand.first), std::lround(y * 1000.0 / thousand.second)};
}
Pair Corner(HWND window, HWND relativeTo) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top};
}
Pair Size(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

TEST_F(GeometryTest, ConversionsFollowTheDialogsOwnMapping) {
  const HWND wide = MakeDialogWithFont("MS Sans Serif", 10);
  ASSERT_EQ(2000, Pixels(wide, 1000, 0).first) << "1 pixel must be half a unit";
  const int32_t values[] = {0, 1, 2, 3, 7, 50, 99, 100, 101, 398, 317, 1000, 4321, 5000000, -1, -2, -75, -317};
  for (HWND dialog : {MakeDialog(frame, "own"), wide, MakeDialogWithFont("MS Sans Serif", 7),
                      MakeDialogWithFont("Tahoma", 11)}) {
    SCOPED_TRACE(testing::Message() << "1000 units = " << Pixels(dialog, 1000, 0).first << " pixels");
    for (int32_t x : values)
      for (int32_t y : {0, 13, x}) {
        EXPECT_EQ(Pixels(dialog, x, y), Of(DialogUnitsToPixels(dialog, x, y))) << x << "," << y;
        EXPECT_EQ(Units(dialog, x, y), Of(DialogPixelsToUnits(dialog, x, y))) << x << "," << y;
      }
  }
}

TEST_F(GeometryTest, SizesAndLocationsInTheRightDialogsUnits) {
  // Different type sizes, so that whose units are used shows in the numbers.
  const HWND owner = MakeDialogWithFont("MS Sans Serif", 10, nullptr, 40, 50, 300, 200);
  const HWND owned = MakeDialogWithFont("MS Sans Serif", 7, owner, 0, 0, 100, 60);
  SetWindowPos(owner, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(owned, nullptr, 140, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const DialogHandle dialog = MakeDialog(frame, "sizes", 12, 30, 200, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU);
  const HWND edit = MakeControl(frame, ControlKind::EditBox, dialog, 9, "", 30, 20, 80, 14);
  const HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  const Pair outer = Size(dialog), inOwner = Corner(owned, owner), zero{0, 0};
  POINT client{0, 0};
  ClientToScreen(dialog, &client);
  const std::pair<Pair, Pair> cases[] = {  // got, expected
      {Of(WindowGetSize(dialog, kDialogItself)), Units(dialog, outer.first, outer.second)},
      {Of(DialogGetClientSize(dialog)), {200, 120}},  // the template's size is the client area
      {Units(dialog, client.x, client.y), {12, 30}},  // where it was put: the client area's corner
      {Of(WindowGetLocation(dialog, 9)), {30, 20}}, {Of(WindowGetSize(dialog, 9)), {80, 14}},
      {Of(WindowGetLocation(owner, kDialogItself)), Units(owner, 40, 50)},  // on the screen, in its own units
      {Of(WindowGetLocation(owned, kDialogItself)), Units(owner, inOwner.first, inOwner.second)},  // its owner's
      {Of(WindowGetSize(dialog, 55)), zero}, {Of(WindowGetLocation(dialog, 55)), zero},  // no such control
      {Of(DialogPixelsToUnits(plain, 100, -100)), zero}, {Of(DialogUnitsToPixels(plain, 100, -100)), zero},
      {Of(DialogGetClientSize(plain)), zero},  // a window the system cannot map
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].second, cases[i].first) << "row " << i;

  // Setting: a size never moves, a location never resizes; a dialog's location is on the screen.
  for (const auto& [unitsOf, id, target] : {std::tuple{dialog, kDialogItself, dialog}, {dialog, 9, edit},
                                            {owned, kDialogItself, owned}}) {
    const HWND relativeTo = target == edit ? dialog : nullptr;
    const Pair corner = Corner(target, relativeTo);
    WindowSetSize(unitsOf, id, 90, 45);
    EXPECT_EQ(corner, Corner(target, relativeTo));
    EXPECT_EQ(Pixels(unitsOf, 90, 45), Size(target));
    WindowSetLocation(unitsOf, id, 33, 21);
    EXPECT_EQ(Pixels(unitsOf, 33, 21), Corner(target, relativeTo));
    EXPECT_EQ(Pixels(unitsOf, 90, 45), Size(target));
  }
}

}  // namespace
