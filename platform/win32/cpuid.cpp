#include <cpuid.h>

#include <tabard/platform/win32_startup.h>

namespace tabard {

namespace platform {

uint32_t CpuidFeatureBits() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  __cpuid(1, eax, ebx, ecx, edx);
  return edx;
}

}  // namespace platform

}  // namespace tabard
