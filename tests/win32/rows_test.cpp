#include "app/rows.h"

#include <gtest/gtest.h>

#include "app/program_globals.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/list_view_support.h"

TEST(Rows, PauseSlicesAreTwentyFifthsOfTheTimeRounded) {
  const int32_t cases[][2] = {{500, 20}, {12, 0}, {13, 1}, {37, 1}, {38, 2}, {62, 2}, {63, 3}, {0, 0}, {-40, -2},
                              {INT32_MAX, 85899346}, {INT32_MAX - 1, 85899346}, {INT32_MIN, -85899346},
                              {INT32_MIN + 1, -85899346}};
  for (const auto& [milliseconds, slices] : cases) EXPECT_EQ(slices, PauseSlices(milliseconds)) << milliseconds;
}

// Each slice takes one message step; once a Cancel is asked for, a pause ends after one slice.
TEST(Rows, APauseTakesAMessageASliceAndEndsEarlyOnCancel) {
  const int32_t cases[][3] = {{12, 0, 2}, {INT32_MIN, 0, 2}, {13, 0, 1}, {38, 0, 0}, {500, 1, 1}};  // ms, cancel, left
  for (const auto& [milliseconds, cancel, left] : cases) {
    programGlobals = {};
    programGlobals.CancelRequested = cancel;
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    PauseMs(milliseconds);
    MSG message;
    int waiting = 0;
    while (PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_REMOVE)) ++waiting;
    EXPECT_EQ(left, waiting) << milliseconds;
  }
}

TEST(Rows, AddRowFillsTheSixCellsAndClearRowsEmptiesTheList) {
  programGlobals = {};
  programGlobals.MainList = CreateReportList(6);
  DynString cells[6] = {MakeText("Item  1 - Testtekst1"), {}, MakeText("Testtekst3"), MakeText(""), MakeText("5"), {}};
  AddRow(&cells[0], &cells[1], &cells[2], &cells[3], &cells[4], &cells[5]);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(TextOf(cells[k]), CellText(programGlobals.MainList, 0, k)) << k;
  ClearRows();
  EXPECT_EQ(0, SendMessageA(programGlobals.MainList, LVM_GETITEMCOUNT, 0, 0));
  for (DynString cell : cells) TextRelease(cell);
  DestroyWindow(programGlobals.MainList);
}
