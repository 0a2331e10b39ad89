#include "runtime/array_block.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/handle_sort.h"
#include "runtime/memory_block.h"
#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"

namespace {

constexpr uint8_t kInt32Type = 0x03;

TEST(MemoryBlock, ZeroFilledUntilFreed) {
  ProcedureFrame frame;
  auto* block = static_cast<unsigned char*>(MemoryAllocate(frame, 64));
  ASSERT_NE(nullptr, block);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(0, block[i]);
  EXPECT_TRUE(MemoryFree(frame, block));
  EXPECT_EQ(0u, frame.errorWord);

  platform::RefuseNextAllocations(1);
  EXPECT_EQ(nullptr, MemoryAllocate(frame, 64));
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
}

TEST(ArrayDimension, MeasuresBoundsStepsAndSizes) {
  ProcedureFrame frame;
  ArrayDescriptor array{};
  const ArrayBounds bounds[] = {{1, 10}, {0, 4}};
  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, bounds);
  EXPECT_EQ(0u, frame.errorWord);
  EXPECT_EQ(kArrayDimensioned, array.flags);
  EXPECT_EQ(2, array.dimensions);
  EXPECT_EQ(50u, array.elementCount);
  EXPECT_EQ(200u, array.byteSize);
  EXPECT_EQ(10u, array.steps[1]);
  EXPECT_EQ(4, array.bounds[1].upper);
  ASSERT_NE(nullptr, array.data);

  const ArrayBounds other[] = {{0, 0}};
  void* const block = array.data;
  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, other);
  EXPECT_EQ(block, array.data) << "dimensioning twice keeps the first dimensions";
  EXPECT_EQ(50u, array.elementCount);
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));
  EXPECT_EQ(0, array.flags);
  EXPECT_EQ(nullptr, array.data);

  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, other);
  EXPECT_EQ(1u, array.elementCount) << "bounds 0 to 0 give one element";
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseAsFlagsSay));
  EXPECT_EQ(0u, frame.errorWord);
}

TEST(ArrayDimension, FaultyShapesRecordNineAndLeaveTheArrayUndimensioned) {
  struct Case {
    const char* name;
    std::vector<ArrayBounds> bounds;
    uint32_t elementSize;
    uint8_t elementType;
  };
  const Case cases[] = {
      {"reversed", {{5, 4}}, 4, kInt32Type},
      {"reversed second", {{0, 3}, {2, 1}}, 4, kInt32Type},
      {"count over 32 bits", {{INT32_MIN, INT32_MAX}}, 1, kInt32Type},
      {"element count over 32 bits", {{0, 65535}, {0, 65536}}, 1, kInt32Type},
      {"byte size over 32 bits", {{0, 0x3FFFFFFF}, {0, 1}}, 4, kInt32Type},
      {"no dimensions", {}, 4, kInt32Type},
      {"too many dimensions", std::vector<ArrayBounds>(kArrayMaxDimensions + 1, {0, 1}), 4, kInt32Type},
      {"string elements not handle-sized", {{0, 3}}, 2, kArrayFirstStringType},
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    ArrayDescriptor array{};
    ArrayDimension(frame, array, nullptr, kArrayDimensioned, c.elementType, c.elementSize, c.bounds);
    EXPECT_EQ(kErrorPending | kErrorArrayBounds, frame.errorWord) << c.name;
    EXPECT_EQ(0, array.flags & kArrayDimensioned) << c.name;
    EXPECT_EQ(nullptr, array.data) << c.name;
  }
}

TEST(ArrayDimension, RefusedMemoryRecordsSeven) {
  ProcedureFrame frame;
  ArrayDescriptor array{};
  const ArrayBounds bounds[] = {{0, 9}};
  platform::RefuseNextAllocations(1);
  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, bounds);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
  EXPECT_EQ(0, array.flags & kArrayDimensioned);
}

TEST(ArrayErase, ExternalArraysKeepTheirMemory) {
  ProcedureFrame frame;
  int32_t storage[4] = {1, 2, 3, 4};
  ArrayDescriptor array{};
  const ArrayBounds bounds[] = {{0, 3}};
  ArrayDimension(frame, array, storage, kArrayExternal, kInt32Type, 4, bounds);
  EXPECT_EQ(storage, array.data);
  EXPECT_EQ(16u, array.byteSize);
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));
  EXPECT_EQ(0, array.flags);
  EXPECT_EQ(3, storage[2]);
}

TEST(ArrayErase, ModesAndFlagsChooseBetweenKeepingAndReleasing) {
  struct Case {
    uint8_t flags;
    uint32_t mode;
    bool keeps;
  };
  const Case cases[] = {
      {0, kEraseKeep, true},
      {kArrayEraseReleases, kEraseKeep, true},
      {kArrayEraseKeeps, kEraseRelease, false},
      {0, 3, true},
      {kArrayEraseReleases, kEraseAsFlagsSay, false},
      {kArrayEraseKeeps | kArrayEraseReleases, kEraseAsFlagsSay, false},
      {kArrayEraseKeeps, kEraseAsFlagsSay, true},
      {0, kEraseAsFlagsSay, false},
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    ArrayDescriptor array{};
    const ArrayBounds bounds[] = {{0, 3}};
    ArrayDimension(frame, array, nullptr, c.flags, kInt32Type, 4, bounds);
    static_cast<int32_t*>(array.data)[1] = 42;
    EXPECT_EQ(0, ArrayErase(frame, array, c.mode));
    if (c.keeps) {
      ASSERT_NE(nullptr, array.data);
      EXPECT_EQ(0, static_cast<int32_t*>(array.data)[1]);
      EXPECT_TRUE(array.flags & kArrayDimensioned);
      EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));
    } else {
      EXPECT_EQ(nullptr, array.data);
      EXPECT_FALSE(array.flags & kArrayDimensioned);
    }
  }
}

TEST(ArrayErase, ReleasesEveryStringOfAStringArray) {
  ProcedureFrame frame;
  ArrayDescriptor array{};
  const ArrayBounds bounds[] = {{1, 5}};
  ArrayDimension(frame, array, nullptr, 0, kArrayFirstStringType, sizeof(DynString), bounds);
  auto* handles = static_cast<DynString*>(array.data);
  handles[0] = MakeText("one");
  handles[2] = MakeText("three");
  handles[4] = MakeText("five");
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseKeep));
  EXPECT_TRUE(array.flags & kArrayDimensioned);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(nullptr, handles[i]);
  handles[1] = MakeText("again");
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));  // LeakSanitizer checks the strings went back
}

TEST(HandleSort, SortsDescendingWithLogarithmicDepth) {
  struct Case {
    const char* name;
    std::vector<uintptr_t> keys;
  };
  std::vector<uintptr_t> ascending(4096), equal(4096, 7), organPipe(4096), random(4096);
  for (size_t i = 0; i < 4096; ++i) {
    ascending[i] = i + 1;
    organPipe[i] = i < 2048 ? i : 4096 - i;
    random[i] = (i * 2654435761u) % 10007;
  }
  const Case cases[] = {
      {"ascending", ascending}, {"equal", equal}, {"organ pipe", organPipe}, {"random", random}, {"two", {1, 2}},
  };
  for (const Case& c : cases) {
    std::vector<DynString> handles;
    for (uintptr_t key : c.keys) handles.push_back(reinterpret_cast<DynString>(key));
    const uint32_t depth = SortHandlesDescending(handles.data(), static_cast<uint32_t>(handles.size()));
    for (size_t i = 1; i < handles.size(); ++i)
      ASSERT_GE(reinterpret_cast<uintptr_t>(handles[i - 1]), reinterpret_cast<uintptr_t>(handles[i])) << c.name;
    uint32_t log2 = 0;
    while ((size_t{1} << (log2 + 1)) <= handles.size()) ++log2;
    EXPECT_LE(depth, log2 + 2) << c.name;
  }
}

}  // namespace
