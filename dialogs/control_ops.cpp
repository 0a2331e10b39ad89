#include <tabard/dialogs/control_ops.h>

#include <algorithm>

#include <tabard/dialogs/consumed_text.h>
#include <tabard/dialogs/control_image.h>
#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/win32_controls.h>
#include <tabard/text/text_core.h>

namespace tabard {

// A missing control is not passed on as the null window: the system reads some
// calls on it as calls on the desktop (its text) or as requests of their own (no
// focus at all), which would not be failing quietly.

HWND ControlHandle(DialogHandle dialog, ControlId id) { return platform::GetDlgItem(dialog, id); }

LRESULT ControlSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::SendMessage(window, message, wParam, lParam);
}

void ControlGetText(ProcedureFrame& frame, DialogHandle dialog, ControlId id) {
  const HWND control = ControlHandle(dialog, id);
  if (control == nullptr) {
    TextPushEmpty(frame);
    return;
  }
  // The system copies at most capacity - 1 bytes and a terminating zero; the large
  // buffer is then exchanged for a string of exactly the length received.
  constexpr uint32_t kCapacity = kControlTextLimit + 1;
  const TextAllocation buffer = TextAlloc(kCapacity);
  if (buffer.failed) {
    TextPushEmpty(frame);
    return;
  }
  const int copied = platform::GetWindowText(control, buffer.bytes, static_cast<int>(kCapacity));
  const uint32_t length = std::clamp<int>(copied, 0, static_cast<int>(kControlTextLimit));
  TextPushBytes(frame, buffer.bytes, length);
  TextRelease(buffer.handle);
}

void ControlSetText(ProcedureFrame& frame, DialogHandle dialog, ControlId id) {
  const ConsumedText text = TakeTemporary(frame);
  const HWND control = ControlHandle(dialog, id);
  if (control != nullptr) platform::SetWindowText(control, text.text.bytes);
  ReleaseTemporary(text);
}

void ControlSetCallback(DialogHandle dialog, ControlId id, DialogCallback callback) {
  const HWND control = ControlHandle(dialog, id);
  if (control != nullptr) SetCallbackSlot(control, callback);
}

void ControlSetFocus(DialogHandle dialog, ControlId id) {
  const HWND control = ControlHandle(dialog, id);
  if (control != nullptr) platform::SetFocus(control);
}

void ControlKill(DialogHandle dialog, ControlId id) {
  const HWND control = ControlHandle(dialog, id);
  if (control == nullptr) return;
  ReleaseControlImage(control);
  platform::DestroyWindow(control);
}

LRESULT CheckGet(DialogHandle dialog, ControlId id) { return ControlSend(ControlHandle(dialog, id), BM_GETCHECK, 0, 0); }

void CheckSet(DialogHandle dialog, ControlId id, uint32_t state) {
  ControlSend(ControlHandle(dialog, id), BM_SETCHECK, state, 0);
}

}  // namespace tabard
