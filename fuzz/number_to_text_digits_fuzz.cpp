// Any 80-bit pattern with any digit count: ten bytes of value, four of n. The text
// fits its buffer, has the expected shape and reads back as the value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <tabard/text/number_digits.h>
#include <tabard/text/number_fpu.h>
#include <tabard/text/number_text.h>
#include <tabard/text/number_to_text.h>
#include "tests/core/text_test_support.h"

using namespace tabard;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The digits of a finite, nonzero, normal value lie within half a unit of their
// last place, plus the eighteen-digit rounding before it.
void CheckReadsBack(const std::string& text, long double value, uint32_t n) {
  const ExtendedParts parts = DecodeExtended(value);
  if (parts.exponent == 0 || parts.exponent == kExtendedExponentSpecial || !(parts.significand >> 63)) return;
  long double back = std::strtold(text.c_str(), nullptr);
  // The largest values may round up past the largest finite one: read those a
  // decade lower.
  if (std::isinf(back)) {
    const size_t exponent = text.find("E+4932");
    Check(exponent != std::string::npos);
    back = std::strtold((text.substr(0, exponent) + "E+4931").c_str(), nullptr);
    value /= 10;
  }
  const long double tolerance = 0.5L * std::pow(10.0L, 1.0L - n) + 2e-17L;
  Check(std::fabs(back - value) <= tolerance * std::fabs(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 14) return 0;
  long double value = 0;
  std::memcpy(&value, data, 10);
  uint32_t n;
  std::memcpy(&n, data + 10, 4);

  char text[kNumberTextBufferSize];
  const uint32_t length = NumberTextCore(value, n, text);
  Check(length >= 3 && length <= 27 && text[length - 1] == ' ');
  Check(text[0] == (DecodeExtended(value).negative ? '-' : ' '));
  for (uint32_t i = 1; i + 1 < length; ++i) Check(std::strchr("0123456789.E+-", text[i]) != nullptr && text[i] != 0);
  const std::string shown(text, length - 1);
  const uint32_t digits = (n == 0 || n > 18) ? 18 : n;
  CheckReadsBack(shown, value, digits);

  char raw[kDecimalDigitsBufferSize];
  const DigitResult decimal = DecimalDigits(value, n, raw);
  const uint32_t kept = n < 1 ? 1 : (n > 19 ? 19 : n);
  Check(std::strlen(raw) == kept);

  ProcedureFrame frame;
  NumberToTextDigits(frame, value, n);
  Check(PopText(frame) == shown);
  (void)decimal;
  return 0;
}
