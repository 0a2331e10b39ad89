#include "runtime/array_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "runtime/handle_sort.h"
#include "runtime/memory_block.h"
#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"

constexpr uint8_t kInt32Type = 0x03;

// "flags dimensions elements bytes step1 upper1 error data", or "flags error" for an undimensioned array without memory.
static std::string Shape(const ArrayDescriptor& a, const ProcedureFrame& f) {
  if (!(a.flags & kArrayDimensioned) && !a.data) return std::to_string(a.flags) + " " + std::to_string(f.errorWord);
  return std::to_string(a.flags) + " " + std::to_string(a.dimensions) + " " + std::to_string(a.elementCount) + " " +
         std::to_string(a.byteSize) + " " + std::to_string(a.steps[1]) + " " + std::to_string(a.bounds[1].upper) + " " +
         std::to_string(f.errorWord) + (a.data ? " data" : "");
}

// Dimensioning twice keeps the first dimensions; erasing releases; external memory stays with its owner;
// faulty shapes record 9 and refused memory 7, both leaving the array undimensioned.
TEST(ArrayDimension, MeasuresBoundsStepsAndSizes) {
  int32_t storage[4] = {1, 2, 3, 4};
  const std::vector<ArrayBounds> two = {{1, 10}, {0, 4}}, one = {{0, 0}}, huge(kArrayMaxDimensions + 1, {0, 1});
  const struct { std::vector<std::vector<ArrayBounds>> dims; void* data; uint8_t flags, type; uint32_t size; bool refuse; const char* shape; } cases[] = {
      {{two, one}, nullptr, 0, kInt32Type, 4, false, "4 2 50 200 10 4 0 data"}, {{one}, nullptr, 0, kInt32Type, 4, false, "4 1 1 4 0 0 0 data"},
      {{one}, storage, kArrayExternal, kInt32Type, 4, false, "5 1 1 4 0 0 0 data"}, {{two}, nullptr, 0, kInt32Type, 4, true, "0 32775"},
      {{{{5, 4}}}, nullptr, kArrayDimensioned, kInt32Type, 4, false, "0 32777"}, {{{{0, 3}, {2, 1}}}, nullptr, kArrayDimensioned, kInt32Type, 4, false, "0 32777"},
      {{{{INT32_MIN, INT32_MAX}}}, nullptr, kArrayDimensioned, kInt32Type, 1, false, "0 32777"},
      {{{{0, 65535}, {0, 65536}}}, nullptr, kArrayDimensioned, kInt32Type, 1, false, "0 32777"},
      {{{{0, 0x3FFFFFFF}, {0, 1}}}, nullptr, kArrayDimensioned, kInt32Type, 4, false, "0 32777"}, {{{}}, nullptr, kArrayDimensioned, kInt32Type, 4, false, "0 32777"},
      {{huge}, nullptr, kArrayDimensioned, kInt32Type, 4, false, "0 32777"}, {{{{0, 3}}}, nullptr, kArrayDimensioned, kArrayFirstStringType, 2, false, "0 32777"}};
  for (const auto& c : cases) {
    ProcedureFrame frame;
    ArrayDescriptor array{};
    if (c.refuse) platform::RefuseNextAllocations(1);
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
    if (c.keeps) EXPECT_EQ(std::vector<DynString>(5), std::vector<DynString>(cells, cells + 5)) << "row " << i;
    ArrayErase(frame, array, kEraseRelease);
  }
}

TEST(MemoryBlock, ZeroFilledUntilFreed) {
  ProcedureFrame frame;
  auto* block = static_cast<unsigned char*>(MemoryAllocate(frame, 64));
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(std::vector<unsigned char>(64, 0), std::vector<unsigned char>(block, block + 64));
  EXPECT_TRUE(MemoryFree(frame, block) && frame.errorWord == 0);
}

TEST(HandleSort, SortsDescendingWithLogarithmicDepth) {
  std::vector<uintptr_t> ascending(4096), equal(4096, 7), organPipe(4096), random(4096), two = {1, 2};
  for (size_t i = 0; i < 4096; ++i) ascending[i] = i + 1, organPipe[i] = i < 2048 ? i : 4096 - i, random[i] = (i * 2654435761u) % 10007;
  for (const auto* keys : {&ascending, &equal, &organPipe, &random, &two}) {
    std::vector<uintptr_t> sorted = *keys;
    const uint32_t depth = SortHandlesDescending(reinterpret_cast<DynString*>(sorted.data()), static_cast<uint32_t>(sorted.size()));
    EXPECT_TRUE(std::is_sorted(sorted.rbegin(), sorted.rend())) << keys->size();
    EXPECT_LE(depth, keys->size() == 2 ? 3 : 14);  // log2 of the count, plus two
  }
}
