#include "tests/win32/window_reader.h"

namespace {

constexpr int kTextCapacity = 512;

// A block in the list view's process holding a record followed by a text buffer.
struct RemoteBlock {
  HANDLE process;
  char* base;
};

RemoteBlock OpenRemote(HWND window, SIZE_T size) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return {nullptr, nullptr};
  auto* base = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
  return {process, base};
}

void CloseRemote(RemoteBlock block) {
  if (block.base != nullptr) VirtualFreeEx(block.process, block.base, 0, MEM_RELEASE);
  if (block.process != nullptr) CloseHandle(block.process);
}

template <typename Record>
bool Put(RemoteBlock block, const Record& record) {
  return WriteProcessMemory(block.process, block.base, &record, sizeof record, nullptr);
}

template <typename Record>
bool Get(RemoteBlock block, Record& record) {
  return ReadProcessMemory(block.process, block.base, &record, sizeof record, nullptr);
}

std::string GetRemoteText(RemoteBlock block, size_t offset) {
  char text[kTextCapacity + 1] = {};
  ReadProcessMemory(block.process, block.base + offset, text, kTextCapacity, nullptr);
  return text;
}

struct FindByTitle {
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<FindByTitle*>(context);
  if (IsWindowVisible(window) && WindowText(window) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
  char text[kTextCapacity] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND FindTopWindow(const char* title) {
  FindByTitle search{title, nullptr};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForTopWindow(const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindTopWindow(title)) return window;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(20);
  }
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (IsWindow(window)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(5);
  }
  return true;
}

std::vector<ListColumn> ReadListColumns(HWND listView) {
  std::vector<ListColumn> columns;
  HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  RemoteBlock block = OpenRemote(listView, sizeof(LVCOLUMNA) + kTextCapacity + 1);
  if (block.base == nullptr) return columns;
  for (int index = 0; index < count; ++index) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.pszText = block.base + sizeof column;
    column.cchTextMax = kTextCapacity;
    Put(block, column);
    SendMessageA(listView, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(block.base));
    Get(block, column);
    columns.push_back({GetRemoteText(block, sizeof column), column.fmt, column.cx});
  }
  CloseRemote(block);
  return columns;
}

std::vector<std::vector<std::string>> ReadListRows(HWND listView, int columns) {
  std::vector<std::vector<std::string>> rows;
  const int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
  RemoteBlock block = OpenRemote(listView, sizeof(LVITEMA) + kTextCapacity + 1);
  if (block.base == nullptr) return rows;
  for (int row = 0; row < count; ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = block.base + sizeof item;
      item.cchTextMax = kTextCapacity;
      Put(block, item);
      SendMessageA(listView, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.base));
      cells.push_back(GetRemoteText(block, sizeof item));
    }
    rows.push_back(cells);
  }
  CloseRemote(block);
  return rows;
}

std::string MessageBoxText(HWND box) {
  constexpr int kMessageTextId = 0xFFFF;
  return WindowText(GetDlgItem(box, kMessageTextId));
}

namespace {

DWORD WINAPI PlayTheUser(void* parameter) {
  auto& answer = *static_cast<BoxAnswer*>(parameter);
  HWND box = WaitForTopWindow(answer.caption, 20000);
  if (box == nullptr) return 1;
  answer.found = true;
  answer.text = MessageBoxText(box);
  for (int tries = 0; tries < 200 && GetForegroundWindow() != box; ++tries) {
    SetForegroundWindow(box);
    Sleep(10);
  }
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = answer.key;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
  if (!WaitForWindowGone(box, 3000)) {
    answer.closedByForce = true;
    PostMessageA(box, WM_CLOSE, 0, 0);
  }
  return 0;
}

}  // namespace

void AnswerBoxWhile(BoxAnswer& answer, const std::function<void()>& show) {
  HANDLE player = CreateThread(nullptr, 0, PlayTheUser, &answer, 0, nullptr);
  show();
  WaitForSingleObject(player, 30000);
  CloseHandle(player);
}
