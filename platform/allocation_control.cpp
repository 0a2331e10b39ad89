#include <tabard/platform/allocation_control.h>

namespace tabard {

namespace platform {

AllocationCounts AllocationCountsNow() { return detail::allocationControl.counts; }

void RefuseNextAllocations(uint32_t count) {
  detail::allocationControl.pendingRefusals = count;
  detail::allocationControl.refusalAfterGrantsArmed = false;
}

void RefuseAllocationAfter(uint32_t granted) {
  detail::allocationControl.pendingRefusals = 0;
  detail::allocationControl.refusalAfterGrantsArmed = true;
  detail::allocationControl.grantsBeforeRefusal = granted;
}

}  // namespace platform

}  // namespace tabard
