#include <tabard/text/text_build.h>

#include <algorithm>
#include <cstring>

#include <tabard/base/runtime_error.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

// Storage for `total` bytes, where a total beyond the length word is refused like
// storage the system does not have.
TextAllocation AllocTotal(uint64_t total) {
  if (total > UINT32_MAX) return {nullptr, nullptr, true};
  return TextAlloc(static_cast<uint32_t>(total));
}

// The run of `count` copies of `byte` pushed, or the empty string and error 7.
void PushRun(ProcedureFrame& frame, uint32_t count, uint8_t byte) {
  const TextAllocation run = TextAlloc(count);
  if (run.handle != nullptr) std::memset(run.bytes, byte, count);
  TextPushOwned(frame, run.handle);
  if (run.failed) RaiseError(frame, kErrorAllocationFailed);
}

// The top entry replaced by `result`; the old entry released.
void ReplaceTop(ProcedureFrame& frame, DynString result) {
  TempStringEntry& top = TextStackEntry(frame, 0);
  const TempStringEntry old = top;
  top = {result, false};
  TextReleaseEntry(old);
}

}  // namespace

void TextMid(ProcedureFrame& frame, int32_t start, uint32_t length) {
  const TextSpan text = TextView(TextStackEntry(frame, 0));
  int64_t from = -1;
  if (start > 0) from = int64_t{start} - 1;
  if (start < 0) from = int64_t{text.length} + start;
  uint32_t count = 0;
  if (from >= 0 && from < int64_t{text.length})
    count = std::min<uint32_t>(length, text.length - static_cast<uint32_t>(from));
  const TextAllocation part = TextAlloc(count);
  if (part.failed) {
    RaiseError(frame, kErrorAllocationFailed);
    return;
  }
  if (part.handle != nullptr) std::memcpy(part.bytes, text.bytes + from, count);
  ReplaceTop(frame, part.handle);
}

void TextSpaces(ProcedureFrame& frame, uint32_t count) { PushRun(frame, count, ' '); }

void TextRepeatChar(ProcedureFrame& frame, uint32_t count, uint8_t byte) { PushRun(frame, count, byte); }

void TextRepeatFirst(ProcedureFrame& frame, uint32_t count) {
  const TextSpan text = TextView(TextStackEntry(frame, 0));
  const uint8_t first = text.length != 0 ? static_cast<uint8_t>(text.bytes[0]) : 0;
  const TextAllocation run = TextAlloc(count);
  if (run.handle != nullptr) std::memset(run.bytes, first, count);
  ReplaceTop(frame, run.handle);
  if (run.failed) RaiseErrorKeepingResult(frame, kErrorAllocationFailed);
}

void TextRepeat(ProcedureFrame& frame, uint32_t count) {
  const TextSpan text = TextView(TextStackEntry(frame, 0));
  const TextAllocation run = AllocTotal(uint64_t{text.length} * count);
  if (run.handle != nullptr) {
    for (uint32_t i = 0; i < count; ++i) std::memcpy(run.bytes + size_t{i} * text.length, text.bytes, text.length);
  }
  ReplaceTop(frame, run.handle);
  if (run.failed) RaiseError(frame, kErrorAllocationFailed);
}

DynString TextShrink(DynString handle, uint32_t count) {
  const TextSpan text = TextView(handle);
  count = std::min(count, text.length);
  const TextAllocation part = TextAlloc(count);
  if (part.handle != nullptr) std::memcpy(part.bytes, text.bytes, count);
  TextRelease(handle);
  return part.handle;
}

}  // namespace tabard
