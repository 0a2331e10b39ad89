#pragma once
// A hostile user's input for a dialog with a report list, written as an xdotool
// script: mouse moves, clicks, double clicks and the wheel in the list and on the
// dialog's empty area, clicks on the column headers, drags of the header dividers
// and of the caption, and arrow, paging, letter, digit, Tab, Shift+Tab, Space and
// Ctrl+A keys. Never Escape, Enter, Alt+F4, the Cancel button or the close box.
// Space and the other keys follow a click in the list, so the focus Tab gives to
// Cancel is always taken back before Space could press it; every drag is undone
// by a drag back, so the points found before the flood stay valid throughout.
#include <string>
#include <vector>

#include "platform/win32_api.h"

// Screen points of the dialog, read before the flood.
struct FloodTargets {
  RECT items;                 // the list below its header, with a margin kept clear of its edges
  POINT headerMiddle;         // y of the header, x of the first column's middle
  std::vector<int> dividers;  // x of every header divider
  POINT caption;              // a point of the caption far from the close box
  POINT emptyArea;            // a point of the dialog where no control lies
};

struct InputFlood {
  std::string script;  // one xdotool command chain a line
  int events = 0;      // moves, clicks, double clicks, wheel notches, button presses and releases, keys
};

// `rounds` rounds of every kind of input, with `pauseSeconds` between rounds.
InputFlood MakeInputFlood(const FloodTargets& targets, int rounds, double pauseSeconds);

// The targets of the demo's dialog with its list and Cancel button, read from outside.
FloodTargets FindFloodTargets(HWND dialog, HWND list, HWND cancel);
