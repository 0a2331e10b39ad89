#pragma once
/// @file
/// Sorting the handles of a string array before they are released, so that storage
/// goes back to the allocator from the highest address down.
#include <cstdint>

#include <tabard/base/dyn_string.h>

namespace tabard {
/// @addtogroup runtime
/// @{

/// Sorts the `count` entries of `handles` into descending address order, in place:
/// quicksort around the middle element (the upper of two middles). It recurses only
/// into the smaller part, so its depth stays below log2(count) + 1. Returns the
/// deepest level it reached.
uint32_t SortHandlesDescending(DynString* handles, uint32_t count);

/// @}
}  // namespace tabard
