#include <gtest/gtest.h>

#include <vector>

#include <tabard/base/runtime_block.h>
#include <tabard/runtime/startup.h>
#include "tests/win32/process_runner.h"

using namespace tabard;

namespace {

std::string Probe(const char* tail) { return "\"" + BesideTestProgram("startup_probe.exe") + "\" " + tail; }

uint32_t libraryGlobals[2];
std::vector<uint32_t> seen;  // the reason, the globals' first word and whether the module was the one given
int32_t LibraryMain(void*, void*, char*, int32_t) {
  seen = {runtimeBlock.entryReason, libraryGlobals[0], runtimeBlock.moduleInstance == GetModuleHandleA("kernel32")};
  libraryGlobals[0] = 42;
  return 0;
}

}  // namespace

// The probe's exit code is what its main procedure saw or returned. A 32-bit program sees the Intel architecture at
// level 6 or above (class 5, MMX asked of CPUID), a 64-bit one x86-64, which keeps class 3 and never asks CPUID.
TEST(Startup, ProbeSeesTheStartAsGivenAndExitsWithMainsResult) {
  constexpr int64_t kPlatform = sizeof(void*) == 8 ? kWindowsNt | 3 << 16 : kWindowsNt | kMmx | 5 << 16;
  struct Case { const char* tail; int showWindow; int64_t exitCode; };
  const Case cases[] = {{"show", SW_HIDE, 0}, {"show", SW_SHOWMINNOACTIVE, SW_SHOWMINNOACTIVE}, {"show", -1, 10},
                        {"exit 0", -1, 0},    {"exit 37", -1, 37},  {"exit -1", -1, 0xFFFFFFFF},
                        {"values", -1, 0},    {"platform", -1, kPlatform}};
  for (const Case& c : cases) EXPECT_EQ(c.exitCode, RunAndWait(Probe(c.tail), c.showWindow)) << c.tail << c.showWindow;
}

// A sixth temporary string stops the program with 255 and a message: on its error output when it has one, else in
// a box.
TEST(Startup, TooManyTemporariesStopTheProgramWithAMessage) {
  constexpr const char* kMessage = "a statement needs more than five temporary strings at once";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16));
  EXPECT_EQ(255, RunAndWait(Probe("overflow"), -1, writeEnd));
  CloseHandle(writeEnd);
  char output[256] = {};
  DWORD got = 0;
  ReadFile(readEnd, output, sizeof output - 1, &got, nullptr), CloseHandle(readEnd);
  EXPECT_EQ(std::string(kMessage) + "\r\n", output);
  int64_t code = 0;
  EXPECT_EQ(kMessage, AnswerBoxWhile("Orlavex", "Return", [&] { code = RunAndWait(Probe("overflow"), -1, nullptr); }));
  EXPECT_EQ(255, code);
}

// The library entry as the loader calls it: main runs on every notification, the globals cleared only on attach.
TEST(Startup, LibraryEntryRunsMainOnEveryNotification) {
  const RuntimeBlock saved = runtimeBlock;
  const ProgramImage image{LibraryMain, libraryGlobals, sizeof libraryGlobals, nullptr, 0,
                           kProgramBuild | kLibraryBuild, nullptr};
  libraryGlobals[0] = 7;
  const uint32_t cases[][2] = {{DLL_PROCESS_ATTACH, 0}, {DLL_THREAD_ATTACH, 42}, {DLL_PROCESS_DETACH, 42}};
  for (const auto& [reason, globalsWord] : cases) {
    EXPECT_EQ(1u, LibraryEntry(image, GetModuleHandleA("kernel32"), reason, nullptr)) << "the attach succeeded";
    EXPECT_EQ((std::vector<uint32_t>{reason, globalsWord, 1}), seen);
  }
  runtimeBlock = saved;
}
