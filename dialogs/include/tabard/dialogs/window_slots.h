#pragma once
// The toolkit keeps its per-window state in the windows' own slots: the callback
// of a dialog or control in GWLP_USERDATA, the address of a dialog's result
// variable in DWLP_USER. Both are pointer-sized.
#include <cstdint>

#include <tabard/dialogs/dialog_types.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

inline DialogCallback CallbackSlot(HWND window) {
  return reinterpret_cast<DialogCallback>(platform::GetWindowSlot(window, GWLP_USERDATA));
}
inline void SetCallbackSlot(HWND window, DialogCallback callback) {
  platform::SetWindowSlot(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(callback));
}
inline int32_t* ResultSlot(HWND dialog) { return reinterpret_cast<int32_t*>(platform::GetWindowSlot(dialog, DWLP_USER)); }
inline void SetResultSlot(HWND dialog, int32_t* result) {
  platform::SetWindowSlot(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(result));
}
inline HWND OwnerOf(HWND window) { return reinterpret_cast<HWND>(platform::GetWindowSlot(window, GWLP_HWNDPARENT)); }

}  // namespace tabard
