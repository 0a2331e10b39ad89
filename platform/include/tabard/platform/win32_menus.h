#pragma once
// What the toolkit's menus ask of the system beyond the dialog calls, one wrapper
// per call.
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace platform {

inline HMENU CreateMenu() { return detail::Remembered(ResourceKind::Menu, ::CreateMenu()); }
inline HMENU CreatePopupMenu() { return detail::Remembered(ResourceKind::Menu, ::CreatePopupMenu()); }
inline BOOL DestroyMenu(HMENU menu) { return ::DestroyMenu(menu); }
inline BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  return ::InsertMenuItemA(menu, item, byPosition, info);
}
inline BOOL SetMenu(HWND window, HMENU menu) { return ::SetMenu(window, menu); }
inline BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) { return ::DeleteMenu(menu, item, flags); }
inline BOOL DrawMenuBar(HWND window) { return ::DrawMenuBar(window); }
inline BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  return ::SetMenuItemInfoA(menu, item, byPosition, info);
}

}  // namespace platform

}  // namespace tabard
