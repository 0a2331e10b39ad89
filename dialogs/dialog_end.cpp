#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace {

// Dialogs whose DialogEnd is running right now, innermost last. A dialog's own
// WM_CLOSE or WM_DESTROY may ask to end it again; without this the close message
// would be sent again and again, and the dialog destroyed twice.
constexpr int kMaxNestedEndings = 16;
HWND endingDialogs[kMaxNestedEndings];
int endingCount = 0;

bool IsEnding(HWND dialog) {
  for (int i = 0; i < endingCount; ++i)
    if (endingDialogs[i] == dialog) return true;
  return false;
}

}  // namespace

void DialogEnd(DialogHandle dialog, int32_t result) {
  // A full list means endings nested beyond reason; refusing is the one answer
  // that cannot recurse without end.
  if (IsEnding(dialog) || endingCount == kMaxNestedEndings) return;
  endingDialogs[endingCount++] = dialog;

  platform::SendMessage(dialog, WM_CLOSE, 0, 0);

  HWND owner = OwnerOf(dialog);
  bool ownerWasDisabled = false;
  if (owner != nullptr) ownerWasDisabled = platform::EnableWindow(owner, TRUE) != 0;

  if (int32_t* resultVariable = ResultSlot(dialog)) *resultVariable = result;

  if (!platform::DestroyWindow(dialog) && ownerWasDisabled) platform::EnableWindow(owner, FALSE);

  --endingCount;
}

}  // namespace tabard
