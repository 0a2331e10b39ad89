#include <tabard/text/text_core.h>

#include <cstring>

#include <tabard/base/runtime_block.h>
#include <tabard/base/runtime_error.h>
#include <tabard/platform/core_services.h>
#include <tabard/platform/fatal_stop.h>

namespace tabard {

void TextStackFault(const char* message) { platform::FatalStop(message); }

TextAllocation TextAlloc(uint32_t length) {
  if (length == 0) return {nullptr, nullptr, false};
  char* bytes = platform::StringStorageAlloc(length);
  if (bytes == nullptr) return {nullptr, nullptr, true};
  return {bytes, bytes, false};
}

void TextRelease(DynString handle) { platform::StringStorageFree(handle); }

uint32_t TextHandleLength(DynString handle) {
  if (handle == nullptr) return 0;
  uint32_t length;
  std::memcpy(&length, handle - sizeof length, sizeof length);
  return length;
}

TextSpan TextView(DynString handle) {
  if (handle == nullptr) return {&runtimeBlock.emptyText, 0};
  return {handle, TextHandleLength(handle)};
}

TextSpan TextView(const TempStringEntry& entry) { return TextView(entry.handle); }

bool TextPushBytes(ProcedureFrame& frame, const char* bytes, uint32_t count) {
  const TextAllocation copy = TextAlloc(count);
  if (copy.handle != nullptr) std::memcpy(copy.bytes, bytes, count);
  TextPushOwned(frame, copy.handle);
  return !copy.failed;
}

uint16_t LiteralLength(const LiteralEntry* literal) {
  return static_cast<uint16_t>(literal[0] | (literal[1] << 8));
}

void TextPushLiteral(ProcedureFrame& frame, const LiteralEntry* literal) {
  if (!TextPushBytes(frame, LiteralBytes(literal), LiteralLength(literal)))
    RaiseError(frame, kErrorAllocationFailed);
}

void TextDrop(ProcedureFrame& frame) {
  const TempStringEntry top = TextPop(frame);
  TextReleaseEntry(top);
}

}  // namespace tabard
