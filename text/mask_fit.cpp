// Fitting a number into a scanned field and rounding it to the places shown.

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

// The field's own counts, before the number changes any of them.
void StartFitting(const MaskField& field, FittedField& fitted) {
  fitted.field = &field;
  fitted.width = field.width;
  fitted.integerPositions = field.integerPositions;
  fitted.integerDigits = 0;
  fitted.exponentPositions = field.exponentPositions;
  fitted.exponent = 0;
  fitted.exponentForm = field.exponentForm;
  fitted.digits.lead = 0;
  fitted.digits.count = kMaskDigits;
}

// A plain field whose integer digits and fraction would run past the digits read
// takes the exponent form by itself, with room for the exponent's digits.
void TakeExponentFormIfNeeded(FittedField& fitted, int64_t x) {
  const uint64_t fraction = fitted.field->fractionPositions;
  if (fitted.exponentForm || x < 0 || fraction > kMostFractionForPlainForm ||
      static_cast<uint64_t>(x) + fraction <= kMaskDigits)
    return;
  fitted.exponentForm = true;
  const uint64_t shown = Magnitude(x - static_cast<int64_t>(fitted.integerPositions));
  fitted.exponentPositions = kAutomaticExponentPositions + (shown > 99) + (shown > 999);
  fitted.width += fitted.exponentPositions;
}

// The exponent form fills every integer position, and the exponent makes up the rest.
void FitExponentForm(FittedField& fitted, int64_t x) {
  fitted.integerDigits = fitted.integerPositions;
  fitted.exponent = x - static_cast<int64_t>(fitted.integerPositions);
}

// The plain form shows the integer digits the value has, widening for them. A value
// below 1 is read with its leading zeros, however many: they all count when the
// field shows that many places.
void FitPlainForm(FittedField& fitted, int64_t x) {
  uint64_t integerDigits = 0;
  if (x < 0) {
    fitted.digits.lead = Magnitude(x);
  } else {
    integerDigits = static_cast<uint64_t>(x);
  }
  GrowPart(fitted.integerPositions, fitted.width, integerDigits);
  fitted.integerDigits = integerDigits;
}

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

}  // namespace

void FitMaskField(const MaskField& field, long double value, bool negative, FittedField& fitted) {
  StartFitting(field, fitted);
  const int64_t x = DecimalDigits(value, kMaskDigits, fitted.digits.significant).exponent;
  // The exponent form keeps a place for the sign whether it is shown or not.
  if (field.exponentForm || negative) PlaceSign(fitted.integerPositions, fitted.width, field.fractionPositions);
  TakeExponentFormIfNeeded(fitted, x);
  if (fitted.exponentForm) {
    FitExponentForm(fitted, x);
  } else {
    FitPlainForm(fitted, x);
  }
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

}  // namespace tabard
