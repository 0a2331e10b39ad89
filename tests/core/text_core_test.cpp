#include "text/text_core.h"

#include <gtest/gtest.h>

#include "runtime/runtime_block.h"
#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"
#include "text/literal_pool.h"

namespace {

constexpr auto kPool = MakeLiteralPool("SysListView32", "", "Item ", "a\0b");

TEST(TextCore, EmptyStringHasNoStorageAndReadsAsAZeroByte) {
  StringAllocations allocations;
  const TextAllocation made = TextAlloc(0);
  EXPECT_EQ(nullptr, made.handle);
  EXPECT_FALSE(made.failed);
  const TextSpan view = TextView(DynString{nullptr});
  EXPECT_EQ(&runtimeBlock.emptyText, view.bytes);
  EXPECT_EQ(0u, view.length);
  EXPECT_EQ(0, view.bytes[0]);
  uint32_t lengthBefore;
  std::memcpy(&lengthBefore, view.bytes - 4, 4);
  EXPECT_EQ(0u, lengthBefore) << "the empty text's length word reads 0 like any other's";
  TextRelease(nullptr);
  EXPECT_EQ(0u, allocations.Made());
}

TEST(TextCore, StorageCarriesItsLengthAndAZeroAfterTheBytes) {
  const TextAllocation made = TextAlloc(5);
  ASSERT_NE(nullptr, made.handle);
  EXPECT_EQ(made.handle, made.bytes);
  std::memcpy(made.bytes, "ab\0cd", 5);
  EXPECT_EQ(5u, TextHandleLength(made.handle));
  EXPECT_EQ(0, made.handle[5]);
  EXPECT_EQ(std::string("ab\0cd", 5), TextOf(made.handle)) << "zero bytes are part of the text";
  TextRelease(made.handle);
}

TEST(TextCore, StackGrowsDownByFourPerEntry) {
  ProcedureFrame frame;
  EXPECT_EQ(0, TextStackDepth(frame));
  TextPushEmpty(frame);
  EXPECT_EQ(-4, frame.tempIndex);
  DynString variable = MakeText("var");
  TextPushBorrowed(frame, variable);
  TextPushOwned(frame, MakeText("own"));
  EXPECT_EQ(-12, frame.tempIndex);
  EXPECT_EQ(3, TextStackDepth(frame));
  EXPECT_EQ("own", TextOf(TextStackEntry(frame, 0)));
  EXPECT_FALSE(TextStackEntry(frame, 0).borrowed);
  EXPECT_TRUE(TextStackEntry(frame, 1).borrowed);
  EXPECT_EQ(variable, frame.tempStrings[1].handle) << "the n-th entry pushed occupies the n-th slot";
  TextDrop(frame);
  TextDrop(frame);
  EXPECT_EQ("var", TextOf(variable)) << "dropping a borrowed entry leaves its owner's string alone";
  TextDrop(frame);
  EXPECT_EQ(0, frame.tempIndex);
  TextRelease(variable);
}

TEST(TextCore, LiteralsArePushedAsFreshCopies) {
  ProcedureFrame frame;
  StringAllocations allocations;
  TextPushLiteral(frame, kPool.Entry(0));
  TextPushLiteral(frame, kPool.Entry(0));
  EXPECT_NE(TextStackEntry(frame, 0).handle, TextStackEntry(frame, 1).handle);
  EXPECT_EQ(2u, allocations.Made());
  EXPECT_EQ("SysListView32", PopText(frame));
  EXPECT_EQ("SysListView32", PopText(frame));

  TextPushLiteral(frame, kPool.Entry(1));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle) << "the empty literal is handle 0";
  EXPECT_EQ(2u, allocations.Made());
  TextDrop(frame);
  TextPushLiteral(frame, kPool.Entry(3));
  EXPECT_EQ(std::string("a\0b", 3), PopText(frame));
  EXPECT_EQ(0u, frame.errorWord);
}

TEST(TextCore, PushedBytesAreCopied) {
  ProcedureFrame frame;
  char source[] = "xyz";
  EXPECT_TRUE(TextPushBytes(frame, source, 3));
  source[0] = 'Q';
  EXPECT_EQ("xyz", PopText(frame));
  EXPECT_TRUE(TextPushBytes(frame, nullptr, 0));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  TextDrop(frame);
}

TEST(TextCore, RefusedStorageGivesTheEmptyStringAtTheSameDepth) {
  ProcedureFrame frame;
  TextPushEmpty(frame);
  platform::RefuseNextAllocations(1);
  TextPushLiteral(frame, kPool.Entry(2));
  EXPECT_EQ(2, TextStackDepth(frame));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);

  frame.errorWord = 0;
  platform::RefuseNextAllocations(1);
  EXPECT_FALSE(TextPushBytes(frame, "abc", 3));
  EXPECT_EQ(3, TextStackDepth(frame));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  EXPECT_EQ(0u, frame.errorWord) << "pushing bytes leaves the raise to its caller";

  const TextAllocation huge = TextAlloc(0xFFFFFFFFu);
  EXPECT_TRUE(huge.failed);
  EXPECT_EQ(nullptr, huge.handle);
  for (int i = 0; i < 3; ++i) TextDrop(frame);
}

#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
TEST(TextCoreDeathTest, ASixthTemporaryStopsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ProcedureFrame frame;
  for (int i = 0; i < kTempStringSlots; ++i) TextPushEmpty(frame);
  EXPECT_DEATH(TextPushEmpty(frame), "more than five temporary strings");
  EXPECT_EQ(-20, frame.tempIndex);
  for (int i = 0; i < kTempStringSlots; ++i) TextDrop(frame);
  EXPECT_DEATH(TextDrop(frame), "empty temporary string stack");
}
#endif

}  // namespace
