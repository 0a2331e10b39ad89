#pragma once
/// @file
/// The one dialog procedure of every toolkit dialog, and the way a dialog ends.
#include <cstdint>

#include <tabard/dialogs/dialog_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Routes each message to the program's callbacks: a WM_COMMAND first to the
/// callback of the control it comes from (or, when no control has its identifier,
/// of the menu item), then every message to the dialog's callback. Keeps
/// activeDialog and liveDialogCount current and ends the dialog on Close.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/// Lets the dialog's callback see WM_CLOSE, re-enables the owner, stores `result`
/// in the result variable given when the dialog was shown, and destroys the
/// dialog. A DialogEnd entered again for a dialog that is already ending (from
/// that dialog's WM_CLOSE or WM_DESTROY) does nothing: the first one finishes the
/// ending with its own result.
void DialogEnd(DialogHandle dialog, int32_t result);

/// @}
}  // namespace tabard
