#pragma once
// Starts a program that lies beside the test program and waits for its exit code.
#include <cstdint>
#include <string>

#include "platform/win32_api.h"

std::string BesideTestProgram(const char* fileName);

struct StartOptions {
  bool useShowWindow = false;
  WORD showWindow = SW_SHOWNORMAL;
  bool useStdHandles = false;  // then the program's error output is `errorOutput` (nullptr: none)
  HANDLE errorOutput = nullptr;
};

// The started program; a null process handle when it could not be started.
PROCESS_INFORMATION StartProgram(const std::string& commandLine, const StartOptions& options = {});
// Waits for the program's end and closes its handles: the exit code, or -1 when
// it did not end in time (it is then ended) or never started.
int64_t WaitForExit(PROCESS_INFORMATION& process, DWORD timeoutMs = 30000);
// Both of the above.
int64_t RunAndWait(const std::string& commandLine, const StartOptions& options = {}, DWORD timeoutMs = 30000);
