#include "dialogs/control_image.h"

#include "platform/win32_dialogs.h"
#include "runtime/runtime_block.h"

namespace {

// Shared images belong to the system: nothing ever has to release them.
constexpr UINT kImageLoadFlags = LR_SHARED | LR_LOADMAP3DCOLORS;

HANDLE LoadModuleImage(const char* name, UINT type, int32_t width, int32_t height) {
  return platform::LoadImage(static_cast<HINSTANCE>(runtimeBlock.moduleInstance), name, type, width, height,
                             kImageLoadFlags);
}

}  // namespace

bool ModuleHasBitmap(const char* name) { return LoadModuleImage(name, IMAGE_BITMAP, 0, 0) != nullptr; }

void ControlAttachImage(HWND control, const char* name, uint32_t mode, int32_t width, int32_t height) {
  const UINT message = (mode & kImageButton) ? BM_SETIMAGE : STM_SETIMAGE;
  WPARAM type = IMAGE_BITMAP;
  HANDLE image = LoadModuleImage(name, IMAGE_BITMAP, width, height);
  if (image == nullptr) {
    type = IMAGE_ICON;
    image = LoadModuleImage(name, IMAGE_ICON, width, height);
  }
  platform::SendMessage(control, message, type, reinterpret_cast<LPARAM>(image));
}
