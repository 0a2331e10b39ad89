#include <tabard/controls/button.h>

#include <cstring>

#include <tabard/controls/message_shapes.h>
#include <tabard/platform/win32_controls.h>
#include <tabard/text/text_core.h>

namespace tabard {

void BmClick(HWND button) { SendDropResult(button, BM_CLICK); }
LRESULT BmGetCheck(HWND button) { return SendPlain(button, BM_GETCHECK); }
LRESULT BmGetImage(HWND button) { return SendPlain(button, BM_GETIMAGE, IMAGE_BITMAP); }
LRESULT BmGetState(HWND button) { return SendPlain(button, BM_GETSTATE); }
void BmSetCheck(HWND button, uint32_t check) { SendDropResult(button, BM_SETCHECK, check); }
LRESULT BmSetImage(HWND button, HANDLE image) { return SendPlain(button, BM_SETIMAGE, IMAGE_BITMAP, image); }
LRESULT BmSetState(HWND button, int32_t state) { return SendPlain(button, BM_SETSTATE, FlagArgument(state)); }
void BmSetStyle(HWND button, uint32_t style, int32_t redraw) {
  SendDropResult(button, BM_SETSTYLE, style, FlagArgument(redraw));
}

void ButtonSetText(HWND button, const DynString& text) {
  const TextSpan view = TextView(text);
  const TextAllocation copy = TextAlloc(view.length);
  if (copy.failed) return;
  if (view.length != 0) std::memcpy(copy.bytes, view.bytes, view.length);
  platform::SetWindowText(button, TextPointer(&copy.handle));
  TextRelease(copy.handle);
}

}  // namespace tabard
