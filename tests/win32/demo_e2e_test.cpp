// The demo driven as a person would drive it: real clicks and keys through the X server, its state read from
// outside its process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "tests/win32/process_runner.h"
#include "tests/win32/toolkit_support.h"

namespace {

constexpr const char* kBox = "Orlavex";
// After a Cancel the pause under way and the seventeen after the third row take one slice each (a 30 ms sleep and a
// message step), plus a second for Wine's scheduling and the box's appearing; twenty slices each would take 11 s.
// On a machine slower than that, every part of it takes longer in proportion to the slice measured there, and so
// does every other bound.
constexpr DWORD kCancelledMs = 18 * 31 + 1000, kNominalSliceMs = 31;
// From the first row to the box, at least the nineteen whole pauses of twenty slices after the later rows.
constexpr DWORD kSlicesAfterFirstRow = 19 * 20;

struct Demo {
  PROCESS_INFORMATION process = StartProgram("\"" DEMO_PROGRAM "\"");
  HWND dialog = WaitForTopWindow("Demo listbox with Colomns", 20000);
  HWND list = GetDlgItem(dialog, 20), cancel = GetDlgItem(dialog, IDCANCEL);
  ~Demo() { TerminateProcess(process.hProcess, 1); WaitForExit(process, 5000); }  // a failed run leaves no box
};

// A hostile user's input: moves, wheel, clicks and double clicks in the list and on the empty area, header clicks,
// divider and caption drags, and keys. Never Escape, Enter, Cancel or the close box; a click in the list takes back
// the focus Tab gives to Cancel before Space could press it.
std::string Flood(const Demo& demo) {
  const RECT list = RectOf(demo.list), cancel = RectOf(demo.cancel), header = RectOf(ListView_GetHeader(demo.list));
  const int left = list.left + 40, top = header.bottom + 40, width = list.right - list.left - 80;
  const int height = list.bottom - top - 40;
  const RECT dialog = RectOf(demo.dialog);
  const int headerY = (header.top + header.bottom) / 2, captionX = (2 * dialog.left + dialog.right) / 3;
  const int captionY = dialog.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  const auto dragAndBack = [](int x, int y) {  // the divider or the dialog ends where it began
    return At(x, y) + " mousedown 1" + At(x + 12, y) + " mouseup 1 mousedown 1" + At(x, y) + " mouseup 1";
  };
  const auto click = [](const char* button) { return std::string(" click --delay 1 ") + button; };  // else 100 ms
  const std::string doubleClick = " click --repeat 2 --delay 30 1";
  std::string script;
  for (int r = 0; r < 20; ++r) {
    const auto inList = [&](int s) { return At(left + (r * 37 + s * 53) % width, top + (r * 29 + s * 41) % height); };
    for (int step = 0; step < 8; ++step) script += inList(step);
    script += inList(9) + click("5") + click("5") + click("4") + click("4") + doubleClick;
    script += At(left, (cancel.top + cancel.bottom) / 2) + click("1") + doubleClick + click("5") + click("4");
    script += At(header.left + 30 + (r % 3) * 20, headerY) + click("1");
    int divider = header.left;
    for (int k = 0; k <= r % 5; ++k) divider += ListView_GetColumnWidth(demo.list, k);
    script += dragAndBack(divider, headerY) + dragAndBack(captionX, captionY);
    script += inList(10) + click("1") + " key --delay 2 Up Down Left Right Prior Next Home End q 1 w 2 e 3 space";
    script += " ctrl+a key --delay 2 Tab shift+Tab sleep 0.05";
  }
  return script;
}

std::string CloseBox(const Demo& demo) {
  const RECT r = RectOf(demo.dialog);
  return At(r.right - GetSystemMetrics(SM_CXDLGFRAME) - GetSystemMetrics(SM_CXSIZE) / 2 - 1,
            r.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYSIZE) / 2) + " click 1";
}

}  // namespace

// Run to its end, with no input or a flood, the demo shows its columns and every row, is not much slower for the
// flood, and a Cancel while its box is up ends only the dialog. Cancel and Escape end the dialog and every later
// pause after one slice; the close box ends only the dialog. Input given before the box never answers it.
TEST(DemoEndToEnd, RunsGivenTheInputAPersonMightGive) {
  struct Run { const char* what; int rows; std::string (*input)(const Demo&); int shown; DWORD minMs, maxMs; };
  const Run runs[] = {  // the input given once the list has `rows` rows; the time from its end to the box
      {"no input", 1, [](const Demo&) { return std::string(" sleep 0"); }, 20, 0, 60000},
      {"a flood", 1, Flood, 20, 0, 60000},
      {"Cancel", 3, [](const Demo& demo) { return MoveTo(demo.cancel) + " click 1"; }, 0, 0, kCancelledMs},
      {"Escape", 3, [](const Demo& demo) { return MoveTo(demo.list) + " key Escape"; }, 0, 0, kCancelledMs},
      {"ten Escapes and Cancel", 3, [](const Demo& demo) {
         return MoveTo(demo.list) + " key --delay 4 Escape Escape Escape Escape Escape Escape Escape Escape Escape" +
                " Escape" + MoveTo(demo.cancel) + " click 1"; }, 0, 0, kCancelledMs},
      {"the close box", 17, CloseBox, 0, 3 * 20 * 30, 60000}};
  struct Column { const char* text; int format; float share; };  // of the list's width in dialog units, in pixels
  // clang-format off
  const Column columns[] = {
      {"Item", LVCFMT_LEFT, 0.25f}, {"Kolom 2", LVCFMT_LEFT, 0.11f}, {"Kolom 3", LVCFMT_LEFT, 0.11f},
      {"Centreer", LVCFMT_CENTER, 0.17f}, {"Links", LVCFMT_LEFT, 0.17f}, {"Rechts", LVCFMT_RIGHT, 0.17f}};
  // clang-format on
  // The system maps another process's dialog units only for that process: a dialog of the same template, made here.
  PrepareToolkit();
  ProcedureFrame frame;
  HWND sameTemplate = MakeDialog(frame, "units");
  RECT base{0, 0, 4, 8};
  ASSERT_TRUE(MapDialogRect(sameTemplate, &base));
  DestroyWindow(sameTemplate);
  DWORD rowsMs[2] = {};  // to the last row, without and with the flood
  DWORD sliceMs = kNominalSliceMs;  // measured by the run without input, which comes first
  for (const Run& run : runs) {
    SCOPED_TRACE(run.what);
    const DWORD start = GetTickCount();
    Demo demo;
    const RECT list = RectOf(demo.list);
    const int pixels = MulDiv(MulDiv(list.right - list.left, 4, base.right), base.right, 4);
    for (size_t k = 0; k < 6; ++k) {
      LVCOLUMNA got{};
      got.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
      const std::string text = SendListRecord(demo.list, LVM_GETCOLUMNA, k, got);
      const auto& [wanted, format, share] = columns[k];
      EXPECT_EQ(std::tuple(wanted, format, std::nearbyint(static_cast<long double>(share) * pixels)),
                std::tuple(text, got.fmt & LVCFMT_JUSTIFYMASK, got.cx));
    }
    ASSERT_TRUE(WaitUntil([&] { return ListView_GetItemCount(demo.list) >= run.rows; }, 30000));
    ASSERT_TRUE(XdoTool(run.input(demo), 60000));
    const DWORD given = GetTickCount();
    ASSERT_EQ(nullptr, WaitForTopWindow(kBox)) << "the input must end before the box appears";
    EXPECT_EQ(run.shown == 0, WaitUntil([&] { return !IsWindow(demo.dialog); }, 1000));
    if (run.shown == 20 && WaitUntil([&] { return ListView_GetItemCount(demo.list) >= 20; }, 60000))
      rowsMs[run.input == Flood] = GetTickCount() - start;
    const DWORD maxMs = run.maxMs * std::max(sliceMs, kNominalSliceMs) / kNominalSliceMs;
    WaitForTopWindow(kBox, maxMs);
    const DWORD took = GetTickCount() - given;
    if (&run == &runs[0]) sliceMs = std::max(sliceMs, took / kSlicesAfterFirstRow);
    EXPECT_GE(took, run.minMs) << "a slice: " << sliceMs << " ms";
    EXPECT_LE(took, maxMs) << "a slice: " << sliceMs << " ms";
    if (run.shown == 20) {
      // Each row arrives without text and stands where the list's own sort puts it: in label order.
      std::vector<std::vector<std::string>> rows(ListView_GetItemCount(demo.list)), expected;
      for (size_t row = 0; row < rows.size(); ++row)
        for (LVITEMA item{}; item.iSubItem < 6; ++item.iSubItem)
          rows[row].push_back(SendListRecord(demo.list, LVM_GETITEMTEXTA, row, item));
      std::sort(rows.begin(), rows.end());
      for (int n = 1; n <= 20; ++n)
        expected.push_back({"Item " + std::string(n < 10, ' ') + std::to_string(n) + " - Testtekst1", "Testtekst2",
                            "Testtekst3", "Testtekst4", "Testtekst5", "TestTekst6"});
      EXPECT_EQ(expected, rows);
      if (run.input != Flood) {
        ASSERT_TRUE(XdoTool(MoveTo(demo.cancel) + " click 1"));
      }
      EXPECT_EQ(run.input != Flood, WaitUntil([&] { return !IsWindow(demo.dialog); }, 1000));
    }
    Sleep(1000);  // for input given before the box to answer it, wrongly
    EXPECT_EQ("Number of elements in the listview:  " + std::to_string(run.shown),
              AnswerBoxWhile(kBox, "Return", [] {}));
    EXPECT_EQ(0, WaitForExit(demo.process, 20000));
  }
  // Clearing the flood's input before the box takes as long as the machine needs, so only the rows are compared.
  // Each slice takes one of the flood's messages, which costs more the slower the machine.
  EXPECT_LE(rowsMs[1], rowsMs[0] + rowsMs[0] / 2 * sliceMs / kNominalSliceMs)
      << "the flood slowed the rows (a slice: " << sliceMs << " ms)";
}
