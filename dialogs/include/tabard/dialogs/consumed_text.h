#pragma once
// Toolkit operations consume the string temporaries their caller pushed: a text
// is taken off the caller's stack, read, and released once the operation is done
// with it, on every path.
#include <tabard/base/procedure_frame.h>
#include <tabard/text/text_core.h>

namespace tabard {

struct ConsumedText {
  TempStringEntry entry;
  TextSpan text;  // never null, always zero-terminated
};

// Takes the top temporary. An empty stack reads as the empty string rather than
// as a slot that does not exist.
ConsumedText TakeTemporary(ProcedureFrame& frame);
// Releases an owned temporary; a borrowed one belongs to someone else.
void ReleaseTemporary(const ConsumedText& taken);

}  // namespace tabard
