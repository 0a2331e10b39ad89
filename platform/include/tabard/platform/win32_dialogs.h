#pragma once
// What the dialog toolkit asks of the window system, one wrapper per call.
#include <cstddef>
#include <cstdint>

#include <tabard/platform/resource_counts.h>
#include <tabard/platform/win32_api.h>
#include <tabard/platform/win32_messages.h>

namespace tabard {

namespace platform {

inline HWND CreateDialogIndirectParam(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent,
                                      DLGPROC procedure, LPARAM initValue) {
  return detail::Remembered(ResourceKind::Window,
                            ::CreateDialogIndirectParamA(instance, dialogTemplate, parent, procedure, initValue));
}
inline HWND CreateWindowEx(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU idOrMenu, HINSTANCE instance, void* param) {
  return detail::Remembered(ResourceKind::Window, ::CreateWindowExA(exStyle, className, text, style, x, y, width,
                                                                    height, parent, idOrMenu, instance, param));
}
inline BOOL DestroyWindow(HWND window) { return ::DestroyWindow(window); }
inline BOOL IsWindow(HWND window) { return ::IsWindow(window); }

// 32-bit window values: the style and the identifier.
inline LONG GetWindowLong(HWND window, int index) { return ::GetWindowLongA(window, index); }
// Pointer-sized window slots; in a 32-bit program these are the plain 32-bit slots.
inline LONG_PTR GetWindowSlot(HWND window, int index) { return ::GetWindowLongPtrA(window, index); }
inline LONG_PTR SetWindowSlot(HWND window, int index, LONG_PTR value) {
  return ::SetWindowLongPtrA(window, index, value);
}

inline HWND GetDlgItem(HWND dialog, int id) { return ::GetDlgItem(dialog, id); }
inline BOOL MapDialogRect(HWND dialog, RECT* rect) { return ::MapDialogRect(dialog, rect); }
inline HMENU GetMenu(HWND window) { return ::GetMenu(window); }
// The item record as every version of the system reads it: without the item
// bitmap field that later versions appended.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
inline BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  return ::GetMenuItemInfoA(menu, item, byPosition, info);
}
// Bitmaps are the loader's to delete, whatever the flags say: the system shares
// only icons and cursors. Shared icons and cursors belong to the system.
inline HANDLE LoadImage(HINSTANCE instance, const char* name, UINT type, int width, int height, UINT flags) {
  HANDLE image = ::LoadImageA(instance, name, type, width, height, flags);
  return type == IMAGE_BITMAP ? detail::Remembered(ResourceKind::GdiObject, image) : image;
}
inline BOOL DeleteObject(HGDIOBJ object) { return ::DeleteObject(object); }

inline BOOL SetProp(HWND window, const char* name, HANDLE data) { return ::SetPropA(window, name, data); }
inline HANDLE RemoveProp(HWND window, const char* name) { return ::RemovePropA(window, name); }
inline BOOL EnumChildWindows(HWND parent, WNDENUMPROC procedure, LPARAM value) {
  return ::EnumChildWindows(parent, procedure, value);
}

inline BOOL EnableWindow(HWND window, BOOL enable) { return ::EnableWindow(window, enable); }
inline BOOL ShowWindow(HWND window, int command) { return ::ShowWindow(window, command); }
inline HWND SetFocus(HWND window) { return ::SetFocus(window); }

inline BOOL IsDialogMessage(HWND dialog, MSG* message) { return ::IsDialogMessageA(dialog, message); }
inline BOOL TranslateMessage(const MSG* message) { return ::TranslateMessage(message); }
inline LRESULT DispatchMessage(const MSG* message) { return ::DispatchMessageA(message); }
inline void Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace platform

}  // namespace tabard
