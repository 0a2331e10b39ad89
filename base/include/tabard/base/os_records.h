#pragma once
/// @file
/// System records that the portable core keeps, laid out as the system lays them
/// out, so that the win32 build can hand them to the system unchanged.
#include <cstdint>

namespace tabard {
/// @addtogroup base
/// @{

/// The system's version record (OSVERSIONINFOA) as start-up fills it.
struct OsVersionRecord {
  uint32_t size;          ///< the record's size, 148, set before the system fills it
  uint32_t majorVersion;  ///< major version number
  uint32_t minorVersion;  ///< minor version number
  uint32_t buildNumber;   ///< build number
  uint32_t platformId;    ///< VER_PLATFORM_ value
  char servicePack[128];  ///< service pack text, zero-terminated
};
static_assert(sizeof(OsVersionRecord) == 148);

/// @}
}  // namespace tabard
