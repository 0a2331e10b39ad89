#pragma once
// Counting and refusing allocations, so that tests can check how many strings an
// operation makes, that it gives every one back, and what it does when the system
// has no memory left. Both builds route every string and block allocation and
// release through here; each costs the program one increment.
#include <cstdint>

namespace platform {

struct AllocationCounts {
  uint64_t strings;       // successful string storage allocations
  uint64_t blocks;        // successful memory block allocations
  uint64_t refused;       // allocations refused, by the system or on request
  uint64_t stringsFreed;  // string storage given back
  uint64_t blocksFreed;   // memory blocks given back
};

AllocationCounts AllocationCountsNow();
// The next `count` string or block allocations fail as if memory were exhausted.
void RefuseNextAllocations(uint32_t count);
// The next `granted` string or block allocations succeed, and the one after them
// fails; later ones succeed again. RefuseNextAllocations(0) cancels it.
void RefuseAllocationAfter(uint32_t granted);

namespace detail {
// Called by the allocators: true when this allocation must be refused.
bool TakeRefusal();
void CountString();
void CountBlock();
void CountRefused();
void CountStringFreed();
void CountBlockFreed();
}  // namespace detail

}  // namespace platform
