#include <tabard/controls/message_shapes.h>

#include <tabard/text/text_core.h>

namespace tabard {

LRESULT SendTextValue(HWND control, UINT message, WPARAM wParam, DynString text) {
  const LRESULT result = SendPlain(control, message, wParam, TextPointer(&text));
  TextRelease(text);
  return result;
}

}  // namespace tabard
