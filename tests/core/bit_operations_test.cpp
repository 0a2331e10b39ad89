#include "text/bit_operations.h"

#include <gtest/gtest.h>

TEST(BitOperations, AddressBitsAcrossBytes) {
  unsigned char bits[3] = {0, 0, 0};
  BitSet(bits, 0), BitSet(bits, 9), BitSet(bits, 23);
  EXPECT_EQ(0x800201, bits[0] | bits[1] << 8 | bits[2] << 16);
  EXPECT_EQ(1u, BitTest(bits, 9));
  EXPECT_EQ(0u, BitTest(bits, 10));
  BitReset(bits, 9), BitToggle(bits, 10), BitToggle(bits, 0);
  EXPECT_EQ(0x800400, bits[0] | bits[1] << 8 | bits[2] << 16);
}

// Guard bytes around the operand show that a narrow operation stays within its width.
uint64_t Apply(void (*operation)(void*, uint32_t, uint32_t), uint64_t value, uint32_t count, uint32_t code) {
  constexpr uint64_t kGuard = 0xA5A5A5A5A5A5A5A5u;
  const unsigned bits = 8 * (code & 1 ? 1 : code & 2 ? 2 : code & 4 ? 4 : 8);
  const uint64_t mask = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
  uint64_t memory[2] = {(value & mask) | (kGuard & ~mask), kGuard};
  operation(memory, count, code);
  EXPECT_EQ(kGuard, memory[1]);
  EXPECT_EQ(kGuard & ~mask, memory[0] & ~mask);
  return memory[0] & mask;
}

TEST(BitOperations, ShiftsAndRotatesByWidth) {
  constexpr uint64_t kAll = ~uint64_t{0}, kTop = uint64_t{1} << 63;
  const struct { void (*operation)(void*, uint32_t, uint32_t); uint64_t value; uint32_t count, code; uint64_t expected; } cases[] = {
      {ShiftLeft, 0x81, 1, 1, 0x02}, {ShiftLeft, 0x81, 9, 1, 0}, {ShiftLeft, 0x81, 33, 1, 0x02},
      {ShiftLeft, 0x8001, 4, 6, 0x0010}, {ShiftLeft, 0x12345678, 32, 4, 0x12345678}, {ShiftLeft, 1, 40, 8, 1ull << 40},
      {ShiftLeft, kAll, 64, 8, 0}, {ShiftLeft, 0xFF, 0, 1, 0xFF}, {ShiftRight, 0x80, 7, 1, 1},
      {ShiftRight, 0x80000000, 31, 4, 1}, {ShiftRight, kAll, 100, 8, 0}, {ShiftRightSigned, 0x80, 3, 1, 0xF0},
      {ShiftRightSigned, 0x80, 20, 1, 0xFF}, {ShiftRightSigned, 0x4000, 14, 2, 1}, {ShiftRightSigned, kTop, 63, 8, kAll},
      {ShiftRightSigned, kTop, 200, 8, kAll}, {RotateLeft, 0x81, 1, 1, 0x03}, {RotateLeft, 0x81, 9, 1, 0x03},
      {RotateLeft, 0x8001, 4, 2, 0x0018}, {RotateLeft, kTop, 68, 8, 0x8}, {RotateRight, 0x01, 1, 1, 0x80},
      {RotateRight, 1, 4, 4, 0x10000000}, {RotateRight, 1, 1, 8, kTop}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    EXPECT_EQ(c.expected, Apply(c.operation, c.value, c.count, c.code)) << "row " << i;
  }
}
