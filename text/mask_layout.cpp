// Fitting a number into a scanned field, rounding it and laying the field out.

#include <tabard/text/mask_field.h>
#include <tabard/text/mask_sizing.h>
#include <tabard/text/number_digits.h>

namespace tabard {

namespace {

// The digits read for a field: all the generator gives, unrounded.
constexpr uint32_t kMaskDigits = kMaxDecimalDigits;
constexpr uint64_t kMostFractionForPlainForm = 18;
// 'E', the sign and two digits.
constexpr uint32_t kAutomaticExponentPositions = kExponentSignAndLetter + 2;

void CarryOut(FittedField& fitted) {
  fitted.digits = MaskDigits{0, {'1'}, 1};
  if (fitted.exponentForm) {
    ++fitted.exponent;
    return;
  }
  ++fitted.integerDigits;
  WidenForCarry(fitted.integerPositions, fitted.integerDigits, fitted.width);
  if (fitted.integerPositions == 0) fitted.integerPositions = 1;
}

// The `count` digits from `place` on.
void PutDigits(MaskWriter& writer, const MaskDigits& digits, uint64_t place, uint64_t count) {
  for (const uint64_t end = place + count; place < end; ++place) MaskPut(writer, MaskDigitAt(digits, place));
}

}  // namespace

void FitMaskField(const MaskField& field, long double value, bool negative, FittedField& fitted) {
  fitted.field = &field;
  fitted.width = field.width;
  fitted.integerPositions = field.integerPositions;
  fitted.integerDigits = 0;
  fitted.exponentPositions = field.exponentPositions;
  fitted.exponent = 0;
  fitted.exponentForm = field.exponentForm;
  const DigitResult decimal = DecimalDigits(value, kMaskDigits, fitted.digits.significant);
  fitted.digits.lead = 0;
  fitted.digits.count = kMaskDigits;

  // The exponent form keeps a place for the sign whether it is shown or not.
  if (field.exponentForm || negative) PlaceSign(fitted.integerPositions, fitted.width, field.fractionPositions);
  const uint64_t k = fitted.integerPositions;
  const int64_t x = decimal.exponent;
  const uint64_t fraction = field.fractionPositions;

  if (!fitted.exponentForm && x >= 0 && fraction <= kMostFractionForPlainForm &&
      static_cast<uint64_t>(x) + fraction > kMaskDigits) {
    fitted.exponentForm = true;
    const uint64_t shown = Magnitude(x - static_cast<int64_t>(k));
    fitted.exponentPositions = kAutomaticExponentPositions + (shown > 99) + (shown > 999);
    fitted.width += fitted.exponentPositions;
  }
  if (fitted.exponentForm) {
    fitted.integerDigits = k;
    fitted.exponent = x - static_cast<int64_t>(k);
    return;
  }
  // Plain form. A value below 1 is read with its leading zeros, however many:
  // they all count when the field shows that many places.
  uint64_t integerDigits = 0;
  if (x < 0) {
    fitted.digits.lead = Magnitude(x);
  } else {
    integerDigits = static_cast<uint64_t>(x);
  }
  GrowPart(fitted.integerPositions, fitted.width, integerDigits);
  fitted.integerDigits = integerDigits;
}

void RoundMaskField(FittedField& fitted) {
  MaskDigits& digits = fitted.digits;
  const uint64_t shown = fitted.integerDigits + fitted.field->fractionPositions;
  const uint64_t held = digits.lead + digits.count;
  if (shown >= held || MaskDigitAt(digits, shown + 1) < '5') return;
  if (shown == 0) return CarryOut(fitted);
  if (shown <= digits.lead) {
    // Only zeros are shown: the last of them becomes a '1'.
    digits = MaskDigits{shown - 1, {'1'}, 1};
    return;
  }
  int64_t index = static_cast<int64_t>(shown - digits.lead) - 1;
  digits.count = static_cast<uint32_t>(index + 1);
  while (index >= 0 && digits.significant[index] == '9') digits.significant[index--] = '0';
  if (index >= 0) {
    ++digits.significant[index];
  } else if (digits.lead > 0) {
    digits = MaskDigits{digits.lead - 1, {'1'}, 1};
  } else {
    CarryOut(fitted);
  }
}

void LayoutMaskField(MaskWriter& writer, FittedField& fitted, bool negative) {
  const MaskField& field = *fitted.field;
  const uint64_t fraction = field.fractionPositions;
  const uint64_t integerDigits = fitted.integerDigits;

  const uint64_t exponentDigits =
      fitted.exponentForm ? ExponentDigits(fitted.exponentPositions, Magnitude(fitted.exponent), fitted.width) : 0;
  const bool grouped = field.hasThousands && integerDigits > 0;
  uint64_t integerChars = 0;
  if (fitted.integerPositions != 0) {
    integerChars = integerDigits == 0 ? 1 : IntegerChars(field, integerDigits);
    // Separators claim integer positions of their own. The count they are held
    // against leaves out a rounding carry's digit, whose character the rounding has
    // already added: so "#," shows 99.6 as " 100".
    if (field.hasThousands) GrowPart(fitted.integerPositions, fitted.width, integerChars);
  }
  const uint64_t written = WrittenChars(fitted.width, field, integerChars,
                                        fitted.exponentForm ? exponentDigits + kExponentSignAndLetter : 0, negative);

  // The bytes go through a local copy of the writer: a byte stored through the
  // caller's could alias its length, which would then be stored and loaded again
  // around every byte.
  MaskWriter out = writer;
  MaskPutRepeated(out, field.fillChar, fitted.width - written);
  if (negative) MaskPut(out, '-');
  if (field.hasCurrency) MaskPut(out, '$');
  if (integerChars != 0) {
    if (integerDigits == 0) {
      MaskPut(out, '0');
    } else if (!grouped) {
      PutDigits(out, fitted.digits, 1, integerDigits);
    } else {
      for (uint64_t place = 1; place <= integerDigits; ++place) {
        MaskPut(out, MaskDigitAt(fitted.digits, place));
        if (place < integerDigits && (integerDigits - place) % 3 == 0) MaskPut(out, ',');
      }
    }
  }
  if (field.hasPoint) MaskPut(out, '.');
  PutDigits(out, fitted.digits, integerDigits + 1, fraction);
  if (fitted.exponentForm) {
    MaskPut(out, 'E');
    MaskPut(out, fitted.exponent < 0 ? '-' : '+');
    char digits[kIntegerPowers];
    WriteWholeDigits(digits, Magnitude(fitted.exponent), static_cast<uint32_t>(exponentDigits));
    for (uint64_t i = 0; i < exponentDigits; ++i) MaskPut(out, digits[i]);
  }
  writer = out;
}

}  // namespace tabard
