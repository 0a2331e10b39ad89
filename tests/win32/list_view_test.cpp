#include "controls/list_view.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HWND CreateReportList() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  HWND list = CreateWindowExA(0, "SysListView32", "", WS_OVERLAPPEDWINDOW | LVS_REPORT, 0, 0, 300, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  for (int column = 0; column < 3; ++column) {
    LVCOLUMNA record{};
    record.mask = LVCF_WIDTH;
    record.cx = 80;
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&record));
  }
  return list;
}

std::string CellText(HWND list, int row, int column) {
  char text[64] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

}  // namespace

TEST(ListViewWrappers, InsertFillCountAndClearRows) {
  HWND list = CreateReportList();
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(0, LvmGetItemCount(list));

  for (int n = 0; n < 3; ++n) {
    LVITEMA blank{};
    const int32_t row = LvmInsertItemA(list, blank);
    EXPECT_EQ(0, row) << "an all-zero record inserts at the top";
    LvmSetItemTextA(list, row, 0, n == 0 ? "first" : n == 1 ? "second" : "third");
    LvmSetItemTextA(list, row, 2, "");
  }
  EXPECT_EQ(3, LvmGetItemCount(list));
  EXPECT_EQ("third", CellText(list, 0, 0));
  EXPECT_EQ("first", CellText(list, 2, 0));
  EXPECT_EQ("", CellText(list, 1, 2));

  EXPECT_NE(0, LvmDeleteAllItems(list));
  EXPECT_EQ(0, LvmGetItemCount(list));
  DestroyWindow(list);
}

TEST(ListViewWrappers, AnswerZeroOnceTheListIsGone) {
  HWND list = CreateReportList();
  LVITEMA blank{};
  LvmInsertItemA(list, blank);
  DestroyWindow(list);
  LVITEMA another{};
  EXPECT_EQ(0, LvmInsertItemA(list, another));
  LvmSetItemTextA(list, 0, 0, "ignored");
  EXPECT_EQ(0, LvmGetItemCount(list));
  EXPECT_EQ(0, LvmDeleteAllItems(list));
}
