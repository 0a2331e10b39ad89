#include <tabard/dialogs/control_set_image.h>

#include <tabard/dialogs/consumed_text.h>
#include <tabard/dialogs/control_image.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/platform/win32_geometry.h>

namespace tabard {

void ControlSetImage(ProcedureFrame& frame, DialogHandle dialog, ControlId id, uint32_t mode) {
  const ConsumedText name = TakeTemporary(frame);
  // A missing control is left alone: the null window's client area would be
  // the desktop's.
  if (const HWND control = ControlHandle(dialog, id); control != nullptr) {
    RECT client{};
    if (mode & kImageScaled) platform::GetClientRect(control, &client);
    ControlAttachImage(control, name.text.bytes, mode, client.right - client.left, client.bottom - client.top);
  }
  ReleaseTemporary(name);
}

}  // namespace tabard
