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

bool CheckByteFrom32(ProcedureFrame& frame, int32_t value);      ///< 0 to 255, else 6
bool CheckByteFrom16(ProcedureFrame& frame, uint16_t value);     ///< high byte 0, else 6
bool CheckUnsignedFrom32(ProcedureFrame& frame, int32_t value);  ///< not negative, else 6
bool CheckSigned16(ProcedureFrame& frame, int32_t value);        ///< -32,768 to 32,767, else 6
bool CheckNonNegative16(ProcedureFrame& frame, int32_t value);   ///< 0 to 32,767, else 6
bool CheckUnsigned16(ProcedureFrame& frame, int32_t value);      ///< 0 to 65,535, else 6

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
