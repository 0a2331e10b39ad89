#include "text/number_text.h"

#include "text/number_digits.h"

namespace {

constexpr uint32_t kMostTextDigits = 18;

char* WriteDecimal(char* out, uint32_t value) {
  char reversed[10];
  int count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) *out++ = reversed[--count];
  return out;
}

char* WriteExponentForm(char* out, const char* digits, int32_t p, int32_t exponent) {
  *out++ = digits[0];
  if (p > 1) {
    *out++ = '.';
    for (int32_t i = 1; i < p; ++i) *out++ = digits[i];
  }
  *out++ = 'E';
  *out++ = exponent < 0 ? '-' : '+';
  return WriteDecimal(out, static_cast<uint32_t>(exponent < 0 ? -exponent : exponent));
}

}  // namespace

uint32_t NumberTextCore(long double value, uint32_t n, char* buffer) {
  if (n == 0 || n > kMostTextDigits) n = kMostTextDigits;
  char digits[kDecimalDigitsBufferSize];
  const DigitResult decimal = DecimalDigits(value, n, digits);

  char* out = buffer;
  *out++ = decimal.negative ? '-' : ' ';
  int32_t p = static_cast<int32_t>(n);
  while (p > 0 && digits[p - 1] == '0') --p;
  const int32_t width = static_cast<int32_t>(n);
  const int32_t e = decimal.exponent - p;

  if (p == 0) {
    *out++ = '0';
  } else if (e == 0 || (e > 0 && p + e <= width)) {
    for (int32_t i = 0; i < p; ++i) *out++ = digits[i];
    for (int32_t i = 0; i < e; ++i) *out++ = '0';
  } else if (e < 0 && -e <= width) {
    if (p > -e) {
      for (int32_t i = 0; i < p + e; ++i) *out++ = digits[i];
      *out++ = '.';
      for (int32_t i = p + e; i < p; ++i) *out++ = digits[i];
    } else {
      *out++ = '.';
      for (int32_t i = 0; i < -e - p; ++i) *out++ = '0';
      for (int32_t i = 0; i < p; ++i) *out++ = digits[i];
    }
  } else {
    out = WriteExponentForm(out, digits, p, p + e - 1);
  }
  *out++ = ' ';
  return static_cast<uint32_t>(out - buffer);
}
