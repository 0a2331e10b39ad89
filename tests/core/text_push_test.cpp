#include "text/text_push.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/text_binary.h"
#include "tests/core/text_test_support.h"

namespace {

TEST(TextPush, FixedZeroTerminatedAndLineBreak) {
  ProcedureFrame frame;
  EXPECT_TRUE(TextPushFixed(frame, "ab\0cd", 5));
  EXPECT_EQ(std::string("ab\0cd", 5), PopText(frame));
  EXPECT_TRUE(TextPushZeroTerminated(frame, "ab\0cd"));
  EXPECT_EQ("ab", PopText(frame));
  EXPECT_TRUE(TextPushZeroTerminated(frame, nullptr));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  TextDrop(frame);
  EXPECT_TRUE(TextPushLineBreak(frame));
  EXPECT_EQ("\r\n", PopText(frame));

  platform::RefuseNextAllocations(1);
  EXPECT_FALSE(TextPushZeroTerminated(frame, "abc"));
  EXPECT_EQ(1, TextStackDepth(frame));
  EXPECT_EQ(0u, frame.errorWord);
  TextDrop(frame);
}

TEST(TextPush, ZeroTerminatedStopsAfterSixteenMebibytes) {
  ProcedureFrame frame;
  std::vector<char> unterminated(16'777'216 + 8, 'z');
  unterminated.back() = 0;
  EXPECT_TRUE(TextPushZeroTerminated(frame, unterminated.data()));
  EXPECT_EQ(16'777'216u, TextLength(frame));
}

std::string Image(bool (*push)(ProcedureFrame&, long double), long double value) {
  ProcedureFrame frame;
  EXPECT_TRUE(push(frame, value));
  return PopText(frame);
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int b : bytes) text.push_back(static_cast<char>(b));
  return text;
}

TEST(TextFromBinary, GivesTheLittleEndianImage) {
  ProcedureFrame frame;
  TextFromBinaryByte(frame, 0x1234);
  EXPECT_EQ(Bytes({0x34}), PopText(frame));
  TextFromBinaryInt16(frame, 0x1234);
  EXPECT_EQ(Bytes({0x34, 0x12}), PopText(frame));
  TextFromBinaryInt32(frame, -2);
  EXPECT_EQ(Bytes({0xFE, 0xFF, 0xFF, 0xFF}), PopText(frame));

  // 2.5 and 3.5 round to the even neighbours 2 and 4.
  EXPECT_EQ(Bytes({2, 0, 0, 0}), Image(TextFromBinaryRoundedLow32, 2.5L));
  EXPECT_EQ(Bytes({4, 0, 0, 0, 0, 0, 0, 0}), Image(TextFromBinaryRounded64, 3.5L));
  EXPECT_EQ(Bytes({0x00, 0x00, 0x00, 0x00, 0x01, 0, 0, 0}), Image(TextFromBinaryRounded64, 4294967296.0L));
  EXPECT_EQ(Bytes({0, 0, 0, 0}), Image(TextFromBinaryRoundedLow32, 4294967296.0L)) << "the low half only";
  EXPECT_EQ(Bytes({0x00, 0x00, 0xC0, 0x3F}), Image(TextFromBinarySingle, 1.5L));
  EXPECT_EQ(Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), Image(TextFromBinaryDouble, 1.5L));
  // 1.23456 x 10,000 = 12345.6, rounded 12346 = 0x303A.
  EXPECT_EQ(Bytes({0x3A, 0x30, 0, 0, 0, 0, 0, 0}), Image(TextFromBinaryScaled10000, 1.23456L));
  // 2.5 x 100 = 250 = 0xFA.
  EXPECT_EQ(Bytes({0xFA, 0, 0, 0, 0, 0, 0, 0}), Image(TextFromBinaryScaled100, 2.5L));
  // 1.0 in the 80-bit format: mantissa 0x8000000000000000, exponent 0x3FFF.
  EXPECT_EQ(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), Image(TextFromBinaryExtended, 1.0L));
}

}  // namespace
