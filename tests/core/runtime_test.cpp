#include <gtest/gtest.h>

#include <tuple>

#include <tabard/base/runtime_block.h>
#include <tabard/base/runtime_error.h>
#include <tabard/runtime/array_block.h>
#include <tabard/runtime/cleanup_list.h>
#include <tabard/runtime/handle_sort.h>
#include <tabard/runtime/command_tail.h>
#include <tabard/runtime/platform_class.h>
#include <tabard/runtime/runtime_checks.h>
#include "tests/core/text_test_support.h"

#define ROW(call, error) {[](ProcedureFrame& f) -> bool { ArrayDescriptor none{}; return (void)none, call; }, error}

// Raising records the number (0: 51) with the pending flag, the latest winning; each check gives
// whether it passed and records its error (6: range, 9: subscript or array) only when not.
TEST(RuntimeError, RaisesAndChecksRecordTheirNumberWithThePendingFlag) {
  // clang-format off
  const struct { bool (*run)(ProcedureFrame&); uint32_t error; } cases[] = {
      ROW((RaiseError(f, 0), false), 51), ROW((RaiseError5(f), false), 5), ROW((RaiseError6(f), false), 6),
      ROW((RaiseErrorKeepingResult(f, 9), false), 9), ROW((RaiseErrorKeepingResult(f, 0), false), 51),
      ROW((RaiseError52(f), false), 52), ROW((RaiseError244(f), false), 244), ROW(CheckByteFrom32(f, 0), 0),
      ROW((RaiseError(f, 7), RaiseError(f, 6), false), 6), ROW(CheckByteFrom32(f, 255), 0),
      ROW(CheckByteFrom32(f, 256), 6), ROW(CheckByteFrom32(f, -1), 6), ROW(CheckUnsignedFrom32(f, 0), 0),
      ROW(CheckUnsignedFrom32(f, INT32_MAX), 0), ROW(CheckUnsignedFrom32(f, -1), 6), ROW(CheckSigned16(f, -32768), 0),
      ROW(CheckSigned16(f, 32767), 0), ROW(CheckSigned16(f, 32768), 6), ROW(CheckSigned16(f, -32769), 6),
      ROW(CheckNonNegative16(f, 0), 0), ROW(CheckNonNegative16(f, -1), 6), ROW(CheckNonNegative16(f, 32768), 6),
      ROW(CheckUnsigned16(f, 65535), 0), ROW(CheckUnsigned16(f, 65536), 6), ROW(CheckUnsigned16(f, -1), 6),
      ROW(CheckByteFrom16(f, 0x00FF), 0), ROW(CheckByteFrom16(f, 0x0100), 6), ROW(CheckArrayPresent(f, none), 9),
      ROW(CheckSubscript(f, -3, -3, -1).passed, 0), ROW(CheckSubscript(f, 11, 1, 10).passed, 9),
      ROW(CheckSubscript(f, 0, 1, 10).passed, 9), ROW(CheckSubscript(f, 5, 1, 10).offset == 4, 0),
      ROW(CheckSubscript(f, INT32_MAX, INT32_MIN, INT32_MAX).offset == ~0u, 0), ROW((RaiseError(f, 7), false), 7)};
  // clang-format on
  for (const auto& c : cases) {
    ProcedureFrame frame;
    EXPECT_EQ(c.error == 0, c.run(frame)) << &c - cases;
    EXPECT_EQ(std::tuple(c.error ? kErrorPending | c.error : 0, c.error % 256),
              std::tuple(frame.errorWord, uint32_t{ErrorNumber(frame)}))
        << &c - cases;
  }
}

// The check after a statement takes a pending error once, clearing the flag; with a handler it marks the
// handler entered and says to call it.
TEST(RuntimeError, DispatchCheckTakesAPendingErrorOnceAndMarksTheHandlerEntered) {
  const ErrorHandler handler = [](ProcedureFrame&) {};
  const struct { uint32_t word; ErrorHandler handler; bool dispatched; uint32_t after; } cases[] = {
      {6, handler, false, 6}, {kErrorPending | 6, nullptr, false, 6},
      {kErrorPending | 6, handler, true, kErrorHandlerEntered | 6}};
  for (const auto& c : cases) {
    ProcedureFrame frame;
    frame.errorWord = c.word, frame.errorHandler = c.handler;
    const bool dispatched = ErrorDispatchCheck(frame);
    EXPECT_EQ(std::pair(c.dispatched, c.after), std::pair(dispatched, frame.errorWord)) << &c - cases;
  }
}

struct RowFrame { ProcedureFrame frame; DynString label, notOwned; ArrayDescriptor cells; DynString caption; };
static_assert(CleanupString(-8) == -14 && CleanupArray(-8) == -15, "locals below the frame encode as well");

// Listed strings and arrays go back (the leak checker watches), a skipped one and all past a value
// shifting to zero stay.
TEST(CleanupList, ReleasesTheListedStringsAndArraysUpToTheEnd) {
  DynString owner = MakeText("not ours"), kept = MakeText("kept");
  RowFrame row{{}, MakeText("label"), owner, {}, MakeText("caption")};
  ArrayDimension(row.frame, row.cells, nullptr, kArrayEraseKeeps, kArrayFirstStringType, sizeof(DynString), {{{0, 2}}});
  static_cast<DynString*>(row.cells.data)[1] = MakeText("cell");
  const CleanupEntry list[] = {CleanupString(offsetof(RowFrame, label)), CleanupSkipped(offsetof(RowFrame, notOwned)),
                               CleanupArray(offsetof(RowFrame, cells)), CleanupString(offsetof(RowFrame, caption)),
                               kCleanupEnd};
  ReleaseLocals(row.frame, list);
  EXPECT_EQ(0, row.cells.flags & kArrayDimensioned) << "arrays are erased with their memory released";
  row.label = MakeText("label"), row.caption = kept;  // value 1 ends a list as well
  ReleaseLocals(row.frame, std::vector<CleanupEntry>{list[0], 1, list[3]}.data());
  EXPECT_EQ("not ours|kept|0", TextOf(owner) + "|" + TextOf(kept) + "|" + std::to_string(row.frame.errorWord));
  TextRelease(owner), TextRelease(kept);
}

// Only the blank separates; a quoted name ends at its closing quote or the end of the line.
TEST(CommandTail, StartsPastTheProgramNameAndItsBlanks) {
  const struct { const char *line, *tail; } cases[] = {
      {"\"C:\\Program Files\\demo.exe\"   a b", "a b"}, {"demo.exe", ""}, {"demo.exe\tmore", "\tmore"},
      {"\"no closing quote", ""}, {"\"demo.exe\"x y", "x y"}, {"   lead", "lead"}};
  for (const auto& c : cases) EXPECT_STREQ(c.tail, CommandTailOf(c.line)) << c.line;
}

static int cpuidCalls = 0;
static bool mmx = false, keyPresent = false;
static const PlatformProbes kFakes{[] { return ++cpuidCalls, mmx ? 1u << 23 : 0u; }, [] { return keyPresent; }};

// 9x builds by their low 16 bits; NT levels by their low byte; no CPUID on other architectures;
// both platform bits count as 9x; the version packs major and minor's low bytes.
TEST(PlatformClass, FlagsAndProcessorClassFollowPlatformAndProcessor) {
  constexpr uint32_t k9x = 1, kNt = 2;
  constexpr uint16_t kN = kWindowsNt, kFpu = kFloatingPointProcessor, k950 = kWindows9xBuild950;
  // clang-format off
  const struct { uint32_t os, build; ProcessorFacts cpu; bool mmx, key; uint16_t flags; int level, calls; } cases[] = {
      {k9x, 0x40000 + 950, {387, 0, 0}, 1, 0, k950, 4, 0}, {3, 950, {586, 0, 0}, 0, 0, k950, 5, 1},
      {k9x, 1111, {586, 0, 0}, 1, 0, kWindows9xBuild1111 | kMmx, 5, 1}, {kNt, 2600, {0, 0, 6}, 0, 0, kN, 5, 1},
      {k9x, 0x10000 + 951, {386, 0, 0}, 0, 0, kWindows9xOtherBuild, 3, 0}, {0, 0, {586, 0, 6}, 1, 1, kFpu, 3, 0},
      {kNt, 1381, {0, 0, 2}, 1, 0, kN, 3, 0}, {kNt, 1381, {0, 0, 0x0104}, 1, 0, kN, 4, 0},
      {kNt, 2600, {0, 0, 15}, 1, 1, kN | kMmx | kFpu, 5, 1}, {kNt, 1381, {0, 6, 21164}, 1, 0, kN, 3, 0}};
  // clang-format on
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    cpuidCalls = 0, mmx = c.mmx, keyPresent = c.key;
    const PlatformClass found = ClassifyPlatform({0, 4, 0, c.build, c.os, {}}, c.cpu, kFakes);
    EXPECT_EQ(std::tuple(c.flags, c.level, c.calls), std::tuple(found.platformFlags, int{found.cpuClass}, cpuidCalls)) << i;
  }
  EXPECT_EQ(0x0A03, ClassifyPlatform({0, 0x10A, 0x203, 0, kNt, {}}, {}, kFakes).osVersion);
}

constexpr uint8_t kInt32Type = 0x03;

// "flags dimensions elements bytes step1 upper1 error data", or "flags error" when undimensioned without memory.
static std::string Shape(const ArrayDescriptor& a, const ProcedureFrame& f) {
  if (!(a.flags & kArrayDimensioned) && !a.data) return std::to_string(a.flags) + " " + std::to_string(f.errorWord);
  char shape[96];
  std::snprintf(shape, sizeof shape, "%u %u %u %u %u %d %u%s", a.flags, a.dimensions, a.elementCount, a.byteSize,
                a.steps[1], a.bounds[1].upper, f.errorWord, a.data ? " data" : "");
  return shape;
}

// Dimensioning twice keeps the first dimensions; erasing releases; external memory stays with its owner;
// faulty shapes record 9, leaving the array undimensioned (refused memory: the sweep).
TEST(ArrayDimension, MeasuresBoundsStepsAndSizes) {
  int32_t storage[4] = {1, 2, 3, 4};
  using Dims = std::vector<ArrayBounds>;
  const Dims two = {{1, 10}, {0, 4}}, one = {{0, 0}}, huge(kArrayMaxDimensions + 1, {0, 1});
  // clang-format off
  const struct { std::vector<Dims> dims; const char* shape; uint32_t size = 4; void* data = nullptr;
                 uint8_t flags = kArrayDimensioned, type = kInt32Type; } cases[] = {
      {{two, one}, "4 2 50 200 10 4 0 data", 4, nullptr, 0}, {{one}, "4 1 1 4 0 0 0 data", 4, nullptr, 0},
      {{one}, "5 1 1 4 0 0 0 data", 4, storage, kArrayExternal}, {{{{5, 4}}}, "0 32777"}, {{{}}, "0 32777"},
      {{{{0, 3}, {2, 1}}}, "0 32777"}, {{{{INT32_MIN, INT32_MAX}}}, "0 32777", 1}, {{huge}, "0 32777"},
      {{{{0, 65535}, {0, 65536}}}, "0 32777", 1}, {{{{0, 0x3FFFFFFF}, {0, 1}}}, "0 32777"},
      {{{{0, 3}}}, "0 32777", 2, nullptr, kArrayDimensioned, kArrayFirstStringType}};
  // clang-format on
  for (const auto& c : cases) {
    ProcedureFrame frame;
    ArrayDescriptor array{};
    for (const auto& bounds : c.dims) ArrayDimension(frame, array, c.data, c.flags, c.type, c.size, bounds);
    EXPECT_EQ(c.shape, Shape(array, frame));
    EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));
    EXPECT_EQ(std::tuple(0, Address(c.data), 3), std::tuple(array.flags & kArrayDimensioned, Address(array.data), storage[2]));
  }
}

// Kept arrays are cleared, their strings released (the leak checker watches); released ones lose their memory.
TEST(ArrayErase, ModesAndFlagsChooseBetweenKeepingAndReleasing) {
  constexpr uint8_t kBoth = kArrayEraseKeeps | kArrayEraseReleases, kStr = kArrayFirstStringType;
  // clang-format off
  const struct { uint8_t flags; uint32_t mode; bool keeps; uint8_t type = kInt32Type; } cases[] = {
      {0, kEraseKeep, true}, {kArrayEraseReleases, kEraseKeep, true}, {kArrayEraseKeeps, kEraseRelease, false},
      {0, 3, true}, {kArrayEraseReleases, kEraseAsFlagsSay, false}, {kBoth, kEraseAsFlagsSay, false},
      {kArrayEraseKeeps, kEraseAsFlagsSay, true}, {0, kEraseAsFlagsSay, false}, {0, kEraseKeep, true, kStr},
      {0, kEraseRelease, false, kStr}};
  // clang-format on
  for (const auto& c : cases) {
    ProcedureFrame frame;
    ArrayDescriptor array{};
    ArrayDimension(frame, array, nullptr, c.flags, c.type, sizeof(DynString), std::vector<ArrayBounds>{{1, 5}});
    auto* cells = static_cast<DynString*>(array.data);
    for (const int k : {0, 2, 4}) cells[k] = c.type == kStr ? MakeText("text") : reinterpret_cast<DynString>(cells + k);
    EXPECT_EQ(0, ArrayErase(frame, array, c.mode));
    EXPECT_EQ(std::pair(c.keeps, c.keeps), std::pair(array.data != nullptr, (array.flags & kArrayDimensioned) != 0))
        << &c - cases;
    if (c.keeps) {
      EXPECT_EQ(std::vector<DynString>(5), std::vector<DynString>(cells, cells + 5)) << &c - cases;
    }
    ArrayErase(frame, array, kEraseRelease);
  }
}

// Descending by address; the result is the deepest recursion level, the first call being 1.
TEST(HandleSort, SortsDescendingAndGivesItsDepth) {
  char bytes[4];
  DynString handles[] = {bytes + 1, bytes + 3, bytes, bytes + 2};
  // Empty texts share the null handle; of two equal parts the later is the one recursion sorts.
  DynString empties[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, bytes};
  const uint32_t one = SortHandlesDescending(handles, 1), four = SortHandlesDescending(handles, 4);
  EXPECT_EQ(std::tuple(0u, 2u, 4u), std::tuple(one, four, SortHandlesDescending(empties, 8)));
  EXPECT_EQ((std::vector<const void*>{bytes + 3, bytes + 2, bytes + 1, bytes, bytes, nullptr}),
            (std::vector<const void*>{handles[0], handles[1], handles[2], handles[3], empties[0], empties[7]}));
}
