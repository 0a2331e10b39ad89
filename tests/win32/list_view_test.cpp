#include "controls/list_view.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/list_view_support.h"

TEST(ListViewWrappers, InsertFillCountAndClearRowsThenAnswerZeroOnceTheListIsGone) {
  HWND list = CreateReportList(3);
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

  // Once the list is gone every wrapper answers zero.
  LVITEMA blank{};
  LvmInsertItemA(list, blank);
  DestroyWindow(list);
  LVITEMA another{};
  EXPECT_EQ(0, LvmInsertItemA(list, another));
  LvmSetItemTextA(list, 0, 0, "ignored");
  EXPECT_EQ(0, LvmGetItemCount(list));
  EXPECT_EQ(0, LvmDeleteAllItems(list));
}
