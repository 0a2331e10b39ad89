#include <gtest/gtest.h>

#include <cstdint>

#include "controls/ip_address.h"
#include "controls/packing.h"

namespace {

TEST(ControlPacking, WordsKeepOnlyTheLow16BitsOfEachArgument) {
  struct Case {
    uint32_t expected;
    int32_t x;
    int32_t y;
  };
  const Case cases[] = {
      {0x0002FFFF, -1, 2},
      {0x00001170, 70000, 0},  // 70000 = 0x11170
      {0xFFFF0000, 0, -1},
      {0x80007FFF, 32767, -32768},
      {0x00000000, 65536, 65536},
      {0xFFFFFFFF, INT32_MIN + 0xFFFF, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, PackWords(c.x, c.y)) << c.x << ", " << c.y;
  EXPECT_EQ(0x0000FFFFu, PackLow(-1));
  EXPECT_EQ(0x00001170u, PackLow(70000));
}

TEST(ControlPacking, MasksAreShiftedIndices) {
  EXPECT_EQ(0x2000u, StateImageMask(2));
  EXPECT_EQ(0xF000u, StateImageMask(15));
  EXPECT_EQ(0x00000000u, StateImageMask(0x00100000));  // shifted out of 32 bits
  EXPECT_EQ(0x200u, OverlayMask(2));
  EXPECT_EQ(0xFFFFFF00u, OverlayMask(0xFFFFFFFF));
}

TEST(ControlPacking, IpAddressesPackFieldsHighestFirstAndGiveThemBack) {
  const uint32_t address = IpAddress(192, 168, 1, 2);
  EXPECT_EQ(0xC0A80102u, address);
  EXPECT_EQ(192u, IpFirstField(address));
  EXPECT_EQ(168u, IpSecondField(address));
  EXPECT_EQ(1u, IpThirdField(address));
  EXPECT_EQ(2u, IpFourthField(address));
  // Arguments are not cut to bytes: an oversized field carries into the next.
  EXPECT_EQ(0x00000200u, IpAddress(0, 0, 1, 256));
  EXPECT_EQ(0x00000000u, IpAddress(256, 0, 0, 0));
  EXPECT_EQ(0xFF01u, IpRange(1, 255));
  EXPECT_EQ(0x3412u, IpRange(0x1112, 0x2234));  // only the low byte of each
}

}  // namespace
