#include <tabard/dialogs/list_ops.h>

#include <tabard/dialogs/consumed_text.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

// The two controls speak the same language with different message numbers.
struct ItemMessages {
  UINT addItem;
  UINT deleteItem;
  UINT getSelection;
  UINT getTextLength;
  UINT getText;
  UINT clear;
  UINT select;
};
constexpr ItemMessages kCombo{CB_ADDSTRING, CB_DELETESTRING, CB_GETCURSEL, CB_GETLBTEXTLEN,
                              CB_GETLBTEXT, CB_RESETCONTENT, CB_SETCURSEL};
constexpr ItemMessages kList{LB_ADDSTRING, LB_DELETESTRING, LB_GETCURSEL, LB_GETTEXTLEN,
                             LB_GETTEXT, LB_RESETCONTENT, LB_SETCURSEL};

// 1-based position to the system's index; 0 becomes -1, no item.
WPARAM SystemIndex(int32_t position) { return static_cast<WPARAM>(static_cast<uint32_t>(position) - 1u); }

LRESULT SendTo(DialogHandle dialog, ControlId id, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlSend(ControlHandle(dialog, id), message, wParam, lParam);
}

LRESULT AddItem(ProcedureFrame& frame, DialogHandle dialog, ControlId id, const ItemMessages& messages) {
  const ConsumedText text = TakeTemporary(frame);
  const LRESULT answer = SendTo(dialog, id, messages.addItem, 0, reinterpret_cast<LPARAM>(text.text.bytes));
  ReleaseTemporary(text);
  return answer;
}

void PushSelectedText(ProcedureFrame& frame, DialogHandle dialog, ControlId id, const ItemMessages& messages) {
  const HWND control = ControlHandle(dialog, id);
  const LRESULT position = ControlSend(control, messages.getSelection, 0, 0);
  // No selection answers -1 for the position and then for the length.
  const LRESULT length = ControlSend(control, messages.getTextLength, static_cast<WPARAM>(position), 0);
  if (length <= 0) {
    TextPushEmpty(frame);
    return;
  }
  // The string's storage holds a zero byte after its length, room for the
  // terminator the control writes.
  const TextAllocation text = TextAlloc(static_cast<uint32_t>(length));
  if (text.failed) {
    TextPushEmpty(frame);
    return;
  }
  const LRESULT copied =
      ControlSend(control, messages.getText, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.bytes));
  if (copied == length) {
    TextPushOwned(frame, text.handle);
    return;
  }
  // Fewer bytes than announced (or a failure): keep only the bytes that arrived
  // rather than a tail the control never wrote.
  TextPushBytes(frame, text.bytes, copied > 0 && copied < length ? static_cast<uint32_t>(copied) : 0);
  TextRelease(text.handle);
}

}  // namespace

LRESULT ComboAddItem(ProcedureFrame& frame, DialogHandle dialog, ControlId id) { return AddItem(frame, dialog, id, kCombo); }
LRESULT ComboDeleteItem(DialogHandle dialog, ControlId id, int32_t position) {
  return SendTo(dialog, id, kCombo.deleteItem, SystemIndex(position), 0);
}
void ComboGetSelectedText(ProcedureFrame& frame, DialogHandle dialog, ControlId id) {
  PushSelectedText(frame, dialog, id, kCombo);
}
LRESULT ComboClear(DialogHandle dialog, ControlId id) { return SendTo(dialog, id, kCombo.clear, 0, 0); }
LRESULT ComboSelect(DialogHandle dialog, ControlId id, int32_t position) {
  return SendTo(dialog, id, kCombo.select, SystemIndex(position), 0);
}

LRESULT ListAddItem(ProcedureFrame& frame, DialogHandle dialog, ControlId id) { return AddItem(frame, dialog, id, kList); }
LRESULT ListDeleteItem(DialogHandle dialog, ControlId id, int32_t position) {
  return SendTo(dialog, id, kList.deleteItem, SystemIndex(position), 0);
}
void ListGetSelectedText(ProcedureFrame& frame, DialogHandle dialog, ControlId id) { PushSelectedText(frame, dialog, id, kList); }
LRESULT ListClear(DialogHandle dialog, ControlId id) { return SendTo(dialog, id, kList.clear, 0, 0); }
LRESULT ListSelect(DialogHandle dialog, ControlId id, int32_t position) {
  return SendTo(dialog, id, kList.select, SystemIndex(position), 0);
}

}  // namespace tabard
