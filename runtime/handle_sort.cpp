#include <tabard/runtime/handle_sort.h>

#include <cstdint>
#include <utility>

namespace tabard {

namespace {

uintptr_t Key(DynString handle) { return reinterpret_cast<uintptr_t>(handle); }

uint32_t SortRange(DynString* handles, int64_t low, int64_t high, uint32_t level) {
  uint32_t deepest = level;
  while (low < high) {
    const uintptr_t pivot = Key(handles[low + (high - low + 1) / 2]);
    int64_t left = low;
    int64_t right = high;
    while (left <= right) {
      while (Key(handles[left]) > pivot) ++left;
      while (Key(handles[right]) < pivot) --right;
      if (left <= right) {
        std::swap(handles[left], handles[right]);
        ++left;
        --right;
      }
    }
    // low..right and left..high remain; the smaller is sorted by recursion, the
    // larger by the next turn of this loop.
    if (right - low < high - left) {
      const uint32_t reached = SortRange(handles, low, right, level + 1);
      if (reached > deepest) deepest = reached;
      low = left;
    } else {
      const uint32_t reached = SortRange(handles, left, high, level + 1);
      if (reached > deepest) deepest = reached;
      high = right;
    }
  }
  return deepest;
}

}  // namespace

uint32_t SortHandlesDescending(DynString* handles, uint32_t count) {
  if (count < 2) return 0;
  return SortRange(handles, 0, int64_t{count} - 1, 1);
}

}  // namespace tabard
