#pragma once
/// @file
/// Showing a toolkit dialog attaches its callback and the caller's result
/// variable, then makes it visible: modally, running the dialog's own loop until
/// it is gone, or modelessly, leaving the pumping to the program.
#include <cstdint>

#include <tabard/dialogs/dialog_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// `result` (or nullptr) receives the value given to DialogEnd and must outlive the
/// dialog. Returns once the dialog no longer exists.
void DialogShowModal(DialogHandle dialog, DialogCallback callback, int32_t* result);
/// The same attachment; returns as soon as the dialog is visible.
void DialogShowModeless(DialogHandle dialog, DialogCallback callback, int32_t* result);
/// ShowWindow with any show command; `wasVisible` (or nullptr) receives nonzero
/// when the window was visible before.
void DialogShowState(HWND window, int32_t command, int32_t* wasVisible);
/// Enables (nonzero) or disables (0) the control `id`, or the dialog itself for -1.
void WindowEnable(DialogHandle dialog, ControlId id, int32_t enable);

/// @}
}  // namespace tabard
