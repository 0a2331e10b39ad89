#include "text/literal_pool.h"

#include <gtest/gtest.h>

#include <string>

#include "text/text_core.h"

namespace {

constexpr auto kDemoPool = MakeLiteralPool(
    "SysListView32", "SysAnimate32", "Demo listbox with Colomns", "Cancel", "", "Item", "Kolom 2", "Kolom 3",
    "Centreer", "Links", "Rechts", "Item ", "##", " - Testtekst1", "Testtekst2", "Testtekst3", "Testtekst4",
    "Testtekst5", "TestTekst6", "Number of elements in the listview: ");

static_assert(kDemoPool.count() == 20);
static_assert(kDemoPool.bytes[0] == 13 && kDemoPool.bytes[1] == 0, "16-bit little-endian length first");
static_assert(kDemoPool.Entry(1) == kDemoPool.Entry(0) + 2 + 13, "no terminator, alignment or gap");

TEST(LiteralPool, HoldsEachLiteralAsLengthAndBytes) {
  const std::string texts[] = {"SysListView32", "", "Number of elements in the listview: "};
  const size_t indexes[] = {0, 4, 19};
  for (size_t i = 0; i < 3; ++i) {
    const LiteralEntry* entry = kDemoPool.Entry(indexes[i]);
    EXPECT_EQ(texts[i].size(), LiteralLength(entry));
    EXPECT_EQ(texts[i], std::string(LiteralBytes(entry), LiteralLength(entry)));
  }
  EXPECT_EQ(36, LiteralLength(kDemoPool.Entry(19)));
  EXPECT_EQ(kDemoPool.size(), static_cast<size_t>(kDemoPool.Entry(19) + 2 + 36 - kDemoPool.Entry(0)));
}

TEST(LiteralPool, LengthsAboveOneByteAreLittleEndian) {
  static constexpr char kLong[300] = {'x'};
  constexpr auto pool = MakeLiteralPool(kLong, "z");
  EXPECT_EQ(299, LiteralLength(pool.Entry(0)));
  EXPECT_EQ(299 & 0xFF, pool.bytes[0]);
  EXPECT_EQ(299 >> 8, pool.bytes[1]);
  EXPECT_EQ('z', LiteralBytes(pool.Entry(1))[0]);
}

}  // namespace
