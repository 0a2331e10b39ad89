#include <tabard/text/number_digits.h>

#include <bit>
#include <cmath>
#include <cstring>

#include <tabard/text/number_fpu.h>

namespace tabard {

namespace {

constexpr int32_t kFirstExtendedDecade = 4096;
constexpr int32_t kLog2Of10Scaled = 19728;  // log10(2) x 65536, to four places
// The scaled significand lies from 10^17 up to 10^18.
constexpr auto kSeventeenDigits = static_cast<int64_t>(IntegerPowersOfTen.power[kScaledDigits - 1]);
constexpr auto kEighteenDigits = static_cast<int64_t>(PowersOfTenTable.scaledBound);
// The digits are written in two halves of nine.
constexpr uint32_t kHalfDigits = kScaledDigits / 2;
constexpr uint64_t kNineDigits = IntegerPowersOfTen.power[kHalfDigits];
// Half a unit of the n-th of the scaled digits, 5 x 10^(17 - n), for n = 1 to 17.
struct HalfUnits {
  uint64_t at[kScaledDigits];
};
constexpr HalfUnits kHalfUnitAt = [] {
  HalfUnits table{};
  for (uint32_t n = 1; n < kScaledDigits; ++n) table.at[n] = 5 * IntegerPowersOfTen.power[kScaledDigits - 1 - n];
  return table;
}();

// The digit generator's scaling: the same value as ScaleByPowerOfTen.
long double ScaleForDigits(long double x, int32_t m) {
  const uint32_t size = static_cast<uint32_t>(m < 0 ? -m : m);
  if (size >= kAssembledPowers) return ScaleByPowerOfTen(x, static_cast<int16_t>(m));
  return m < 0 ? x / AssembledPowersTable.power[size] : x * AssembledPowersTable.power[size];
}

void FillDigits(char* digits, uint32_t n, char digit) {
  for (uint32_t i = 0; i < n; ++i) digits[i] = digit;
  digits[n] = 0;
}

// A finite, nonzero magnitude with its integer bit set, or nothing: an encoding
// whose integer bit is clear denotes significand x 2^(exponent - 16446) all the
// same, and is read as that value (or as zero when it lies below the normal range,
// like the denormals).
bool NormalMagnitude(const long double& value, ExtendedParts parts, long double& magnitude, int32_t& binaryExponent) {
  if (parts.significand >> 63) {
    magnitude = MagnitudeInMemory(value);
    binaryExponent = parts.exponent - kExtendedExponentBias;
    return true;
  }
  if (parts.significand == 0) return false;
  const int shift = std::countl_zero(parts.significand);
  if (parts.exponent <= shift) return false;
  parts.exponent = static_cast<uint16_t>(parts.exponent - shift);
  parts.significand <<= shift;
  parts.negative = false;
  magnitude = EncodeExtended(parts);
  binaryExponent = parts.exponent - kExtendedExponentBias;
  return true;
}

// A tenth of the integer rounded to nearest, ties to even: the value dividing it
// by 10 in the extended form and rounding gives, since the quotient stays below
// 2^61, where that form still resolves eighths, so no tenth but a half reaches .5.
int64_t TenthToNearestEven(int64_t integer) {
  const int64_t quotient = integer / 10;
  const int64_t remainder = integer % 10;
  return quotient + ((remainder > 5 || (remainder == 5 && (quotient & 1) != 0)) ? 1 : 0);
}

// The magnitude scaled to an integer of 18 digits, 10^17 <= result < 10^18, and the
// power of ten k of its first digit.
int64_t ScaledSignificand(long double magnitude, int32_t binaryExponent, int32_t& k) {
  k = (binaryExponent * kLog2Of10Scaled) >> 16;
  int64_t integer = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    // Rounding straight to a 64-bit integer gives the same integral value as
    // rounding in the floating-point form first: the scaled value stays far below
    // 2^63.
    integer = RoundToInt64(ScaleForDigits(magnitude, 17 - k));
    if (integer >= kEighteenDigits) {
      integer = TenthToNearestEven(integer);
      ++k;
    }
    // The estimate of k can be one too high for the smallest values; scaling again
    // by one more power of ten keeps 18 true digits and the exponent right.
    if (integer >= kSeventeenDigits) break;
    --k;
  }
  return integer;
}

// Two digits at a time from a table: the same digits as dividing by 10 over and
// over, in a fraction of the time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void WritePair(char* out, uint32_t pair) { std::memcpy(out, kDigitPairs + 2 * pair, 2); }

// value / 10^8 as a fixed-point number with 57 fraction bits; each step takes the
// integer part and multiplies the fraction by 100 for the next pair. Rounding the
// factor up keeps every step exact for values below 10^9. The steps are short, so
// the digits are ready soon after the value is.
void WriteNineDigits(char* out, uint32_t value) {
  constexpr int kFractionBits = 57;
  constexpr uint64_t kFraction = (uint64_t{1} << kFractionBits) - 1;
  constexpr uint64_t kReciprocal = (uint64_t{1} << kFractionBits) / IntegerPowersOfTen.power[kHalfDigits - 1] + 1;
  uint64_t fixed = uint64_t{value} * kReciprocal;
  out[0] = static_cast<char>('0' + (fixed >> kFractionBits));
  for (uint32_t i = 1; i < kHalfDigits; i += 2) {
    fixed = (fixed & kFraction) * 100;
    WritePair(out + i, static_cast<uint32_t>(fixed >> kFractionBits));
  }
}

}  // namespace

long double ScaleByPowerOfTen(long double x, int16_t k) {
  int32_t remaining = k;
  // Beyond 10^4096 the table ends; the digit generator never needs more than one
  // step, other callers may need two.
  while (remaining > kFirstExtendedDecade) {
    x *= PowersOfTenTable.large[9];
    remaining -= kFirstExtendedDecade;
  }
  while (remaining < -kFirstExtendedDecade) {
    x /= PowersOfTenTable.large[9];
    remaining += kFirstExtendedDecade;
  }
  if (remaining == 0) return x;
  if (remaining > 0) return x * AssemblePowerOfTen(static_cast<uint32_t>(remaining));
  return x / AssemblePowerOfTen(static_cast<uint32_t>(-remaining));
}

ScaledDigits ScaleToDigits(const long double& value, uint32_t n) {
  const ExtendedParts parts = DecodeExtended(value);
  ScaledDigits scaled{0, 1, parts.negative, false};
  if (parts.exponent == kExtendedExponentSpecial) {
    if (ReadsAsInfinity(parts)) {
      scaled.exponent = 999;
      scaled.infinite = true;
    }
    return scaled;
  }
  long double magnitude;
  int32_t binaryExponent;
  if (parts.exponent == 0 || !NormalMagnitude(value, parts, magnitude, binaryExponent)) return scaled;

  const ExtendedPrecisionScope precision;
  int32_t k;
  const auto integer = static_cast<uint64_t>(ScaledSignificand(magnitude, binaryExponent, k));

  scaled.integer = integer;
  scaled.exponent = k + 1;
  RoundScaledDigits(scaled, n);
  return scaled;
}

void RoundScaledDigits(ScaledDigits& scaled, uint32_t n) {
  // Rounding half up at the n-th digit is adding half a unit of that place to the
  // integer: the same digits as rounding the digit string with a carry running
  // left, without a branch on every digit. The 19th and 20th digits are padding
  // '0's, so 18 digits and more are not rounded.
  if (n >= kScaledDigits || scaled.integer == 0) return;
  scaled.integer += kHalfUnitAt.at[n];
  if (scaled.integer >= static_cast<uint64_t>(kEighteenDigits)) {
    scaled.integer = kSeventeenDigits;
    ++scaled.exponent;
  }
}

void WriteLeadingDigits(char* out, uint64_t integer, uint64_t count) {
  WriteNineDigits(out, static_cast<uint32_t>(integer / kNineDigits));
  if (count > kHalfDigits) WriteNineDigits(out + kHalfDigits, static_cast<uint32_t>(integer % kNineDigits));
}

void WriteEighteenDigits(char* out, uint64_t integer) { WriteLeadingDigits(out, integer, kScaledDigits); }

void WriteWholeDigits(char* out, uint64_t value, uint32_t length) {
  char* at = out + length;
  for (; at - out >= 2; value /= 100) {
    at -= 2;
    WritePair(at, static_cast<uint32_t>(value % 100));
  }
  if (at != out) *out = static_cast<char>('0' + value % 10);
}

DigitResult DecimalDigits(long double value, uint32_t n, char* digits) {
  n = n < 1 ? 1 : (n > kMaxDecimalDigits ? kMaxDecimalDigits : n);
  const ScaledDigits scaled = ScaleToDigits(value, n);
  const DigitResult result{scaled.exponent, scaled.negative};
  if (scaled.integer == 0) {
    FillDigits(digits, n, scaled.infinite ? '9' : '0');
    return result;
  }
  WriteEighteenDigits(digits, scaled.integer);
  digits[kScaledDigits] = '0';
  digits[kScaledDigits + 1] = '0';
  digits[n] = 0;
  return result;
}

}  // namespace tabard
