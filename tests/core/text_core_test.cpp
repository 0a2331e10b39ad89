#include <tabard/text/text_core.h>

#include <gtest/gtest.h>

#include <tuple>

#include <tabard/base/runtime_block.h>
#include <tabard/text/literal_pool.h>
#include <tabard/text/text_build.h>
#include <tabard/text/text_store.h>
#include "tests/core/text_test_support.h"

using namespace std::string_literals;

// The empty text has no storage and reads as a zero byte with a zero length word; others
// carry their length before and a zero after the bytes, zero bytes being part of the text. Literals: a 16-bit
// little-endian length, then the bytes, with no gap (the demo's own pool is read back by its end-to-end test).
TEST(TextCore, StorageAndLiteralsCarryTheirLengthBeforeTheBytes) {
  const TextAllocation empty = TextAlloc(0), huge = TextAlloc(0xFFFFFFFFu), made = TextAlloc(5);
  const TextSpan view = TextView(DynString{nullptr});
  EXPECT_EQ(std::tuple(nullptr, false, nullptr, true), std::tuple(empty.handle, empty.failed, huge.handle, huge.failed));
  EXPECT_EQ(std::tuple(Address(&runtimeBlock.emptyText), 0u, "\0\0\0\0\0"s),
            std::tuple(Address(view.bytes), view.length, std::string(view.bytes - 4, 5)));
  ASSERT_NE(nullptr, made.handle);
  EXPECT_EQ(Address(made.bytes), Address(made.handle));
  std::memcpy(made.bytes, "ab\0cd", 5);
  EXPECT_EQ(std::tuple(5u, "ab\0cd\0"s), std::tuple(TextHandleLength(made.handle), std::string(made.handle, 6)));
  TextRelease(made.handle), TextRelease(nullptr);
  static constexpr char kLong[300] = {'x'};  // a length word's high byte
  constexpr auto pool = MakeLiteralPool("ab", kLong);
  const LiteralEntry *first = pool.Entry(0), *second = pool.Entry(1);
  EXPECT_EQ(std::tuple("ab"s, 299, 'x', size_t{2 + 2 + 2 + 299}),
            std::tuple(std::string(LiteralBytes(first), LiteralLength(first)), LiteralLength(second),
                       *LiteralBytes(second), pool.size()));
}

// Entries take four bytes each below the frame, the n-th pushed in the n-th slot; popping a
// borrowed one leaves its owner's text (else the final release is a double one).
TEST(TextCore, StackGrowsDownAndPopsReleaseOnlyOwnedEntries) {
  ProcedureFrame frame;
  DynString variable = MakeText("four"), empty = nullptr;
  const int afterFirst = (TextPushEmpty(frame), frame.tempIndex);
  TextPushBorrowed(frame, variable), PushText(frame, "abc");
  EXPECT_EQ(std::tuple(-4, -12, Address(variable), true),
            std::tuple(afterFirst, frame.tempIndex, Address(frame.tempStrings[1].handle), TextStackEntry(frame, 1).borrowed));
  const uint32_t top = TextLength(frame), middle = TextLength(frame), bottom = TextLength(frame);
  EXPECT_EQ(std::tuple(3u, 4u, 0u), std::tuple(top, middle, bottom));
  EXPECT_EQ(std::tuple(0, Address(variable), '\0'),
            std::tuple(frame.tempIndex, Address(TextPointer(&variable)), *TextPointer(&empty)));
  TextRelease(variable);
}

TEST(TextMid, TakesBytesFromAPositionCountedFromEitherEnd) {
  // clang-format off
  const struct { int32_t start; uint32_t length; const char* part; } cases[] = {
      {2, 3, "bcd|0"}, {-1, 5, "f|0"}, {-6, 2, "ab|0"},
      {-7, 2, "@|0"}, {0, 3, "@|0"}, {7, 1, "@|0"},
      {3, 4294967295u, "cdef|0"}, {1, 0, "@|0"}, {INT32_MIN, 3, "@|0"}};
  // clang-format on
  for (const auto& c : cases) {
    ProcedureFrame frame;
    PushText(frame, "abcdef"), TextMid(frame, c.start, c.length);
    EXPECT_EQ(c.part, Drain(frame)) << c.start << ", " << c.length;
  }
}

// Zero-terminated stores cut to the capacity (0: none); fixed ones pad with blanks or cut;
// the runtime's fixed buffer keeps within its sixteen bytes.
TEST(TextStore, CutsPadsAndKeepsWithinTheBuffer) {
  ProcedureFrame frame;
  const uint32_t sizeField = std::exchange(runtimeBlock.osVersionInfo.size, 0xA5A5A5A5);
  const std::string l300(300, 'L');
  const auto zero = TextStoreZeroTerminated, fixed = TextStoreFixed;
  // clang-format off
  const struct { std::string text; decltype(&TextStoreFixed) store; uint32_t capacity; std::string seen; } cases[] = {
      {"Col 2", zero, 255, "Col 2\0xx"s}, {l300, zero, 255, l300.substr(45) + "\0x"s}, {l300, zero, 0, l300 + "\0x"s},
      {"abc", fixed, 5, "abc  xxx"}, {"abcdefg", fixed, 5, "abcdexxx"},
      {std::string(40, 'F'), zero, 200, std::string(15, 'F') + "\0"s}, {"fixed", fixed, 3, "fixed           "}};
  // clang-format on
  for (size_t i = 0; i < std::size(cases); ++i) {
    std::string buffer(302, 'x');
    char* const target = i < 5 ? buffer.data() : runtimeBlock.fixedTextBuffer;
    PushText(frame, cases[i].text), cases[i].store(frame, target, cases[i].capacity);
    EXPECT_EQ(cases[i].seen, std::string(target, cases[i].seen.size())) << i;
  }
  EXPECT_EQ(std::tuple(0xA5A5A5A5, 0), std::tuple(std::exchange(runtimeBlock.osVersionInfo.size, sizeField),
                                                   TextStackDepth(frame)));
}

#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
TEST(TextCoreDeathTest, ASixthTemporaryStopsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ProcedureFrame frame;
  for (int i = 0; i < kTempStringSlots; ++i) TextPushEmpty(frame);
  EXPECT_DEATH(TextPushEmpty(frame), "more than five temporary strings");
  EXPECT_DEATH({ ProcedureFrame empty; TextDrop(empty); }, "empty temporary string stack");
}
#endif
