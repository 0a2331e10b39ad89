#pragma once
// The few x87 operations the number conversions rely on, written so that both
// builds round the same way: to nearest, ties to even, in the full 64-bit
// significand, whatever precision control the process happens to run under.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tabard {

static_assert(std::numeric_limits<long double>::digits == 64, "the numeric form is the 80-bit extended format");

#if defined(__i386__) || defined(__x86_64__)
#define TABARD_X87 1
#else
#define TABARD_X87 0
#endif

// The value rounded to an integral value in the current rounding mode (nearest).
inline long double RoundToIntegral(long double x) {
#if TABARD_X87
  long double r;
  __asm__("frndint" : "=t"(r) : "0"(x));
  return r;
#else
  return std::rint(x);
#endif
}

// The value rounded to a 64-bit integer (nearest, ties to even). NaN and values
// outside the 64-bit range give 0x8000000000000000, as the processor's store does.
inline int64_t RoundToInt64(long double x) {
#if TABARD_X87
  int64_t r;
  __asm__("fistpll %0" : "=m"(r) : "t"(x) : "st");
  return r;
#else
  const long double rounded = std::rint(x);
  if (!(rounded >= -0x1p63L && rounded < 0x1p63L)) return INT64_MIN;
  return static_cast<int64_t>(rounded);
#endif
}

// The magnitude of a value as it lies in memory, loaded by the x87 unit itself. A
// value whose bits were just read as integers could otherwise be put together again
// from them by integer stores, and the unit's wider load would wait for them.
inline long double MagnitudeInMemory(const long double& value) {
#if TABARD_X87
  long double magnitude;
  __asm__("fldt %1\n\tfabs" : "=t"(magnitude) : "m"(value));
  return magnitude;
#else
  return std::fabs(value);
#endif
}

// Within its scope the x87 unit computes with the 64-bit significand and rounds
// to nearest. A process may start with a shorter precision (the system's default
// for 32-bit programs is 53 bits); the digits must not depend on that.
struct ExtendedPrecisionScope {
#if TABARD_X87
  static constexpr uint16_t kControlMask = 0x0F00;      // precision and rounding control
  static constexpr uint16_t kExtendedNearest = 0x0300;  // 64-bit significand, round to nearest
  uint16_t saved = 0;
  bool changed = false;
  ExtendedPrecisionScope() {
    __asm__ volatile("fnstcw %0" : "=m"(saved));
    if ((saved & kControlMask) != kExtendedNearest) {
      const uint16_t wanted = static_cast<uint16_t>((saved & ~kControlMask) | kExtendedNearest);
      __asm__ volatile("fldcw %0" : : "m"(wanted));
      changed = true;
    }
  }
  ~ExtendedPrecisionScope() {
    if (changed) __asm__ volatile("fldcw %0" : : "m"(saved));
  }
#endif
  ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
  ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;
};

// The x87 control word as it is now (0 where there is no x87 unit).
inline uint16_t FpuControlWord() {
#if TABARD_X87
  uint16_t word;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
#else
  return 0;
#endif
}

// The fields of an 80-bit extended value as they lie in memory: the 64-bit
// significand (integer bit on top), then the sign and the 15-bit biased exponent.
struct ExtendedParts {
  bool negative;
  uint16_t exponent;
  uint64_t significand;
};

constexpr uint16_t kExtendedExponentBias = 16383;
constexpr uint16_t kExtendedExponentSpecial = 0x7FFF;

// Infinity is read from the special exponent and the significand's top sixteen bits
// alone: the integer bit and nothing else among them.
inline bool ReadsAsInfinity(const ExtendedParts& parts) {
  constexpr uint16_t kInfinityTop = 0x8000;
  return parts.exponent == kExtendedExponentSpecial && (parts.significand >> 48) == kInfinityTop;
}

inline ExtendedParts DecodeExtended(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  ExtendedParts parts;
  std::memcpy(&parts.significand, bytes, 8);
  const uint16_t signAndExponent = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
  parts.negative = (signAndExponent & 0x8000) != 0;
  parts.exponent = signAndExponent & 0x7FFF;
  return parts;
}

inline long double EncodeExtended(ExtendedParts parts) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &parts.significand, 8);
  const uint16_t signAndExponent = static_cast<uint16_t>((parts.negative ? 0x8000 : 0) | (parts.exponent & 0x7FFF));
  bytes[8] = static_cast<unsigned char>(signAndExponent);
  bytes[9] = static_cast<unsigned char>(signAndExponent >> 8);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

}  // namespace tabard
