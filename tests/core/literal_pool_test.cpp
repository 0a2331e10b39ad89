#include <gtest/gtest.h>

#include <string>

#include "app/demo_literals.h"
#include "text/text_core.h"

// The program's own pool: each literal a 16-bit little-endian length, then its bytes, with no gap.
TEST(LiteralPool, TheDemoPoolHoldsEachLiteralAsLengthAndBytes) {
  const std::string expected[] = {
      "SysListView32", "SysAnimate32", "Demo listbox with Colomns", "Cancel", "", "Item", "Kolom 2", "Kolom 3",
      "Centreer", "Links", "Rechts", "Item ", "##", " - Testtekst1", "Testtekst2", "Testtekst3", "Testtekst4",
      "Testtekst5", "TestTekst6", "Number of elements in the listview: "};
  ASSERT_EQ(std::size(expected), kDemoLiterals.count());
  size_t at = 0;
  for (size_t i = 0; i < std::size(expected); at += 2 + expected[i++].size()) {
    const LiteralEntry* entry = kDemoLiterals.Entry(i);
    ASSERT_EQ(kDemoLiterals.bytes.data() + at, entry) << i;
    EXPECT_EQ(expected[i].size(), size_t{entry[0]} | size_t{entry[1]} << 8) << i;
    EXPECT_EQ(expected[i].size(), LiteralLength(entry)) << i;
    EXPECT_EQ(expected[i], std::string(reinterpret_cast<const char*>(entry + 2), expected[i].size())) << i;
  }
  EXPECT_EQ(kDemoLiterals.size(), at);
  static constexpr char kLong[300] = {'x'};
  constexpr auto pool = MakeLiteralPool(kLong, "z");
  EXPECT_EQ(299, LiteralLength(pool.Entry(0)));
  EXPECT_EQ(1, pool.bytes[1]);
  EXPECT_EQ('z', LiteralBytes(pool.Entry(1))[0]);
}
