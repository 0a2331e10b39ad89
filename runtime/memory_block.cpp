#include <tabard/runtime/memory_block.h>

#include <tabard/base/runtime_error.h>
#include <tabard/platform/core_services.h>

namespace tabard {

void* MemoryAllocate(ProcedureFrame& frame, uint32_t size) {
  void* block = platform::MemoryBlockAlloc(size);
  if (block == nullptr) RaiseError(frame, kErrorAllocationFailed);
  return block;
}

bool MemoryFree(ProcedureFrame& frame, void* block) {
  if (platform::MemoryBlockFree(block)) return true;
  RaiseError(frame, kErrorFreeFailed);
  return false;
}

}  // namespace tabard
