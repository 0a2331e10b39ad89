#pragma once
/// @file
/// The wrappers that call a window, dialog, drawing or image-list function of the
/// system instead of sending a message. (OverlayMask, pure arithmetic, is in
/// controls/packing.h.) Texts are zero-terminated and stay the caller's.
#include <cstdint>

#include <tabard/controls/packing.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_general
/// @{

/// The program's own module.
HINSTANCE ModuleHandle();
/// Moves the current position, not asking for the previous one.
LRESULT MoveTo(HDC context, int32_t x, int32_t y);
/// A modeless dialog from a template in memory; the dialog's window.
HWND DialogFromTemplateRecord(HINSTANCE instance, const DLGTEMPLATE& dialogTemplate, HWND parent, DLGPROC procedure);
/// A modeless dialog from a named template resource; the dialog's window.
HWND DialogFromTemplateName(HINSTANCE instance, const char* templateName, HWND parent, DLGPROC procedure);
/// A window with no extended style.
HWND WindowCreate(const char* className, const char* title, uint32_t style, int32_t x, int32_t y, int32_t width,
                  int32_t height, HWND parent, HMENU menuOrId, HINSTANCE instance, void* creationData);
/// A modal dialog from a named template resource; the dialog's result.
INT_PTR DialogModalFromTemplateName(HINSTANCE instance, const char* templateName, HWND parent, DLGPROC procedure);
/// A modal dialog from a template in memory; the dialog's result.
INT_PTR DialogModalFromTemplateRecord(HINSTANCE instance, const DLGTEMPLATE& dialogTemplate, HWND parent,
                                      DLGPROC procedure);
/// Appends the icon; the new image's index, -1 on failure.
LRESULT ImageListAddIcon(HIMAGELIST imageList, HICON icon);
/// Removes every image; non-zero on success.
LRESULT ImageListRemoveAll(HIMAGELIST imageList);
/// A new icon made from one image; the instance is not used.
HICON ImageListExtractIcon(HINSTANCE instance, HIMAGELIST imageList, int32_t index);
/// An image list from a bitmap resource cut into images `width` pixels wide.
HIMAGELIST ImageListLoadBitmap(HINSTANCE instance, const char* bitmapName, int32_t width, int32_t grow, COLORREF mask);

/// @}
}  // namespace tabard
