// The demo driven as a person would drive it: real clicks and keys through the X
// server, its state read from outside its process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/win32/process_runner.h"
#include "tests/win32/toolkit_support.h"
#include "tests/win32/window_reader.h"
#include "tests/win32/x_input.h"

namespace {

constexpr const char* kBox = "Orlavex";
// After a Cancel the pause under way and the seventeen after the third row take one slice each, a 30 ms sleep and
// a message step: 558 ms, and a second for Wine's scheduling and the box's appearing (measured: 510-1030 ms).
// Ten slices each would take 5.6 s.
constexpr DWORD kCancelledMs = 18 * 31 + 1000;

struct Demo {
  PROCESS_INFORMATION process = StartProgram("\"" DEMO_PROGRAM "\"");
  HWND dialog = WaitForTopWindow("Demo listbox with Colomns", 20000);
  HWND list = GetDlgItem(dialog, 20), cancel = GetDlgItem(dialog, IDCANCEL);
  // A test that stops early must not leave its program, and its box, to the next.
  ~Demo() { TerminateProcess(process.hProcess, 1); WaitForExit(process, 5000); }
  int Rows() const { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }
};

std::string At(int x, int y) { return " mousemove " + std::to_string(x) + " " + std::to_string(y); }
RECT RectOf(HWND window) { RECT rect{}; GetWindowRect(window, &rect); return rect; }

// A hostile user's input, 55 real X events a round: moves, the wheel, clicks and double clicks in the list and on
// the dialog's empty area, header clicks, drags of a header divider and of the caption (each undone by a drag
// back, so that the points stay valid), and keys. Never Escape, Enter, Cancel or the close box; a click in the
// list takes back the focus Tab gives to Cancel before Space could press it.
std::string Flood(const Demo& demo) {
  const RECT list = RectOf(demo.list), dialog = RectOf(demo.dialog), cancel = RectOf(demo.cancel);
  const RECT header = RectOf(reinterpret_cast<HWND>(SendMessageA(demo.list, LVM_GETHEADER, 0, 0)));
  std::vector<int> dividers{header.left};
  for (int k = 0; k < 6; ++k)
    dividers.push_back(dividers.back() + static_cast<int>(SendMessageA(demo.list, LVM_GETCOLUMNWIDTH, k, 0)));
  const RECT items{list.left + 40, header.bottom + 40, list.right - 40, list.bottom - 40};
  const int headerY = (header.top + header.bottom) / 2, captionX = (2 * dialog.left + dialog.right) / 3;
  const int captionY = dialog.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  const auto drag = [&](int x, int y, int dx) {
    return At(x, y) + " mousedown 1" + At(x + dx, y) + " mouseup 1 mousedown 1" + At(x, y) + " mouseup 1";
  };
  const auto clicks = [](std::string buttons) {  // a single click waits 100 ms after itself unless told otherwise
    for (size_t at = 0; at < buttons.size(); at += 18) buttons.insert(at, " click --delay 1 ");
    return buttons;
  };
  const std::string doubleClick = " click --repeat 2 --delay 30 1";
  std::string script;
  for (int r = 0; r < 20; ++r) {
    const auto inList = [&](int step) {
      return At(items.left + (r * 37 + step * 53) % (items.right - items.left),
                items.top + (r * 29 + step * 41) % (items.bottom - items.top));
    };
    for (int step = 0; step < 8; ++step) script += inList(step);
    script += inList(9) + clicks("5544") + doubleClick;
    script += At(items.left, (cancel.top + cancel.bottom) / 2) + clicks("1") + doubleClick + clicks("54");
    script += At((dividers[0] + dividers[1]) / 2 + (r % 3) * 20, headerY) + clicks("1");
    script += drag(dividers[1 + r % 5], headerY, 12) + drag(captionX, captionY, 30);
    script += inList(10) + clicks("1") + " key --delay 2 Up Down Left Right Prior Next Home End";
    for (int k = 0; k < 3; ++k)
      script += std::string(" ") + "qwertyuiopasdfghjklzxcvbnm"[(r * 3 + k) % 26] + " " + std::to_string((r + k) % 10);
    script += " space ctrl+a key --delay 2 Tab shift+Tab sleep 0.05";
  }
  return script;
}

std::string CloseBox(const Demo& demo) {
  const RECT r = RectOf(demo.dialog);
  return At(r.right - GetSystemMetrics(SM_CXDLGFRAME) - GetSystemMetrics(SM_CXSIZE) / 2 - 1,
            r.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYSIZE) / 2) + " click 1";
}

}  // namespace

// Runs of the demo, each given input during its pauses. Run to its end, with no input or a flood of 1,100 events,
// it shows its columns and every row and is not much slower for the flood; without one, a Cancel clicked while its
// box is up ends only the dialog. Cancel and Escape end the dialog and every later pause after one slice; the close box ends
// only the dialog. Whatever input came before it, the box waits for the user's Enter.
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
  const Column columns[] = {{"Item", LVCFMT_LEFT, 0.25f},      {"Kolom 2", LVCFMT_LEFT, 0.11f},
                            {"Kolom 3", LVCFMT_LEFT, 0.11f},   {"Centreer", LVCFMT_CENTER, 0.17f},
                            {"Links", LVCFMT_LEFT, 0.17f},     {"Rechts", LVCFMT_RIGHT, 0.17f}};
  // The base units of a dialog of the demo's template and font, made here: the system maps another process's
  // dialog units only for that process.
  PrepareToolkit();
  ProcedureFrame frame;
  HWND sameTemplate = MakeDialog(frame, "units");
  RECT base{0, 0, 4, 8};
  ASSERT_TRUE(MapDialogRect(sameTemplate, &base));
  DestroyWindow(sameTemplate);
  std::vector<DWORD> fullRunMs;
  for (const Run& run : runs) {
    SCOPED_TRACE(run.what);
    const DWORD start = GetTickCount();
    Demo demo;
    const RECT list = RectOf(demo.list);
    const int pixels = MulDiv(MulDiv(list.right - list.left, 4, base.right), base.right, 4);
    for (size_t k = 0; k < 6; ++k) {
      LVCOLUMNA column{};
      column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
      const std::string text = SendListRecord(demo.list, LVM_GETCOLUMNA, k, column);
      EXPECT_EQ(columns[k].text, text);
      EXPECT_EQ(columns[k].format, column.fmt & LVCFMT_JUSTIFYMASK) << k;
      EXPECT_EQ(std::nearbyint(static_cast<long double>(columns[k].share) * pixels), column.cx) << k;
    }
    ASSERT_TRUE(WaitUntil([&] { return demo.Rows() >= run.rows; }, 30000));
    ASSERT_TRUE(XdoTool(run.input(demo), 60000));
    const DWORD given = GetTickCount();
    ASSERT_EQ(nullptr, WaitForTopWindow(kBox)) << "the input must end before the box appears";
    EXPECT_EQ(run.shown == 0, WaitUntil([&] { return !IsWindow(demo.dialog); }, 1000));
    HWND box = WaitForTopWindow(kBox, 60000);
    const DWORD took = GetTickCount() - given;
    EXPECT_GE(took, run.minMs);
    EXPECT_LE(took, run.maxMs);
    if (run.shown == 20) {
      fullRunMs.push_back(GetTickCount() - start);
      // The rows stand in the order the list's own sort gives them (each arrives without text): in label order.
      std::vector<std::vector<std::string>> rows(demo.Rows(), std::vector<std::string>(6));
      for (size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 6; ++column) {
          LVITEMA item{};
          item.iSubItem = column;
          rows[row][column] = SendListRecord(demo.list, LVM_GETITEMTEXTA, row, item);
        }
      std::sort(rows.begin(), rows.end());
      decltype(rows) expected;
      for (int n = 1; n <= 20; ++n)
        expected.push_back({"Item " + std::string(n < 10, ' ') + std::to_string(n) + " - Testtekst1", "Testtekst2",
                            "Testtekst3", "Testtekst4", "Testtekst5", "TestTekst6"});
      EXPECT_EQ(expected, rows);
    }
    if (run.input != Flood && run.shown == 20) {
      ASSERT_TRUE(XdoTool(MoveTo(demo.cancel) + " click 1"));
      EXPECT_TRUE(WaitUntil([&] { return !IsWindow(demo.dialog); }, 1000));
    }
    ASSERT_NE(nullptr, box);
    const std::string text = "Number of elements in the listview:  " + std::to_string(run.shown);
    EXPECT_EQ(text, MessageBoxText(box));
    Sleep(1000);
    EXPECT_EQ(box, WaitForTopWindow(kBox)) << "the box was answered by input given before it appeared";
    EXPECT_EQ(text, MessageBoxText(box));
    XKeyTo(box, "Return");
    EXPECT_EQ(0, WaitForExit(demo.process, 20000));
  }
  ASSERT_EQ(2u, fullRunMs.size());
  EXPECT_LE(fullRunMs[1], fullRunMs[0] * 3 / 2) << "the flood slowed the run from " << fullRunMs[0] << " ms";
}
