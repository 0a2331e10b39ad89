#pragma once
/// @file
/// Moving values between integer or single-precision form and the numeric form,
/// and the bitwise logic on numeric values. Integer forms are rounded to nearest,
/// ties to even, and pass through the conversion scratch of the caller's frame. No
/// range checks and no failures here.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// `value` as an extended number.
long double NumberLoadInt8(ProcedureFrame& frame, int8_t value);
/// `value` as an extended number.
long double NumberLoadUInt16(ProcedureFrame& frame, uint16_t value);
/// `value` as an extended number.
long double NumberLoadInt32(ProcedureFrame& frame, int32_t value);
/// `value` as an extended number.
long double NumberLoadUInt32(ProcedureFrame& frame, uint32_t value);
/// The single-precision number whose 32 bits are `bits`, as an extended number.
long double NumberLoadSingle(ProcedureFrame& frame, uint32_t bits);

/// The value rounded to a 64-bit integer, cut to its low 8, 16 or 32 bits. NaN and
/// values beyond the 64-bit range give the integer 0x8000000000000000 first.
int8_t NumberStoreInt8(ProcedureFrame& frame, long double value);
/// As NumberStoreInt8, cut to 16 bits.
int16_t NumberStoreInt16(ProcedureFrame& frame, long double value);
/// As NumberStoreInt8, cut to 32 bits.
int32_t NumberStoreInt32(ProcedureFrame& frame, long double value);
/// The value rounded to single precision, as its 32 bits.
uint32_t NumberStoreSingle(ProcedureFrame& frame, long double value);

/// The bitwise complement of `value` rounded to a 64-bit integer (as NumberStoreInt8
/// rounds), as an extended number.
long double NumberNot(ProcedureFrame& frame, long double value);
/// The bitwise AND of `left` and `right`, each rounded to a 64-bit integer first.
long double NumberAnd(ProcedureFrame& frame, long double left, long double right);
/// The bitwise OR of `left` and `right`, each rounded to a 64-bit integer first.
long double NumberOr(ProcedureFrame& frame, long double left, long double right);
/// The bitwise exclusive OR of `left` and `right`, each rounded to a 64-bit integer
/// first.
long double NumberXor(ProcedureFrame& frame, long double left, long double right);

/// @}
}  // namespace tabard
