#include <tabard/dialogs/control_image.h>

#include <tabard/base/runtime_block.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace {

constexpr UINT kBitmapLoadFlags = LR_LOADMAP3DCOLORS;
// Shared icons belong to the system: nothing ever has to release them.
constexpr UINT kIconLoadFlags = LR_SHARED | LR_LOADMAP3DCOLORS;

// Where a control keeps the toolkit's bitmap, one slot per image message, so that
// it can be taken out with the message that put it in.
struct OwnedBitmapSlot {
  const char* property;
  UINT setMessage;
};
constexpr OwnedBitmapSlot kStaticSlot{"ToolkitStaticBitmap", STM_SETIMAGE};
constexpr OwnedBitmapSlot kButtonSlot{"ToolkitButtonBitmap", BM_SETIMAGE};
constexpr OwnedBitmapSlot kOwnedBitmapSlots[] = {kStaticSlot, kButtonSlot};

HANDLE LoadModuleImage(const char* name, UINT type, int32_t width, int32_t height) {
  return platform::LoadImage(static_cast<HINSTANCE>(runtimeBlock.moduleInstance), name, type, width, height,
                             type == IMAGE_BITMAP ? kBitmapLoadFlags : kIconLoadFlags);
}

// Makes `bitmap` (or nothing) the slot's owned bitmap and deletes the one before.
void ReplaceOwned(HWND control, const OwnedBitmapSlot& slot, HANDLE bitmap) {
  const HANDLE before = platform::RemoveProp(control, slot.property);
  if (bitmap != nullptr) platform::SetProp(control, slot.property, bitmap);
  if (before != nullptr && before != bitmap) platform::DeleteObject(before);
}

BOOL CALLBACK ReleaseChildImage(HWND control, LPARAM) {
  ReleaseControlImage(control);
  return TRUE;
}

}  // namespace

bool ModuleHasBitmap(const char* name) {
  const HANDLE probe = LoadModuleImage(name, IMAGE_BITMAP, 0, 0);
  if (probe == nullptr) return false;
  platform::DeleteObject(probe);
  return true;
}

void ControlAttachImage(HWND control, const char* name, uint32_t mode, int32_t width, int32_t height) {
  const OwnedBitmapSlot& slot = (mode & kImageButton) ? kButtonSlot : kStaticSlot;
  WPARAM type = IMAGE_BITMAP;
  HANDLE image = LoadModuleImage(name, IMAGE_BITMAP, width, height);
  if (image == nullptr) {
    type = IMAGE_ICON;
    image = LoadModuleImage(name, IMAGE_ICON, width, height);
  }
  platform::SendMessage(control, slot.setMessage, type, reinterpret_cast<LPARAM>(image));
  const HANDLE bitmap = type == IMAGE_BITMAP ? image : nullptr;
  if (!platform::IsWindow(control)) {
    // No window took it.
    if (bitmap != nullptr) platform::DeleteObject(bitmap);
    return;
  }
  ReplaceOwned(control, slot, bitmap);
}

void AdoptOwnBitmap(HWND control) {
  const auto own = reinterpret_cast<HANDLE>(platform::SendMessage(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (own != nullptr) platform::SetProp(control, kStaticSlot.property, own);
}

void ReleaseControlImage(HWND control) {
  for (const OwnedBitmapSlot& slot : kOwnedBitmapSlots) {
    const HANDLE owned = platform::RemoveProp(control, slot.property);
    if (owned == nullptr) continue;
    platform::SendMessage(control, slot.setMessage, IMAGE_BITMAP, 0);
    platform::DeleteObject(owned);
  }
}

void ReleaseControlImages(HWND dialog) { platform::EnumChildWindows(dialog, ReleaseChildImage, 0); }

}  // namespace tabard
