#pragma once
// System records that the portable core keeps, laid out as the system lays them
// out, so that the win32 build can hand them to the system unchanged.
#include <cstdint>

namespace tabard {

struct OsVersionRecord {
  uint32_t size;
  uint32_t majorVersion;
  uint32_t minorVersion;
  uint32_t buildNumber;
  uint32_t platformId;
  char servicePack[128];
};
static_assert(sizeof(OsVersionRecord) == 148);

}  // namespace tabard
