#include <gtest/gtest.h>

#include <cstdint>

#include "controls/ip_address.h"
#include "controls/packing.h"

TEST(ControlPacking, KeepsTheLowBitsOfEachFieldAndShiftsIndices) {
  const struct { uint32_t expected, got; } cases[] = {
      {0x0002FFFF, PackWords(-1, 2)}, {0x00001170, PackWords(70000, 0)}, {0xFFFF0000, PackWords(0, -1)},
      {0x80007FFF, PackWords(32767, -32768)}, {0, PackWords(65536, 65536)}, {0xFFFFFFFF, PackWords(INT32_MIN + 0xFFFF, -1)},
      {0x0000FFFF, PackLow(-1)}, {0x00001170, PackLow(70000)}, {0x2000, StateImageMask(2)}, {0xF000, StateImageMask(15)},
      {0, StateImageMask(0x00100000)}, {0x200, OverlayMask(2)}, {0xFFFFFF00, OverlayMask(0xFFFFFFFF)},
      {0xC0A80102, IpAddress(192, 168, 1, 2)}, {0x00000200, IpAddress(0, 0, 1, 256)}, {0, IpAddress(256, 0, 0, 0)},
      {192, IpFirstField(0xC0A80102)}, {168, IpSecondField(0xC0A80102)}, {1, IpThirdField(0xC0A80102)},
      {2, IpFourthField(0xC0A80102)}, {0xFF01, IpRange(1, 255)}, {0x3412, IpRange(0x1112, 0x2234)}};
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].expected, cases[i].got) << "row " << i;
}
