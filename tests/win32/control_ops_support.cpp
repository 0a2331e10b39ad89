#include "tests/win32/control_ops_support.h"

#include <vector>

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/dialog_procedure.h>

DialogHandle MakeDialogWithFont(const char* faceName, uint16_t pointSize, HWND owner, int16_t x, int16_t y,
                                int16_t width, int16_t height, uint32_t style) {
  style = (style | DS_SETFONT) & ~WS_VISIBLE;
  // A vector's storage starts on a 4-byte boundary, as a template must. No items, no
  // menu, the default class.
  std::vector<uint16_t> units{static_cast<uint16_t>(style), static_cast<uint16_t>(style >> 16), 0, 0, 0};
  for (int16_t value : {x, y, width, height}) units.push_back(static_cast<uint16_t>(value));
  units.insert(units.end(), {0, 0});
  const auto put = [&](const char* text) {
    for (const char* c = text; *c != 0; ++c) units.push_back(static_cast<uint8_t>(*c));
    units.push_back(0);
  };
  put("Units test");
  units.push_back(pointSize);
  put(faceName);
  return CreateDialogIndirectParamA(static_cast<HINSTANCE>(runtimeBlock.moduleInstance),
                                    reinterpret_cast<const DLGTEMPLATE*>(units.data()), owner, DialogProcedure, 0);
}

HeldImage ImageHeld(HWND control, UINT getImage) {
  auto image = reinterpret_cast<HANDLE>(SendMessageA(control, getImage, IMAGE_BITMAP, 0));
  if (image == nullptr) image = reinterpret_cast<HANDLE>(SendMessageA(control, getImage, IMAGE_ICON, 0));
  ICONINFO icon{};
  const int type = image == nullptr ? -1 : GetObjectType(image) == OBJ_BITMAP ? IMAGE_BITMAP : IMAGE_ICON;
  if (type == IMAGE_ICON && GetIconInfo(static_cast<HICON>(image), &icon))
    image = icon.hbmColor != nullptr ? icon.hbmColor : icon.hbmMask;
  BITMAP info{};
  const SIZE size = GetObjectA(image, sizeof info, &info) != 0 ? SIZE{info.bmWidth, info.bmHeight} : SIZE{-1, -1};
  return DeleteObject(icon.hbmColor), DeleteObject(icon.hbmMask), HeldImage{type, size};
}
