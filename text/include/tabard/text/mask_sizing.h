#pragma once
// How wide a field comes out for its number: the rules that both the stages and the
// one-step fields size a field by, so that the two lay out the same characters.
#include <cstdint>

#include <tabard/text/mask_field.h>
#include <tabard/text/number_digits.h>

namespace tabard {

// The 'E' and the exponent's sign.
constexpr uint32_t kExponentSignAndLetter = 2;

inline uint64_t Magnitude(int64_t value) {
  return value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

// A part of the field that must hold `needed` characters grows to them, and the
// field with it.
inline void GrowPart(uint64_t& part, uint64_t& width, uint64_t needed) {
  if (needed > part) {
    width += needed - part;
    part = needed;
  }
}

// The sign takes one of the integer positions, or widens the field.
inline void PlaceSign(uint64_t& integerPositions, uint64_t& width, uint64_t fractionPositions) {
  if (integerPositions >= 2) {
    --integerPositions;
  } else if (integerPositions == 1 && fractionPositions != 0) {
    integerPositions = 0;
  } else {
    ++width;
  }
}

// A rounding carry's new digit widens the field unless an integer position is free
// for it.
inline void WidenForCarry(uint64_t integerPositions, uint64_t integerDigits, uint64_t& width) {
  if (integerPositions < integerDigits) ++width;
}

// The characters of `digits` integer digits, at least one: a separator between
// each group of three where the field has them.
inline uint64_t IntegerChars(const MaskField& field, uint64_t digits) {
  return digits + (field.hasThousands ? (digits - 1) / 3 : 0);
}

// The exponent's digits: as many as its positions leave, or as many as its magnitude
// needs, the field widening for them.
inline uint64_t ExponentDigits(uint32_t exponentPositions, uint64_t magnitude, uint64_t& width) {
  uint64_t digits = exponentPositions - kExponentSignAndLetter;
  GrowPart(digits, width, DecimalLength(magnitude));
  return digits;
}

// The characters the field writes besides its fill: the sign, the currency sign, the
// integer characters, the point, the fraction digits and the exponent's characters
// (none in the plain form). The field widens to hold them all.
inline uint64_t WrittenChars(uint64_t& width, const MaskField& field, uint64_t integerChars, uint64_t exponentChars,
                             bool negative) {
  const uint64_t written = exponentChars + field.fractionPositions + (field.hasPoint ? 1 : 0) + integerChars +
                           (field.hasCurrency ? 1 : 0) + (negative ? 1 : 0);
  if (written > width) width = written;
  return written;
}

}  // namespace tabard
