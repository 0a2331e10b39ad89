#include "app/rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "app/program_globals.h"
#include "dialogs/dialog_create.h"
#include "runtime/runtime_block.h"
#include "tests/win32/list_view_support.h"
#include "text/text_core.h"

namespace {

bool MessageWaiting() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_NOREMOVE) != 0;
}

}  // namespace

TEST(Rows, PauseSlicesAreTwentyFifthsOfTheTimeRounded) {
  struct Case {
    int32_t milliseconds;
    int32_t slices;
  };
  const Case cases[] = {
      {500, 20}, {12, 0}, {13, 1}, {37, 1}, {38, 2}, {62, 2}, {63, 3}, {0, 0}, {-40, -2},
      // The extremes: no overflow in the magnitude or the rounding.
      {INT32_MAX, 85899346}, {INT32_MAX - 1, 85899346}, {INT32_MIN, -85899346}, {INT32_MIN + 1, -85899346}};
  for (const Case& c : cases) EXPECT_EQ(c.slices, PauseSlices(c.milliseconds)) << c.milliseconds;
}

TEST(Rows, ShortPausesPumpNothingAndACancelEndsAPauseAfterOneSlice) {
  programGlobals = {};
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
  for (int32_t milliseconds : {12, 0, -500, INT32_MIN}) PauseMs(milliseconds);
  EXPECT_TRUE(MessageWaiting()) << "no slice ran, so nothing was pumped";

  programGlobals.CancelRequested = 1;
  const DWORD start = GetTickCount();
  PauseMs(500);
  const DWORD took = GetTickCount() - start;
  EXPECT_FALSE(MessageWaiting()) << "the one slice took the waiting message";
  EXPECT_LT(took, 400u) << "one slice, not twenty";
  programGlobals = {};
}

TEST(Rows, AddRowFillsSixCellsAndEmptyStringsGiveEmptyCells) {
  programGlobals = {};
  programGlobals.MainList = CreateReportList(6);
  ProcedureFrame frame{};
  DynString cells[6] = {};
  const char* texts[6] = {"Item  1 - Testtekst1", "", "Testtekst3", "Testtekst4", "", "TestTekst6"};
  for (int k = 0; k < 6; ++k) {
    TextPushBytes(frame, texts[k], static_cast<uint32_t>(strlen(texts[k])));
    TextPassRef(frame, &cells[k]);
  }
  AddRow(&cells[0], &cells[1], &cells[2], &cells[3], &cells[4], &cells[5]);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(texts[k], CellText(programGlobals.MainList, 0, k)) << k;
  for (DynString cell : cells) TextRelease(cell);

  ClearRows();
  EXPECT_EQ(0, SendMessageA(programGlobals.MainList, LVM_GETITEMCOUNT, 0, 0));
  DestroyWindow(programGlobals.MainList);
  programGlobals = {};
}

TEST(Rows, CancelEndsTheMainDialogAndAsksThePausesToStop) {
  programGlobals = {};
  runtimeBlock.moduleInstance = GetModuleHandleA(nullptr);
  ProcedureFrame frame{};
  TextPushBytes(frame, "Demo", 4);
  programGlobals.MainDialog = DialogCreate(frame, nullptr, -1, -1, 100, 80, WS_CAPTION | WS_SYSMENU, 0);
  ASSERT_NE(nullptr, programGlobals.MainDialog);
  EXPECT_EQ(1, OnCancel(nullptr, WM_COMMAND, IDCANCEL, 0));
  EXPECT_FALSE(IsWindow(programGlobals.MainDialog));
  EXPECT_EQ(1, programGlobals.CancelRequested);
  programGlobals = {};
}
