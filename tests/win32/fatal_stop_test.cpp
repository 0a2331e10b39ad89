// A sixth temporary string stops the program with exit code 255 and a message: on
// its error output when it has one, otherwise in a box the user must see.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32_api.h"
#include "tests/win32/process_runner.h"

namespace {

constexpr const char* kExpected = "a statement needs more than five temporary strings at once";

std::string ProbeLine() { return "\"" + BesideTestProgram("fatal_stop_probe.exe") + "\""; }

// Starts the probe with the given error output (nullptr: none at all) and gives
// its exit code, -1 when it did not end in time.
int64_t RunProbe(HANDLE errorOutput) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = errorOutput;
  PROCESS_INFORMATION process{};
  std::string line = ProbeLine();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  if (errorOutput != nullptr) CloseHandle(errorOutput);
  int64_t result = -1;
  if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result = code;
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

TEST(FatalStop, WritesToTheErrorOutputAndEnds) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  EXPECT_EQ(255, RunProbe(writeEnd));
  std::string output;
  char chunk[256];
  DWORD got = 0;
  while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) output.append(chunk, got);
  CloseHandle(readEnd);
  EXPECT_NE(std::string::npos, output.find(kExpected)) << output;
}

struct Watched {
  std::string caption;
  std::string text;
};

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
  char className[16] = {};
  char text[256] = {};
  GetClassNameA(child, className, sizeof className);
  GetWindowTextA(child, text, sizeof text);
  if (lstrcmpiA(className, "Static") == 0 && text[0] != 0) reinterpret_cast<Watched*>(param)->text = text;
  return TRUE;
}

DWORD WINAPI AnswerTheBox(void* param) {
  auto* watched = static_cast<Watched*>(param);
  HWND box = nullptr;
  for (int tries = 0; tries < 2000 && box == nullptr; ++tries) {
    // Visible means initialised: the box fills in its text before it shows itself.
    box = FindWindowA("#32770", "Orlavex");
    if (box != nullptr && !IsWindowVisible(box)) box = nullptr;
    if (box == nullptr) Sleep(10);
  }
  if (box == nullptr) return 1;
  char caption[64] = {};
  GetWindowTextA(box, caption, sizeof caption);
  watched->caption = caption;
  EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(watched));
  for (int tries = 0; tries < 200 && GetForegroundWindow() != box; ++tries) {
    SetForegroundWindow(box);
    Sleep(10);
  }
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = VK_RETURN;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
  return 0;
}

TEST(FatalStop, ShowsTheMessageWhenThereIsNoErrorOutput) {
  Watched watched;
  HANDLE watcher = CreateThread(nullptr, 0, AnswerTheBox, &watched, 0, nullptr);
  EXPECT_EQ(255, RunProbe(nullptr));
  WaitForSingleObject(watcher, 30000);
  CloseHandle(watcher);
  EXPECT_EQ("Orlavex", watched.caption);
  EXPECT_EQ(kExpected, watched.text);
}

}  // namespace
