#include "tests/win32/process_runner.h"

#include <cstdio>
#include <thread>

std::string BesideTestProgram(const char* fileName) {
  char path[MAX_PATH] = {};
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of("\\/") + 1) + fileName;
}

PROCESS_INFORMATION StartProgram(std::string commandLine, int showWindow, HANDLE errors) {
  const bool handles = errors != INVALID_HANDLE_VALUE;
  STARTUPINFOA startup{};
  startup.dwFlags = (showWindow >= 0 ? STARTF_USESHOWWINDOW : 0) | (handles ? STARTF_USESTDHANDLES : 0);
  startup.cb = sizeof startup, startup.wShowWindow = static_cast<WORD>(showWindow), startup.hStdError = errors;
  PROCESS_INFORMATION process{};
  return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, handles, 0, nullptr, nullptr, &startup, &process)
             ? process : PROCESS_INFORMATION{};
}

int64_t WaitForExit(PROCESS_INFORMATION& process, DWORD timeoutMs) {
  DWORD code = 0;
  const bool ended = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process.hProcess, &code);
  if (!ended) TerminateProcess(process.hProcess, 1);  // no harm when it never started
  CloseHandle(process.hThread), CloseHandle(process.hProcess), process = {};
  return ended ? int64_t{code} : -1;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  for (const DWORD start = GetTickCount(); !done(); Sleep(2))
    if (GetTickCount() - start > timeoutMs) return false;
  return true;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  return SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), text;
}

HWND WaitForTopWindow(const char* title, DWORD timeoutMs) {
  HWND window = nullptr;
  const auto shown = [&] { return (window = FindWindowA(nullptr, title)) && IsWindowVisible(window); };
  return WaitUntil(shown, timeoutMs) ? window : nullptr;
}

bool XdoTool(const std::string& arguments, DWORD timeoutMs) {
  // Wine starts a Unix program without handles to it: the exit status comes back through a file.
  static unsigned calls = 0;
  const std::string status = "xdo-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++calls);
  StartProgram("/bin/sh -c \"xdotool " + arguments + "; echo $? >" + status + "\"");
  int first = EOF;
  WaitUntil([&] {
    if (FILE* file = std::fopen(status.c_str(), "r")) first = std::fgetc(file), std::fclose(file);
    return first != EOF;
  }, timeoutMs);
  DeleteFileA(status.c_str());
  return first == '0';
}

std::string MoveTo(HWND window, int dy) {
  const RECT r = RectOf(window);
  return At((r.left + r.right) / 2, dy < 0 ? (r.top + r.bottom) / 2 : r.top + dy);
}

std::optional<std::string> AnswerBoxWhile(const char* caption, const char* key, const std::function<void()>& show) {
  std::optional<std::string> text;
  std::thread player([&] {
    HWND box = WaitForTopWindow(caption, 20000);
    const std::string shown = WindowText(GetDlgItem(box, 0xFFFF));
    // The X server sends keys to the foreground window, the pointer resting on its caption.
    if (box && WaitUntil([&] { return SetForegroundWindow(box) && GetForegroundWindow() == box; }, 3000) &&
        XdoTool(MoveTo(box, 5) + " key " + key) && WaitUntil([&] { return !IsWindow(box); }, 3000)) text = shown;
    else PostMessageA(box, WM_CLOSE, 0, 0);
  });
  show();
  player.join();
  return text;
}
