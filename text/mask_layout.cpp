// Laying a fitted field out: its final width, then fill, sign, currency sign,
// integer part, point, fraction and exponent in that order.

#include <tabard/text/mask_field.h>
#include <tabard/text/mask_sizing.h>
#include <tabard/text/number_digits.h>

namespace tabard {

namespace {

// The exponent's digits, none in the plain form.
uint64_t SizeExponent(FittedField& fitted) {
  if (!fitted.exponentForm) return 0;
  return ExponentDigits(fitted.exponentPositions, Magnitude(fitted.exponent), fitted.width);
}

// The integer part's characters: its digits and separators, a lone '0' when it has
// no digits, none when the field has no integer position.
uint64_t SizeIntegerPart(FittedField& fitted) {
  const MaskField& field = *fitted.field;
  if (fitted.integerPositions == 0) return 0;
  const uint64_t chars = fitted.integerDigits == 0 ? 1 : IntegerChars(field, fitted.integerDigits);
  // Separators claim integer positions of their own. The count they are held
  // against leaves out a rounding carry's digit, whose character the rounding has
  // already added: so "#," shows 99.6 as " 100".
  if (field.hasThousands) GrowPart(fitted.integerPositions, fitted.width, chars);
  return chars;
}

// The `count` digits from `place` on.
void PutDigits(MaskWriter& writer, const MaskDigits& digits, uint64_t place, uint64_t count) {
  for (const uint64_t end = place + count; place < end; ++place) MaskPut(writer, MaskDigitAt(digits, place));
}

void PutIntegerPart(MaskWriter& out, const FittedField& fitted, uint64_t chars) {
  const uint64_t digits = fitted.integerDigits;
  if (chars == 0) return;
  if (digits == 0) return MaskPut(out, '0');
  if (chars == digits) return PutDigits(out, fitted.digits, 1, digits);
  for (uint64_t place = 1; place <= digits; ++place) {
    MaskPut(out, MaskDigitAt(fitted.digits, place));
    if (place < digits && (digits - place) % 3 == 0) MaskPut(out, ',');
  }
}

void PutExponent(MaskWriter& out, int64_t exponent, uint64_t exponentDigits) {
  MaskPut(out, 'E');
  MaskPut(out, exponent < 0 ? '-' : '+');
  char digits[kIntegerPowers];
  WriteWholeDigits(digits, Magnitude(exponent), static_cast<uint32_t>(exponentDigits));
  for (uint64_t i = 0; i < exponentDigits; ++i) MaskPut(out, digits[i]);
}

}  // namespace

void LayoutMaskField(MaskWriter& writer, FittedField& fitted, bool negative) {
  const MaskField& field = *fitted.field;
  const uint64_t exponentDigits = SizeExponent(fitted);
  const uint64_t integerChars = SizeIntegerPart(fitted);
  const uint64_t exponentChars = fitted.exponentForm ? exponentDigits + kExponentSignAndLetter : 0;
  const uint64_t written = WrittenChars(fitted.width, field, integerChars, exponentChars, negative);

  // The bytes go through a local copy of the writer: a byte stored through the
  // caller's could alias its length, which would then be stored and loaded again
  // around every byte.
  MaskWriter out = writer;
  MaskPutRepeated(out, field.fillChar, fitted.width - written);
  if (negative) MaskPut(out, '-');
  if (field.hasCurrency) MaskPut(out, '$');
  PutIntegerPart(out, fitted, integerChars);
  if (field.hasPoint) MaskPut(out, '.');
  PutDigits(out, fitted.digits, fitted.integerDigits + 1, field.fractionPositions);
  if (fitted.exponentForm) PutExponent(out, fitted.exponent, exponentDigits);
  writer = out;
}

}  // namespace tabard
