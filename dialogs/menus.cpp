#include <tabard/dialogs/menus.h>

#include <cstddef>

#include <tabard/dialogs/consumed_text.h>
#include <tabard/platform/win32_menus.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

MENUITEMINFOA ItemRecord(UINT mask) {
  MENUITEMINFOA record{};
  record.cbSize = platform::kMenuItemInfoSize;
  record.fMask = mask;
  return record;
}

BOOL ByPosition(uint32_t flags) { return (flags & kMenuItemByIdentifier) == 0; }

bool IsSeparatorText(TextSpan text) { return text.length == 1 && text.bytes[0] == '-'; }

// Separators, bitmaps and owner-drawn items have no text of their own.
bool HasText(UINT type) { return (type & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) == 0; }

}  // namespace

HMENU MenuCreate(uint32_t popupFlag) {
  return popupFlag == 0 ? platform::CreateMenu() : platform::CreatePopupMenu();
}

BOOL MenuAddItem(ProcedureFrame& frame, HMENU menu, UINT_PTR identifierOrPopup, uint32_t state, int32_t position,
                 DialogCallback callback, uint32_t flags) {
  const ConsumedText taken = TakeTemporary(frame);
  const TextSpan text = taken.text;
  MENUITEMINFOA record = ItemRecord(MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA);
  if (IsSeparatorText(text)) {
    record.fType = MFT_SEPARATOR;
    identifierOrPopup = 0;
    state = 0;
    callback = nullptr;
  } else {
    record.fType = MFT_STRING;
  }
  record.fState = state;
  if (flags & kMenuItemOpensPopup) {
    record.hSubMenu = reinterpret_cast<HMENU>(identifierOrPopup);
  } else {
    record.wID = static_cast<UINT>(identifierOrPopup);
  }
  record.dwItemData = reinterpret_cast<ULONG_PTR>(callback);
  // The system only reads the text of an item being inserted.
  record.dwTypeData = const_cast<char*>(text.bytes);
  record.cch = text.length;
  // By position, 1-based: position 0 reaches the system as -1, after the last item.
  const UINT item = ByPosition(flags) ? static_cast<uint32_t>(position) - 1u : static_cast<uint32_t>(position);
  const BOOL answer = platform::InsertMenuItem(menu, item, ByPosition(flags), &record);
  ReleaseTemporary(taken);
  return answer;
}

BOOL MenuAttach(HWND window, HMENU menu) { return platform::SetMenu(window, menu); }

BOOL MenuRedrawBar(HWND window) { return platform::DrawMenuBar(window); }

BOOL MenuDeleteItem(HMENU menu, uint32_t item, uint32_t flags) {
  return platform::DeleteMenu(menu, item, ByPosition(flags) ? MF_BYPOSITION : MF_BYCOMMAND);
}

uint32_t MenuGetState(HMENU menu, uint32_t item, uint32_t flags) {
  MENUITEMINFOA record = ItemRecord(MIIM_STATE);
  if (!platform::GetMenuItemInfo(menu, item, ByPosition(flags), &record)) return 0;
  return record.fState;
}

void MenuSetState(HMENU menu, uint32_t item, uint32_t state, uint32_t flags) {
  MENUITEMINFOA record = ItemRecord(MIIM_STATE);
  record.fState = state;
  platform::SetMenuItemInfo(menu, item, ByPosition(flags), &record);
}

void MenuGetText(ProcedureFrame& frame, HMENU menu, uint32_t item, uint32_t flags) {
  // First the length alone (no buffer), then the text into a string of exactly
  // that length, so that no item text is ever cut.
  MENUITEMINFOA record = ItemRecord(MIIM_TYPE);
  if (!platform::GetMenuItemInfo(menu, item, ByPosition(flags), &record) || record.cch == 0 ||
      record.cch == UINT32_MAX || !HasText(record.fType)) {
    TextPushEmpty(frame);
    return;
  }
  const uint32_t length = record.cch;
  const TextAllocation text = TextAlloc(length);
  if (text.failed) {
    TextPushEmpty(frame);
    return;
  }
  record = ItemRecord(MIIM_TYPE);
  record.dwTypeData = text.bytes;
  // The string's storage holds a zero byte after its length: room for the
  // terminator the system writes.
  record.cch = length + 1;
  if (!platform::GetMenuItemInfo(menu, item, ByPosition(flags), &record)) {
    TextRelease(text.handle);
    TextPushEmpty(frame);
    return;
  }
  if (record.cch == length) {
    TextPushOwned(frame, text.handle);
    return;
  }
  TextPushBytes(frame, text.bytes, record.cch < length ? record.cch : length);
  TextRelease(text.handle);
}

void MenuSetText(ProcedureFrame& frame, HMENU menu, uint32_t item, uint32_t flags) {
  const ConsumedText taken = TakeTemporary(frame);
  const TextSpan text = taken.text;
  MENUITEMINFOA record = ItemRecord(MIIM_TYPE);
  record.fType = MFT_STRING;
  record.dwTypeData = const_cast<char*>(text.bytes);
  record.cch = text.length;
  platform::SetMenuItemInfo(menu, item, ByPosition(flags), &record);
  ReleaseTemporary(taken);
}

}  // namespace tabard
