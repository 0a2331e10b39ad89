#include "text/number_to_text.h"

#include <gtest/gtest.h>

#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"
#include "text/literal_pool.h"
#include "text/number_companions.h"

namespace {

constexpr auto kPool = MakeLiteralPool("Number of elements in the listview: ");

TEST(NumberToText, PushesTheTextWithoutItsTrailingBlank) {
  ProcedureFrame frame;
  StringAllocations allocations;
  NumberToText(frame, 2.0L / 3);
  NumberToTextShort(frame, 3.14159265358979L);
  NumberToTextDigits(frame, 1234, 3);
  NumberToTextDigits(frame, 0.25L, 0);
  EXPECT_EQ(4, TextStackDepth(frame));
  EXPECT_EQ(4u, allocations.Made());
  EXPECT_EQ(" .25", PopText(frame));
  EXPECT_EQ(" 1.23E+3", PopText(frame));
  EXPECT_EQ(" 3.141593", PopText(frame));
  EXPECT_EQ(" .666666666666667", PopText(frame));
  EXPECT_EQ(0u, frame.errorWord);
}

TEST(NumberToText, FinalMessageHasTwoBlanksBeforeTheCount) {
  for (int32_t rows : {20, 0}) {
    ProcedureFrame frame;
    TextPushLiteral(frame, kPool.Entry(0));
    NumberToText(frame, NumberLoadInt32(frame, rows));
    TextConcat(frame);
    EXPECT_EQ("Number of elements in the listview:  " + std::to_string(rows), PopText(frame));
  }
}

TEST(NumberToText, RefusedStoragePushesTheEmptyStringAndRecordsError7) {
  ProcedureFrame frame;
  platform::RefuseNextAllocations(1);
  NumberToText(frame, 20);
  ASSERT_EQ(1, TextStackDepth(frame));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord & 0xFFFF);
  EXPECT_EQ("", PopText(frame));
}

}  // namespace
