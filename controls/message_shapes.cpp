#include "controls/message_shapes.h"

#include "text/text_core.h"

LRESULT SendTextValue(HWND control, UINT message, WPARAM wParam, DynString text) {
  const LRESULT result = SendPlain(control, message, wParam, TextPointer(&text));
  TextRelease(text);
  return result;
}
