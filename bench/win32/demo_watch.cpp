// Waits, from outside the demo's process, until its list shows a number of rows:
//   demo_watch.exe ROWS [TIMEOUT_MS]
// Exits with 0 once it does, 1 when the time runs out first. The demo script
// uses it to take its picture after the last row is added.
#include <cstdlib>

#include "tests/win32/process_runner.h"

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 20;
  const DWORD timeoutMs = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 60000;
  const DWORD start = GetTickCount();
  HWND dialog = WaitForTopWindow("Demo listbox with Colomns", timeoutMs);
  if (dialog == nullptr) return 1;
  HWND list = GetDlgItem(dialog, 20);
  while (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) < rows) {
    if (GetTickCount() - start > timeoutMs || !IsWindow(list)) return 1;
    Sleep(10);
  }
  return 0;
}
