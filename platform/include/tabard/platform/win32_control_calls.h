#pragma once
// What the control message wrappers ask of the system beyond sending messages:
// dialogs from templates, image lists and one drawing call, one wrapper per call.
#include <tabard/platform/win32_api.h>

namespace tabard {

namespace platform {

inline BOOL MoveToEx(HDC context, int x, int y, POINT* previous) { return ::MoveToEx(context, x, y, previous); }
inline HWND CreateDialogParam(HINSTANCE instance, const char* templateName, HWND parent, DLGPROC procedure,
                              LPARAM initValue) {
  return ::CreateDialogParamA(instance, templateName, parent, procedure, initValue);
}
inline INT_PTR DialogBoxParam(HINSTANCE instance, const char* templateName, HWND parent, DLGPROC procedure,
                              LPARAM initValue) {
  return ::DialogBoxParamA(instance, templateName, parent, procedure, initValue);
}
inline INT_PTR DialogBoxIndirectParam(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent,
                                      DLGPROC procedure, LPARAM initValue) {
  return ::DialogBoxIndirectParamA(instance, dialogTemplate, parent, procedure, initValue);
}
inline int ImageListReplaceIcon(HIMAGELIST imageList, int index, HICON icon) {
  return ::ImageList_ReplaceIcon(imageList, index, icon);
}
inline BOOL ImageListRemove(HIMAGELIST imageList, int index) { return ::ImageList_Remove(imageList, index); }
inline HICON ImageListGetIcon(HIMAGELIST imageList, int index, UINT flags) {
  return ::ImageList_GetIcon(imageList, index, flags);
}
inline HIMAGELIST ImageListLoadImage(HINSTANCE instance, const char* name, int width, int grow, COLORREF mask,
                                     UINT type, UINT flags) {
  return ::ImageList_LoadImageA(instance, name, width, grow, mask, type, flags);
}

}  // namespace platform

}  // namespace tabard
