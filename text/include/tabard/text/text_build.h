#pragma once
/// @file
/// Texts built from other texts or from counts: parts, runs and repetitions. Each
/// consumes its string operand and leaves its result where the operand was, or
/// pushes it when it has no operand.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// Replaces the top entry by `length` bytes from position `start`: 1 is the first
/// byte, -1 the last; 0, a start before the first byte or past the end give the
/// empty string; the length is cut to what remains. On failure the entry stays as
/// it was; error 7.
void TextMid(ProcedureFrame& frame, int32_t start, uint32_t length);

/// Pushes `count` blanks. Error 7 and the empty string on failure, also when the
/// count asks for more than storage can ever hold.
void TextSpaces(ProcedureFrame& frame, uint32_t count);
/// Pushes `count` copies of `byte`; error 7 and the empty string on failure.
void TextRepeatChar(ProcedureFrame& frame, uint32_t count, uint8_t byte);

/// Replaces the top entry by `count` copies of its first byte (a zero byte when it
/// is empty). A total above 4 GiB - 1 bytes is
/// a failure like any other: the entry becomes empty; error 7.
void TextRepeatFirst(ProcedureFrame& frame, uint32_t count);
/// Replaces the top entry by `count` copies of its whole text; on failure the
/// entry becomes empty; error 7.
void TextRepeat(ProcedureFrame& frame, uint32_t count);

/// A new string of the first `count` bytes of `handle` (all of them when it is
/// shorter), which is released. The empty string when storage is refused.
DynString TextShrink(DynString handle, uint32_t count);

/// @}
}  // namespace tabard
