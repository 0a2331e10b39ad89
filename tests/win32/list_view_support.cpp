#include "tests/win32/list_view_support.h"

HWND CreateReportList(int columns) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  HWND list = CreateWindowExA(0, "SysListView32", "", WS_OVERLAPPEDWINDOW | LVS_REPORT, 0, 0, 300, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  LVCOLUMNA record{};
  record.mask = LVCF_WIDTH, record.cx = 40;
  for (int column = 0; column < columns; ++column) SendMessageA(list, LVM_INSERTCOLUMNA, column, LPARAM(&record));
  return list;
}

std::string CellText(HWND list, int row, int column) {
  char text[64] = {};
  LVITEMA item{};
  item.iSubItem = column, item.pszText = text, item.cchTextMax = sizeof text;
  return SendMessageA(list, LVM_GETITEMTEXTA, row, LPARAM(&item)), text;
}
