#pragma once
/// @file
/// Sizes and locations of toolkit dialogs and their controls, in dialog units. Every
/// conversion asks the system afresh how the dialog maps its units to pixels.
///
/// The target of an operation taking a dialog and an identifier is the control with
/// that identifier, or the dialog itself for identifier -1. A missing control makes
/// queries answer 0 and 0 and changes do nothing.
#include <cstdint>

#include <tabard/dialogs/dialog_types.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// A position or a size: horizontal first.
struct XYPair {
  int32_t x;  ///< horizontal
  int32_t y;  ///< vertical
};

/// `x` and `y` pixels as dialog units of `dialog`, halves rounded away from zero.
XYPair DialogPixelsToUnits(DialogHandle dialog, int32_t x, int32_t y);
/// `x` and `y` dialog units of `dialog` as pixels, rounded as the platform rounds.
XYPair DialogUnitsToPixels(DialogHandle dialog, int32_t x, int32_t y);
/// The client area of `dialog`, without caption and frame, in its dialog units.
XYPair DialogGetClientSize(DialogHandle dialog);
/// The outer window of control `id` (-1: the dialog), caption and frame included,
/// in units of `dialog`.
XYPair WindowGetSize(DialogHandle dialog, ControlId id);
/// Resizes control `id` of `dialog` (-1: the dialog) to `width` by `height` of its
/// dialog units, without moving it.
void WindowSetSize(DialogHandle dialog, ControlId id, int32_t width, int32_t height);
/// The top-left corner of control `id` of `dialog` (-1: the dialog), in dialog
/// units: in the client area of the target's parent or owner, in that
/// window's units; on the screen, in the target's own units, when it has neither.
XYPair WindowGetLocation(DialogHandle dialog, ControlId id);
/// Moves control `id` of `dialog` (-1: the dialog) to `x`, `y` dialog units without
/// resizing it. The position is in the parent's client area for a control and on
/// the screen for a dialog, owned or not.
void WindowSetLocation(DialogHandle dialog, ControlId id, int32_t x, int32_t y);

/// @}
}  // namespace tabard
