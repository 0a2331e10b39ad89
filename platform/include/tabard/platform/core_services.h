#pragma once
// The services the portable core needs from the system: string storage, zero-filled
// memory blocks and sleep. The win32 build takes them from OLEAUT32 and KERNEL32;
// the host build supplies storage of the same shape from the C library.
#include <cstdint>

namespace tabard {

namespace platform {

// Storage for a text of `length` bytes. Returns the address of the first byte; the
// 32-bit length sits in the four bytes before it and a zero byte follows the last
// one. The bytes themselves are left for the caller to fill. nullptr when refused.
char* StringStorageAlloc(uint32_t length);
// Gives back storage from StringStorageAlloc; nullptr is ignored.
void StringStorageFree(char* bytes);

// A block of `size` bytes filled with zeros, or nullptr when refused.
void* MemoryBlockAlloc(uint32_t size);
// Releases a block from MemoryBlockAlloc; false when the system refuses.
bool MemoryBlockFree(void* block);

void SleepMs(uint32_t milliseconds);

}  // namespace platform

}  // namespace tabard
