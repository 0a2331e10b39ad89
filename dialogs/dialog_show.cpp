#include <tabard/dialogs/dialog_show.h>

#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/core_services.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace {

// The dialog's real WM_INITDIALOG came during creation, before any callback
// existed; the callback gets its own before it is attached, so it sees no other
// message before that first call has returned.
void AttachCallback(HWND dialog, DialogCallback callback, int32_t* result) {
  if (callback != nullptr) callback(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
  SetCallbackSlot(dialog, callback);
  SetResultSlot(dialog, result);
}

uint32_t ShowByStyle(HWND dialog) {
  const uint32_t style = static_cast<uint32_t>(platform::GetWindowLong(dialog, GWL_STYLE));
  platform::ShowWindow(dialog, (style & WS_MAXIMIZE) ? SW_MAXIMIZE : SW_SHOW);
  return style;
}

void HandleModalMessage(HWND dialog, MSG& message) {
  if (platform::IsWindow(dialog) && platform::IsDialogMessage(dialog, &message)) return;
  platform::TranslateMessage(&message);
  platform::DispatchMessage(&message);
}

}  // namespace

void DialogShowModal(DialogHandle dialog, DialogCallback callback, int32_t* result) {
  AttachCallback(dialog, callback, result);
  HWND owner = OwnerOf(dialog);
  if (owner != nullptr) {
    platform::SendMessage(owner, WM_CANCELMODE, 0, 0);
    platform::EnableWindow(owner, FALSE);
  }
  const uint32_t style = ShowByStyle(dialog);
  const bool idleMessages = owner != nullptr && (style & DS_NOIDLEMSG) == 0;

  // The dialog is tested before every pass, idle ones included, so a dialog that
  // is gone (or never was) ends the loop even when no message ever comes.
  while (platform::IsWindow(dialog)) {
    MSG message;
    if (platform::PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
      HandleModalMessage(dialog, message);
      continue;
    }
    if (idleMessages)
      platform::SendMessage(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
    platform::SleepMs(1);
  }
  if (owner != nullptr) platform::SetFocus(owner);
}

void DialogShowModeless(DialogHandle dialog, DialogCallback callback, int32_t* result) {
  AttachCallback(dialog, callback, result);
  ShowByStyle(dialog);
}

void DialogShowState(HWND window, int32_t command, int32_t* wasVisible) {
  const BOOL answer = platform::ShowWindow(window, command);
  if (wasVisible != nullptr) *wasVisible = answer;
}

void WindowEnable(DialogHandle dialog, ControlId id, int32_t enable) {
  HWND target = id == kDialogItself ? dialog : platform::GetDlgItem(dialog, id);
  platform::EnableWindow(target, enable != 0 ? TRUE : FALSE);
}

}  // namespace tabard
