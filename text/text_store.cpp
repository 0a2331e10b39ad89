#include <tabard/text/text_store.h>

#include <algorithm>
#include <cstring>

#include <tabard/base/runtime_block.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

constexpr uint32_t kUnlimitedCapacity = 16'777'216;

constexpr uint32_t kFixedBufferLength = sizeof runtimeBlock.fixedTextBuffer;

bool IsFixedBuffer(const char* address) { return address == runtimeBlock.fixedTextBuffer; }

}  // namespace

void TextStoreZeroTerminated(ProcedureFrame& frame, char* address, uint32_t capacity) {
  if (capacity == 0) capacity = kUnlimitedCapacity;
  // The fixed buffer holds 16 bytes in all, so its zero byte must fit among them.
  if (IsFixedBuffer(address)) capacity = kFixedBufferLength - 1;
  const TempStringEntry entry = TextPop(frame);
  const TextSpan text = TextView(entry);
  const uint32_t count = std::min(text.length, capacity);
  std::memmove(address, text.bytes, count);
  address[count] = 0;
  TextReleaseEntry(entry);
}

void TextStoreFixed(ProcedureFrame& frame, char* address, uint32_t length) {
  if (IsFixedBuffer(address)) length = kFixedBufferLength;
  const TempStringEntry entry = TextPop(frame);
  const TextSpan text = TextView(entry);
  const uint32_t count = std::min(text.length, length);
  std::memmove(address, text.bytes, count);
  std::memset(address + count, ' ', length - count);
  TextReleaseEntry(entry);
}

}  // namespace tabard
