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

bool TextFromBinaryByte(ProcedureFrame& frame, int16_t value);    ///< 1 byte: the low byte
bool TextFromBinaryInt16(ProcedureFrame& frame, int16_t value);   ///< 2 bytes
bool TextFromBinaryInt32(ProcedureFrame& frame, int32_t value);   ///< 4 bytes
bool TextFromBinaryRoundedLow32(ProcedureFrame& frame, long double value);  ///< 4: low half of the 64-bit integer
bool TextFromBinarySingle(ProcedureFrame& frame, long double value);        ///< 4
bool TextFromBinaryRounded64(ProcedureFrame& frame, long double value);     ///< 8
bool TextFromBinaryDouble(ProcedureFrame& frame, long double value);        ///< 8
bool TextFromBinaryScaled10000(ProcedureFrame& frame, long double value);   ///< 8: value x 10,000 as an integer
bool TextFromBinaryScaled100(ProcedureFrame& frame, long double value);     ///< 8: value x 100 as an integer
bool TextFromBinaryExtended(ProcedureFrame& frame, long double value);      ///< 10: the 80-bit format

/// @}
}  // namespace tabard
