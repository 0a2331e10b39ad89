#include <tabard/dialogs/consumed_text.h>

namespace tabard {

ConsumedText TakeTemporary(ProcedureFrame& frame) {
  TempStringEntry entry{nullptr, false};
  if (TextStackDepth(frame) > 0) entry = TextPop(frame);
  return {entry, TextView(entry)};
}

void ReleaseTemporary(const ConsumedText& taken) {
  TextReleaseEntry(taken.entry);
}

}  // namespace tabard
