#include "text/number_digits.h"

#include <bit>

#include "text/number_fpu.h"

namespace {

constexpr int32_t kFirstExtendedDecade = 4096;
constexpr int32_t kLog2Of10Scaled = 19728;  // log10(2) x 65536, to four places
constexpr int64_t kSeventeenDigits = 100000000000000000;
constexpr int kScaledDigits = 18;
constexpr int kPaddedDigits = kScaledDigits + 2;
constexpr uint16_t kInfinityTop = 0x8000;

long double PowerOfTen(uint32_t magnitude) {
  long double power = PowersOfTenTable.small[magnitude & 7];
  magnitude >>= 3;
  for (int i = 0; magnitude != 0; ++i, magnitude >>= 1)
    if (magnitude & 1) power *= PowersOfTenTable.large[i];
  return power;
}

void FillDigits(char* digits, uint32_t n, char digit) {
  for (uint32_t i = 0; i < n; ++i) digits[i] = digit;
  digits[n] = 0;
}

// A finite, nonzero magnitude with its integer bit set, or nothing: an encoding
// whose integer bit is clear denotes significand x 2^(exponent - 16446) all the
// same, and is read as that value (or as zero when it lies below the normal range,
// like the denormals).
bool NormalMagnitude(ExtendedParts parts, long double& magnitude) {
  if (parts.significand == 0) return false;
  const int shift = std::countl_zero(parts.significand);
  if (parts.exponent <= shift) return false;
  parts.exponent = static_cast<uint16_t>(parts.exponent - shift);
  parts.significand <<= shift;
  parts.negative = false;
  magnitude = EncodeExtended(parts);
  return true;
}

// The magnitude scaled to an integer of 18 digits, 10^17 <= result < 10^18, and the
// power of ten k of its first digit.
int64_t ScaledSignificand(long double magnitude, int32_t binaryExponent, int32_t& k) {
  k = (binaryExponent * kLog2Of10Scaled) >> 16;
  int64_t integer = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    long double scaled = RoundToIntegral(ScaleByPowerOfTen(magnitude, static_cast<int16_t>(17 - k)));
    if (scaled >= PowersOfTenTable.scaledBound) {
      scaled /= 10;
      ++k;
    }
    integer = RoundToInt64(scaled);
    // The estimate of k can be one too high for the smallest values; scaling again
    // by one more power of ten keeps 18 true digits and the exponent right.
    if (integer >= kSeventeenDigits) break;
    --k;
  }
  return integer;
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
  if (remaining > 0) return x * PowerOfTen(static_cast<uint32_t>(remaining));
  return x / PowerOfTen(static_cast<uint32_t>(-remaining));
}

DigitResult DecimalDigits(long double value, uint32_t n, char* digits) {
  n = n < 1 ? 1 : (n > kMaxDecimalDigits ? kMaxDecimalDigits : n);
  const ExtendedParts parts = DecodeExtended(value);
  DigitResult result{1, parts.negative};
  if (parts.exponent == kExtendedExponentSpecial) {
    if ((parts.significand >> 48) == kInfinityTop) {
      FillDigits(digits, n, '9');
      result.exponent = 999;
    } else {
      FillDigits(digits, n, '0');
    }
    return result;
  }
  long double magnitude;
  if (parts.exponent == 0 || !NormalMagnitude(parts, magnitude)) {
    FillDigits(digits, n, '0');
    return result;
  }

  const ExtendedPrecisionScope precision;
  const int32_t binaryExponent = DecodeExtended(magnitude).exponent - kExtendedExponentBias;
  int32_t k;
  uint64_t integer = static_cast<uint64_t>(ScaledSignificand(magnitude, binaryExponent, k));

  char all[kPaddedDigits];
  for (int i = kScaledDigits - 1; i >= 0; --i) {
    all[i] = static_cast<char>('0' + integer % 10);
    integer /= 10;
  }
  all[kScaledDigits] = '0';
  all[kScaledDigits + 1] = '0';

  // The digit after the n-th rounds the n kept ones, half up.
  if (all[n] >= '5') {
    int i = static_cast<int>(n) - 1;
    while (i >= 0 && all[i] == '9') all[i--] = '0';
    if (i >= 0) {
      ++all[i];
    } else {
      all[0] = '1';
      ++k;
    }
  }
  for (uint32_t i = 0; i < n; ++i) digits[i] = all[i];
  digits[n] = 0;
  result.exponent = k + 1;
  return result;
}
