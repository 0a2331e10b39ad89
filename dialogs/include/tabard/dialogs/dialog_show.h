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

/// Shows `dialog` modally: its owner is disabled and the dialog's own loop runs.
/// `callback` (or nullptr) becomes the dialog's callback; `result` (or nullptr)
/// receives the value given to DialogEnd and must outlive the dialog. Returns once
/// the dialog no longer exists.
void DialogShowModal(DialogHandle dialog, DialogCallback callback, int32_t* result);
/// Shows `dialog` modelessly with the same attachment of `callback` and `result`;
/// returns as soon as the dialog is visible. The program keeps it alive by calling
/// DialogPump.
void DialogShowModeless(DialogHandle dialog, DialogCallback callback, int32_t* result);
/// ShowWindow with any show command; `wasVisible` (or nullptr) receives nonzero
/// when the window was visible before.
void DialogShowState(HWND window, int32_t command, int32_t* wasVisible);
/// Enables (`enable` nonzero) or disables (0) control `id` of `dialog`, or the
/// dialog itself for -1.
void WindowEnable(DialogHandle dialog, ControlId id, int32_t enable);

/// @}
}  // namespace tabard
