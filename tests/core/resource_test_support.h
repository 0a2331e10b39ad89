#pragma once
// Live resource counts as the tests print them: "strings 3, memory blocks 0, ...".
#include <ostream>

#include <tabard/platform/resource_counts.h>

namespace tabard::platform {
inline void PrintTo(const ResourceCounts& c, std::ostream* out) {
  for (size_t k = 0; k < kResourceKindCount; ++k) *out << (k ? ", " : "") << kResourceKindNames[k] << ' ' << c.live[k];
}
}  // namespace tabard::platform

using namespace tabard;
