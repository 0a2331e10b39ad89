#include "app/rows.h"

#include <tabard/controls/list_view.h>
#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/dialog_pump.h>
#include <tabard/platform/win32_messages.h>
#include <tabard/text/text_core.h>
#include "app/program_globals.h"

using namespace tabard;

namespace {
constexpr int32_t kSliceDivisor = 25;
constexpr uint32_t kSliceSleepMs = 30;
constexpr int kColumns = 6;
}  // namespace

void AddRow(const DynString* column0, const DynString* column1, const DynString* column2, const DynString* column3,
            const DynString* column4, const DynString* column5) {
  LVITEMA row{};
  const auto index = static_cast<int32_t>(LvmInsertItemA(programGlobals.MainList, row));
  const DynString* cells[kColumns] = {column0, column1, column2, column3, column4, column5};
  for (int column = 0; column < kColumns; ++column)
    LvmSetItemTextA(programGlobals.MainList, index, column, TextPointer(cells[column]));
}

int32_t PauseSlices(int32_t milliseconds) {
  // Rounded to nearest; an integer never falls on a half of 25. Worked in 64 bits,
  // where the magnitude of the most negative time and the rounding both fit.
  const int64_t time = milliseconds;
  const int64_t magnitude = time < 0 ? -time : time;
  const int64_t slices = (magnitude + kSliceDivisor / 2) / kSliceDivisor;
  return static_cast<int32_t>(time < 0 ? -slices : slices);
}

void PauseMs(const int32_t& milliseconds) {
  const int32_t slices = PauseSlices(milliseconds);
  for (int32_t slice = 1; slice <= slices; ++slice) {
    DialogPump();
    SleepMs(kSliceSleepMs);
    if (programGlobals.CancelRequested != 0) break;
  }
}

void RepaintList() {
  platform::SendMessage(programGlobals.MainList, WM_SETREDRAW, static_cast<WPARAM>(-1), 0);
  platform::InvalidateRect(programGlobals.MainList, nullptr, FALSE);
  platform::UpdateWindow(programGlobals.MainList);
}

int32_t OnCancel(DialogHandle, uint32_t, WPARAM, LPARAM) {
  DialogEnd(programGlobals.MainDialog, 0);
  programGlobals.CancelRequested = 1;
  return 1;
}

void ClearRows() { LvmDeleteAllItems(programGlobals.MainList); }
