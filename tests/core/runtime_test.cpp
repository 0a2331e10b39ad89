#include <gtest/gtest.h>

#include "runtime/array_block.h"
#include "runtime/cleanup_list.h"
#include "runtime/platform_class.h"
#include "runtime/runtime_block.h"
#include "runtime/runtime_checks.h"
#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"

#define ROW(call, error) {[](ProcedureFrame& f) -> bool { ArrayDescriptor none{}; return (void)none, call; }, error, #call}

// Raising records the number (0: 51) with the pending flag, the latest winning; each check gives
// whether it passed and records its error (6: range, 9: subscript or array) only when not.
TEST(RuntimeError, RaisesAndChecksRecordTheirNumberWithThePendingFlag) {
  const struct { bool (*run)(ProcedureFrame&); uint32_t error; const char* call; } cases[] = {
      ROW((RaiseError(f, 7), false), 7), ROW((RaiseError(f, 0), false), 51), ROW((RaiseErrorKeepingResult(f, 9), false), 9),
      ROW((RaiseErrorKeepingResult(f, 0), false), 51), ROW((RaiseError5(f), false), 5), ROW((RaiseError6(f), false), 6),
      ROW((RaiseError52(f), false), 52), ROW((RaiseError244(f), false), 244), ROW((RaiseError(f, 7), RaiseError(f, 9), false), 9),
      ROW(CheckByteFrom32(f, 0), 0), ROW(CheckByteFrom32(f, 255), 0), ROW(CheckByteFrom32(f, 256), 6), ROW(CheckByteFrom32(f, -1), 6),
      ROW(CheckUnsignedFrom32(f, 0), 0), ROW(CheckUnsignedFrom32(f, INT32_MAX), 0), ROW(CheckUnsignedFrom32(f, -1), 6),
      ROW(CheckSigned16(f, -32768), 0), ROW(CheckSigned16(f, 32767), 0), ROW(CheckSigned16(f, 32768), 6),
      ROW(CheckSigned16(f, -32769), 6), ROW(CheckNonNegative16(f, 0), 0), ROW(CheckNonNegative16(f, -1), 6),
      ROW(CheckNonNegative16(f, 32768), 6), ROW(CheckUnsigned16(f, 65535), 0), ROW(CheckUnsigned16(f, 65536), 6),
      ROW(CheckUnsigned16(f, -1), 6), ROW(CheckByteFrom16(f, 0x00FF), 0), ROW(CheckByteFrom16(f, 0x0100), 6), ROW(CheckNothing(f), 0),
      ROW(CheckSubscript(f, -3, -3, -1).passed, 0), ROW(CheckSubscript(f, 11, 1, 10).passed, 9),
      ROW(CheckSubscript(f, 0, 1, 10).passed, 9), ROW(CheckSubscript(f, 5, 1, 10).offset == 4, 0),
      ROW(CheckSubscript(f, INT32_MAX, INT32_MIN, INT32_MAX).offset == 0xFFFFFFFF, 0), ROW(CheckArrayPresent(f, none), 9)};
  for (const auto& c : cases) {
    ProcedureFrame frame;
    EXPECT_EQ(c.error == 0, c.run(frame)) << c.call;
    EXPECT_TRUE(frame.errorWord == (c.error == 0 ? 0 : kErrorPending | c.error) && ErrorNumber(frame) == (c.error & 0xFF)) << c.call;
  }
}

// Without a handler an error is dispatched all the same, keeping its number; a new raise replaces number and flags.
struct RowFrame { ProcedureFrame frame; DynString label, notOwned; ArrayDescriptor cells; DynString caption; };
static_assert(CleanupString(-8) == -14 && CleanupArray(-8) == -15, "locals below the frame encode as well");

// Listed strings and arrays go back (the leak checker watches), a skipped one and all past a value shifting to zero stay.
TEST(CleanupList, ReleasesTheListedStringsAndArraysUpToTheEnd) {
  RowFrame row{};
  DynString owner = MakeText("not ours"), kept = MakeText("kept");
  row.label = MakeText("label"), row.notOwned = owner, row.caption = MakeText("caption");
  const ArrayBounds bounds[] = {{0, 2}};
  ArrayDimension(row.frame, row.cells, nullptr, kArrayEraseKeeps, kArrayFirstStringType, sizeof(DynString), bounds);
  static_cast<DynString*>(row.cells.data)[1] = MakeText("cell");
  const CleanupEntry list[] = {CleanupString(offsetof(RowFrame, label)), CleanupSkipped(offsetof(RowFrame, notOwned)),
                               CleanupArray(offsetof(RowFrame, cells)), CleanupString(offsetof(RowFrame, caption)), kCleanupEnd};
  ReleaseLocals(row.frame, list);
  EXPECT_EQ(0, row.cells.flags & kArrayDimensioned) << "arrays are erased with their memory released";
  row.label = MakeText("label"), row.caption = kept;  // value 1 ends a list as well
  ReleaseLocals(row.frame, std::vector<CleanupEntry>{CleanupString(offsetof(RowFrame, label)), 1, CleanupString(offsetof(RowFrame, caption))}.data());
  EXPECT_EQ("not ours|kept|0", TextOf(owner) + "|" + TextOf(kept) + "|" + std::to_string(row.frame.errorWord));
  TextRelease(owner), TextRelease(kept);
}

static int cpuidCalls = 0;
static uint32_t cpuidBits = 0;
static bool keyPresent = false;
static const PlatformProbes kFakes{[] { return ++cpuidCalls, cpuidBits; }, [] { return keyPresent; }};

static OsVersionRecord Version(uint32_t platformId, uint32_t build, uint32_t major = 4, uint32_t minor = 0) {
  return OsVersionRecord{sizeof(OsVersionRecord), major, minor, build, platformId, {}};
}

TEST(PlatformClass, FlagsAndProcessorClassFollowPlatformAndProcessor) {
  constexpr uint32_t kMmxBit = 1u << 23, kWin32s = 0, k9x = 1, kNt = 2;
  // 9x builds by their low 16 bits; NT levels by their low byte; no CPUID on other architectures; both bits count as 9x.
  const struct { OsVersionRecord version; ProcessorFacts processor; uint32_t cpuid; bool key; uint16_t flags; uint8_t cpuClass; int cpuidCalls; } cases[] = {
      {Version(k9x, 950), {486, 0, 0}, kMmxBit, false, kWindows9xBuild950, 4, 0}, {Version(k9x, 0x40000 + 950), {387, 0, 0}, 0, false, kWindows9xBuild950, 4, 0},
      {Version(k9x, 1111), {586, 0, 0}, kMmxBit, false, kWindows9xBuild1111 | kMmx, 5, 1}, {Version(k9x, 0x10000 + 951), {386, 0, 0}, 0, false, kWindows9xOtherBuild, 3, 0},
      {Version(kNt, 2600, 5, 1), {0, 0, 6}, 0, false, kWindowsNt, 5, 1}, {Version(kNt, 1381), {0, 0, 4}, kMmxBit, false, kWindowsNt, 4, 0},
      {Version(kNt, 2600, 5, 1), {0, 0, 15}, kMmxBit, true, kWindowsNt | kMmx | kFloatingPointProcessor, 5, 1},
      {Version(kNt, 1381), {0, 0, 2}, kMmxBit, false, kWindowsNt, 3, 0}, {Version(kNt, 1381), {0, 0, 0x0104}, kMmxBit, false, kWindowsNt, 4, 0},
      {Version(kNt, 1381), {0, 6, 21164}, kMmxBit, false, kWindowsNt, 3, 0}, {Version(3, 950), {586, 0, 0}, 0, false, kWindows9xBuild950, 5, 1},
      {Version(kWin32s, 0), {586, 0, 6}, kMmxBit, true, kFloatingPointProcessor, 3, 0}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    cpuidCalls = 0, cpuidBits = cases[i].cpuid, keyPresent = cases[i].key;
    const PlatformClass found = ClassifyPlatform(cases[i].version, cases[i].processor, kFakes);
    EXPECT_EQ(std::make_tuple(cases[i].flags, cases[i].cpuClass, cases[i].cpuidCalls), std::make_tuple(found.platformFlags, found.cpuClass, cpuidCalls)) << i;
  }
  EXPECT_EQ(0x0A03, ClassifyPlatform(Version(kNt, 0, 0x10A, 0x203), {0, 0, 0}, kFakes).osVersion);
}

constexpr uint8_t kInt32Type = 0x03;

// "flags dimensions elements bytes step1 upper1 error data", or "flags error" for an undimensioned array without memory.
static std::string Shape(const ArrayDescriptor& a, const ProcedureFrame& f) {
  if (!(a.flags & kArrayDimensioned) && !a.data) return std::to_string(a.flags) + " " + std::to_string(f.errorWord);
  return std::to_string(a.flags) + " " + std::to_string(a.dimensions) + " " + std::to_string(a.elementCount) + " " +
         std::to_string(a.byteSize) + " " + std::to_string(a.steps[1]) + " " + std::to_string(a.bounds[1].upper) + " " +
         std::to_string(f.errorWord) + (a.data ? " data" : "");
}

// Dimensioning twice keeps the first dimensions; erasing releases; external memory stays with its owner;
// faulty shapes record 9, leaving the array undimensioned (refused memory: the sweep).
TEST(ArrayDimension, MeasuresBoundsStepsAndSizes) {
  int32_t storage[4] = {1, 2, 3, 4};
  const std::vector<ArrayBounds> two = {{1, 10}, {0, 4}}, one = {{0, 0}}, huge(kArrayMaxDimensions + 1, {0, 1});
  const struct { std::vector<std::vector<ArrayBounds>> dims; void* data; uint8_t flags, type; uint32_t size; const char* shape; } cases[] = {
      {{two, one}, nullptr, 0, kInt32Type, 4, "4 2 50 200 10 4 0 data"}, {{one}, nullptr, 0, kInt32Type, 4, "4 1 1 4 0 0 0 data"},
      {{one}, storage, kArrayExternal, kInt32Type, 4, "5 1 1 4 0 0 0 data"}, 
      {{{{5, 4}}}, nullptr, kArrayDimensioned, kInt32Type, 4, "0 32777"}, {{{{0, 3}, {2, 1}}}, nullptr, kArrayDimensioned, kInt32Type, 4, "0 32777"},
      {{{{INT32_MIN, INT32_MAX}}}, nullptr, kArrayDimensioned, kInt32Type, 1, "0 32777"},
      {{{{0, 65535}, {0, 65536}}}, nullptr, kArrayDimensioned, kInt32Type, 1, "0 32777"},
      {{{{0, 0x3FFFFFFF}, {0, 1}}}, nullptr, kArrayDimensioned, kInt32Type, 4, "0 32777"}, {{{}}, nullptr, kArrayDimensioned, kInt32Type, 4, "0 32777"},
      {{huge}, nullptr, kArrayDimensioned, kInt32Type, 4, "0 32777"}, {{{{0, 3}}}, nullptr, kArrayDimensioned, kArrayFirstStringType, 2, "0 32777"}};
  for (const auto& c : cases) {
    ProcedureFrame frame;
    ArrayDescriptor array{};
    for (const auto& bounds : c.dims) ArrayDimension(frame, array, c.data, c.flags, c.type, c.size, bounds);
    EXPECT_EQ(c.shape, Shape(array, frame));
    EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));
    EXPECT_TRUE((array.flags & kArrayDimensioned) == 0 && (array.data == nullptr || c.data) && storage[2] == 3);
  }
}

// Kept arrays are cleared, their strings released (the leak checker watches); released ones lose their memory.
TEST(ArrayErase, ModesAndFlagsChooseBetweenKeepingAndReleasing) {
  const struct { uint8_t flags; uint32_t mode; bool keeps; uint8_t type = kInt32Type; } cases[] = {
      {0, kEraseKeep, true}, {kArrayEraseReleases, kEraseKeep, true}, {kArrayEraseKeeps, kEraseRelease, false}, {0, 3, true},
      {kArrayEraseReleases, kEraseAsFlagsSay, false}, {kArrayEraseKeeps | kArrayEraseReleases, kEraseAsFlagsSay, false},
      {kArrayEraseKeeps, kEraseAsFlagsSay, true}, {0, kEraseAsFlagsSay, false}, {0, kEraseKeep, true, kArrayFirstStringType},
      {0, kEraseRelease, false, kArrayFirstStringType}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    ProcedureFrame frame;
    ArrayDescriptor array{};
    ArrayDimension(frame, array, nullptr, c.flags, c.type, sizeof(DynString), std::vector<ArrayBounds>{{1, 5}});
    auto* cells = static_cast<DynString*>(array.data);
    cells[0] = MakeText("one"), cells[2] = MakeText("three"), cells[4] = c.type == kInt32Type ? nullptr : MakeText("5");
    if (c.type == kInt32Type) TextRelease(cells[0]), TextRelease(cells[2]);  // plain bytes, not strings
    EXPECT_EQ(0, ArrayErase(frame, array, c.mode));
    EXPECT_EQ(c.keeps, array.data != nullptr && (array.flags & kArrayDimensioned)) << "row " << i;
    EXPECT_TRUE(!c.keeps || std::vector<DynString>(5) == std::vector<DynString>(cells, cells + 5)) << "row " << i;
    ArrayErase(frame, array, kEraseRelease);
  }
}
