#pragma once
// Starts a program and waits for its exit code.
#include <cstdint>
#include <string>

#include "platform/win32_api.h"

std::string BesideTestProgram(const char* fileName);
// `showWindow` -1 gives none; an `errorOutput` other than INVALID_HANDLE_VALUE (nullptr too) is given as the
// program's error output. A null process handle when the program could not be started.
PROCESS_INFORMATION StartProgram(std::string commandLine, int showWindow = -1,
                                 HANDLE errorOutput = INVALID_HANDLE_VALUE);
// The exit code, or -1 when the program never started or did not end in time (it is then ended).
int64_t WaitForExit(PROCESS_INFORMATION& process, DWORD timeoutMs = 30000);
inline int64_t RunAndWait(const std::string& commandLine, int showWindow = -1,
                          HANDLE errorOutput = INVALID_HANDLE_VALUE) {
  PROCESS_INFORMATION process = StartProgram(commandLine, showWindow, errorOutput);
  return WaitForExit(process);
}
