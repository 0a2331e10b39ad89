#include "tests/win32/process_runner.h"

std::string BesideTestProgram(const char* fileName) {
  char path[MAX_PATH] = {};
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of("\\/") + 1) + fileName;
}

PROCESS_INFORMATION StartProgram(std::string commandLine, int showWindow, HANDLE errorOutput) {
  const bool handles = errorOutput != INVALID_HANDLE_VALUE;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = (showWindow >= 0 ? STARTF_USESHOWWINDOW : 0) | (handles ? STARTF_USESTDHANDLES : 0);
  startup.wShowWindow = static_cast<WORD>(showWindow);
  startup.hStdError = handles ? errorOutput : nullptr;
  PROCESS_INFORMATION process{};
  return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, handles, 0, nullptr, nullptr, &startup, &process)
             ? process : PROCESS_INFORMATION{};
}

int64_t WaitForExit(PROCESS_INFORMATION& process, DWORD timeoutMs) {
  DWORD code = 0;
  const bool ended = process.hProcess && WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process.hProcess, &code);
  if (process.hProcess && !ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
  return ended ? int64_t{code} : -1;
}
