#include "text/text_build.h"

#include <gtest/gtest.h>

#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"

namespace {

TEST(TextMid, TakesBytesFromAPositionCountedFromEitherEnd) {
  struct Case {
    int32_t start;
    uint32_t length;
    const char* part;
  };
  const Case cases[] = {
      {2, 3, "bcd"},  {-1, 5, "f"},       {-6, 2, "ab"}, {-7, 2, ""},
      {0, 3, ""},     {7, 1, ""},         {6, 9, "f"},   {3, 4294967295u, "cdef"},
      {1, 0, ""},     {INT32_MIN, 3, ""}, {1, 6, "abcdef"},
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    TextPushOwned(frame, MakeText("abcdef"));
    TextMid(frame, c.start, c.length);
    EXPECT_EQ(c.part, PopText(frame)) << "start " << c.start << " length " << c.length;
    EXPECT_EQ(0u, frame.errorWord);
  }
}

TEST(TextMid, RefusedStorageLeavesTheEntryAsItWas) {
  ProcedureFrame frame;
  TextPushOwned(frame, MakeText("abcdef"));
  platform::RefuseNextAllocations(1);
  TextMid(frame, 2, 2);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
  EXPECT_EQ("abcdef", PopText(frame));

  DynString variable = MakeText("xyz");
  TextPushBorrowed(frame, variable);
  TextMid(frame, 2, 1);
  EXPECT_EQ("y", PopText(frame));
  EXPECT_EQ("xyz", TextOf(variable)) << "a borrowed operand stays with its owner";
  TextRelease(variable);
}

TEST(TextRuns, RepeatBytesAndTexts) {
  ProcedureFrame frame;
  TextSpaces(frame, 3);
  EXPECT_EQ("   ", PopText(frame));
  TextRepeatChar(frame, 4, 'z');
  EXPECT_EQ("zzzz", PopText(frame));
  TextRepeatChar(frame, 0, 'z');
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  TextDrop(frame);

  // Each operand is pushed, repeated, and the result compared.
  struct Case {
    const char* operand;  // nullptr: the empty string
    void (*repeat)(ProcedureFrame&, uint32_t);
    uint32_t count;
    std::string expected;
  };
  const Case cases[] = {
      {"ab", TextRepeat, 3, "ababab"},
      {"ab", TextRepeat, 0, ""},
      {nullptr, TextRepeat, 1000, ""},
      {"xy", TextRepeatFirst, 3, "xxx"},
      {nullptr, TextRepeatFirst, 3, std::string(3, '\0')},  // the first byte of an empty text is 0
  };
  for (const Case& c : cases) {
    if (c.operand != nullptr)
      TextPushOwned(frame, MakeText(c.operand));
    else
      TextPushEmpty(frame);
    c.repeat(frame, c.count);
    EXPECT_EQ(c.expected, PopText(frame)) << (c.operand ? c.operand : "(empty)") << " x" << c.count;
  }
  EXPECT_EQ(0u, frame.errorWord);
}

// Totals beyond the 32-bit length word, and lengths near it, are allocation
// failures: nothing is written and the stack keeps its depth.
TEST(TextRuns, TotalsBeyondStorageFailWithError7) {
  struct Case {
    const char* name;
    void (*run)(ProcedureFrame&);
  };
  const Case cases[] = {
      {"spaces", [](ProcedureFrame& f) { TextSpaces(f, 0xFFFFFFFFu); }},
      {"repeat char", [](ProcedureFrame& f) { TextRepeatChar(f, 0xFFFFFFFFu, 'x'); }},
      {"repeat first", [](ProcedureFrame& f) {
         TextPushOwned(f, MakeText("q"));
         TextRepeatFirst(f, 0xFFFFFFFFu);
       }},
      {"repeat wraps 2^32", [](ProcedureFrame& f) {
         TextPushOwned(f, MakeText("ab"));
         TextRepeat(f, 0x80000001u);  // 2^32 + 2 bytes: would wrap to 2
       }},
      {"repeat wraps to 0", [](ProcedureFrame& f) {
         TextPushOwned(f, MakeText(std::string(16, 'x')));
         TextRepeat(f, 0x10000000u);  // exactly 2^32 bytes
       }},
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    TextPushEmpty(frame);
    c.run(frame);
    EXPECT_EQ(2, TextStackDepth(frame)) << c.name;
    EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle) << c.name;
    EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord) << c.name;
    TextDrop(frame);
    TextDrop(frame);
  }
}

TEST(TextRuns, RefusedStorageEmptiesTheEntry) {
  ProcedureFrame frame;
  TextPushOwned(frame, MakeText("ab"));
  platform::RefuseNextAllocations(1);
  TextRepeat(frame, 2);
  EXPECT_EQ(1, TextStackDepth(frame));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
  TextDrop(frame);
}

TEST(TextShrink, KeepsTheFirstBytesAndReleasesTheOld) {
  DynString shrunk = TextShrink(MakeText("abcdef"), 2);
  EXPECT_EQ("ab", TextOf(shrunk));
  shrunk = TextShrink(shrunk, 10);
  EXPECT_EQ("ab", TextOf(shrunk));
  shrunk = TextShrink(shrunk, 0);
  EXPECT_EQ(nullptr, shrunk);
  DynString old = MakeText("abc");
  platform::RefuseNextAllocations(1);
  EXPECT_EQ(nullptr, TextShrink(old, 2));  // and the old one is released all the same
}

}  // namespace
