#pragma once
// Reads another process's windows from outside, as an accessibility tool would.
#include <functional>
#include <string>

#include "platform/win32_api.h"

// Polls `done` until it holds or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
std::string WindowText(HWND window);
// The visible top-level window with exactly this title, once there; nullptr when it never came.
HWND WaitForTopWindow(const char* title, DWORD timeoutMs = 0);
inline std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

// Sends a list view `message` with its record (an LVITEMA or LVCOLUMNA) placed in the list's process, a text
// buffer behind it. The record comes back as the list left it; the text is returned.
template <typename Record>
std::string SendListRecord(HWND list, UINT message, WPARAM index, Record& record) {
  DWORD id = 0;
  GetWindowThreadProcessId(list, &id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof record + 512, MEM_COMMIT, PAGE_READWRITE));
  char text[513] = {};
  record.pszText = remote + sizeof record;
  record.cchTextMax = 512;
  WriteProcessMemory(process, remote, &record, sizeof record, nullptr);
  SendMessageA(list, message, index, reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote, &record, sizeof record, nullptr);
  ReadProcessMemory(process, remote + sizeof record, text, 512, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return text;
}
