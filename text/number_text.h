#pragma once
// The standard text of a number: a blank or '-', up to n significant digits, fixed
// notation where it fits and an exponent form where it does not.
#include <cstdint>

#include "runtime/procedure_frame.h"

// The longest text (sign, 18 digits, point, "E+" and four exponent digits, the
// trailing blank) is 27 bytes.
constexpr uint32_t kNumberTextBufferSize = 32;

// Writes the text for n significant digits followed by one blank into `buffer`
// (kNumberTextBufferSize bytes) and returns its length including the blank. n is
// 1 to 18; 0 and anything above 18 mean 18.
uint32_t NumberTextCore(long double value, uint32_t n, char* buffer);

// Push the text (without the trailing blank) as a new owned temporary on the
// caller's stack. If it cannot be allocated they push the empty string and record
// error 7; the stack grows by one entry either way.
void NumberToText(ProcedureFrame& frame, long double value);       // 15 digits
void NumberToTextShort(ProcedureFrame& frame, long double value);  // 7 digits
// n from 1 to 17 is used as it is; 0 and anything from 18 up mean 18.
void NumberToTextDigits(ProcedureFrame& frame, long double value, uint32_t n);
