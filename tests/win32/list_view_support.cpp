#include "tests/win32/list_view_support.h"

HWND CreateReportList(int columns) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  HWND list = CreateWindowExA(0, "SysListView32", "", WS_OVERLAPPEDWINDOW | LVS_REPORT, 0, 0, 300, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  LVCOLUMNA record{LVCF_WIDTH, 0, 40};
  for (int column = 0; column < columns; ++column)
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&record));
  return list;
}

std::string CellText(HWND list, int row, int column) {
  char text[64] = {};
  LVITEMA item{0, 0, column, 0, 0, text, sizeof text};
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}
