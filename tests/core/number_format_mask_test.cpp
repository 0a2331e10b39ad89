#include <gtest/gtest.h>

#include <string>

#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"
#include "text/literal_pool.h"
#include "text/mask_format.h"
#include "text/number_companions.h"

namespace {

constexpr auto kPool = MakeLiteralPool("Item ", "##", " - Testtekst1");

TEST(NumberFormatMask, BuildsTheDemoRowLabels) {
  for (int32_t row : {1, 9, 10, 20}) {
    ProcedureFrame frame;
    TextPushLiteral(frame, kPool.Entry(0));
    const long double value = NumberLoadInt32(frame, row);
    TextPushLiteral(frame, kPool.Entry(1));
    NumberFormatMask(frame, value);
    TextConcat(frame);
    TextPushLiteral(frame, kPool.Entry(2));
    TextConcat(frame);
    EXPECT_EQ(std::string(row < 10 ? "Item  " : "Item ") + std::to_string(row) + " - Testtekst1", PopText(frame));
    EXPECT_EQ(0, TextStackDepth(frame));
    EXPECT_EQ(0u, frame.errorWord);
  }
}

// The mask is consumed: an owned one freed (the leak checker would see it
// otherwise), a borrowed one left to its owner. One allocation, for the result.
TEST(NumberFormatMask, ReplacesTheMaskEntryByTheResult) {
  ProcedureFrame frame;
  DynString variable = MakeText("#.##");
  TextPushBorrowed(frame, variable);
  StringAllocations allocations;
  NumberFormatMask(frame, 9.999L);
  EXPECT_EQ(1u, allocations.Made());
  ASSERT_EQ(1, TextStackDepth(frame));
  EXPECT_FALSE(TextStackEntry(frame, 0).borrowed);
  EXPECT_EQ("10.00", PopText(frame));
  EXPECT_EQ("#.##", TextOf(variable));
  TextRelease(variable);

  TextPushOwned(frame, MakeText("$$##.##"));
  NumberFormatMask(frame, -123);
  EXPECT_EQ("-$123.00", PopText(frame));

  TextPushEmpty(frame);
  NumberFormatMask(frame, 5);
  EXPECT_EQ("5", PopText(frame));
}

// Leading text and field beyond the 512 bytes the formatter works in still give
// the whole result.
TEST(NumberFormatMask, ResultsLongerThanTheWorkAreaAreComplete) {
  struct Case {
    std::string expected;
    std::string mask;
    long double value;
  };
  const std::string text(600, 'x');
  const Case cases[] = {
      {text + " 5", text + "##", 5},
      {text + "  5" + text, text + "###" + text, 5},
      {std::string(510, '*') + "5.00", "**" + std::string(509, '#') + ".##", 5},
      {"1" + std::string(1000, '0') + "." + std::string(19, '0'), "#." + std::string(19, '#'), 1e1000L},
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    TextPushOwned(frame, MakeText(c.mask));
    StringAllocations allocations;
    NumberFormatMask(frame, c.value);
    EXPECT_EQ(1u, allocations.Made());
    EXPECT_EQ(c.expected, PopText(frame));
  }
}

TEST(NumberFormatMask, RefusedStorageGivesTheEmptyStringAndError7) {
  for (size_t leading : {0u, 700u}) {
    ProcedureFrame frame;
    TextPushOwned(frame, MakeText(std::string(leading, 'x') + "##.##"));
    platform::RefuseNextAllocations(1);
    NumberFormatMask(frame, 3.5L);
    ASSERT_EQ(1, TextStackDepth(frame));
    EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
    EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord & 0xFFFF);
    TextDrop(frame);
  }
}

}  // namespace
