// Every text and number operation, and the texts of the demo's main flow, run once
// for each allocation they make with exactly that allocation refused, until a run
// makes no allocation that could be refused. Each run must record the documented
// error, leave the documented number of temporaries and give back everything it
// took; the sanitizers of the host build watch every byte on the way.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/row_texts.h"
#include "platform/allocation_control.h"
#include "runtime/array_block.h"
#include "runtime/memory_block.h"
#include "runtime/runtime_error.h"
#include "tests/core/resource_test_support.h"
#include "tests/core/text_test_support.h"
#include "text/literal_pool.h"
#include "text/mask_format.h"
#include "text/number_to_text.h"
#include "text/text_binary.h"
#include "text/text_build.h"
#include "text/text_push.h"

namespace {

constexpr auto kPool = MakeLiteralPool("Item ", "Testtekst1");
constexpr uint32_t kNoEnd = 100000;

// One run of an operation: its frame and whatever else it writes to, all given
// back by the sweep after the run.
struct SweepRun {
  ProcedureFrame frame;
  DynString slots[kRowCells] = {};
  ArrayDescriptor array{};
  void* block = nullptr;
  uint32_t refusedAllocation = 1;  // counted from Start()
  // Where the operation proper begins: the allocations that set up its operands
  // are never refused.
  void Start() const { platform::RefuseAllocationAfter(refusedAllocation - 1); }
};

struct SweepCase {
  const char* name;
  void (*operation)(SweepRun& run);
  uint8_t error;  // recorded when an allocation is refused: 7, or 0 where the operation raises nothing
  int depth;      // temporaries the operation leaves, whether refused or not
};

void GiveBack(SweepRun& run) {
  while (TextStackDepth(run.frame) > 0) TextDrop(run.frame);
  for (DynString& slot : run.slots) TextRelease(std::exchange(slot, nullptr));
  if (run.array.flags & kArrayDimensioned) ArrayErase(run.frame, run.array, kEraseRelease);
  if (run.block != nullptr) MemoryFree(run.frame, run.block);
}

int FailuresSoFar() { return testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count(); }

// Runs the case with its first, second, third ... allocation refused, until a run
// completes without a refusal. Returns the number of allocation points swept.
uint32_t SweepAllocationFailures(const SweepCase& c) {
  const int failuresBefore = FailuresSoFar();
  for (uint32_t n = 1; n < kNoEnd; ++n) {
    SCOPED_TRACE(testing::Message() << c.name << ", allocation " << n << " refused");
    const platform::ResourceCounts before = platform::LiveResourcesNow();
    const uint64_t refusedBefore = platform::AllocationCountsNow().refused;
    SweepRun run;
    run.refusedAllocation = n;
    c.operation(run);
    platform::RefuseNextAllocations(0);
    const bool refused = platform::AllocationCountsNow().refused != refusedBefore;
    EXPECT_EQ(refused ? c.error : 0, ErrorNumber(run.frame));
    EXPECT_EQ(c.depth, TextStackDepth(run.frame)) << "a temporary left behind or lost";
    GiveBack(run);
    EXPECT_EQ(before, platform::LiveResourcesNow()) << "not everything was given back";
    if (FailuresSoFar() != failuresBefore) return n;
    if (!refused) return n - 1;
  }
  ADD_FAILURE() << c.name << " never ran without a refusal";
  return 0;
}

uint32_t SweepAll(const SweepCase* cases, size_t count) {
  uint32_t points = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t swept = SweepAllocationFailures(cases[i]);
    EXPECT_GT(swept, 0u) << cases[i].name << " allocated nothing that could be refused";
    points += swept;
  }
  return points;
}

// A borrowed operand: the text lives in a slot the sweep gives back.
void PushBorrowed(SweepRun& run, int slot, const char* text) {
  run.slots[slot] = MakeText(text);
  TextPushBorrowed(run.frame, run.slots[slot]);
}

// clang-format off
const SweepCase kTextCases[] = {
  {"TextPushLiteral", [](SweepRun& r) { r.Start(); TextPushLiteral(r.frame, kPool.Entry(1)); }, 7, 1},
  {"TextPushBytes", [](SweepRun& r) { r.Start(); TextPushBytes(r.frame, "abc", 3); }, 0, 1},
  {"TextPushFixed", [](SweepRun& r) { r.Start(); TextPushFixed(r.frame, "abcd", 4); }, 0, 1},
  {"TextPushZeroTerminated", [](SweepRun& r) { r.Start(); TextPushZeroTerminated(r.frame, "abc"); }, 0, 1},
  {"TextPushLineBreak", [](SweepRun& r) { r.Start(); TextPushLineBreak(r.frame); }, 0, 1},
  {"TextConcat of owned texts", [](SweepRun& r) {
     PushText(r.frame, "Item "); PushText(r.frame, " 1"); r.Start(); TextConcat(r.frame); }, 7, 1},
  {"TextConcat of borrowed texts", [](SweepRun& r) {
     PushBorrowed(r, 0, "Item "); PushBorrowed(r, 1, "7"); r.Start(); TextConcat(r.frame); }, 7, 1},
  {"TextAssign of a borrowed text", [](SweepRun& r) {
     r.slots[0] = MakeText("old"); PushBorrowed(r, 1, "longer"); r.Start(); TextAssign(r.frame, &r.slots[0]); }, 7, 0},
  {"TextAssignNew of a borrowed text", [](SweepRun& r) {
     r.slots[0] = MakeText("abc"); PushBorrowed(r, 1, "xyz"); r.Start(); TextAssignNew(r.frame, &r.slots[0]); }, 7, 0},
  {"TextPassRef of a borrowed text", [](SweepRun& r) {
     PushBorrowed(r, 1, "xyz"); r.Start(); TextPassRef(r.frame, &r.slots[0]); }, 7, 0},
  {"TextPassValue of a literal", [](SweepRun& r) {
     r.Start(); TextPushLiteral(r.frame, kPool.Entry(0)); TextPassValue(r.frame, &r.slots[0]); }, 7, 0},
  {"TextMid", [](SweepRun& r) { PushText(r.frame, "abcdef"); r.Start(); TextMid(r.frame, 2, 3); }, 7, 1},
  {"TextSpaces", [](SweepRun& r) { r.Start(); TextSpaces(r.frame, 10); }, 7, 1},
  {"TextRepeatChar", [](SweepRun& r) { r.Start(); TextRepeatChar(r.frame, 4, 'x'); }, 7, 1},
  {"TextRepeatFirst", [](SweepRun& r) { PushText(r.frame, "abc"); r.Start(); TextRepeatFirst(r.frame, 5); }, 7, 1},
  {"TextRepeat", [](SweepRun& r) { PushText(r.frame, "abc"); r.Start(); TextRepeat(r.frame, 3); }, 7, 1},
  {"TextShrink", [](SweepRun& r) {
     r.slots[0] = MakeText("abcdef"); r.Start(); r.slots[0] = TextShrink(r.slots[0], 3); }, 0, 0},
  {"binary images of numbers", [](SweepRun& r) {
     r.Start();
     TextFromBinaryByte(r.frame, 300); TextFromBinaryInt16(r.frame, -2); TextFromBinaryInt32(r.frame, 70000);
     TextFromBinaryRoundedLow32(r.frame, 2.5L); TextFromBinarySingle(r.frame, 1.5L);
     for (int i = 0; i < 5; ++i) TextDrop(r.frame);
     TextFromBinaryRounded64(r.frame, -3.5L); TextFromBinaryDouble(r.frame, 0.1L);
     TextFromBinaryScaled10000(r.frame, 1.25L); TextFromBinaryScaled100(r.frame, 9.99L);
     TextFromBinaryExtended(r.frame, 1e300L);
     for (int i = 0; i < 5; ++i) TextDrop(r.frame); }, 0, 0},
  {"NumberToText", [](SweepRun& r) { r.Start(); NumberToText(r.frame, -1234.5L); }, 7, 1},
  {"NumberToTextShort", [](SweepRun& r) { r.Start(); NumberToTextShort(r.frame, 1e-30L); }, 7, 1},
  {"NumberToTextDigits", [](SweepRun& r) { r.Start(); NumberToTextDigits(r.frame, 2.0L / 3, 17); }, 7, 1},
  {"NumberFormatMask with an owned mask", [](SweepRun& r) {
     PushText(r.frame, "$#,##0.00;(#)"); r.Start(); NumberFormatMask(r.frame, -1234567.891L); }, 7, 1},
  {"NumberFormatMask with a long borrowed mask", [](SweepRun& r) {
     PushBorrowed(r, 0, std::string(700, 'x').append("##.##^^^^").c_str()); r.Start();
     NumberFormatMask(r.frame, 3.5L); }, 7, 1},
  {"MemoryAllocate", [](SweepRun& r) { r.Start(); r.block = MemoryAllocate(r.frame, 64); }, 7, 0},
  {"ArrayDimension of strings", [](SweepRun& r) {
     const ArrayBounds bounds[] = {{1, 10}, {0, 4}};
     r.Start(); ArrayDimension(r.frame, r.array, nullptr, 0, kArrayFirstStringType, sizeof(DynString), bounds); }, 7, 0},
};

const SweepCase kDemoCases[] = {
  {"the cells of row 7", [](SweepRun& r) { r.Start(); BuildRowCells(r.frame, 7, r.slots); }, 7, 0},
  {"the count message", [](SweepRun& r) { r.Start(); PushCountMessage(r.frame, 20); }, 7, 1},
  {"twenty rows and the count message", [](SweepRun& r) {
     r.Start();
     for (int32_t n = 1; n <= 20; ++n) {
       BuildRowCells(r.frame, n, r.slots);
       for (DynString& cell : r.slots) TextRelease(std::exchange(cell, nullptr));
     }
     PushCountMessage(r.frame, 20); }, 7, 1},
};
// clang-format on

TEST(AllocationFailureSweep, EveryTextAndNumberOperationSurvivesEachRefusal) {
  const uint32_t points = SweepAll(kTextCases, std::size(kTextCases));
  std::printf("text and number operations: %zu, allocation points swept: %u\n", std::size(kTextCases), points);
}

TEST(AllocationFailureSweep, TheDemoTextsSurviveEachRefusal) {
  const uint32_t points = SweepAll(kDemoCases, std::size(kDemoCases));
  std::printf("demo flows: %zu, allocation points swept: %u\n", std::size(kDemoCases), points);
}

}  // namespace
