#include "runtime/platform_class.h"

#include <gtest/gtest.h>

#include "runtime/runtime_block.h"

namespace {

int cpuidCalls = 0;
uint32_t cpuidBits = 0;
bool keyPresent = false;

uint32_t FakeCpuid() {
  ++cpuidCalls;
  return cpuidBits;
}
bool FakeKey() { return keyPresent; }

OsVersionRecord Version(uint32_t platformId, uint32_t build, uint32_t major = 4, uint32_t minor = 0) {
  OsVersionRecord record{};
  record.size = sizeof record;
  record.majorVersion = major;
  record.minorVersion = minor;
  record.buildNumber = build;
  record.platformId = platformId;
  return record;
}

constexpr uint32_t kMmxBit = 1u << 23;
constexpr uint32_t kWin32s = 0, k9x = 1, kNt = 2;

}  // namespace

TEST(PlatformClass, FlagsAndProcessorClassFollowPlatformAndProcessor) {
  struct Case {
    const char* what;
    OsVersionRecord version;
    ProcessorFacts processor;
    uint32_t cpuid;
    bool key;
    uint16_t flags;
    uint8_t cpuClass;
    int cpuidCalls;
  };
  const Case cases[] = {
      {"9x build 950, type 486", Version(k9x, 950), {486, 0, 0}, kMmxBit, false, kWindows9xBuild950, 4, 0},
      {"9x build 1111, type 586 with MMX", Version(k9x, 1111), {586, 0, 0}, kMmxBit, false,
       kWindows9xBuild1111 | kMmx, 5, 1},
      {"9x other build, type 386", Version(k9x, 0x10000 + 950 + 1), {386, 0, 0}, 0, false, kWindows9xOtherBuild, 3, 0},
      {"9x build compared on its low 16 bits", Version(k9x, 0x40000 + 950), {387, 0, 0}, 0, false,
       kWindows9xBuild950, 4, 0},
      {"NT level 6 without MMX", Version(kNt, 2600, 5, 1), {0, 0, 6}, 0, false, kWindowsNt, 5, 1},
      {"NT level 15 with MMX and FPU key", Version(kNt, 2600, 5, 1), {0, 0, 15}, kMmxBit, true,
       kWindowsNt | kMmx | kFloatingPointProcessor, 5, 1},
      {"NT level 4", Version(kNt, 1381), {0, 0, 4}, kMmxBit, false, kWindowsNt, 4, 0},
      {"NT level 2 keeps class 3", Version(kNt, 1381), {0, 0, 2}, kMmxBit, false, kWindowsNt, 3, 0},
      {"NT level taken from its low byte", Version(kNt, 1381), {0, 0, 0x0104}, kMmxBit, false, kWindowsNt, 4, 0},
      {"NT on another architecture: class 3, no CPUID", Version(kNt, 1381), {0, 6, 21164}, kMmxBit, false,
       kWindowsNt, 3, 0},
      {"Win32s: nothing set", Version(kWin32s, 0), {586, 0, 6}, kMmxBit, true, kFloatingPointProcessor, 3, 0},
      {"platform id with both bits counts as 9x", Version(3, 950), {586, 0, 0}, 0, false, kWindows9xBuild950, 5, 1},
  };
  for (const Case& c : cases) {
    cpuidCalls = 0;
    cpuidBits = c.cpuid;
    keyPresent = c.key;
    const PlatformClass found = ClassifyPlatform(c.version, c.processor, {FakeCpuid, FakeKey});
    EXPECT_EQ(c.flags, found.platformFlags) << c.what;
    EXPECT_EQ(c.cpuClass, found.cpuClass) << c.what;
    EXPECT_EQ(c.cpuidCalls, cpuidCalls) << c.what;
  }
}

TEST(PlatformClass, VersionWordHoldsTheLowBytesOfMajorAndMinor) {
  const PlatformClass found = ClassifyPlatform(Version(kNt, 0, 0x10A, 0x203), {0, 0, 0}, {FakeCpuid, FakeKey});
  EXPECT_EQ(0x0A03, found.osVersion);
}
