#include "runtime/memory_block.h"

#include "platform/core_services.h"
#include "runtime/runtime_error.h"

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
