// The host build makes no windows, menus or GDI objects: nothing to remember.
#include "platform/resource_counts.h"

namespace platform::detail {

void RememberSystemObject(ResourceKind, const void*) {}
void CountLiveSystemObjects(ResourceCounts&) {}

}  // namespace platform::detail
