// Host stand-ins for the system's string storage and memory blocks, with the same
// layout the win32 build gets from the system: length word, bytes, zero byte.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <tabard/platform/allocation_control.h>
#include <tabard/platform/core_services.h>

namespace tabard {

namespace platform {
namespace {
// The same ceiling the system allocator has: a length word, the bytes and a
// terminator must fit in 32 bits.
constexpr uint32_t kLargestText = 0xFFFFFFFFu - 8;
}  // namespace

char* StringStorageAlloc(uint32_t length) {
  if (length > kLargestText || detail::TakeRefusal()) {
    detail::CountRefused();
    return nullptr;
  }
  auto* raw = static_cast<char*>(std::malloc(sizeof(uint32_t) + size_t{length} + 2));
  if (raw == nullptr) {
    detail::CountRefused();
    return nullptr;
  }
  std::memcpy(raw, &length, sizeof length);
  char* bytes = raw + sizeof(uint32_t);
  bytes[length] = 0;
  bytes[length + 1] = 0;
  detail::CountString();
  return bytes;
}

void StringStorageFree(char* bytes) {
  if (bytes == nullptr) return;
  std::free(bytes - sizeof(uint32_t));
  detail::CountStringFreed();
}

void* MemoryBlockAlloc(uint32_t size) {
  if (detail::TakeRefusal()) {
    detail::CountRefused();
    return nullptr;
  }
  void* block = std::calloc(1, size == 0 ? 1 : size);
  if (block == nullptr) {
    detail::CountRefused();
    return nullptr;
  }
  detail::CountBlock();
  return block;
}

bool MemoryBlockFree(void* block) {
  if (block == nullptr) return false;
  std::free(block);
  detail::CountBlockFreed();
  return true;
}

void SleepMs(uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace platform

}  // namespace tabard
