#include <cstring>

#include <tabard/base/runtime_error.h>
#include <tabard/text/text_core.h>

namespace tabard {

void TextConcat(ProcedureFrame& frame) {
  TempStringEntry& earlier = TextStackEntry(frame, 1);
  const TempStringEntry top = TextStackEntry(frame, 0);
  const TextSpan first = TextView(earlier);
  const TextSpan second = TextView(top);
  // Two texts of a 64-bit process could together exceed what a length word holds.
  const uint64_t total = uint64_t{first.length} + second.length;
  TextAllocation joined{nullptr, nullptr, true};
  if (total <= UINT32_MAX) joined = TextAlloc(static_cast<uint32_t>(total));
  if (joined.handle != nullptr) {
    std::memcpy(joined.bytes, first.bytes, first.length);
    std::memcpy(joined.bytes + first.length, second.bytes, second.length);
  }
  const TempStringEntry released = earlier;
  earlier = {joined.handle, false};
  TextReleaseEntry(released);
  TextDrop(frame);
  if (joined.failed) RaiseError(frame, kErrorAllocationFailed);
}

}  // namespace tabard
