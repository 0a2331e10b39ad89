#include <tabard/dialogs/mouse_pointer.h>

#include <tabard/platform/win32_controls.h>

namespace tabard {

HCURSOR MousePointerSet(uint32_t shape) {
  constexpr UINT kSharedDefaultSize = LR_SHARED | LR_LOADMAP3DCOLORS | LR_DEFAULTSIZE;
  const uint16_t resource = PointerShapeCursor(shape);
  // Resource 0 names no cursor: nothing is loaded and the cursor is removed.
  const HANDLE cursor =
      resource == 0 ? nullptr
                    : platform::LoadImage(nullptr, MAKEINTRESOURCEA(resource), IMAGE_CURSOR, 0, 0, kSharedDefaultSize);
  return platform::SetCursor(static_cast<HCURSOR>(cursor));
}

}  // namespace tabard
