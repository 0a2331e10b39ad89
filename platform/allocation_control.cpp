#include "platform/allocation_control.h"

namespace platform {
namespace {
AllocationCounts counts{};
uint32_t pendingRefusals = 0;
// Allocations still to be granted before the one refusal RefuseAllocationAfter
// asked for; unarmed when no such refusal is pending.
bool refusalAfterGrantsArmed = false;
uint32_t grantsBeforeRefusal = 0;
}  // namespace

AllocationCounts AllocationCountsNow() { return counts; }

void RefuseNextAllocations(uint32_t count) {
  pendingRefusals = count;
  refusalAfterGrantsArmed = false;
}

void RefuseAllocationAfter(uint32_t granted) {
  pendingRefusals = 0;
  refusalAfterGrantsArmed = true;
  grantsBeforeRefusal = granted;
}

namespace detail {
bool TakeRefusal() {
  if (refusalAfterGrantsArmed) {
    if (grantsBeforeRefusal > 0) {
      --grantsBeforeRefusal;
      return false;
    }
    refusalAfterGrantsArmed = false;
    return true;
  }
  if (pendingRefusals == 0) return false;
  --pendingRefusals;
  return true;
}
void CountString() { ++counts.strings; }
void CountBlock() { ++counts.blocks; }
void CountRefused() { ++counts.refused; }
void CountStringFreed() { ++counts.stringsFreed; }
void CountBlockFreed() { ++counts.blocksFreed; }
}  // namespace detail

}  // namespace platform
