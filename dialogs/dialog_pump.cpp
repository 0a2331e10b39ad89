#include <tabard/dialogs/dialog_pump.h>

#include <tabard/base/runtime_block.h>
#include <tabard/platform/core_services.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

int32_t DialogPump() {
  // Read before the queue: the message may well change which dialog is active.
  HWND active = static_cast<HWND>(runtimeBlock.activeDialog);
  MSG message;
  if (platform::PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!(platform::IsWindow(active) && platform::IsDialogMessage(active, &message))) {
      platform::TranslateMessage(&message);
      platform::DispatchMessage(&message);
    }
  } else {
    SleepMs(1);
  }
  return runtimeBlock.liveDialogCount;
}

void SleepMs(uint32_t milliseconds) { platform::SleepMs(milliseconds); }

}  // namespace tabard
