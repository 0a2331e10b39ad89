#include <gtest/gtest.h>

#include <vector>

#include "runtime/runtime_block.h"
#include "tests/win32/process_runner.h"

namespace {

std::string Probe(const char* tail) { return "\"" + BesideTestProgram("startup_probe.exe") + "\" " + tail; }

struct Seen {
  uint32_t reason;
  uint32_t globalsWord;
  void* instance;
};
std::vector<Seen> seen;
void Record(uint32_t reason, uint32_t globalsWord, void* instance) { seen.push_back({reason, globalsWord, instance}); }

using SetObserverFn = void (*)(void (*)(uint32_t, uint32_t, void*));
using QueryFn = uint32_t (*)();

DWORD WINAPI DoNothing(void*) { return 0; }

}  // namespace

// The probe checks what the main procedure saw and answers with its exit code.
TEST(Startup, ProbeSeesTheStartAsGivenAndExitsWithMainsResult) {
  struct Case {
    const char* tail;
    int showWindow;  // -1: no STARTF_USESHOWWINDOW
    int64_t exitCode;
  };
  const Case cases[] = {
      {"show", SW_HIDE, 0}, {"show", SW_SHOWMINNOACTIVE, SW_SHOWMINNOACTIVE},
      {"show", -1, 10},     {"exit 0", -1, 0},
      {"exit 37", -1, 37},  {"exit -1", -1, 0xFFFFFFFF},
      {"globals", -1, 0},  // globals are zero when main runs
      {"values", -1, 0},   // and the block is filled
  };
  for (const Case& c : cases) {
    StartOptions options;
    options.useShowWindow = c.showWindow >= 0;
    options.showWindow = static_cast<WORD>(c.showWindow);
    EXPECT_EQ(c.exitCode, RunAndWait(Probe(c.tail), options)) << c.tail << " " << c.showWindow;
  }
}

// The classification differs by word size: a 32-bit program sees the Intel
// architecture at level 6 or above (class 5, MMX asked of CPUID), a 64-bit one the
// x86-64 architecture, which keeps class 3 and never asks CPUID.
#ifdef _WIN64
TEST(Startup, ClassifiesTheX64ArchitectureAsClass3WithoutMmxIn64BitBuild) {
  constexpr uint8_t kExpectedClass = 3;
  constexpr bool kExpectMmx = false;
#else
TEST(Startup, ClassifiesTheIntelArchitectureAsClass5WithMmxIn32BitBuild) {
  constexpr uint8_t kExpectedClass = 5;
  constexpr bool kExpectMmx = true;
#endif
  const int64_t reported = RunAndWait(Probe("platform"));
  ASSERT_GE(reported, 0);
  const auto flags = static_cast<uint16_t>(reported & 0xFFFF);
  const auto cpuClass = static_cast<uint8_t>(reported >> 16);
  EXPECT_TRUE(flags & kWindowsNt) << std::hex << flags;
  EXPECT_EQ(0, flags & (kWindows9xBuild950 | kWindows9xBuild1111 | kWindows9xOtherBuild));
  EXPECT_EQ(kExpectedClass, cpuClass);
  EXPECT_EQ(kExpectMmx, (flags & kMmx) != 0);
}

TEST(Startup, LibraryEntryRunsMainOnEveryNotification) {
  seen.clear();
  HMODULE library = LoadLibraryA(BesideTestProgram("startup_library.dll").c_str());
  ASSERT_NE(nullptr, library);
  auto setObserver = reinterpret_cast<SetObserverFn>(reinterpret_cast<void*>(GetProcAddress(library, "SetObserver")));
  auto entryResult = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(GetProcAddress(library, "EntryResult")));
  auto attachCalls = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(GetProcAddress(library, "AttachCallsSeen")));
  auto globalsWord = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(GetProcAddress(library, "GlobalsWord")));
  ASSERT_TRUE(setObserver && entryResult && attachCalls && globalsWord);

  EXPECT_EQ(1u, entryResult());
  EXPECT_EQ(1u, attachCalls());
  EXPECT_EQ(42u, globalsWord()) << "main ran on attach after the globals were cleared";

  setObserver(Record);
  HANDLE thread = CreateThread(nullptr, 0, DoNothing, nullptr, 0, nullptr);
  ASSERT_NE(nullptr, thread);
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  FreeLibrary(library);

  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(static_cast<uint32_t>(DLL_THREAD_ATTACH), seen[0].reason);
  EXPECT_EQ(42u, seen[0].globalsWord) << "a later notification keeps the globals";
  EXPECT_EQ(reinterpret_cast<void*>(library), seen[0].instance);
  EXPECT_EQ(static_cast<uint32_t>(DLL_PROCESS_DETACH), seen.back().reason);
}
