#include "platform/allocation_control.h"

namespace platform {
namespace {
AllocationCounts counts{};
uint32_t pendingRefusals = 0;
}  // namespace

AllocationCounts AllocationCountsNow() { return counts; }

void RefuseNextAllocations(uint32_t count) { pendingRefusals = count; }

namespace detail {
bool TakeRefusal() {
  if (pendingRefusals == 0) return false;
  --pendingRefusals;
  return true;
}
void CountString() { ++counts.strings; }
void CountBlock() { ++counts.blocks; }
void CountRefused() { ++counts.refused; }
}  // namespace detail

}  // namespace platform
