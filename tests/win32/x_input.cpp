#include "tests/win32/x_input.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

unsigned statusCounter = 0;

}  // namespace

bool XdoTool(const std::string& arguments, DWORD timeoutMs) {
  // The exit status travels through a file: a Unix child's exit code does not
  // reach the Windows side reliably.
  // Drive Z: is the Unix root, so both sides can name the same file.
  const std::string name =
      "/tmp/xdo-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++statusCounter) + ".status";
  const std::string statusFile = "Z:" + name;
  const std::string& unixStatus = name;
  DeleteFileA(statusFile.c_str());
  std::string command = "/bin/sh -c \"xdotool " + arguments + "; echo $? > '" + unixStatus + "'\"";
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const DWORD start = GetTickCount();
  for (;;) {
    if (FILE* status = std::fopen(statusFile.c_str(), "r")) {
      int code = -1;
      const int read = std::fscanf(status, "%d", &code);
      std::fclose(status);
      if (read == 1) {
        DeleteFileA(statusFile.c_str());
        return code == 0;
      }
    }
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(5);
  }
}

bool XKey(const char* keyName) { return XdoTool(std::string("key ") + keyName); }

bool XKeyTo(HWND window, const char* keyName) {
  for (int tries = 0; tries < 300 && GetForegroundWindow() != window; ++tries) {
    SetForegroundWindow(window);
    Sleep(10);
  }
  // Without a window manager the X server sends keys to the window under the
  // pointer, so the pointer goes over the window's top edge first.
  RECT rect{};
  GetWindowRect(window, &rect);
  return GetForegroundWindow() == window &&
         XdoTool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " + std::to_string(rect.top + 5) +
                 " key " + keyName);
}

bool XClickAt(int x, int y) {
  return XdoTool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

bool XClickCentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return XClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}
