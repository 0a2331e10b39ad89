#pragma once
// The standard text of a number: a blank or '-', up to n significant digits, fixed
// notation where it fits and an exponent form where it does not.
#include <cstdint>

// The longest text (sign, 18 digits, point, "E+" and four exponent digits, the
// trailing blank) is 27 bytes.
constexpr uint32_t kNumberTextBufferSize = 32;

// Writes the text for n significant digits followed by one blank into `buffer`
// (kNumberTextBufferSize bytes) and returns its length including the blank. n is
// 1 to 18; 0 and anything above 18 mean 18.
uint32_t NumberTextCore(long double value, uint32_t n, char* buffer);
