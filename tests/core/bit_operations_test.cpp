#include "text/bit_operations.h"

#include <gtest/gtest.h>

namespace {

TEST(BitOperations, AddressBitsAcrossBytes) {
  unsigned char bits[3] = {0, 0, 0};
  BitSet(bits, 0);
  BitSet(bits, 9);
  BitSet(bits, 23);
  EXPECT_EQ(0x01, bits[0]);
  EXPECT_EQ(0x02, bits[1]);
  EXPECT_EQ(0x80, bits[2]);
  EXPECT_EQ(1u, BitTest(bits, 9));
  EXPECT_EQ(0u, BitTest(bits, 10));
  BitReset(bits, 9);
  BitToggle(bits, 10);
  BitToggle(bits, 0);
  EXPECT_EQ(0x00, bits[0]);
  EXPECT_EQ(0x04, bits[1]);
}

enum Width : uint32_t { k8 = 1, k16 = 2, k32 = 4, k64 = 8 };

uint64_t Apply(void (*operation)(void*, uint32_t, uint32_t), uint64_t value, uint32_t count, uint32_t code) {
  // Guard bytes around the operand show that a narrow operation stays within its width.
  uint64_t memory[2] = {value, 0xA5A5A5A5A5A5A5A5u};
  const unsigned bytes = code & k8 ? 1 : code & k16 ? 2 : code & k32 ? 4 : 8;
  if (bytes < 8) memory[0] = (value & ((uint64_t{1} << (8 * bytes)) - 1)) | (0xA5A5A5A5A5A5A5A5u << (8 * bytes));
  operation(memory, count, code);
  EXPECT_EQ(0xA5A5A5A5A5A5A5A5u, memory[1]);
  if (bytes == 8) return memory[0];
  EXPECT_EQ(0xA5A5A5A5A5A5A5A5u << (8 * bytes), memory[0] & ~((uint64_t{1} << (8 * bytes)) - 1));
  return memory[0] & ((uint64_t{1} << (8 * bytes)) - 1);
}

TEST(BitOperations, ShiftsAndRotatesByWidth) {
  struct Case {
    void (*operation)(void*, uint32_t, uint32_t);
    const char* name;
    uint64_t value;
    uint32_t count;
    uint32_t code;
    uint64_t expected;
  };
  const Case cases[] = {
      {ShiftLeft, "shl 8", 0x81, 1, k8, 0x02},
      {ShiftLeft, "shl 8 by 9: all out", 0x81, 9, k8, 0x00},
      {ShiftLeft, "shl 8 by 33 = by 1", 0x81, 33, k8, 0x02},
      {ShiftLeft, "shl 16, code 6 picks 16", 0x8001, 4, 6, 0x0010},
      {ShiftLeft, "shl 32 by 32 = by 0", 0x12345678, 32, k32, 0x12345678},
      {ShiftLeft, "shl 64 by 40", 0x1, 40, k64, uint64_t{1} << 40},
      {ShiftLeft, "shl 64 by 64", ~uint64_t{0}, 64, k64, 0},
      {ShiftLeft, "count 0 changes nothing", 0xFF, 0, k8, 0xFF},
      {ShiftRight, "shr 8", 0x80, 7, k8, 0x01},
      {ShiftRight, "shr 32", 0x80000000, 31, k32, 0x1},
      {ShiftRight, "shr 64 by 100", ~uint64_t{0}, 100, k64, 0},
      {ShiftRightSigned, "sar 8", 0x80, 3, k8, 0xF0},
      {ShiftRightSigned, "sar 8 by 20", 0x80, 20, k8, 0xFF},
      {ShiftRightSigned, "sar 16 positive", 0x4000, 14, k16, 0x0001},
      {ShiftRightSigned, "sar 64", uint64_t{1} << 63, 63, k64, ~uint64_t{0}},
      {ShiftRightSigned, "sar 64 by 200", uint64_t{1} << 63, 200, k64, ~uint64_t{0}},
      {RotateLeft, "rol 8", 0x81, 1, k8, 0x03},
      {RotateLeft, "rol 8 by 9", 0x81, 9, k8, 0x03},
      {RotateLeft, "rol 16", 0x8001, 4, k16, 0x0018},
      {RotateLeft, "rol 64 by 68", uint64_t{1} << 63, 68, k64, 0x8},
      {RotateRight, "ror 8", 0x01, 1, k8, 0x80},
      {RotateRight, "ror 32", 0x1, 4, k32, 0x10000000},
      {RotateRight, "ror 64", 0x1, 1, k64, uint64_t{1} << 63},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, Apply(c.operation, c.value, c.count, c.code)) << c.name;
}

}  // namespace
