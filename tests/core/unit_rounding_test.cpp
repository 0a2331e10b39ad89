#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "dialogs/unit_rounding.h"

namespace {

struct Case {
  int32_t expectedUnits;
  int32_t pixels;
  int32_t pixelsPer1000Units;
};

TEST(UnitRounding, PixelsToUnitsRoundsHalvesAwayFromZero) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const Case cases[] = {
      {67, 100, 1500},   // 100000 / 1500 = 66.67
      {50, 75, 1500},    // exact
      {1, 1, 1500},      // 0.67
      {0, 0, 1500},
      {-67, -100, 1500},
      {1, 1, 2000},      // 0.5: a half goes up
      {-1, -1, 2000},    // -0.5: and down below zero
      {0, 1, 2001},      // just under a half
      {2, 3, 2000},      // 1.5
      {-2, -3, 2000},    // -1.5
      {0, 12345, 0},     // a window the system cannot map
      {0, -1, 0},
      // Beyond 2,147,483 pixels the product with 1000 needs more than 32 bits.
      {2000000, 3000000, 1500},
      {-2000000, -3000000, 1500},
      {1431655765, kMax, 1500},  // 2147483647000 / 1500 = 1431655764.67
      // A quotient beyond 32 bits is held at the limit.
      {kMax, kMax, 1},
      {kMin, kMin, 1},
      {kMax, 3000000, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expectedUnits, PixelsToDialogUnits(c.pixels, c.pixelsPer1000Units))
        << c.pixels << " pixels at " << c.pixelsPer1000Units << " per 1000 units";
  }
}

TEST(UnitRounding, DivisionRoundsByTheSignOfTheTrueQuotient) {
  const struct {
    int64_t expected, a, b;
  } cases[] = {
      {1, 1, 2}, {-1, -1, 2}, {-1, 1, -2}, {1, -1, -2}, {0, 1, 3}, {3, 5, 2}, {-3, 5, -2}, {2, 7, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, DivideRoundingHalvesAway(c.a, c.b)) << c.a << " / " << c.b;
}

}  // namespace
