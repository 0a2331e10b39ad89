#pragma once
// Counting and refusing allocations, so that tests can check how many strings an
// operation makes and what it does when the system has no memory left. Both builds
// route every string and block allocation through here.
#include <cstdint>

namespace platform {

struct AllocationCounts {
  uint64_t strings;  // successful string storage allocations
  uint64_t blocks;   // successful memory block allocations
  uint64_t refused;  // allocations refused, by the system or on request
};

AllocationCounts AllocationCountsNow();
// The next `count` string or block allocations fail as if memory were exhausted.
void RefuseNextAllocations(uint32_t count);

namespace detail {
// Called by the allocators: true when this allocation must be refused.
bool TakeRefusal();
void CountString();
void CountBlock();
void CountRefused();
}  // namespace detail

}  // namespace platform
