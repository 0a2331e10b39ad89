#include <gtest/gtest.h>

#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"
#include "text/literal_pool.h"
#include "text/text_core.h"

namespace {

constexpr auto kPool = MakeLiteralPool("Item ", " - Testtekst1", "Kolom 2");

TEST(TextConcat, JoinsTheEarlierEntryAndTheTopOne) {
  struct Case {
    const char* first;
    const char* second;
    const char* joined;
  };
  const Case cases[] = {
      {"Item ", " 1", "Item  1"},
      {"", "text", "text"},
      {"text", "", "text"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    TextPushOwned(frame, MakeText(c.first));
    TextPushOwned(frame, MakeText(c.second));
    const DynString second = TextStackEntry(frame, 0).handle;
    TextConcat(frame);
    ASSERT_EQ(1, TextStackDepth(frame));
    const TempStringEntry& joined = TextStackEntry(frame, 0);
    EXPECT_FALSE(joined.borrowed);
    if (*c.joined == 0) {
      EXPECT_EQ(nullptr, joined.handle) << "two empty strings give handle 0";
    }
    if (*c.first == 0 && *c.second != 0) {
      EXPECT_NE(second, joined.handle) << "a new copy, not the operand";
    }
    EXPECT_EQ(c.joined, PopText(frame));
  }
}

TEST(TextConcat, LeavesBorrowedOperandsWithTheirOwners) {
  ProcedureFrame frame;
  DynString first = MakeText("ab");
  DynString second = MakeText("cd");
  TextPushBorrowed(frame, first);
  TextPushBorrowed(frame, second);
  TextConcat(frame);
  EXPECT_EQ("abcd", PopText(frame));
  EXPECT_EQ("ab", TextOf(first));
  EXPECT_EQ("cd", TextOf(second));
  TextRelease(first);
  TextRelease(second);
}

TEST(TextConcat, RefusedStorageGivesTheEmptyStringAndReleasesTheOperands) {
  ProcedureFrame frame;
  TextPushOwned(frame, MakeText("ab"));
  TextPushOwned(frame, MakeText("cd"));
  platform::RefuseNextAllocations(1);
  TextConcat(frame);
  ASSERT_EQ(1, TextStackDepth(frame));
  EXPECT_EQ(nullptr, TextStackEntry(frame, 0).handle);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
  TextDrop(frame);  // LeakSanitizer sees to it that both operands were released
}

TEST(TextAssign, OwnedTemporaryIsMovedIntoTheVariable) {
  ProcedureFrame frame;
  DynString variable = MakeText("old");
  const DynString made = MakeText("new");
  StringAllocations allocations;
  TextPushOwned(frame, made);
  TextAssign(frame, &variable);
  EXPECT_EQ(made, variable);
  EXPECT_EQ(0u, allocations.Made());
  TextPushEmpty(frame);
  TextAssignNew(frame, &variable);
  EXPECT_EQ(nullptr, variable);
  EXPECT_EQ(0u, allocations.Made());
  EXPECT_EQ(0, TextStackDepth(frame));
}

TEST(TextAssign, BorrowedTextOfTheSameLengthReusesTheStorage) {
  ProcedureFrame frame;
  DynString variable = MakeText("abcde");
  DynString source = MakeText("vwxyz");
  const DynString before = variable;
  StringAllocations allocations;
  TextPushBorrowed(frame, source);
  TextAssign(frame, &variable);
  EXPECT_EQ(before, variable);
  EXPECT_EQ("vwxyz", TextOf(variable));
  EXPECT_EQ(0u, allocations.Made());

  DynString longer = MakeText("uvwxyz");
  TextPushBorrowed(frame, longer);
  TextAssign(frame, &variable);
  EXPECT_NE(before, variable);
  EXPECT_EQ("uvwxyz", TextOf(variable));
  EXPECT_EQ(2u, allocations.Made());

  TextPushBorrowed(frame, variable);
  TextAssign(frame, &variable);
  EXPECT_EQ("uvwxyz", TextOf(variable)) << "assigning a variable to itself";

  const DynString kept = variable;
  TextPushBorrowed(frame, longer);
  TextAssignNew(frame, &variable);
  EXPECT_NE(kept, variable) << "the second form never reuses storage";
  EXPECT_EQ("uvwxyz", TextOf(variable));

  TextPushBorrowed(frame, nullptr);
  TextAssign(frame, &variable);
  EXPECT_EQ(nullptr, variable);
  EXPECT_EQ("vwxyz", TextOf(source));
  TextRelease(source);
  TextRelease(longer);
}

TEST(TextAssign, RefusedCopyEmptiesTheVariable) {
  ProcedureFrame frame;
  DynString variable = MakeText("abc");
  DynString source = MakeText("longer");
  TextPushBorrowed(frame, source);
  platform::RefuseNextAllocations(1);
  TextAssign(frame, &variable);
  EXPECT_EQ(nullptr, variable);
  EXPECT_EQ(0, TextStackDepth(frame));
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
  TextRelease(source);
}

TEST(TextPass, OwnedEntriesMoveAndBorrowedOnesAreCopied) {
  ProcedureFrame frame;
  DynString variable = MakeText("held");
  StringAllocations allocations;
  DynString slot = nullptr;
  TextPushBorrowed(frame, variable);
  TextPassRef(frame, &slot);
  EXPECT_NE(variable, slot);
  EXPECT_EQ("held", TextOf(slot));
  EXPECT_EQ(1u, allocations.Made());
  TextRelease(slot);

  const DynString made = MakeText("made");
  TextPushOwned(frame, made);
  EXPECT_EQ(made, TextPassValue(frame, &slot));
  EXPECT_EQ(made, slot);
  EXPECT_EQ(2u, allocations.Made());
  TextRelease(slot);

  TextPushBorrowed(frame, variable);
  platform::RefuseNextAllocations(1);
  EXPECT_EQ(nullptr, TextPassValue(frame, &slot));
  EXPECT_EQ(nullptr, slot);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
  EXPECT_EQ(0, TextStackDepth(frame));
  TextRelease(variable);
}

TEST(TextPass, RowLabelStatementAllocatesOnlyWhatItMust) {
  ProcedureFrame frame;
  StringAllocations allocations;
  DynString slot = nullptr;
  TextPushLiteral(frame, kPool.Entry(0));  // "Item "
  TextPushBytes(frame, " 1", 2);           // the formatted row number
  TextConcat(frame);
  TextPushLiteral(frame, kPool.Entry(1));  // " - Testtekst1"
  TextConcat(frame);
  TextPassRef(frame, &slot);
  EXPECT_EQ("Item  1 - Testtekst1", TextOf(slot));
  EXPECT_EQ(5u, allocations.Made()) << "two literals, the number, two joins; the slot takes the result as it is";
  EXPECT_EQ(0, TextStackDepth(frame));
  TextRelease(slot);
}

TEST(TextPointer, IsNeverNull) {
  DynString empty = nullptr;
  EXPECT_NE(nullptr, TextPointer(&empty));
  EXPECT_EQ(0, *TextPointer(&empty));
  DynString text = MakeText("abc");
  EXPECT_EQ(text, TextPointer(&text));
  TextRelease(text);
}

TEST(TextLength, PopsAndReleasesTheTopEntry) {
  ProcedureFrame frame;
  DynString variable = MakeText("four");
  TextPushOwned(frame, MakeText("abc"));
  TextPushBorrowed(frame, variable);
  TextPushEmpty(frame);
  EXPECT_EQ(0u, TextLength(frame));
  EXPECT_EQ(4u, TextLength(frame));
  EXPECT_EQ(3u, TextLength(frame));
  EXPECT_EQ("four", TextOf(variable));
  TextRelease(variable);
}

}  // namespace
