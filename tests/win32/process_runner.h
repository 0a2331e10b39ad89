#pragma once
// Starts another program and drives it from outside, as a person and an accessibility tool would: reads its
// windows and gives real input through the X server (xdotool, a Unix program that Wine starts natively).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// A program outside the toolkit's reach: it sees the other program only through the
// system, so it takes the system's headers itself.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

std::string BesideTestProgram(const char* fileName);
// `showWindow` -1 gives none; `errors` other than INVALID_HANDLE_VALUE (nullptr too) becomes its error output.
PROCESS_INFORMATION StartProgram(std::string commandLine, int showWindow = -1, HANDLE errors = INVALID_HANDLE_VALUE);
// The exit code; -1 when the program never started or did not end in time (it is then ended).
int64_t WaitForExit(PROCESS_INFORMATION& process, DWORD timeoutMs = 30000);
inline int64_t RunAndWait(const std::string& commandLine, int showWindow = -1, HANDLE errors = INVALID_HANDLE_VALUE) {
  PROCESS_INFORMATION process = StartProgram(commandLine, showWindow, errors);
  return WaitForExit(process);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
std::string WindowText(HWND window);
// The visible top-level window of this title, once there; nullptr when it never came.
HWND WaitForTopWindow(const char* title, DWORD timeoutMs = 0);

inline RECT RectOf(HWND window) { RECT rect{}; GetWindowRect(window, &rect); return rect; }
bool XdoTool(const std::string& arguments, DWORD timeoutMs = 10000);  // true when xdotool exited with 0
inline std::string At(int x, int y) { return " mousemove " + std::to_string(x) + " " + std::to_string(y); }
std::string MoveTo(HWND window, int dy = -1);  // " mousemove X Y" to the centre, or `dy` below the top
// Runs `show` while another thread waits for the visible box, reads its text and presses `key` on it. The text; none
// when the box never came or the key went astray (the box is then closed).
std::optional<std::string> AnswerBoxWhile(const char* caption, const char* key, const std::function<void()>& show);

// Sends a list view `message` with its record (LVITEMA or LVCOLUMNA) and a text buffer placed in the list's process;
// the record comes back as the list left it, the text is returned.
template <typename Record>
std::string SendListRecord(HWND list, UINT message, WPARAM index, Record& record) {
  DWORD id = 0;
  GetWindowThreadProcessId(list, &id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof record + 512, MEM_COMMIT, PAGE_READWRITE));
  char text[513] = {};
  record.pszText = remote + sizeof record, record.cchTextMax = 512;
  WriteProcessMemory(process, remote, &record, sizeof record, nullptr);
  SendMessageA(list, message, index, reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote, &record, sizeof record, nullptr);
  ReadProcessMemory(process, remote + sizeof record, text, 512, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE), CloseHandle(process);
  return text;
}
