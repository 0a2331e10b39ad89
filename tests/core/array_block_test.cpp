#include "runtime/array_block.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/handle_sort.h"
#include "runtime/memory_block.h"
#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"

constexpr uint8_t kInt32Type = 0x03;

TEST(MemoryBlock, ZeroFilledUntilFreedAndError7WhenRefused) {
  ProcedureFrame frame;
  auto* block = static_cast<unsigned char*>(MemoryAllocate(frame, 64));
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(std::vector<unsigned char>(64, 0), std::vector<unsigned char>(block, block + 64));
  EXPECT_TRUE(MemoryFree(frame, block));
  EXPECT_EQ(0u, frame.errorWord);
  platform::RefuseNextAllocations(1);
  EXPECT_EQ(nullptr, MemoryAllocate(frame, 64));
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
}

TEST(ArrayDimension, MeasuresBoundsStepsAndSizesOnce) {
  ProcedureFrame frame;
  ArrayDescriptor array{};
  const ArrayBounds bounds[] = {{1, 10}, {0, 4}}, other[] = {{0, 0}};
  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, bounds);
  void* const block = array.data;
  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, other);  // dimensioning twice keeps the first
  EXPECT_EQ(std::vector<int64_t>({kArrayDimensioned, 2, 50, 200, 10, 4, 0}),
            std::vector<int64_t>({array.flags, array.dimensions, array.elementCount, array.byteSize, array.steps[1],
                                  array.bounds[1].upper, frame.errorWord}));
  EXPECT_TRUE(block != nullptr && block == array.data);
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));
  EXPECT_TRUE(array.flags == 0 && array.data == nullptr);
  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, other);
  EXPECT_EQ(1u, array.elementCount) << "bounds 0 to 0 give one element";
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseAsFlagsSay));
  int32_t storage[4] = {1, 2, 3, 4};
  ArrayDimension(frame, array, storage, kArrayExternal, kInt32Type, 4, std::vector<ArrayBounds>{{0, 3}});
  EXPECT_TRUE(array.data == storage && array.byteSize == 16);
  EXPECT_EQ(0, ArrayErase(frame, array, kEraseRelease));
  EXPECT_TRUE(array.flags == 0 && storage[2] == 3) << "external arrays keep their memory";
  platform::RefuseNextAllocations(1);
  ArrayDimension(frame, array, nullptr, 0, kInt32Type, 4, bounds);
  EXPECT_EQ(kErrorPending | kErrorAllocationFailed, frame.errorWord);
  EXPECT_EQ(0, array.flags & kArrayDimensioned);
}

TEST(ArrayDimension, FaultyShapesRecordNineAndLeaveTheArrayUndimensioned) {
  const struct { std::vector<ArrayBounds> bounds; uint32_t elementSize; uint8_t elementType; } cases[] = {
      {{{5, 4}}, 4, kInt32Type}, {{{0, 3}, {2, 1}}, 4, kInt32Type}, {{{INT32_MIN, INT32_MAX}}, 1, kInt32Type},
      {{{0, 65535}, {0, 65536}}, 1, kInt32Type}, {{{0, 0x3FFFFFFF}, {0, 1}}, 4, kInt32Type}, {{}, 4, kInt32Type},
      {std::vector<ArrayBounds>(kArrayMaxDimensions + 1, {0, 1}), 4, kInt32Type}, {{{0, 3}}, 2, kArrayFirstStringType}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    ProcedureFrame frame;
    ArrayDescriptor array{};
    ArrayDimension(frame, array, nullptr, kArrayDimensioned, cases[i].elementType, cases[i].elementSize, cases[i].bounds);
    EXPECT_EQ(kErrorPending | kErrorArrayBounds, frame.errorWord) << "row " << i;
    EXPECT_TRUE((array.flags & kArrayDimensioned) == 0 && array.data == nullptr) << "row " << i;
  }
}

// Kept arrays are cleared, their strings released (the leak checker watches); released ones lose their memory.
TEST(ArrayErase, ModesAndFlagsChooseBetweenKeepingAndReleasing) {
  const struct { uint8_t flags; uint32_t mode; bool keeps; uint8_t type = kInt32Type; } cases[] = {
      {0, kEraseKeep, true}, {kArrayEraseReleases, kEraseKeep, true}, {kArrayEraseKeeps, kEraseRelease, false},
      {0, 3, true}, {kArrayEraseReleases, kEraseAsFlagsSay, false}, {kArrayEraseKeeps | kArrayEraseReleases, kEraseAsFlagsSay, false},
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
    if (c.keeps) EXPECT_EQ(std::vector<DynString>(5), std::vector<DynString>(cells, cells + 5)) << "row " << i;
    ArrayErase(frame, array, kEraseRelease);
  }
}

TEST(HandleSort, SortsDescendingWithLogarithmicDepth) {
  std::vector<uintptr_t> ascending(4096), equal(4096, 7), organPipe(4096), random(4096), two = {1, 2};
  for (size_t i = 0; i < 4096; ++i)
    ascending[i] = i + 1, organPipe[i] = i < 2048 ? i : 4096 - i, random[i] = (i * 2654435761u) % 10007;
  for (const auto* keys : {&ascending, &equal, &organPipe, &random, &two}) {
    std::vector<DynString> handles;
    for (uintptr_t key : *keys) handles.push_back(reinterpret_cast<DynString>(key));
    const uint32_t depth = SortHandlesDescending(handles.data(), static_cast<uint32_t>(handles.size()));
    for (size_t i = 1; i < handles.size(); ++i) ASSERT_GE(handles[i - 1], handles[i]) << keys->size();
    EXPECT_LE(depth, keys->size() == 2 ? 3 : 14);  // log2 of the count, plus two
  }
}
