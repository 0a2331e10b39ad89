#include <cmath>
#include <utility>
#include <vector>

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/geometry.h>
#include "tests/win32/toolkit_support.h"

namespace {

// A hidden toolkit dialog (the toolkit's dialog procedure, no controls) whose template names another face or size
// than the toolkit's 8-point one, so that its units map to other pixel counts.
HWND MakeDialogWithFont(const char* faceName, uint16_t pointSize, HWND owner = nullptr, int16_t x = 10, int16_t y = 10,
                        int16_t width = 200, int16_t height = 120) {
  const uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  // A vector's storage starts on a 4-byte boundary, as a template must. No items, no menu, the default class.
  std::vector<uint16_t> units{static_cast<uint16_t>(style), static_cast<uint16_t>(style >> 16), 0, 0, 0};
  for (int16_t value : {x, y, width, height}) units.push_back(static_cast<uint16_t>(value));
  units.insert(units.end(), {0, 0});
  for (const char* text : {"Units test", faceName}) {  // the title, the point size, the face
    for (const char* c = text; *c != 0; ++c) units.push_back(static_cast<uint8_t>(*c));
    units.push_back(0);
    if (text != faceName) units.push_back(pointSize);
  }
  return CreateDialogIndirectParamA(static_cast<HINSTANCE>(runtimeBlock.moduleInstance),
                                    reinterpret_cast<const DLGTEMPLATE*>(units.data()), owner, DialogProcedure, 0);
}

using GeometryTest = ToolkitTest;
using Pair = std::pair<int32_t, int32_t>;
Pair Of(XYPair pair) { return {pair.x, pair.y}; }
RECT Rect(HWND window) { RECT rect{}; GetWindowRect(window, &rect); return rect; }
Pair Size(HWND window) { const RECT r = Rect(window); return {r.right - r.left, r.bottom - r.top}; }
// The system's own mapping of units to pixels.
Pair Pixels(HWND d, int32_t x, int32_t y) { RECT r{0, 0, x, y}; return MapDialogRect(d, &r), Pair{r.right, r.bottom}; }
// The oracle for pixels to units: floating-point division with halves rounded away
// from zero (std::lround), against the window's real mapping of 1000 units.
Pair Units(HWND d, int32_t x, int32_t y) {
  return {std::lround(x * 1000.0 / Pixels(d, 1000, 0).first), std::lround(y * 1000.0 / Pixels(d, 0, 1000).second)};
}
// The corner of a window's outer rectangle, in the client coordinates of `to` (the screen's when null).
Pair Corner(HWND w, HWND to) { POINT c{Rect(w).left, Rect(w).top}; ScreenToClient(to, &c); return {c.x, c.y}; }

TEST_F(GeometryTest, ConversionsSizesAndLocationsInTheRightDialogsUnits) {
  // Different type sizes, so that whose units are used shows in the numbers.
  const HWND owner = MakeDialogWithFont("MS Sans Serif", 10, nullptr, 40, 50, 300, 200);
  const HWND owned = MakeDialogWithFont("MS Sans Serif", 7, owner, 0, 0, 100, 60);
  const DialogHandle dialog = MakeDialog(frame, "sizes", 12, 30, 200, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU);
  const int32_t values[] = {0, 1, 2, 3, 7, 50, 99, 100, 101, 398, 317, 1000, 4321, 5000000, -1, -2, -75, -317};
  for (HWND d : {dialog, owner, owned, MakeDialogWithFont("Tahoma", 11)})
    for (int32_t x : values)
      for (int32_t y : {0, 13, x})
        EXPECT_EQ(std::pair(Pixels(d, x, y), Units(d, x, y)),
                  std::pair(Of(DialogUnitsToPixels(d, x, y)), Of(DialogPixelsToUnits(d, x, y)))) << x << "," << y;

  SetWindowPos(owned, nullptr, 140, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const HWND edit = MakeControl(frame, ControlKind::EditBox, dialog, 9, "", 30, 20, 80, 14);
  const HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  const Pair outer = Size(dialog), inOwner = Corner(owned, owner), client = Corner(dialog, dialog), zero{0, 0};
  // clang-format off
  const std::pair<Pair, Pair> cases[] = {  // got, expected
      {Of(WindowGetSize(dialog, kDialogItself)), Units(dialog, outer.first, outer.second)},
      {Of(DialogGetClientSize(dialog)), {200, 120}},  // the template's size is the client area
      {Units(dialog, Rect(dialog).left - client.first, Rect(dialog).top - client.second), {12, 30}},  // its corner
      {Of(WindowGetLocation(dialog, 9)), {30, 20}}, {Of(WindowGetSize(dialog, 9)), {80, 14}},
      {Of(WindowGetLocation(owner, kDialogItself)), Units(owner, Rect(owner).left, Rect(owner).top)},  // its units
      {Of(WindowGetLocation(owned, kDialogItself)), Units(owner, inOwner.first, inOwner.second)},  // its owner's
      {Of(WindowGetSize(dialog, 55)), zero}, {Of(WindowGetLocation(dialog, 55)), zero},  // no such control
      {Of(DialogPixelsToUnits(plain, 100, -100)), zero}, {Of(DialogUnitsToPixels(plain, 100, -100)), zero},
      {Of(DialogGetClientSize(plain)), zero},  // a window the system cannot map
  };
  // clang-format on
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].second, cases[i].first) << "row " << i;

  // Setting, in the units of the dialog named: a size never moves, a location never resizes; a dialog's location
  // is on the screen, an owned one's too.
  for (const auto& [unitsOf, id, target, in] : {std::tuple{dialog, kDialogItself, dialog, HWND{}},
                                                {dialog, 9, edit, dialog}, {owned, kDialogItself, owned, HWND{}}}) {
    const Pair corner = Corner(target, in);
    WindowSetSize(unitsOf, id, 90, 45);
    EXPECT_EQ(corner, Corner(target, in)) << id;
    WindowSetLocation(unitsOf, id, 33, 21);
    EXPECT_EQ(std::pair(Pixels(unitsOf, 33, 21), Pixels(unitsOf, 90, 45)), std::pair(Corner(target, in), Size(target)));
  }
}

}  // namespace
