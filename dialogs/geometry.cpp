#include <tabard/dialogs/geometry.h>

#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/unit_rounding.h>
#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/win32_geometry.h>

namespace tabard {

namespace {

HWND Target(DialogHandle dialog, ControlId id) { return id == kDialogItself ? dialog : ControlHandle(dialog, id); }

}  // namespace

XYPair DialogPixelsToUnits(DialogHandle dialog, int32_t x, int32_t y) {
  RECT thousandUnits{0, 0, 1000, 1000};
  if (!platform::MapDialogRect(dialog, &thousandUnits)) thousandUnits = RECT{};
  return {PixelsToDialogUnits(x, thousandUnits.right), PixelsToDialogUnits(y, thousandUnits.bottom)};
}

XYPair DialogUnitsToPixels(DialogHandle dialog, int32_t x, int32_t y) {
  RECT units{0, 0, x, y};
  if (!platform::MapDialogRect(dialog, &units)) return {0, 0};
  return {units.right, units.bottom};
}

XYPair DialogGetClientSize(DialogHandle dialog) {
  RECT client{};
  platform::GetClientRect(dialog, &client);
  return DialogPixelsToUnits(dialog, client.right, client.bottom);
}

XYPair WindowGetSize(DialogHandle dialog, ControlId id) {
  const HWND target = Target(dialog, id);
  if (target == nullptr) return {0, 0};
  RECT outer{};
  platform::GetWindowRect(target, &outer);
  return DialogPixelsToUnits(dialog, outer.right - outer.left, outer.bottom - outer.top);
}

void WindowSetSize(DialogHandle dialog, ControlId id, int32_t width, int32_t height) {
  const HWND target = Target(dialog, id);
  if (target == nullptr) return;
  const XYPair pixels = DialogUnitsToPixels(dialog, width, height);
  platform::SetWindowPos(target, nullptr, 0, 0, pixels.x, pixels.y, SWP_NOMOVE | SWP_NOZORDER);
}

XYPair WindowGetLocation(DialogHandle dialog, ControlId id) {
  const HWND target = Target(dialog, id);
  if (target == nullptr) return {0, 0};
  RECT outer{};
  platform::GetWindowRect(target, &outer);
  POINT corner{outer.left, outer.top};
  // A control's parent, or a dialog's owner.
  const HWND parent = OwnerOf(target);
  if (parent == nullptr) return DialogPixelsToUnits(target, corner.x, corner.y);
  platform::ScreenToClient(parent, &corner);
  return DialogPixelsToUnits(parent, corner.x, corner.y);
}

void WindowSetLocation(DialogHandle dialog, ControlId id, int32_t x, int32_t y) {
  const HWND target = Target(dialog, id);
  if (target == nullptr) return;
  const XYPair pixels = DialogUnitsToPixels(dialog, x, y);
  platform::SetWindowPos(target, nullptr, pixels.x, pixels.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace tabard
