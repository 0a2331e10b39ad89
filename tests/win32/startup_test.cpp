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

TEST(Startup, ShowCommandComesFromTheStartupInformation) {
  StartOptions hidden;
  hidden.useShowWindow = true;
  hidden.showWindow = SW_HIDE;
  EXPECT_EQ(0, RunAndWait(Probe("show"), hidden));
  StartOptions minimized;
  minimized.useShowWindow = true;
  minimized.showWindow = SW_SHOWMINNOACTIVE;
  EXPECT_EQ(SW_SHOWMINNOACTIVE, RunAndWait(Probe("show"), minimized));
  EXPECT_EQ(10, RunAndWait(Probe("show")));
}

TEST(Startup, MainProcedureResultIsTheExitCode) {
  EXPECT_EQ(0, RunAndWait(Probe("exit 0")));
  EXPECT_EQ(37, RunAndWait(Probe("exit 37")));
  EXPECT_EQ(0xFFFFFFFF, RunAndWait(Probe("exit -1")));
}

TEST(Startup, GlobalsAreZeroAndTheBlockIsFilledWhenMainRuns) {
  EXPECT_EQ(0, RunAndWait(Probe("globals")));
  EXPECT_EQ(0, RunAndWait(Probe("values")));
}

TEST(Startup, ClassifiesThePlatformItRunsOn) {
  const int64_t reported = RunAndWait(Probe("platform"));
  ASSERT_GE(reported, 0);
  const auto flags = static_cast<uint16_t>(reported & 0xFFFF);
  const auto cpuClass = static_cast<uint8_t>(reported >> 16);
  EXPECT_TRUE(flags & kWindowsNt) << std::hex << flags;
  EXPECT_EQ(0, flags & (kWindows9xBuild950 | kWindows9xBuild1111 | kWindows9xOtherBuild));
  EXPECT_EQ(5, cpuClass);  // every processor able to run this is level 6 or above
  EXPECT_TRUE(flags & kMmx);
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
