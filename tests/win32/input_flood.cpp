#include "tests/win32/input_flood.h"

#include <cstdio>

#include "tests/win32/window_reader.h"

namespace {

constexpr int kListMargin = 40;
constexpr int kDividerDrag = 12;
constexpr int kCaptionDrag = 30;
constexpr int kDoubleClickGapMs = 30;
constexpr const char* kLetters = "qwertyuiopasdfghjklzxcvbnm";

struct Line {
  std::string text;
  int events = 0;

  Line& Add(const char* format, int a = 0, int b = 0, int added = 1) {
    char part[96];
    std::snprintf(part, sizeof part, format, a, b);
    text += part;
    events += added;
    return *this;
  }
  Line& MoveTo(POINT point) { return Add(" mousemove %d %d", point.x, point.y); }
  Line& Click(int button = 1) { return Add(" click --delay 1 %d", button); }
  Line& DoubleClick() { return Add(" click --repeat 2 --delay %d 1", kDoubleClickGapMs); }
  // Down, move by dx, up, and back the same way: the divider or the window ends where it began.
  Line& DragThereAndBack(POINT from, int dx) {
    MoveTo(from).Add(" mousedown 1").MoveTo({from.x + dx, from.y}).Add(" mouseup 1");
    return Add(" mousedown 1").MoveTo(from).Add(" mouseup 1");
  }
};

POINT ListPoint(const RECT& items, int round, int step) {
  const int width = items.right - items.left, height = items.bottom - items.top;
  return {items.left + (round * 37 + step * 53) % width, items.top + (round * 29 + step * 41) % height};
}

// One kind of input per row, in the order a round gives them.
struct FloodKind {
  void (*write)(Line& line, const FloodTargets& targets, int round);
};
constexpr FloodKind kKinds[] = {
    {[](Line& line, const FloodTargets& t, int round) {
      for (int step = 0; step < 8; ++step) line.MoveTo(ListPoint(t.items, round, step));
    }},
    {[](Line& line, const FloodTargets& t, int round) {
      line.MoveTo(ListPoint(t.items, round, 9)).Click(5).Click(5).Click(4).Click(4).DoubleClick();
    }},
    {[](Line& line, const FloodTargets& t, int) {
      line.MoveTo(t.emptyArea).Click().DoubleClick().Click(5).Click(4);
    }},
    {[](Line& line, const FloodTargets& t, int round) {
      line.MoveTo({t.headerMiddle.x + (round % 3) * 20, t.headerMiddle.y}).Click();
    }},
    {[](Line& line, const FloodTargets& t, int round) {
      if (t.dividers.empty()) return;
      line.DragThereAndBack({t.dividers[round % t.dividers.size()], t.headerMiddle.y}, kDividerDrag);
    }},
    {[](Line& line, const FloodTargets& t, int) { line.DragThereAndBack(t.caption, kCaptionDrag); }},
    // The list takes the focus back from wherever Tab left it, before any Space.
    {[](Line& line, const FloodTargets& t, int round) { line.MoveTo(ListPoint(t.items, round, 10)).Click(); }},
    {[](Line& line, const FloodTargets&, int round) {
      line.Add(" key --delay 2 Up Down Left Right Prior Next Home End", 0, 0, 8);
      for (int k = 0; k < 3; ++k) line.Add(" %c", kLetters[(round * 3 + k) % 26]).Add(" %d", (round + k) % 10);
      line.Add(" space ctrl+a", 0, 0, 2);
    }},
    {[](Line& line, const FloodTargets&, int) { line.Add(" key --delay 2 Tab shift+Tab", 0, 0, 2); }},
};

}  // namespace

InputFlood MakeInputFlood(const FloodTargets& targets, int rounds, double pauseSeconds) {
  InputFlood flood;
  char pause[32];
  std::snprintf(pause, sizeof pause, "sleep %.3f\n", pauseSeconds);
  for (int round = 0; round < rounds; ++round) {
    for (const FloodKind& kind : kKinds) {
      Line line;
      kind.write(line, targets, round);
      if (line.events == 0) continue;
      flood.script += line.text.substr(1) + "\n";
      flood.events += line.events;
    }
    flood.script += pause;
  }
  return flood;
}

FloodTargets FindFloodTargets(HWND dialog, HWND list, HWND cancel) {
  FloodTargets targets;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  RECT listRect{}, headerRect{}, dialogRect{}, cancelRect{};
  GetWindowRect(list, &listRect);
  GetWindowRect(header, &headerRect);
  GetWindowRect(dialog, &dialogRect);
  GetWindowRect(cancel, &cancelRect);
  targets.items = {listRect.left + kListMargin, headerRect.bottom + kListMargin, listRect.right - kListMargin,
                   listRect.bottom - kListMargin};
  const int headerY = (headerRect.top + headerRect.bottom) / 2;
  int x = headerRect.left;
  for (const ListColumn& column : ReadListColumns(list)) {
    if (x == headerRect.left) targets.headerMiddle = {x + column.width / 2, headerY};
    x += column.width;
    if (x < headerRect.right - kListMargin) targets.dividers.push_back(x);
  }
  targets.caption = {dialogRect.left + (dialogRect.right - dialogRect.left) / 3,
                     dialogRect.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  targets.emptyArea = {listRect.left + kListMargin, (cancelRect.top + cancelRect.bottom) / 2};
  return targets;
}
