#pragma once
// Moving values between integer or single-precision form and the numeric form,
// and the bitwise logic on numeric values. Integer forms are rounded to nearest,
// ties to even, and pass through the conversion scratch of the caller's frame. No
// range checks and no failures here.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {

long double NumberLoadInt8(ProcedureFrame& frame, int8_t value);
long double NumberLoadUInt16(ProcedureFrame& frame, uint16_t value);
long double NumberLoadInt32(ProcedureFrame& frame, int32_t value);
long double NumberLoadUInt32(ProcedureFrame& frame, uint32_t value);
long double NumberLoadSingle(ProcedureFrame& frame, uint32_t bits);

// The value rounded to a 64-bit integer, cut to its low 8, 16 or 32 bits. NaN and
// values beyond the 64-bit range give the integer 0x8000000000000000 first.
int8_t NumberStoreInt8(ProcedureFrame& frame, long double value);
int16_t NumberStoreInt16(ProcedureFrame& frame, long double value);
int32_t NumberStoreInt32(ProcedureFrame& frame, long double value);
// The value rounded to single precision, as its 32 bits.
uint32_t NumberStoreSingle(ProcedureFrame& frame, long double value);

long double NumberNot(ProcedureFrame& frame, long double value);
long double NumberAnd(ProcedureFrame& frame, long double left, long double right);
long double NumberOr(ProcedureFrame& frame, long double left, long double right);
long double NumberXor(ProcedureFrame& frame, long double left, long double right);

}  // namespace tabard
