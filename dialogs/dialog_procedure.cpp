#include <tabard/dialogs/dialog_procedure.h>

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/control_image.h>
#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace {

int32_t Call(DialogCallback callback, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return callback != nullptr ? callback(dialog, message, wParam, lParam) : 0;
}

DialogCallback MenuItemCallback(HWND dialog, UINT id) {
  HMENU menu = platform::GetMenu(dialog);
  if (menu == nullptr) return nullptr;
  MENUITEMINFOA item{};
  item.cbSize = platform::kMenuItemInfoSize;
  item.fMask = MIIM_DATA;
  if (!platform::GetMenuItemInfo(menu, id, FALSE, &item)) return nullptr;
  return reinterpret_cast<DialogCallback>(item.dwItemData);
}

// A control's WM_COMMAND goes to that control's callback; only an identifier no
// control has can be a menu command.
int32_t RouteCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  HWND control = platform::GetDlgItem(dialog, static_cast<int>(id));
  DialogCallback callback = control != nullptr ? CallbackSlot(control) : MenuItemCallback(dialog, id);
  return Call(callback, dialog, WM_COMMAND, wParam, lParam);
}

INT_PTR DefaultHandling(HWND dialog, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_DESTROY:
      --runtimeBlock.liveDialogCount;
      return 0;
    case WM_SYSCOMMAND:
      if (LOWORD(wParam) == SC_CLOSE) {
        DialogEnd(dialog, 0);
        return 1;
      }
      return 0;
    default:
      return 0;
  }
}

INT_PTR Route(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) ++runtimeBlock.liveDialogCount;

  if (message == WM_ACTIVATE) {
    switch (LOWORD(wParam)) {
      case WA_ACTIVE:
      case WA_CLICKACTIVE:
        runtimeBlock.activeDialog = dialog;
        return 1;
      case WA_INACTIVE:
        runtimeBlock.activeDialog = nullptr;
        return 1;
      default:
        break;
    }
  }

  if (message == WM_COMMAND) {
    if (const int32_t handled = RouteCommand(dialog, wParam, lParam)) return handled;
  }

  if (const int32_t handled = Call(CallbackSlot(dialog), dialog, message, wParam, lParam)) return handled;
  return DefaultHandling(dialog, message, wParam);
}

}  // namespace

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const INT_PTR answer = Route(dialog, message, wParam, lParam);
  // The controls still exist while their dialog gets WM_DESTROY, and the bitmaps
  // the toolkit gave them would outlive them.
  if (message == WM_DESTROY) ReleaseControlImages(dialog);
  return answer;
}

}  // namespace tabard
