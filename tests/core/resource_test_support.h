#pragma once
// Live resource counts as the tests print them: "strings 3, memory blocks 0, ...".
#include <ostream>

#include "platform/resource_counts.h"

namespace platform {
inline void PrintTo(const ResourceCounts& counts, std::ostream* out) {
  for (size_t kind = 0; kind < kResourceKindCount; ++kind)
    *out << (kind == 0 ? "" : ", ") << kResourceKindNames[kind] << ' ' << counts.live[kind];
}
}  // namespace platform
