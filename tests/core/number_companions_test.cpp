#include "text/number_companions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

uint32_t SingleBits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

TEST(NumberCompanions, LoadsGiveTheValue) {
  ProcedureFrame frame;
  EXPECT_EQ(-128.0L, NumberLoadInt8(frame, -128));
  EXPECT_EQ(65535.0L, NumberLoadUInt16(frame, 65535));
  EXPECT_EQ(-2147483648.0L, NumberLoadInt32(frame, INT32_MIN));
  EXPECT_EQ(4294967295.0L, NumberLoadUInt32(frame, UINT32_MAX));
  EXPECT_EQ(1.5L, NumberLoadSingle(frame, SingleBits(1.5f)));
  EXPECT_EQ(-std::numeric_limits<long double>::infinity(), NumberLoadSingle(frame, 0xFF800000u));
}

TEST(NumberCompanions, StoresRoundToNearestEvenAndCut) {
  ProcedureFrame frame;
  struct Case {
    int32_t expected;
    long double value;
  };
  const Case cases[] = {{2, 2.5L}, {4, 3.5L}, {-2, -2.5L}, {3, 2.5000001L}, {0, 0.5L}, {1, 1.4999L},
                        {-1, 4294967295.0L}, {0, 4294967296.0L}, {INT32_MIN, 2147483648.0L}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, NumberStoreInt32(frame, c.value)) << static_cast<double>(c.value);
  EXPECT_EQ(-56, NumberStoreInt8(frame, 200));
  EXPECT_EQ(-32768, NumberStoreInt16(frame, 32768));
  // No integer at all: the processor's integer indefinite, cut to its low bits.
  EXPECT_EQ(0, NumberStoreInt32(frame, std::numeric_limits<long double>::quiet_NaN()));
  EXPECT_EQ(0, NumberStoreInt32(frame, 1e30L));
  // The integer passed through the frame's conversion scratch.
  int64_t scratch;
  std::memcpy(&scratch, frame.conversionScratch, sizeof scratch);
  EXPECT_EQ(INT64_MIN, scratch);
}

TEST(NumberCompanions, StoreSingleRoundsToSinglePrecision) {
  ProcedureFrame frame;
  EXPECT_EQ(SingleBits(0.1f), NumberStoreSingle(frame, 0.1L));
  EXPECT_EQ(SingleBits(16777216.0f), NumberStoreSingle(frame, 16777217.0L));  // tie to even
  EXPECT_EQ(0x7F7FFFFFu, NumberStoreSingle(frame, 0x1.fffffefp127L));
  EXPECT_EQ(0x7F800000u, NumberStoreSingle(frame, 0x1.ffffffp127L));
  EXPECT_EQ(0xFF800000u, NumberStoreSingle(frame, -1e4000L));
  EXPECT_EQ(0x80000000u, NumberStoreSingle(frame, -0.0L));
}

TEST(NumberCompanions, LogicOnRoundedIntegers) {
  ProcedureFrame frame;
  EXPECT_EQ(-1.0L, NumberNot(frame, 0));
  EXPECT_EQ(-4.0L, NumberNot(frame, 2.6L));
  EXPECT_EQ(5.0L, NumberOr(frame, 4, 1));
  EXPECT_EQ(7.0L, NumberOr(frame, NumberOr(frame, 4, 1), 2));
  EXPECT_EQ(4.0L, NumberAnd(frame, 6, 12.4L));
  EXPECT_EQ(10.0L, NumberXor(frame, 6, 12));
  EXPECT_EQ(-9223372036854775807.0L - 1, NumberOr(frame, 0, 1e30L));
}

}  // namespace
