// The DynString face of number to text: the text is pushed on the caller's stack.
#include <tabard/text/number_to_text.h>

#include <tabard/base/runtime_error.h>
#include <tabard/text/number_text.h>
#include <tabard/text/text_core.h>

namespace tabard {

void NumberToTextDigits(ProcedureFrame& frame, long double value, uint32_t n) {
  char text[kNumberTextSlack];
  const uint32_t length = NumberTextWithSlack(value, n, text);
  if (!TextPushBytes(frame, text, length)) RaiseError(frame, kErrorAllocationFailed);
}

void NumberToText(ProcedureFrame& frame, long double value) { NumberToTextDigits(frame, value, 15); }

void NumberToTextShort(ProcedureFrame& frame, long double value) { NumberToTextDigits(frame, value, 7); }

}  // namespace tabard
