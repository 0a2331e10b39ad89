#include "text/number_companions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

static uint32_t SingleBits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Loads give the value; stores round to nearest even and keep the low bits; logic works on rounded integers.
TEST(NumberCompanions, LoadsStoresAndLogic) {
  ProcedureFrame f;
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const struct { long double expected, got; } values[] = {
      {-128, NumberLoadInt8(f, -128)}, {65535, NumberLoadUInt16(f, 65535)}, {-2147483648.0L, NumberLoadInt32(f, INT32_MIN)},
      {4294967295.0L, NumberLoadUInt32(f, UINT32_MAX)}, {1.5L, NumberLoadSingle(f, SingleBits(1.5f))},
      {-std::numeric_limits<long double>::infinity(), NumberLoadSingle(f, 0xFF800000u)},
      {2, NumberStoreInt32(f, 2.5L)}, {4, NumberStoreInt32(f, 3.5L)}, {-2, NumberStoreInt32(f, -2.5L)},
      {3, NumberStoreInt32(f, 2.5000001L)}, {0, NumberStoreInt32(f, 0.5L)}, {1, NumberStoreInt32(f, 1.4999L)},
      {-1, NumberStoreInt32(f, 4294967295.0L)}, {0, NumberStoreInt32(f, 4294967296.0L)},
      {INT32_MIN, NumberStoreInt32(f, 2147483648.0L)}, {-56, NumberStoreInt8(f, 200)}, {-32768, NumberStoreInt16(f, 32768)},
      {0, NumberStoreInt32(f, nan)}, {0, NumberStoreInt32(f, 1e30L)},  // the integer indefinite, cut to its low bits
      {-1, NumberNot(f, 0)}, {-4, NumberNot(f, 2.6L)}, {5, NumberOr(f, 4, 1)}, {7, NumberOr(f, NumberOr(f, 4, 1), 2)},
      {4, NumberAnd(f, 6, 12.4L)}, {10, NumberXor(f, 6, 12)}, {-9223372036854775807.0L - 1, NumberOr(f, 0, 1e30L)}};
  for (size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(values[i].expected, values[i].got) << "row " << i;
  NumberStoreInt32(f, 1e30L);
  int64_t scratch;
  std::memcpy(&scratch, f.conversionScratch, sizeof scratch);
  EXPECT_EQ(INT64_MIN, scratch) << "the integer passes through the frame's conversion scratch";
  const struct { uint32_t expected; long double value; } singles[] = {
      {SingleBits(0.1f), 0.1L}, {SingleBits(16777216.0f), 16777217.0L}, {0x7F7FFFFF, 0x1.fffffefp127L},
      {0x7F800000, 0x1.ffffffp127L}, {0xFF800000, -1e4000L}, {0x80000000, -0.0L}};
  for (const auto& c : singles) EXPECT_EQ(c.expected, NumberStoreSingle(f, c.value)) << static_cast<double>(c.value);
}
