#pragma once
/// @file
/// Reading and changing one control of a toolkit dialog. Each operation finds the
/// control by its identifier within the dialog and makes one system call; a missing
/// control makes the call act on no window, which fails quietly.
///
/// Texts going in are taken from the top of the caller's stack of temporaries and
/// consumed; texts coming out are pushed there as new temporaries (the empty string
/// is the null handle).
#include <cstdint>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/dialog_types.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Longest window text ControlGetText returns: longer texts are cut to this.
constexpr uint32_t kControlTextLimit = 32769;

/// The window of control `id` of `dialog`, null when there is none. The window is the
/// platform's: do not destroy it but through ControlKill.
HWND ControlHandle(DialogHandle dialog, ControlId id);
/// Sends `message` with `wParam` and `lParam` to `window`; the answer.
LRESULT ControlSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// Pushes the text of control `id` of `dialog` (-1: the dialog's title), a new owned
/// string of at most kControlTextLimit bytes.
void ControlGetText(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
/// Sets the text of control `id` of `dialog` (-1: the dialog's title) to the text on
/// top of the stack, which is consumed.
void ControlSetText(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
/// Replaces the callback the dialog procedure calls for the commands of control `id`;
/// 0 removes it.
void ControlSetCallback(DialogHandle dialog, ControlId id, DialogCallback callback);
/// Gives control `id` of `dialog` the keyboard focus.
void ControlSetFocus(DialogHandle dialog, ControlId id);
/// Destroys control `id` of `dialog`.
void ControlKill(DialogHandle dialog, ControlId id);
/// The check state of button `id` of `dialog`: BST_UNCHECKED, BST_CHECKED or
/// BST_INDETERMINATE.
LRESULT CheckGet(DialogHandle dialog, ControlId id);
/// Sets the check state of button `id` of `dialog` to `state` (a BST_ value).
void CheckSet(DialogHandle dialog, ControlId id, uint32_t state);

/// @}
}  // namespace tabard
