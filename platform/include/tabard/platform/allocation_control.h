#pragma once
// Counting and refusing allocations, so that tests can check how many strings an
// operation makes, that it gives every one back, and what it does when the system
// has no memory left. Both builds route every string and block allocation and
// release through here; each costs the program one increment.
#include <cstdint>

namespace tabard {

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
// The allocators ask on every call, so the state sits where the calls inline.
struct AllocationControl {
  AllocationCounts counts;
  uint32_t pendingRefusals;
  // Allocations still to be granted before the one refusal RefuseAllocationAfter
  // asked for; unarmed when no such refusal is pending.
  bool refusalAfterGrantsArmed;
  uint32_t grantsBeforeRefusal;
};
inline AllocationControl allocationControl{};

// Called by the allocators: true when this allocation must be refused.
inline bool TakeRefusal() {
  AllocationControl& control = allocationControl;
  if (control.pendingRefusals == 0 && !control.refusalAfterGrantsArmed) [[likely]]
    return false;
  if (control.refusalAfterGrantsArmed) {
    if (control.grantsBeforeRefusal > 0) {
      --control.grantsBeforeRefusal;
      return false;
    }
    control.refusalAfterGrantsArmed = false;
    return true;
  }
  --control.pendingRefusals;
  return true;
}
inline void CountString() { ++allocationControl.counts.strings; }
inline void CountBlock() { ++allocationControl.counts.blocks; }
inline void CountRefused() { ++allocationControl.counts.refused; }
inline void CountStringFreed() { ++allocationControl.counts.stringsFreed; }
inline void CountBlockFreed() { ++allocationControl.counts.blocksFreed; }
}  // namespace detail

}  // namespace platform

}  // namespace tabard
