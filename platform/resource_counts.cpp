#include <tabard/platform/resource_counts.h>

#include <tabard/platform/allocation_control.h>

namespace tabard {

namespace platform {

namespace detail {
bool rememberingSystemObjects = false;
}  // namespace detail

void RememberSystemObjects(bool remember) { detail::rememberingSystemObjects = remember; }

ResourceCounts LiveResourcesNow() {
  const AllocationCounts allocations = AllocationCountsNow();
  ResourceCounts counts{};
  counts.live[static_cast<size_t>(ResourceKind::String)] =
      static_cast<int64_t>(allocations.strings - allocations.stringsFreed);
  counts.live[static_cast<size_t>(ResourceKind::Block)] =
      static_cast<int64_t>(allocations.blocks - allocations.blocksFreed);
  detail::CountLiveSystemObjects(counts);
  return counts;
}

}  // namespace platform

}  // namespace tabard
