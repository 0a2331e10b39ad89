#pragma once
// What process start-up asks of the system, one wrapper per call.
#include <cstdint>

#include <tabard/platform/win32_api.h>

namespace tabard {

namespace platform {

inline BOOL GetVersionInfo(OSVERSIONINFOA* info) { return ::GetVersionExA(info); }
inline void GetStartupInfo(STARTUPINFOA* info) { ::GetStartupInfoA(info); }
inline char* GetCommandLine() { return ::GetCommandLineA(); }
inline char* GetEnvironmentStrings() { return ::GetEnvironmentStrings(); }
inline HMODULE GetModuleHandle(const char* name) { return ::GetModuleHandleA(name); }
inline void GetSystemInfo(SYSTEM_INFO* info) { ::GetSystemInfo(info); }
inline LONG RegOpenKeyEx(HKEY key, const char* subKey, DWORD options, REGSAM access, HKEY* result) {
  return ::RegOpenKeyExA(key, subKey, options, access, result);
}
inline LONG RegCloseKey(HKEY key) { return ::RegCloseKey(key); }
[[noreturn]] inline void ExitProcess(uint32_t code) { ::ExitProcess(code); }

// EDX of CPUID function 1: the processor's feature bits.
uint32_t CpuidFeatureBits();

}  // namespace platform

}  // namespace tabard
