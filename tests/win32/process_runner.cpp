#include "tests/win32/process_runner.h"

#include <vector>

std::string BesideTestProgram(const char* fileName) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of("\\/") + 1);
  return folder + fileName;
}

PROCESS_INFORMATION StartProgram(const std::string& commandLine, const StartOptions& options) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (options.useShowWindow) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = options.showWindow;
  }
  if (options.useStdHandles) {
    startup.dwFlags |= STARTF_USESTDHANDLES;
    startup.hStdError = options.errorOutput;
  }
  PROCESS_INFORMATION process{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, options.useStdHandles, 0, nullptr, nullptr, &startup,
                      &process))
    return {};
  return process;
}

int64_t WaitForExit(PROCESS_INFORMATION& process, DWORD timeoutMs) {
  if (process.hProcess == nullptr) return -1;
  int64_t result = -1;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result = code;
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
  return result;
}

int64_t RunAndWait(const std::string& commandLine, const StartOptions& options, DWORD timeoutMs) {
  PROCESS_INFORMATION process = StartProgram(commandLine, options);
  return WaitForExit(process, timeoutMs);
}
