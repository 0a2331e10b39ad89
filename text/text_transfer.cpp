// Moving a temporary out of the stack into its next owner: a variable, an
// argument slot, or nobody (its length taken).
#include <cstring>

#include <tabard/base/runtime_error.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

// A fresh copy of a borrowed text; nullptr for an empty one or when storage is refused.
DynString CopyOf(const TempStringEntry& entry, bool* failed) {
  const TextSpan text = TextView(entry);
  const TextAllocation copy = TextAlloc(text.length);
  if (copy.handle != nullptr) std::memcpy(copy.bytes, text.bytes, text.length);
  *failed = copy.failed;
  return copy.handle;
}

void AssignInto(ProcedureFrame& frame, DynString* variable, bool reuseStorage) {
  const TempStringEntry entry = TextPop(frame);
  DynString const old = *variable;
  if (!entry.borrowed) {
    *variable = entry.handle;
    TextRelease(old);
    return;
  }
  const TextSpan text = TextView(entry);
  if (reuseStorage && old != nullptr && text.length != 0 && TextHandleLength(old) == text.length) {
    std::memmove(old, text.bytes, text.length);  // the borrowed text may be the variable itself
    return;
  }
  bool failed = false;
  *variable = CopyOf(entry, &failed);
  TextRelease(old);
  if (failed) RaiseError(frame, kErrorAllocationFailed);
}

}  // namespace

void TextAssign(ProcedureFrame& frame, DynString* variable) { AssignInto(frame, variable, true); }
void TextAssignNew(ProcedureFrame& frame, DynString* variable) { AssignInto(frame, variable, false); }

void TextPassRef(ProcedureFrame& frame, DynString* slot) {
  const TempStringEntry entry = TextPop(frame);
  if (!entry.borrowed) {
    *slot = entry.handle;
    return;
  }
  bool failed = false;
  *slot = CopyOf(entry, &failed);
  if (failed) RaiseError(frame, kErrorAllocationFailed);
}

DynString TextPassValue(ProcedureFrame& frame, DynString* slot) {
  TextPassRef(frame, slot);
  return *slot;
}

char* TextPointer(const DynString* variable) { return const_cast<char*>(TextView(*variable).bytes); }

uint32_t TextLength(ProcedureFrame& frame) {
  const TempStringEntry entry = TextPop(frame);
  const uint32_t length = TextView(entry).length;
  TextReleaseEntry(entry);
  return length;
}

}  // namespace tabard
