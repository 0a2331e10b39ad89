#pragma once
/// @file
/// Formatting one number under a mask: '#' and '0' are digit positions, '.', ',',
/// '$', '*' and '^' add a point, separators, a currency sign, a fill and an
/// exponent, and other characters are copied as they are.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// The result for `value` under the `maskLength` bytes of `mask`, written to `out` up
/// to `capacity` bytes. Returns the full length of the result, which may exceed
/// `capacity`: then only the first `capacity` bytes were written and the caller
/// formats again into a buffer of that length.
uint64_t FormatWithMask(const long double& value, const char* mask, uint32_t maskLength, char* out, uint64_t capacity);

/// Formats `value` under the mask on top of the caller's stack of temporaries. The
/// mask is released (an owned mask is freed, a borrowed one left alone) and
/// replaced by the result,
/// a new owned DynString; the depth of the stack is unchanged. If the result cannot
/// be allocated it is the empty string and error 7 is recorded.
void NumberFormatMask(ProcedureFrame& frame, long double value);

/// @}
}  // namespace tabard
