#pragma once
/// @file
/// The standard text of a number as a DynString temporary. Each pushes a new owned
/// string on the caller's stack; if it cannot be allocated, the empty string is
/// pushed and error 7 recorded, so the stack grows by one entry either way.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// Pushes the text of `value` with 15 significant digits.
void NumberToText(ProcedureFrame& frame, long double value);
/// Pushes the text of `value` with 7 significant digits.
void NumberToTextShort(ProcedureFrame& frame, long double value);
/// Pushes the text of `value` with `n` significant digits: n from 1 to 17 is used
/// as it is; 0 and anything from 18 up mean 18.
void NumberToTextDigits(ProcedureFrame& frame, long double value, uint32_t n);

/// @}
}  // namespace tabard
