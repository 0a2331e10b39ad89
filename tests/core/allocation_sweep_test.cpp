// Every text and number operation, and the texts of the demo's main flow, run once for each
// allocation they make with exactly that allocation refused, until a run makes none that could
// be refused. A row pins the state each refusal leaves, in order, and the state and allocation
// count of the run refused nothing; every run must give back all it took.
#include <gtest/gtest.h>

#include <tabard/platform/allocation_control.h>
#include <tabard/runtime/array_block.h>
#include <tabard/runtime/memory_block.h>
#include <tabard/text/mask_format.h>
#include <tabard/text/number_to_text.h>
#include <tabard/text/text_binary.h>
#include <tabard/text/text_build.h>
#include <tabard/text/text_push.h>
#include "app/demo_literals.h"
#include "app/row_texts.h"
#include "tests/core/resource_test_support.h"
#include "tests/core/text_test_support.h"

using namespace std::string_literals;

// One run: its frame and whatever else it writes to; slot 0 is the variable written, then borrowed operands.
struct SweepRun {
  ProcedureFrame frame;
  DynString slots[kRowCells] = {};
  ArrayDescriptor array{};
  void* block = nullptr;
  int refusedAllocation = 1, value = 0;  // value: what the operation returned, where that matters
  // The operation proper begins: the allocations setting up its operands are never refused.
  void Start() const { platform::RefuseAllocationAfter(refusedAllocation - 1); }
};

// States read "stack entries, top first (@: the null handle)|error word>slots=value"; the result's
// is prefixed with the number of allocations made.
struct SweepCase { const char* name; void (*operation)(SweepRun&); std::vector<std::string> refused; std::string result; };
static std::vector<std::string> States(auto... states) { return {std::string(states)...}; }

static void Borrow(SweepRun& r, std::string s) { TextPushBorrowed(r.frame, r.slots[r.slots[1] ? 2 : 1] = MakeText(s)); }

const std::string kX600(600, 'x'), kZ19(19, '0');
const std::string kCells = " - Testtekst1,Testtekst2,Testtekst3,Testtekst4,Testtekst5";

#define OP(refused, result, setup, ...) {#__VA_ARGS__, [](SweepRun& r) { \
    auto& f = r.frame; DynString& v = r.slots[0]; (void)f, (void)v; setup; r.Start(); __VA_ARGS__; }, {refused}, result}
// clang-format off
const SweepCase kCases[] = {
  OP("", "0 @|0>", , TextPushLiteral(f, DemoLiteral(kEmptyText))),
  OP("@|8007>", "1 a\0b|0>"s, , TextPushLiteral(f, MakeLiteralPool("a\0b").Entry(0))),
  OP("@|@|0>=2", "1 @|abc|0>=3", , r.value = TextPushBytes(f, "abc", 3) + 2 * TextPushBytes(f, nullptr, 0)),
  OP(States("\r\n|@|0>=2", "@|ab\0cd|0>=1"s), "2 \r\n|ab\0cd|0>=3"s, , r.value = TextPushFixed(f, "ab\0cd", 5) + 2 * TextPushLineBreak(f)),
  OP("@|@|0>=2", "1 @|a|0>=3", , r.value = TextPushZeroTerminated(f, "a\0b") + 2 * TextPushZeroTerminated(f, nullptr)),
  // Binary images, little-endian; rounding to even; only the low half of 2^32 in 32 bits.
  OP(States("\xFE\xFF\xFF\xFF|4\x12|@|0>=2", "\xFE\xFF\xFF\xFF|@|4|0>=2", "@|4\x12|4|0>=2"), "3 \xFE\xFF\xFF\xFF|4\x12|4|0>=3", ,
     r.value = TextFromBinaryByte(f, 0x1234) + TextFromBinaryInt16(f, 0x1234) + TextFromBinaryInt32(f, -2)),
  OP(States("\0\0\0\0|\0\0\0\0\x01\0\0\0|\x04\0\0\0\0\0\0\0|@|0>=3"s,
            "\0\0\0\0|\0\0\0\0\x01\0\0\0|@|\x02\0\0\0|0>=3"s, "\0\0\0\0|@|\x04\0\0\0\0\0\0\0|\x02\0\0\0|0>=3"s,
            "@|\0\0\0\0\x01\0\0\0|\x04\0\0\0\0\0\0\0|\x02\0\0\0|0>=3"s),
     "4 \0\0\0\0|\0\0\0\0\x01\0\0\0|\x04\0\0\0\0\0\0\0|\x02\0\0\0|0>=4"s, ,
     r.value = TextFromBinaryRoundedLow32(f, 2.5L) + TextFromBinaryRounded64(f, 3.5L) +
               TextFromBinaryRounded64(f, 4294967296.0L) + TextFromBinaryRoundedLow32(f, 4294967296.0L)),
  OP(States("\0\0\0\0\0\0\xF8\x3F|\0\0\xC0\x3F|@|0>=2"s, "\0\0\0\0\0\0\xF8\x3F|@|\0\0\0\0\0\0\0\x80\xFF\x3F|0>=2"s,
            "@|\0\0\xC0\x3F|\0\0\0\0\0\0\0\x80\xFF\x3F|0>=2"s),
     "3 \0\0\0\0\0\0\xF8\x3F|\0\0\xC0\x3F|\0\0\0\0\0\0\0\x80\xFF\x3F|0>=3"s, ,
     r.value = TextFromBinaryExtended(f, 1.0L) + TextFromBinarySingle(f, 1.5L) + TextFromBinaryDouble(f, 1.5L)),
  OP(States("\xFA\0\0\0\0\0\0\0|@|0>=1"s, "@|\x3A\x30\0\0\0\0\0\0|0>=1"s), "2 \xFA\0\0\0\0\0\0\0|\x3A\x30\0\0\0\0\0\0|0>=2"s, ,  // 12346 = 0x303A
     r.value = TextFromBinaryScaled10000(f, 1.23456L) + TextFromBinaryScaled100(f, 2.5L)),
  OP("@|8007>", "1 text|0>", TextPushEmpty(f); PushText(f, "text"), TextConcat(f)),  // a copy, not the operand
  OP("@|8007>", "1 text|0>", PushText(f, "text"); TextPushEmpty(f), TextConcat(f)),
  OP("@|8007>,ab,cd", "1 abcd|0>,ab,cd", Borrow(r, "ab"); Borrow(r, "cd"), TextConcat(f)),
  OP("", "0 0>new", v = MakeText("old"); PushText(f, "new"), TextAssign(f, &v)),
  OP("", "0 0>", v = MakeText("old"); TextPushEmpty(f), TextAssignNew(f, &v)),
  OP("", "0 0>x,x", v = MakeText("a"); Borrow(r, "x"), TextAssign(f, &v)),  // the same length: the storage is reused
  OP("8007>,long", "1 0>long,long", v = MakeText("abc"); Borrow(r, "long"), TextAssign(f, &v)),
  OP("", "0 0>self", v = MakeText("self"); TextPushBorrowed(f, v), TextAssign(f, &v)),
  OP("8007>,xyz", "1 0>xyz,xyz", v = MakeText("abc"); Borrow(r, "xyz"), TextAssignNew(f, &v)),
  OP("", "0 0>", v = MakeText("abc"); TextPushBorrowed(f, nullptr), TextAssign(f, &v)),
  OP("8007>,held", "1 0>held,held", Borrow(r, "held"), TextPassRef(f, &v)),
  OP("", "0 0>made=1", PushText(f, "made"), const DynString got = TextPassValue(f, &v); r.value = got && got == v),
  OP("8007>,it", "1 0>it,it=1", Borrow(r, "it"), const DynString got = TextPassValue(f, &v); r.value = got && got == v),
  OP("abcdef|8007>", "1 cd|0>", PushText(f, "abcdef"), TextMid(f, 3, 2)),  // a refusal leaves the entry as it was
  OP("abc|8007>,abc", "1 b|0>,abc", Borrow(r, "abc"), TextMid(f, 2, 1)), OP("@|8007>", "1    |0>", , TextSpaces(f, 3)),
  OP("@|8007>", "1 zzzz|0>", , TextRepeatChar(f, 4, 'z')), OP("", "0 @|0>", , TextRepeatChar(f, 0, 'z')),
  OP("@|8007>", "1 ababab|0>", PushText(f, "ab"), TextRepeat(f, 3)),
  OP("@|8007>", "1 xxx|0>", PushText(f, "xy"), TextRepeatFirst(f, 3)),
  OP("@|8007>", "1 \0\0\0|0>"s, TextPushEmpty(f), TextRepeatFirst(f, 3)),  // the first byte of an empty text is 0
  // Totals beyond the 32-bit length word fail like refused storage, without asking for it.
  OP("@|@|8007>", "", TextPushEmpty(f), TextSpaces(f, 0xFFFFFFFFu)),
  OP("@|@|8007>", "", TextPushEmpty(f), TextRepeatChar(f, 0xFFFFFFFFu, 'x')),
  OP("@|@|8007>", "", TextPushEmpty(f); PushText(f, "q"), TextRepeatFirst(f, 0xFFFFFFFFu)),
  OP("", "0 @|@|8007>", TextPushEmpty(f); PushText(f, "ab"), TextRepeat(f, 0x80000001u)),  // would wrap to 2
  OP("", "0 @|@|8007>", TextPushEmpty(f); PushText(f, std::string(16, 'x')), TextRepeat(f, 0x10000000u)),  // to 0
  OP("0>", "1 0>ab", v = MakeText("abcdef"), v = TextShrink(v, 2)),
  OP("0>", "1 0>ab", v = MakeText("ab"), v = TextShrink(v, 10)),
  OP("", "0 0>", v = MakeText("ab"), v = TextShrink(v, 0)),
  OP(States(" .25| 1.23E+3| 3.141593|@|8007>", " .25| 1.23E+3|@| .666666666666667|8007>",
            " .25|@| 3.141593| .666666666666667|8007>", "@| 1.23E+3| 3.141593| .666666666666667|8007>"), "4  .25| 1.23E+3| 3.141593| .666666666666667|0>", ,  // no trailing blank
     NumberToText(f, 2.0L / 3); NumberToTextShort(f, 3.14159265358979L); NumberToTextDigits(f, 1234, 3);
     NumberToTextDigits(f, 0.25L, 0)),
  OP("@|8007>,#.##", "1 10.00|0>,#.##", Borrow(r, "#.##"), NumberFormatMask(f, 9.999L)),
  OP("@|8007>", "1 5|0>", TextPushEmpty(f), NumberFormatMask(f, 5)),
  // Results beyond the formatter's 512-byte work area are whole.
  OP("@|8007>", "1 " + kX600 + "  5" + kX600 + "|0>", PushText(f, kX600 + "###" + kX600), NumberFormatMask(f, 5)),
  OP("@|8007>", "1 " + std::string(510, '*') + "5.00|0>", PushText(f, "**" + std::string(509, '#') + ".##"),
     NumberFormatMask(f, 5)),
  OP("@|8007>", "1 1" + std::string(1000, '0') + "." + kZ19 + "|0>", PushText(f, "#." + std::string(19, '#')),
     NumberFormatMask(f, 1e1000L)),
  OP("8007>", "1 0>", , r.block = MemoryAllocate(f, 64)),
  OP("8007>", "1 0>", , const ArrayBounds bounds[] = {{1, 10}, {0, 4}};
     ArrayDimension(f, r.array, nullptr, 0, kArrayFirstStringType, sizeof(DynString), bounds)),
  OP(States("8007>Item  7" + kCells, "8007>Item  7 - Testtekst1,Testtekst2,Testtekst3,Testtekst4,,TestTekst6",
            "8007>Item  7 - Testtekst1,Testtekst2,Testtekst3,,Testtekst5,TestTekst6",
            "8007>Item  7 - Testtekst1,Testtekst2,,Testtekst4,Testtekst5,TestTekst6",
            "8007>Item  7 - Testtekst1,,Testtekst3,Testtekst4,Testtekst5,TestTekst6", "8007> 7" + kCells + ",TestTekst6",
            "8007>Item 7" + kCells + ",TestTekst6", "8007>Item " + kCells + ",TestTekst6", "8007>" + kCells + ",TestTekst6",
            "8007>Item  7" + kCells.substr(13) + ",TestTekst6", "8007>" + kCells.substr(13) + ",TestTekst6"), "11 0>Item  7" + kCells + ",TestTekst6", , BuildRowCells(f, 7, r.slots)),
  OP(States(" 0|8007>", "Number of elements in the listview: |8007>", "@|8007>"), "3 Number of elements in the listview:  0|0>", , PushCountMessage(f, 0)),
};
// clang-format on

TEST(AllocationFailureSweep, EveryOperationAndDemoTextSurvivesEachRefusal) {
  for (const SweepCase& c : kCases) {
    for (int n = 1; !testing::Test::HasFailure(); ++n) {
      SCOPED_TRACE(testing::Message() << c.name << ", allocation " << n << " refused");
      const platform::ResourceCounts before = platform::LiveResourcesNow();
      const uint64_t refusedBefore = platform::AllocationCountsNow().refused;
      SweepRun r;
      r.refusedAllocation = n;
      c.operation(r);
      platform::RefuseNextAllocations(0);
      // Pops the stack and gives everything back, describing what it found.
      std::string state = Drain(r.frame) + ">";
      for (DynString& slot : r.slots) state += TextOf(slot) + ",", TextRelease(std::exchange(slot, nullptr));
      state.erase(state.find_last_not_of(',') + 1);
      if (r.array.flags & kArrayDimensioned) ArrayErase(r.frame, r.array, kEraseRelease);
      if (r.block != nullptr) MemoryFree(r.frame, r.block);
      if (r.value != 0) state += "=" + std::to_string(r.value);
      EXPECT_EQ(before, platform::LiveResourcesNow()) << "not everything was given back";
      if (platform::AllocationCountsNow().refused == refusedBefore) {
        EXPECT_EQ(c.result, std::to_string(n - 1) + " " + state);
        break;
      }
      EXPECT_EQ(n <= int(c.refused.size()) ? c.refused[n - 1] : "(no refusal pinned)", state);
      if (c.result.empty()) break;  // beyond what any storage could hold: refused every time
    }
  }
}
