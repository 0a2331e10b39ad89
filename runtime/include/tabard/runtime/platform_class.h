#pragma once
// Classification of the operating-system platform and the processor, from what
// the system reports. A function of its inputs, so that every platform can be
// checked on any machine.
#include <cstdint>

#include <tabard/base/os_records.h>

namespace tabard {

struct ProcessorFacts {
  uint32_t processorType;          // dwProcessorType (used on the 9x platform)
  uint16_t processorArchitecture;  // wProcessorArchitecture; 0 is Intel
  uint16_t processorLevel;         // wProcessorLevel (used on the NT platform)
};

struct PlatformClass {
  uint16_t platformFlags;
  uint16_t osVersion;  // major in the high byte, minor in the low byte
  uint8_t cpuClass;    // 3, 4 or 5
};

struct PlatformProbes {
  // Asked for only once the processor is known to be of class 5.
  uint32_t (*cpuidFeatureBits)();
  // Whether the floating-point processor's registry key can be opened.
  bool (*floatingPointKeyPresent)();
};

PlatformClass ClassifyPlatform(const OsVersionRecord& version, const ProcessorFacts& processor,
                               const PlatformProbes& probes);

}  // namespace tabard
