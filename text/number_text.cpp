#include <tabard/text/number_text.h>

#include <cstring>

#include <tabard/text/number_digits.h>
#include <tabard/text/number_fpu.h>

namespace tabard {

namespace {

constexpr uint32_t kLowestUnitsBit = 63;  // the significand's bit that counts units when the exponent is 0

// An exponent's digits, as many as it has.
char* WriteExponentDigits(char* out, uint32_t value) {
  const uint32_t length = DecimalLength(value);
  WriteWholeDigits(out, value, length);
  return out + length;
}

// Moves `count` bytes one place to the left, over the byte before them.
void MoveLeftByOne(char* to, int32_t count) {
  for (int32_t i = 0; i < count; ++i) to[i] = to[i + 1];
}

uint32_t Length(const char* text, const char* end) { return static_cast<uint32_t>(end - text); }

// A whole number of at most n digits reads as itself: no scaling, no rounding. Its
// bits tell: no set bit of the significand below the units place.
bool IsSmallWholeNumber(const ExtendedParts& parts, uint32_t n, uint64_t& magnitude) {
  if (parts.significand == 0) {
    magnitude = 0;
    return parts.exponent == 0;
  }
  const uint32_t units = static_cast<uint32_t>(parts.exponent) - kExtendedExponentBias;  // wraps below 1
  if (units > kLowestUnitsBit || (parts.significand >> 63) == 0) return false;
  const uint32_t fractionBits = kLowestUnitsBit - units;
  if (fractionBits != 0 && (parts.significand << (64 - fractionBits)) != 0) return false;
  magnitude = parts.significand >> fractionBits;
  return magnitude < IntegerPowersOfTen.power[n];
}

}  // namespace

uint32_t NumberTextWithSlack(long double value, uint32_t n, char* text) {
  char* out = text;
  if (n == 0 || n > kScaledDigits) n = kScaledDigits;
  const ExtendedParts parts = DecodeExtended(value);
  *out++ = parts.negative ? '-' : ' ';
  uint64_t whole;
  if (IsSmallWholeNumber(parts, n, whole)) {
    const uint32_t length = DecimalLength(whole);
    WriteWholeDigits(out, whole, length);
    return Length(text, out + length);
  }
  const ScaledDigits scaled = ScaleToDigits(value, n);
  if (scaled.integer == 0 && !scaled.infinite) {
    *out++ = '0';
    return Length(text, out);
  }
  // The digits go one place to the right of where the text begins: the first of
  // them, or the integer part, moves left into it and a point takes its place.
  // Whole blocks copied back over freshly written digits would wait for the writes.
  char* const digits = out + 1;
  if (scaled.infinite) {
    std::memset(digits, '9', kScaledDigits);
  } else {
    WriteEighteenDigits(digits, scaled.integer);
  }
  int32_t p = static_cast<int32_t>(n);
  while (p > 0 && digits[p - 1] == '0') --p;
  if (p == 0) {
    *out++ = '0';
    return Length(text, out);
  }
  const int32_t width = static_cast<int32_t>(n);
  const int32_t e = scaled.exponent - p;

  if (e >= 0 && p + e <= width) {
    // The digits past p up to n are the zeros that were dropped.
    MoveLeftByOne(out, p + e);
    return Length(text, out + p + e);
  }
  if (e < 0 && -e <= width) {
    if (p > -e) {
      MoveLeftByOne(out, p + e);
      out[p + e] = '.';
      return Length(text, out + 1 + p);
    }
    const int32_t zeros = -e - p;
    std::memmove(digits + zeros, digits, static_cast<size_t>(p));
    std::memset(digits, '0', static_cast<size_t>(zeros));
    *out = '.';
    return Length(text, digits + zeros + p);
  }
  const int32_t exponent = p + e - 1;
  out[0] = digits[0];
  if (p > 1) {
    out[1] = '.';
    out += p + 1;
  } else {
    ++out;
  }
  *out++ = 'E';
  *out++ = exponent < 0 ? '-' : '+';
  return Length(text, WriteExponentDigits(out, static_cast<uint32_t>(exponent < 0 ? -exponent : exponent)));
}

uint32_t NumberTextCore(long double value, uint32_t n, char* buffer) {
  char text[kNumberTextSlack];
  uint32_t length = NumberTextWithSlack(value, n, text);
  text[length++] = ' ';
  std::memcpy(buffer, text, length);
  return length;
}

}  // namespace tabard
