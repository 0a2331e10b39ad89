#pragma once
/// @file
/// Classification of the operating-system platform and the processor, from what
/// the system reports. A function of its inputs, so that every platform can be
/// checked on any machine.
#include <cstdint>

#include <tabard/base/os_records.h>

namespace tabard {
/// @addtogroup runtime
/// @{

/// What the system says about the processor.
struct ProcessorFacts {
  uint32_t processorType;          ///< dwProcessorType (used on the 9x platform)
  uint16_t processorArchitecture;  ///< wProcessorArchitecture; 0 is Intel
  uint16_t processorLevel;         ///< wProcessorLevel (used on the NT platform)
};

/// The classification start-up stores in the RuntimeBlock.
struct PlatformClass {
  uint16_t platformFlags;  ///< PlatformFlag bits
  uint16_t osVersion;  ///< major in the high byte, minor in the low byte
  uint8_t cpuClass;    ///< 3, 4 or 5
};

/// The two questions classification asks the machine, as functions so that tests
/// can answer them.
struct PlatformProbes {
  /// Asked for only once the processor is known to be of class 5.
  uint32_t (*cpuidFeatureBits)();
  /// Whether the floating-point processor's registry key can be opened.
  bool (*floatingPointKeyPresent)();
};

/// The platform flags, version word and processor class of a system whose version
/// record is `version` and processor `processor`, asking `probes` where needed.
PlatformClass ClassifyPlatform(const OsVersionRecord& version, const ProcessorFacts& processor,
                               const PlatformProbes& probes);

/// @}
}  // namespace tabard
