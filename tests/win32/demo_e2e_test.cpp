// The demo program driven as a person would drive it: real clicks and keys through
// the X server, its state read from outside its process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/win32/input_flood.h"
#include "tests/win32/process_runner.h"
#include "tests/win32/window_reader.h"
#include "tests/win32/x_input.h"

namespace {

constexpr const char* kDialogTitle = "Demo listbox with Colomns";
constexpr const char* kBoxCaption = "Orlavex";
constexpr int kListId = 20;
constexpr int kCancelId = 2;
constexpr DWORD kFullRunLimitMs = 60000;

struct DemoRun {
  PROCESS_INFORMATION process{};
  HWND dialog = nullptr;
  HWND list = nullptr;
  DemoRun() = default;
  DemoRun(DemoRun&& other) noexcept : process(other.process), dialog(other.dialog), list(other.list) {
    other.process = {};
  }
  // A test that stops early must not leave its program, and its box, to the next.
  ~DemoRun() {
    if (process.hProcess == nullptr) return;
    TerminateProcess(process.hProcess, 1);
    WaitForExit(process, 5000);
  }
};

DemoRun StartDemo() {
  DemoRun run;
  run.process = StartProgram("\"" DEMO_PROGRAM "\"");
  if (run.process.hProcess == nullptr) return run;
  run.dialog = WaitForTopWindow(kDialogTitle, 20000);
  if (run.dialog != nullptr) run.list = GetDlgItem(run.dialog, kListId);
  return run;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

bool WaitForRows(HWND list, int rows, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (RowCount(list) < rows) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(2);
  }
  return true;
}

// Enter on the box, as a person would end the run; the process's exit code.
int64_t DismissAndWaitForExit(DemoRun& run, HWND box) {
  XKeyTo(box, "Return");
  return WaitForExit(run.process, 20000);
}

// The close box of a dialog with a modal frame, placed from the system's metrics
// and confirmed by the window's own hit test. (Every question to the running demo
// waits for its next message step, so the point is not searched for.)
bool ClickCloseBox(HWND dialog) {
  RECT rect{};
  GetWindowRect(dialog, &rect);
  const int x = rect.right - GetSystemMetrics(SM_CXDLGFRAME) - GetSystemMetrics(SM_CXSIZE) / 2 - 1;
  const int y = rect.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYSIZE) / 2;
  if (SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLOSE) return false;
  return XClickAt(x, y);
}

// Every row with its six texts, in label order.
void ExpectTwentyRows(HWND list) {
  auto rows = ReadListRows(list, 6);
  ASSERT_EQ(20u, rows.size());
  std::sort(rows.begin(), rows.end());
  for (int n = 1; n <= 20; ++n) {
    char label[32];
    snprintf(label, sizeof label, "Item %2d - Testtekst1", n);
    const std::vector<std::string> expectedRow = {label,        "Testtekst2", "Testtekst3",
                                                  "Testtekst4", "Testtekst5", "TestTekst6"};
    EXPECT_EQ(expectedRow, rows[n - 1]) << "row " << n;
  }
}

// The box must wait for the user: still there, unchanged, after a while.
void ExpectBoxStays(HWND box, const char* text) {
  Sleep(1000);
  EXPECT_TRUE(IsWindowVisible(box)) << "the box was answered by input given before it appeared";
  EXPECT_EQ(box, FindTopWindow(kBoxCaption));
  EXPECT_EQ(text, MessageBoxText(box));
}

bool RunXdoToolScript(const std::string& script) {
  const std::string path = "/tmp/flood-" + std::to_string(GetCurrentProcessId()) + ".xdo";
  FILE* file = std::fopen(("Z:" + path).c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(script.data(), 1, script.size(), file) == script.size();
  std::fclose(file);
  const bool ran = written && XdoTool(path, 60000);
  DeleteFileA(("Z:" + path).c_str());
  return ran;
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

TEST(DemoEndToEnd, FullRunShowsTwentyRowsAndTheirCount) {
  DemoRun run = StartDemo();
  ASSERT_NE(nullptr, run.dialog);
  ASSERT_NE(nullptr, run.list);

  const std::vector<ListColumn> columns = ReadListColumns(run.list);
  struct ExpectedColumn {
    const char* text;
    int format;
    float fraction;
  };
  const ExpectedColumn expected[] = {{"Item", LVCFMT_LEFT, 0.25f},    {"Kolom 2", LVCFMT_LEFT, 0.11f},
                                     {"Kolom 3", LVCFMT_LEFT, 0.11f}, {"Centreer", LVCFMT_CENTER, 0.17f},
                                     {"Links", LVCFMT_LEFT, 0.17f},   {"Rechts", LVCFMT_RIGHT, 0.17f}};
  ASSERT_EQ(6u, columns.size());
  RECT listRect{};
  GetWindowRect(run.list, &listRect);
  const int listWidth = listRect.right - listRect.left;
  // The widths come from the list's width measured in dialog units and converted
  // back, which may differ from the window's by a pixel: some width near it must
  // give all six exactly.
  bool someWidthGivesAll = false;
  for (int pixels = listWidth - 3; pixels <= listWidth + 3 && !someWidthGivesAll; ++pixels) {
    bool all = true;
    for (size_t k = 0; k < 6; ++k)
      all = all && columns[k].width == RoundHalfEven(double{expected[k].fraction} * pixels);
    someWidthGivesAll = all;
  }
  EXPECT_TRUE(someWidthGivesAll) << "list width " << listWidth << ", first column " << columns[0].width;
  for (size_t k = 0; k < 6; ++k) {
    EXPECT_EQ(expected[k].text, columns[k].text);
    EXPECT_EQ(expected[k].format, columns[k].format & LVCFMT_JUSTIFYMASK) << columns[k].text;
  }

  HWND box = WaitForTopWindow(kBoxCaption, kFullRunLimitMs);
  ASSERT_NE(nullptr, box);
  // The rows stand in the order the control's own sort gives them: each arrives
  // without text and gets its cells afterwards.
  ExpectTwentyRows(run.list);
  EXPECT_EQ("Number of elements in the listview:  20", MessageBoxText(box));
  EXPECT_EQ(0, DismissAndWaitForExit(run, box));
}

TEST(DemoEndToEnd, CancelDuringAPauseEndsTheDialogAndEveryLaterPause) {
  struct Way {
    const char* what;
    bool (*cancel)(HWND dialog);
  };
  const Way ways[] = {
      {"a click on Cancel", [](HWND dialog) { return XClickCentreOf(GetDlgItem(dialog, kCancelId)); }},
      {"the Escape key", [](HWND) { return XKey("Escape"); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    DemoRun run = StartDemo();
    ASSERT_NE(nullptr, run.dialog);
    ASSERT_TRUE(WaitForRows(run.list, 3, 20000));
    ASSERT_TRUE(way.cancel(run.dialog));
    const DWORD cancelled = GetTickCount();
    EXPECT_TRUE(WaitForWindowGone(run.dialog, 1000));
    HWND box = WaitForTopWindow(kBoxCaption, 10000);
    ASSERT_NE(nullptr, box);
    // Seventeen passes of one slice each, not of twenty.
    EXPECT_LT(GetTickCount() - cancelled, 17u * 20 * 31);
    EXPECT_EQ("Number of elements in the listview:  0", MessageBoxText(box));
    EXPECT_EQ(0, DismissAndWaitForExit(run, box));
  }
}

TEST(DemoEndToEnd, CloseBoxEndsTheDialogButNotThePauses) {
  DemoRun run = StartDemo();
  ASSERT_NE(nullptr, run.dialog);
  ASSERT_TRUE(WaitForRows(run.list, 17, 30000));
  ASSERT_TRUE(ClickCloseBox(run.dialog));
  const DWORD clicked = GetTickCount();
  EXPECT_TRUE(WaitForWindowGone(run.dialog, 1000));
  HWND box = WaitForTopWindow(kBoxCaption, 10000);
  ASSERT_NE(nullptr, box);
  // At least the three remaining full pauses of twenty slices of 31 ms.
  EXPECT_GE(GetTickCount() - clicked, 3u * 20 * 31 - 100);
  EXPECT_EQ("Number of elements in the listview:  0", MessageBoxText(box));
  EXPECT_EQ(0, DismissAndWaitForExit(run, box));
}

TEST(DemoEndToEnd, CancelWhileTheMessageBoxIsOpenOnlyClosesTheDialog) {
  DemoRun run = StartDemo();
  ASSERT_NE(nullptr, run.dialog);
  HWND box = WaitForTopWindow(kBoxCaption, kFullRunLimitMs);
  ASSERT_NE(nullptr, box);
  ASSERT_TRUE(XClickCentreOf(GetDlgItem(run.dialog, kCancelId)));
  EXPECT_TRUE(WaitForWindowGone(run.dialog, 1000));
  EXPECT_TRUE(IsWindow(box));
  EXPECT_EQ("Number of elements in the listview:  20", MessageBoxText(box));
  EXPECT_EQ(kBoxCaption, WindowText(box));
  EXPECT_EQ(0, DismissAndWaitForExit(run, box));
}

// A hostile user bangs on the dialog through the whole run: nothing is lost, the
// run is not much slower, and the box waits for the user's Enter.
TEST(DemoEndToEnd, InputFloodLosesNoRowAndLeavesTheBoxToTheUser) {
  constexpr int kRounds = 20;
  constexpr double kSecondsBetweenRounds = 0.05;
  DWORD runMs[2] = {};
  for (const bool flooded : {false, true}) {
    SCOPED_TRACE(flooded ? "flooded" : "unflooded");
    const DWORD start = GetTickCount();
    DemoRun run = StartDemo();
    ASSERT_NE(nullptr, run.dialog);
    if (flooded) {
      ASSERT_TRUE(WaitForRows(run.list, 1, 20000));
      const InputFlood flood = MakeInputFlood(FindFloodTargets(run.dialog, run.list, GetDlgItem(run.dialog, kCancelId)),
                                              kRounds, kSecondsBetweenRounds);
      ASSERT_GE(flood.events, 1000);
      ASSERT_TRUE(RunXdoToolScript(flood.script));
      ASSERT_EQ(nullptr, FindTopWindow(kBoxCaption)) << "the flood must end before the box appears";
      printf("flood: %d events, given %lu ms after the start\n", flood.events, GetTickCount() - start);
    }
    HWND box = WaitForTopWindow(kBoxCaption, kFullRunLimitMs);
    runMs[flooded] = GetTickCount() - start;
    ASSERT_NE(nullptr, box);
    ExpectTwentyRows(run.list);
    ExpectBoxStays(box, "Number of elements in the listview:  20");
    EXPECT_EQ(0, DismissAndWaitForExit(run, box));
  }
  const double ratio = static_cast<double>(runMs[1]) / runMs[0];
  printf("run to the box: %lu ms unflooded, %lu ms flooded, ratio %.2f\n", runMs[0], runMs[1], ratio);
  EXPECT_LE(ratio, 1.5);
}

// Escape pressed again and again, then a click where Cancel was: the first press
// ends the dialog, and the presses still queued must not answer the box.
TEST(DemoEndToEnd, RepeatedEscapeAndCancelLeaveOneBoxThatWaitsForEnter) {
  DemoRun run = StartDemo();
  ASSERT_NE(nullptr, run.dialog);
  ASSERT_TRUE(WaitForRows(run.list, 3, 20000));
  RECT cancel{};
  GetWindowRect(GetDlgItem(run.dialog, kCancelId), &cancel);
  // Ten presses 4 ms apart, within 50 ms, with the pointer over the list, where
  // the keys go without a window manager.
  RECT list{};
  GetWindowRect(run.list, &list);
  std::string escapes = "mousemove " + std::to_string((list.left + list.right) / 2) + " " +
                        std::to_string((list.top + list.bottom) / 2) + " key --delay 4";
  for (int press = 0; press < 10; ++press) escapes += " Escape";
  ASSERT_TRUE(XdoTool(escapes));
  ASSERT_TRUE(XClickAt((cancel.left + cancel.right) / 2, (cancel.top + cancel.bottom) / 2));
  HWND box = WaitForTopWindow(kBoxCaption, 10000);
  ASSERT_NE(nullptr, box);
  EXPECT_FALSE(IsWindow(run.dialog));
  ExpectBoxStays(box, "Number of elements in the listview:  0");
  EXPECT_EQ(0, DismissAndWaitForExit(run, box));
}
