#include "runtime/runtime_checks.h"

#include <gtest/gtest.h>

#include "runtime/array_block.h"
#include "runtime/runtime_error.h"

namespace {

TEST(RuntimeChecks, RangeChecksRecordSixOutsideTheirRange) {
  struct Case {
    const char* name;
    bool (*check)(ProcedureFrame&, int32_t);
    int32_t value;
    bool passes;
  };
  const Case cases[] = {
      {"byte 0", CheckByteFrom32, 0, true},
      {"byte 255", CheckByteFrom32, 255, true},
      {"byte 256", CheckByteFrom32, 256, false},
      {"byte -1", CheckByteFrom32, -1, false},
      {"unsigned 0", CheckUnsignedFrom32, 0, true},
      {"unsigned max", CheckUnsignedFrom32, INT32_MAX, true},
      {"unsigned -1", CheckUnsignedFrom32, -1, false},
      {"signed16 -32768", CheckSigned16, -32768, true},
      {"signed16 32767", CheckSigned16, 32767, true},
      {"signed16 32768", CheckSigned16, 32768, false},
      {"signed16 -32769", CheckSigned16, -32769, false},
      {"non-negative16 0", CheckNonNegative16, 0, true},
      {"non-negative16 -1", CheckNonNegative16, -1, false},
      {"non-negative16 32768", CheckNonNegative16, 32768, false},
      {"unsigned16 65535", CheckUnsigned16, 65535, true},
      {"unsigned16 65536", CheckUnsigned16, 65536, false},
      {"unsigned16 -1", CheckUnsigned16, -1, false},
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    EXPECT_EQ(c.passes, c.check(frame, c.value)) << c.name;
    EXPECT_EQ(c.passes ? 0u : kErrorPending | kErrorConversionOverflow, frame.errorWord) << c.name;
  }
  ProcedureFrame frame;
  EXPECT_TRUE(CheckByteFrom16(frame, 0x00FF));
  EXPECT_FALSE(CheckByteFrom16(frame, 0x0100));
  EXPECT_EQ(6, ErrorNumber(frame));
  EXPECT_TRUE(CheckNothing(frame));
}

TEST(RuntimeChecks, SubscriptGivesTheOffsetOrRecordsNine) {
  ProcedureFrame frame;
  EXPECT_EQ(4u, CheckSubscript(frame, 5, 1, 10).offset);
  EXPECT_TRUE(CheckSubscript(frame, -3, -3, -1).passed);
  EXPECT_EQ(0u, frame.errorWord);
  EXPECT_FALSE(CheckSubscript(frame, 11, 1, 10).passed);
  EXPECT_EQ(kErrorPending | kErrorArrayBounds, frame.errorWord);
  frame.errorWord = 0;
  EXPECT_FALSE(CheckSubscript(frame, 0, 1, 10).passed);
  EXPECT_EQ(9, ErrorNumber(frame));
  EXPECT_EQ(uint32_t{0xFFFFFFFF}, CheckSubscript(frame, INT32_MAX, INT32_MIN, INT32_MAX).offset);

  ArrayDescriptor array{};
  frame.errorWord = 0;
  EXPECT_FALSE(CheckArrayPresent(frame, array));
  EXPECT_EQ(9, ErrorNumber(frame));
}

}  // namespace
