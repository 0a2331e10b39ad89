#include <tabard/runtime/platform_class.h>

#include <tabard/base/runtime_block.h>

namespace tabard {

namespace {

constexpr uint32_t kPlatform9xBit = 1;
constexpr uint32_t kPlatformNtBit = 2;
constexpr uint32_t kMmxFeatureBit = 1u << 23;
constexpr uint16_t kAny9x = kWindows9xBuild950 | kWindows9xBuild1111 | kWindows9xOtherBuild;

struct BuildFlag {
  uint16_t build;
  uint16_t flag;
};
constexpr BuildFlag kWindows9xBuilds[] = {
    {950, kWindows9xBuild950},
    {1111, kWindows9xBuild1111},
};

uint16_t Windows9xFlag(uint32_t buildNumber) {
  const auto build = static_cast<uint16_t>(buildNumber);
  for (const BuildFlag& known : kWindows9xBuilds)
    if (known.build == build) return known.flag;
  return kWindows9xOtherBuild;
}

uint8_t CpuClassFromType(uint32_t processorType) {
  if (processorType <= 386) return 3;
  if (processorType >= 586) return 5;
  return 4;
}

uint8_t CpuClassFromLevel(const ProcessorFacts& processor) {
  if (processor.processorArchitecture != 0) return 3;
  const uint8_t level = static_cast<uint8_t>(processor.processorLevel);
  if (level < 3) return 3;
  if (level > 5) return 5;
  return level;
}

}  // namespace

PlatformClass ClassifyPlatform(const OsVersionRecord& version, const ProcessorFacts& processor,
                               const PlatformProbes& probes) {
  PlatformClass result{};
  result.osVersion = static_cast<uint16_t>(((version.majorVersion & 0xFF) << 8) | (version.minorVersion & 0xFF));
  if (version.platformId & kPlatform9xBit)
    result.platformFlags |= Windows9xFlag(version.buildNumber);
  else if (version.platformId & kPlatformNtBit)
    result.platformFlags |= kWindowsNt;

  result.cpuClass = 3;
  if (result.platformFlags & kAny9x)
    result.cpuClass = CpuClassFromType(processor.processorType);
  else if (result.platformFlags & kWindowsNt)
    result.cpuClass = CpuClassFromLevel(processor);

  if (result.cpuClass == 5 && (probes.cpuidFeatureBits() & kMmxFeatureBit)) result.platformFlags |= kMmx;
  if (probes.floatingPointKeyPresent()) result.platformFlags |= kFloatingPointProcessor;
  return result;
}

}  // namespace tabard
