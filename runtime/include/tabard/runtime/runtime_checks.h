#pragma once
/// @file
/// Checks a procedure asks for before it converts a value or touches an array. A
/// failing check records its error in the frame and changes nothing else; it answers
/// false so that the procedure skips the access the check guarded.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup runtime
/// @{

struct ArrayDescriptor;

/// True when `value` is 0 to 255; else error 6 and false.
bool CheckByteFrom32(ProcedureFrame& frame, int32_t value);
/// True when the high byte of `value` is 0; else error 6 and false.
bool CheckByteFrom16(ProcedureFrame& frame, uint16_t value);
/// True when `value` is not negative; else error 6 and false.
bool CheckUnsignedFrom32(ProcedureFrame& frame, int32_t value);
/// True when `value` is -32,768 to 32,767; else error 6 and false.
bool CheckSigned16(ProcedureFrame& frame, int32_t value);
/// True when `value` is 0 to 32,767; else error 6 and false.
bool CheckNonNegative16(ProcedureFrame& frame, int32_t value);
/// True when `value` is 0 to 65,535; else error 6 and false.
bool CheckUnsigned16(ProcedureFrame& frame, int32_t value);

/// An index within lower..upper gives its offset from the lower bound; outside, 9.
struct SubscriptCheck {
  bool passed;      ///< the index was within the bounds
  uint32_t offset;  ///< index - lower when passed
};
/// Checks `index` against lower..upper; error 9 in `frame` when outside.
SubscriptCheck CheckSubscript(ProcedureFrame& frame, int32_t index, int32_t lower, int32_t upper);
/// An array whose data pointer is null has not been dimensioned: 9.
bool CheckArrayPresent(ProcedureFrame& frame, const ArrayDescriptor& array);
/// The runtime's two empty checks: they never find anything.
inline bool CheckNothing(ProcedureFrame&) { return true; }

/// @}
}  // namespace tabard
