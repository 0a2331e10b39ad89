#pragma once
// Giving a picture control or picture button the image its name names in the
// module: a bitmap when there is one, else an icon, else no image at all.
#include <cstdint>

#include "runtime/system_types.h"

enum ImageAttachMode : uint32_t {
  kImageScaled = 0x01,  // loaded at the given pixel size instead of its own
  kImageButton = 0x02,  // BM_SETIMAGE rather than STM_SETIMAGE
};

// Width and height 0 load the image at its own size.
void ControlAttachImage(HWND control, const char* name, uint32_t mode, int32_t width, int32_t height);

// True when the module holds a bitmap of that name.
bool ModuleHasBitmap(const char* name);
