#include "tests/win32/x_input.h"

#include <cstdio>
#include <thread>

#include "tests/win32/process_runner.h"
#include "tests/win32/window_reader.h"

bool XdoTool(const std::string& arguments, DWORD timeoutMs) {
  // The exit status comes back through a file in the working folder, which the Unix child shares (Wine starts a
  // Unix program without handles to it).
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
  RECT r{};
  GetWindowRect(window, &r);
  const int y = dy < 0 ? (r.top + r.bottom) / 2 : r.top + dy;
  return " mousemove " + std::to_string((r.left + r.right) / 2) + " " + std::to_string(y);
}

bool XKeyTo(HWND window, const char* keyName) {
  return WaitUntil([&] { return SetForegroundWindow(window) && GetForegroundWindow() == window; }, 3000) &&
         XdoTool(MoveTo(window, 5) + " key " + keyName);
}

std::optional<std::string> AnswerBoxWhile(const char* caption, const char* key,
                                          const std::function<void()>& show) {
  std::optional<std::string> text;
  std::thread player([&] {
    HWND box = WaitForTopWindow(caption, 20000);
    const std::string shown = MessageBoxText(box);
    if (box && XKeyTo(box, key) && WaitUntil([&] { return !IsWindow(box); }, 3000)) text = shown;
    else PostMessageA(box, WM_CLOSE, 0, 0);
  });
  show();
  player.join();
  return text;
}
