// Conversions of single values: dialog units, bit operations, number companions.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include <tabard/dialogs/unit_rounding.h>
#include <tabard/text/bit_operations.h>
#include <tabard/text/number_companions.h>

using namespace tabard;

// The common cases are proved with real dialogs' geometry; these are the edges: unit rounding with
// negative mappings (halves still go away from zero) and quotients beyond 32 bits, held at the limit.
TEST(ValueConversions, UnitRoundingAtItsEdges) {
  // clang-format off
  const int64_t cases[][2] = {
      {-1, PixelsToDialogUnits(1, -2000)}, {1, PixelsToDialogUnits(-1, -2000)}, {-2, PixelsToDialogUnits(3, -2000)},
      {INT32_MAX, PixelsToDialogUnits(INT32_MAX, 1)}, {INT32_MIN, PixelsToDialogUnits(INT32_MIN, 1)}};
  // clang-format on
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i][0], cases[i][1]) << i;
}

// Guard bytes around the operand show that a narrow operation stays within its width.
static uint64_t Apply(void (*operation)(void*, uint32_t, uint32_t), uint64_t value, uint32_t count, uint32_t code) {
  constexpr uint64_t kGuard = 0xA5A5A5A5A5A5A5A5u;
  const uint64_t mask = ~uint64_t{0} >> (code & 1 ? 56 : code & 2 ? 48 : code & 4 ? 32 : 0);  // the operand's width
  uint64_t memory[2] = {(value & mask) | (kGuard & ~mask), kGuard};
  operation(memory, count, code);
  EXPECT_EQ(std::pair(kGuard, kGuard & ~mask), std::pair(memory[1], memory[0] & ~mask)) << "beyond the operand's width";
  return memory[0] & mask;
}

TEST(BitOperations, AddressBitsAcrossBytesAndShiftAndRotateByWidth) {
  unsigned char bits[3] = {0, 0, 0};
  BitSet(bits, 0), BitSet(bits, 9), BitSet(bits, 23);
  EXPECT_EQ(std::tuple(0x01, 0x02, 0x80, 1u, 0u), std::tuple(bits[0], bits[1], bits[2], BitTest(bits, 9), BitTest(bits, 10)));
  BitReset(bits, 9), BitToggle(bits, 10), BitToggle(bits, 0);
  EXPECT_EQ(std::tuple(0, 4, 128), std::tuple(bits[0], bits[1], bits[2]));
  constexpr uint64_t kAll = ~uint64_t{0}, kTop = uint64_t{1} << 63;
  const auto sl = ShiftLeft, sr = ShiftRight, sra = ShiftRightSigned, rl = RotateLeft, rr = RotateRight;
  // clang-format off
  const struct { decltype(&ShiftLeft) operation; uint64_t value; uint32_t count, code; uint64_t expected; } cases[] = {
      {sl, 0x81, 1, 1, 0x02}, {sl, 0x81, 9, 1, 0}, {sl, 0x81, 33, 1, 0x02},
      {sl, 0x8001, 4, 6, 0x0010}, {sl, 0x12345678, 32, 4, 0x12345678}, {sl, 1, 40, 8, 1ull << 40},
      {sl, kAll, 64, 8, 0}, {sr, 0x80000000, 31, 4, 1}, {sr, kAll, 100, 8, 0},
      {sra, 0x80, 3, 1, 0xF0}, {sra, 0x40, 3, 1, 0x08}, {sr, kAll, 64, 8, 0}, {sra, 0x80, 20, 1, 0xFF}, {sra, kTop, 63, 8, kAll},
      {rl, 0x81, 1, 1, 0x03}, {rl, 0x81, 9, 1, 0x03}, {rl, 0x8001, 4, 2, 0x0018},
      {rl, kTop, 68, 8, 0x8}, {rr, 1, 4, 4, 0x10000000}, {rr, 1, 1, 8, kTop}};
  // clang-format on
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].expected, Apply(cases[i].operation, cases[i].value, cases[i].count, cases[i].code)) << i;
}

static uint32_t SingleBits(float value) { uint32_t bits; return std::memcpy(&bits, &value, sizeof bits), bits; }

// Loads give the value; stores round to nearest even and keep the low bits (of the integer
// indefinite where there is no integer), through the frame's scratch; logic works on rounded integers.
TEST(NumberCompanions, LoadsStoresAndLogic) {
  ProcedureFrame f;
  const auto i32 = [&f](long double v) { return 0.0L + NumberStoreInt32(f, v); };
  const auto single = [&f](long double v) { return 0.0L + NumberStoreSingle(f, v); };
  using limits = std::numeric_limits<long double>;
  // clang-format off
  const long double values[][2] = {
      {-128, NumberLoadInt8(f, -128)}, {65535, NumberLoadUInt16(f, 65535)}, {INT32_MIN, NumberLoadInt32(f, INT32_MIN)},
      {UINT32_MAX, NumberLoadUInt32(f, UINT32_MAX)}, {1.5L, NumberLoadSingle(f, SingleBits(1.5f))},
      {-limits::infinity(), NumberLoadSingle(f, 0xFF800000u)}, {2, i32(2.5L)}, {4, i32(3.5L)},
      {-2, i32(-2.5L)}, {-1, i32(4294967295.0L)}, {0, i32(4294967296.0L)},
      {-56, 0.0L + NumberStoreInt8(f, 200)}, {-32768, 0.0L + NumberStoreInt16(f, 32768)}, {-4, NumberNot(f, 2.6L)},
      {7, NumberOr(f, NumberOr(f, 4, 1), 2)}, {4, NumberAnd(f, 6, 12.4L)}, {10, NumberXor(f, 6, 12)},
      {INT64_MIN, NumberOr(f, 0, 1e30L)}, {0.0L + SingleBits(0.1f), single(0.1L)},
      {0.0L + SingleBits(16777216.0f), single(16777217.0L)}, {0x7F7FFFFF, single(0x1.fffffefp127L)},
      {0x7F800000, single(0x1.ffffffp127L)}, {0x80000000, single(-0.0L)}, {0, i32(limits::quiet_NaN())}};
  // clang-format on
  for (size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(values[i][0], values[i][1]) << i;
  const int64_t indefinite = INT64_MIN;
  EXPECT_EQ(0, std::memcmp(&indefinite, f.conversionScratch, sizeof indefinite));
}
