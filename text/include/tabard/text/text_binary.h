#pragma once
/// @file
/// A number's binary image as a temporary: its bytes little-endian, as the processor
/// stores them. Numeric values are rounded to nearest, ties to even, where an
/// integer image is asked for. Each returns false (and pushes the empty string,
/// raising nothing) when storage is refused.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// Pushes the low byte of `value` as a 1-byte text.
bool TextFromBinaryByte(ProcedureFrame& frame, int16_t value);
/// Pushes the 2 bytes of `value`.
bool TextFromBinaryInt16(ProcedureFrame& frame, int16_t value);
/// Pushes the 4 bytes of `value`.
bool TextFromBinaryInt32(ProcedureFrame& frame, int32_t value);
/// Pushes the low 4 bytes of `value` rounded to a 64-bit integer.
bool TextFromBinaryRoundedLow32(ProcedureFrame& frame, long double value);
/// Pushes the 4 bytes of `value` in single precision.
bool TextFromBinarySingle(ProcedureFrame& frame, long double value);
/// Pushes the 8 bytes of `value` rounded to a 64-bit integer.
bool TextFromBinaryRounded64(ProcedureFrame& frame, long double value);
/// Pushes the 8 bytes of `value` in double precision.
bool TextFromBinaryDouble(ProcedureFrame& frame, long double value);
/// Pushes the 8 bytes of `value` x 10,000 rounded to a 64-bit integer.
bool TextFromBinaryScaled10000(ProcedureFrame& frame, long double value);
/// Pushes the 8 bytes of `value` x 100 rounded to a 64-bit integer.
bool TextFromBinaryScaled100(ProcedureFrame& frame, long double value);
/// Pushes the 10 bytes of `value` in the 80-bit extended format.
bool TextFromBinaryExtended(ProcedureFrame& frame, long double value);

/// @}
}  // namespace tabard
