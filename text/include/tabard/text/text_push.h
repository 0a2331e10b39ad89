#pragma once
/// @file
/// Temporaries made from bytes outside the string runtime. On refused storage each
/// pushes the empty string and returns false, raising nothing.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// Pushes an owned copy of the `length` bytes of a fixed-length text at `address`.
bool TextPushFixed(ProcedureFrame& frame, const char* address, uint32_t length);
/// Pushes an owned copy of the bytes at `address` up to the first zero byte, looking
/// at no more than 16,777,216 bytes (a text without a zero among them is taken at
/// that length). Address 0 gives the empty string.
bool TextPushZeroTerminated(ProcedureFrame& frame, const char* address);
/// Carriage return and line feed.
bool TextPushLineBreak(ProcedureFrame& frame);

/// @}
}  // namespace tabard
