#pragma once
/// @file
/// Storing the top temporary into a caller's byte buffer. Both operations pop and
/// release the entry.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// Copies min(length, capacity) bytes to `address` and a zero byte after them: the
/// buffer must hold capacity + 1 bytes. Capacity 0 stands for 16,777,216; the
/// runtime's fixedTextBuffer holds 15 bytes and the zero.
void TextStoreZeroTerminated(ProcedureFrame& frame, char* address, uint32_t capacity);
/// Copies min(length, n) bytes to `address` and fills the rest of the n bytes with
/// blanks: a fixed-length text of n bytes. fixedTextBuffer always counts as 16.
void TextStoreFixed(ProcedureFrame& frame, char* address, uint32_t length);

/// @}
}  // namespace tabard
