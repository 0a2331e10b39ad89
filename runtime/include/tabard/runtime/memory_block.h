#pragma once
/// @file
/// Zero-filled memory blocks that live from MemoryAllocate to MemoryFree.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup runtime
/// @{

/// A new block of `size` bytes, all zero; nullptr and error 7 when refused.
void* MemoryAllocate(ProcedureFrame& frame, uint32_t size);
/// Releases a block; false and error 51 when the system refuses.
bool MemoryFree(ProcedureFrame& frame, void* block);

/// @}
}  // namespace tabard
