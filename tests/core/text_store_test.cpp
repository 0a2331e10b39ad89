#include "text/text_store.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/runtime_block.h"
#include "tests/core/text_test_support.h"

namespace {

TEST(TextStoreZeroTerminated, CutsToTheCapacityAndEndsWithAZero) {
  ProcedureFrame frame;
  char buffer[302];
  std::memset(buffer, 'x', sizeof buffer);
  TextPushOwned(frame, MakeText("Kolom 2"));
  TextStoreZeroTerminated(frame, buffer, 255);
  EXPECT_STREQ("Kolom 2", buffer);
  EXPECT_EQ('x', buffer[8]);

  const std::string longText(300, 'L');
  std::memset(buffer, 'x', sizeof buffer);
  TextPushOwned(frame, MakeText(longText));
  TextStoreZeroTerminated(frame, buffer, 255);
  EXPECT_EQ(std::string(255, 'L'), std::string(buffer));
  EXPECT_EQ(0, buffer[255]);
  EXPECT_EQ('x', buffer[256]);

  TextPushOwned(frame, MakeText(longText));
  TextStoreZeroTerminated(frame, buffer, 0);  // no limit worth speaking of
  EXPECT_EQ(longText, std::string(buffer));
  EXPECT_EQ(0, TextStackDepth(frame));
}

TEST(TextStoreZeroTerminated, KeepsTheFixedBufferWithinItsSixteenBytes) {
  ProcedureFrame frame;
  const uint32_t sizeField = runtimeBlock.osVersionInfo.size;
  runtimeBlock.osVersionInfo.size = 0xA5A5A5A5;
  TextPushOwned(frame, MakeText(std::string(40, 'F')));
  TextStoreZeroTerminated(frame, runtimeBlock.fixedTextBuffer, 200);
  EXPECT_EQ(std::string(15, 'F'), std::string(runtimeBlock.fixedTextBuffer));
  EXPECT_EQ(0xA5A5A5A5u, runtimeBlock.osVersionInfo.size);
  runtimeBlock.osVersionInfo.size = sizeField;
}

TEST(TextStoreFixed, PadsWithBlanksOrCuts) {
  ProcedureFrame frame;
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  TextPushOwned(frame, MakeText("abc"));
  TextStoreFixed(frame, buffer, 5);
  EXPECT_EQ("abc  xxx", std::string(buffer, 8));
  TextPushOwned(frame, MakeText("abcdefg"));
  TextStoreFixed(frame, buffer, 5);
  EXPECT_EQ("abcdexxx", std::string(buffer, 8));

  TextPushOwned(frame, MakeText("fixed"));
  TextStoreFixed(frame, runtimeBlock.fixedTextBuffer, 3);
  EXPECT_EQ("fixed           ", std::string(runtimeBlock.fixedTextBuffer, 16));
  EXPECT_EQ(0, TextStackDepth(frame));
}

}  // namespace
