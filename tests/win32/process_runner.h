#pragma once
// Starts a program that lies beside the test program and waits for its exit code.
#include <cstdint>
#include <string>

#include "platform/win32_api.h"

std::string BesideTestProgram(const char* fileName);

struct StartOptions {
  bool useShowWindow = false;
  WORD showWindow = SW_SHOWNORMAL;
};

// The exit code, or -1 when the program could not be started or did not end in time.
int64_t RunAndWait(const std::string& commandLine, const StartOptions& options = {}, DWORD timeoutMs = 30000);
