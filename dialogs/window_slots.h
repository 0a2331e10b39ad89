#pragma once
// The toolkit keeps its per-window state in the windows' own slots: the callback
// of a dialog or control in GWL_USERDATA, the address of a dialog's result
// variable in DWL_USER.
#include <cstdint>

#include "dialogs/dialog_types.h"
#include "platform/win32_dialogs.h"

inline DialogCallback CallbackSlot(HWND window) {
  return reinterpret_cast<DialogCallback>(platform::GetWindowLong(window, GWL_USERDATA));
}
inline void SetCallbackSlot(HWND window, DialogCallback callback) {
  platform::SetWindowLong(window, GWL_USERDATA, reinterpret_cast<LONG>(callback));
}
inline int32_t* ResultSlot(HWND dialog) { return reinterpret_cast<int32_t*>(platform::GetWindowLong(dialog, DWL_USER)); }
inline void SetResultSlot(HWND dialog, int32_t* result) {
  platform::SetWindowLong(dialog, DWL_USER, reinterpret_cast<LONG>(result));
}
inline HWND OwnerOf(HWND window) { return reinterpret_cast<HWND>(platform::GetWindowLong(window, GWL_HWNDPARENT)); }
