// The host build makes no windows, menus or GDI objects: nothing to remember.
#include <tabard/platform/resource_counts.h>

namespace tabard {

namespace platform::detail {

void RememberSystemObject(ResourceKind, const void*) {}
void CountLiveSystemObjects(ResourceCounts&) {}

}  // namespace platform::detail

}  // namespace tabard
