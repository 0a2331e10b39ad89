#include "text/text_core.h"

#include <cstring>

#include "platform/core_services.h"
#include "platform/fatal_stop.h"
#include "runtime/runtime_block.h"
#include "runtime/runtime_error.h"

namespace {

constexpr int32_t kEntryStep = 4;  // tempIndex moves by one 32-bit slot per entry

}  // namespace

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

int TextStackDepth(const ProcedureFrame& frame) { return -frame.tempIndex / kEntryStep; }

TempStringEntry& TextStackEntry(ProcedureFrame& frame, int depth) {
  const int count = TextStackDepth(frame);
  if (depth < 0 || depth >= count)
    platform::FatalStop("a string operation reached below the bottom of the temporary string stack");
  return frame.tempStrings[count - 1 - depth];
}

TempStringEntry TextPop(ProcedureFrame& frame) {
  const int count = TextStackDepth(frame);
  if (count <= 0) platform::FatalStop("a string operation took a temporary from an empty temporary string stack");
  const TempStringEntry top = frame.tempStrings[count - 1];
  frame.tempStrings[count - 1] = {};
  frame.tempIndex += kEntryStep;
  return top;
}

namespace {

void Push(ProcedureFrame& frame, TempStringEntry entry) {
  const int count = TextStackDepth(frame);
  if (count < 0 || count >= kTempStringSlots)
    platform::FatalStop("a statement needs more than five temporary strings at once");
  frame.tempStrings[count] = entry;
  frame.tempIndex -= kEntryStep;
}

}  // namespace

void TextPushOwned(ProcedureFrame& frame, DynString handle) { Push(frame, {handle, false}); }
void TextPushBorrowed(ProcedureFrame& frame, DynString handle) { Push(frame, {handle, true}); }
void TextPushEmpty(ProcedureFrame& frame) { Push(frame, {nullptr, false}); }

bool TextPushBytes(ProcedureFrame& frame, const char* bytes, uint32_t count) {
  const TextAllocation copy = TextAlloc(count);
  if (copy.handle != nullptr) std::memcpy(copy.bytes, bytes, count);
  Push(frame, {copy.handle, false});
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
  if (!top.borrowed) TextRelease(top.handle);
}
