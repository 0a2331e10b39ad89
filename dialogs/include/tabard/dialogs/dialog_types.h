#pragma once
/// @file
/// The toolkit's vocabulary: dialogs are plain window handles, controls are known
/// by their child-window identifier, and every callback receives the four values
/// of one message.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// A toolkit dialog: its window.
using DialogHandle = HWND;
/// A control's identifier within its dialog; kDialogItself for the dialog.
using ControlId = int32_t;

/// Stands for the dialog itself where an operation takes a control or the dialog.
constexpr ControlId kDialogItself = -1;

/// The callback of a dialog, a control or a menu item. It receives the dialog's
/// handle (for control and menu-item callbacks too), the message, wParam and
/// lParam exactly as delivered; 0 means "not handled, go on", anything else is
/// handed back to the platform as the dialog procedure's answer.
using DialogCallback = int32_t (*)(DialogHandle dialog, uint32_t message, WPARAM wParam, LPARAM lParam);

/// The four values one callback call receives, for code that keeps them together.
struct CallbackContext {
  DialogHandle dialog;  ///< the dialog the message went to
  uint32_t message;     ///< the message
  WPARAM wParam;        ///< its wParam
  LPARAM lParam;        ///< its lParam
};

/// @}
}  // namespace tabard
