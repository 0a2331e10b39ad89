#include <tabard/text/number_text.h>

#include <cstring>

#include <tabard/text/number_digits.h>
#include <tabard/text/number_fpu.h>

namespace tabard {

namespace {

constexpr uint32_t kLowestUnitsBit = 63;  // the significand's bit that counts units when the exponent is 0
constexpr uint32_t kMostExponentDigits = 4;  // an extended value lies within 10^-4951 to 10^4933

// Moves `count` bytes one place to the left, over the byte before them.
void MoveLeftByOne(char* to, int32_t count) {
  for (int32_t i = 0; i < count; ++i) to[i] = to[i + 1];
}

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

// The writers below fill the text after its sign, the body, and give its length.

// A whole number of at most `most` digits.
uint32_t WriteWhole(char* body, uint64_t whole, uint32_t most) {
  const uint32_t length = DecimalLength(whole, most);
  WriteWholeDigits(body, whole, length);
  return length;
}

uint32_t WriteZero(char* body) {
  *body = '0';
  return 1;
}

// Writes the scaled digits one place into the body and counts those of the first n
// that are significant, dropping the zeros after them: 0 for a value that shows none.
// The first of them, or the integer part, later moves left into the body's first
// place and a point takes its place: whole blocks copied back over freshly written
// digits would wait for the writes.
int32_t WriteSignificantDigits(char* body, const ScaledDigits& scaled, uint32_t n) {
  if (scaled.integer == 0 && !scaled.infinite) return 0;
  char* const digits = body + 1;
  if (scaled.infinite) {
    std::memset(digits, '9', kScaledDigits);
  } else {
    WriteEighteenDigits(digits, scaled.integer);
  }
  auto significant = static_cast<int32_t>(n);
  while (significant > 0 && digits[significant - 1] == '0') --significant;
  return significant;
}

// The layouts of p significant digits, standing one place into the body.

// A whole number: the digits, then the zeros that were dropped, up to `length`.
uint32_t PlaceWhole(char* body, int32_t length) {
  MoveLeftByOne(body, length);
  return static_cast<uint32_t>(length);
}

// A point among the digits, after `integerDigits` of them.
uint32_t PlacePointAmongDigits(char* body, int32_t p, int32_t integerDigits) {
  MoveLeftByOne(body, integerDigits);
  body[integerDigits] = '.';
  return static_cast<uint32_t>(1 + p);
}

// A point, `zeros` zeros and then the digits.
uint32_t PlacePointBeforeZeros(char* body, int32_t p, int32_t zeros) {
  char* const digits = body + 1;
  std::memmove(digits + zeros, digits, static_cast<size_t>(p));
  std::memset(digits, '0', static_cast<size_t>(zeros));
  *body = '.';
  return static_cast<uint32_t>(1 + zeros + p);
}

// The first digit, a point before any others, and the power of ten of the first.
uint32_t PlaceExponentForm(char* body, int32_t p, int32_t exponent) {
  char* out = body;
  out[0] = body[1];
  if (p > 1) {
    out[1] = '.';
    out += p + 1;
  } else {
    ++out;
  }
  *out++ = 'E';
  *out++ = exponent < 0 ? '-' : '+';
  out += WriteWhole(out, static_cast<uint32_t>(exponent < 0 ? -exponent : exponent), kMostExponentDigits);
  return static_cast<uint32_t>(out - body);
}

// Fixed notation where it takes at most n digit places, the exponent form where not.
// The digits are 0.d1...dp x 10^(p + e).
uint32_t PlaceDigits(char* body, int32_t p, int32_t e, int32_t n) {
  if (e >= 0 && p + e <= n) return PlaceWhole(body, p + e);
  if (e < 0 && -e <= n) return p > -e ? PlacePointAmongDigits(body, p, p + e) : PlacePointBeforeZeros(body, p, -e - p);
  return PlaceExponentForm(body, p, p + e - 1);
}

}  // namespace

uint32_t NumberTextWithSlack(long double value, uint32_t n, char* text) {
  if (n == 0 || n > kScaledDigits) n = kScaledDigits;
  const ExtendedParts parts = DecodeExtended(value);
  text[0] = parts.negative ? '-' : ' ';
  char* const body = text + 1;
  uint64_t whole;
  if (IsSmallWholeNumber(parts, n, whole)) return 1 + WriteWhole(body, whole, kScaledDigits);
  const ScaledDigits scaled = ScaleToDigits(value, n);
  const int32_t p = WriteSignificantDigits(body, scaled, n);
  if (p == 0) return 1 + WriteZero(body);
  return 1 + PlaceDigits(body, p, scaled.exponent - p, static_cast<int32_t>(n));
}

uint32_t NumberTextCore(long double value, uint32_t n, char* buffer) {
  char text[kNumberTextSlack];
  uint32_t length = NumberTextWithSlack(value, n, text);
  text[length++] = ' ';
  std::memcpy(buffer, text, length);
  return length;
}

}  // namespace tabard
