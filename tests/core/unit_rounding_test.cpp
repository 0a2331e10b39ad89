#include "dialogs/unit_rounding.h"

#include <gtest/gtest.h>

#include <cstdint>

// Halves go away from zero; products beyond 32 bits stay exact; quotients beyond them are held at the limit.
TEST(UnitRounding, PixelsToUnitsRoundsHalvesAwayFromZero) {
  const struct { int32_t units, pixels, per1000; } cases[] = {
      {67, 100, 1500}, {50, 75, 1500}, {1, 1, 1500}, {0, 0, 1500}, {-67, -100, 1500}, {1, 1, 2000}, {-1, -1, 2000},
      {0, 1, 2001}, {2, 3, 2000}, {-2, -3, 2000}, {0, 12345, 0}, {0, -1, 0}, {2000000, 3000000, 1500},
      {-2000000, -3000000, 1500}, {1431655765, INT32_MAX, 1500}, {INT32_MAX, INT32_MAX, 1}, {INT32_MIN, INT32_MIN, 1},
      {INT32_MAX, 3000000, 1}};
  for (const auto& c : cases) EXPECT_EQ(c.units, PixelsToDialogUnits(c.pixels, c.per1000)) << c.pixels << " at " << c.per1000;
  const struct { int64_t expected, a, b; } divisions[] = {
      {1, 1, 2}, {-1, -1, 2}, {-1, 1, -2}, {1, -1, -2}, {0, 1, 3}, {3, 5, 2}, {-3, 5, -2}, {2, 7, 3}};
  for (const auto& c : divisions) EXPECT_EQ(c.expected, DivideRoundingHalvesAway(c.a, c.b)) << c.a << " / " << c.b;
}
