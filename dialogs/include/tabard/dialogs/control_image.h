#pragma once
/// @file
/// Giving a picture control or picture button the image its name names in the
/// module: a bitmap when there is one, else an icon, else no image at all.
///
/// Controls never delete the images they are given, and the system shares only
/// icons: every bitmap a toolkit control holds is the toolkit's to delete. The
/// control keeps it in a window property until it gets another image or is
/// destroyed through the toolkit.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Bits of ControlAttachImage's mode.
enum ImageAttachMode : uint32_t {
  kImageScaled = 0x01,  ///< loaded at the given pixel size instead of its own
  kImageButton = 0x02,  ///< BM_SETIMAGE rather than STM_SETIMAGE
};

/// Loads the bitmap (else the icon) named `name` from the program's module and
/// attaches it to `control`, as `mode` (ImageAttachMode bits) says; the toolkit owns
/// the image until ReleaseControlImage. Width and height 0 load the image at its
/// own size.
void ControlAttachImage(HWND control, const char* name, uint32_t mode, int32_t width, int32_t height);

/// True when the module holds a bitmap of that name.
bool ModuleHasBitmap(const char* name);

/// A picture control loads the bitmap its text names by itself and never deletes
/// it: the toolkit takes it over right after creating the control.
void AdoptOwnBitmap(HWND control);
/// Deletes the bitmap the toolkit gave `control`, if any, taking it out first so
/// that the control never draws a deleted one. For a control about to be destroyed.
void ReleaseControlImage(HWND control);
/// The same for every child window of `dialog`.
void ReleaseControlImages(HWND dialog);

/// @}
}  // namespace tabard
