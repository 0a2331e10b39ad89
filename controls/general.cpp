#include <tabard/controls/general.h>

#include <tabard/platform/win32_control_calls.h>
#include <tabard/platform/win32_dialogs.h>
#include <tabard/platform/win32_startup.h>

namespace tabard {

namespace {
constexpr LPARAM kNoInitValue = 0;
constexpr int kAppendImage = -1;
constexpr int kEveryImage = -1;
constexpr UINT kNoFlags = 0;
}  // namespace

HINSTANCE ModuleHandle() { return platform::GetModuleHandle(nullptr); }
LRESULT MoveTo(HDC context, int32_t x, int32_t y) { return platform::MoveToEx(context, x, y, nullptr); }
HWND DialogFromTemplateRecord(HINSTANCE instance, const DLGTEMPLATE& dialogTemplate, HWND parent, DLGPROC procedure) {
  return platform::CreateDialogIndirectParam(instance, &dialogTemplate, parent, procedure, kNoInitValue);
}
HWND DialogFromTemplateName(HINSTANCE instance, const char* templateName, HWND parent, DLGPROC procedure) {
  return platform::CreateDialogParam(instance, templateName, parent, procedure, kNoInitValue);
}
HWND WindowCreate(const char* className, const char* title, uint32_t style, int32_t x, int32_t y, int32_t width,
                  int32_t height, HWND parent, HMENU menuOrId, HINSTANCE instance, void* creationData) {
  return platform::CreateWindowEx(0, className, title, style, x, y, width, height, parent, menuOrId, instance,
                                  creationData);
}
INT_PTR DialogModalFromTemplateName(HINSTANCE instance, const char* templateName, HWND parent, DLGPROC procedure) {
  return platform::DialogBoxParam(instance, templateName, parent, procedure, kNoInitValue);
}
INT_PTR DialogModalFromTemplateRecord(HINSTANCE instance, const DLGTEMPLATE& dialogTemplate, HWND parent,
                                      DLGPROC procedure) {
  return platform::DialogBoxIndirectParam(instance, &dialogTemplate, parent, procedure, kNoInitValue);
}
LRESULT ImageListAddIcon(HIMAGELIST imageList, HICON icon) {
  return platform::ImageListReplaceIcon(imageList, kAppendImage, icon);
}
LRESULT ImageListRemoveAll(HIMAGELIST imageList) { return platform::ImageListRemove(imageList, kEveryImage); }
HICON ImageListExtractIcon([[maybe_unused]] HINSTANCE instance, HIMAGELIST imageList, int32_t index) {
  return platform::ImageListGetIcon(imageList, index, kNoFlags);
}
HIMAGELIST ImageListLoadBitmap(HINSTANCE instance, const char* bitmapName, int32_t width, int32_t grow, COLORREF mask) {
  return platform::ImageListLoadImage(instance, bitmapName, width, grow, mask, IMAGE_BITMAP, kNoFlags);
}

}  // namespace tabard
