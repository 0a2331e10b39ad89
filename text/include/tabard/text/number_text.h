#pragma once
/// @file
/// The standard text of a number: a blank or '-', up to n significant digits, fixed
/// notation where it fits and an exponent form where it does not.
#include <cstdint>

namespace tabard {
/// @addtogroup text
/// @{

/// The longest text (sign, 18 digits, point, "E+" and four exponent digits, the
/// trailing blank) is 27 bytes.
constexpr uint32_t kNumberTextBufferSize = 32;

/// Writes the text of `value` for n significant digits followed by one blank into
/// `buffer` (kNumberTextBufferSize bytes) and returns its length including the blank.
/// n is 1 to 18; 0 and anything above 18 mean 18.
uint32_t NumberTextCore(long double value, uint32_t n, char* buffer);

/// The bytes NumberTextWithSlack's buffer must hold.
constexpr uint32_t kNumberTextSlack = 48;
/// The text of `value` for `n` digits as NumberTextCore writes it, without the
/// trailing blank, written with whole
/// blocks of digits that may run past its end: `text` holds kNumberTextSlack
/// bytes. Returns the text's length.
uint32_t NumberTextWithSlack(long double value, uint32_t n, char* text);

/// @}
}  // namespace tabard
