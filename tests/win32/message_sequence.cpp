#include "tests/win32/message_sequence.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

std::vector<SeenMessage> seenMessages;
std::vector<Reaction> reactions;

struct MessageName {
  uint32_t message;
  const char* name;
};
constexpr MessageName kMessageNames[] = {
    {WM_CREATE, "WM_CREATE"},         {WM_DESTROY, "WM_DESTROY"},       {WM_ACTIVATE, "WM_ACTIVATE"},
    {WM_SETFOCUS, "WM_SETFOCUS"},     {WM_KILLFOCUS, "WM_KILLFOCUS"},   {WM_ENABLE, "WM_ENABLE"},
    {WM_CLOSE, "WM_CLOSE"},           {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_CANCELMODE, "WM_CANCELMODE"},
    {WM_SETFONT, "WM_SETFONT"},       {WM_NOTIFY, "WM_NOTIFY"},         {WM_INITDIALOG, "WM_INITDIALOG"},
    {WM_COMMAND, "WM_COMMAND"},       {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_ENTERIDLE, "WM_ENTERIDLE"},
    {WM_QUIT, "WM_QUIT"},             {WM_APP, "WM_APP"},               {WM_NCACTIVATE, "WM_NCACTIVATE"},
    {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_KEYDOWN, "WM_KEYDOWN"},     {WM_TIMER, "WM_TIMER"},
};

const char* SeerName(Seer seer) {
  switch (seer) {
    case Seer::DialogCallback: return "dialog";
    case Seer::ControlCallback: return "control";
    case Seer::MenuCallback: return "menu";
    case Seer::Owner: return "owner";
  }
  return "?";
}

std::string MessageText(Seer seer, uint32_t message, WPARAM wParam, LPARAM lParam) {
  const auto* found = std::find_if(std::begin(kMessageNames), std::end(kMessageNames),
                                   [&](const MessageName& entry) { return entry.message == message; });
  char name[24];
  if (found != std::end(kMessageNames)) std::snprintf(name, sizeof name, "%s", found->name);
  else std::snprintf(name, sizeof name, "0x%04X", static_cast<unsigned>(message));
  char line[96];
  std::snprintf(line, sizeof line, "%-7s %-16s %08lX %08lX", SeerName(seer), name,
                static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
  return line;
}

int32_t Record(Seer seer, HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  const SeenMessage seen{seer, window, message, wParam, lParam};
  seenMessages.push_back(seen);
  for (const Reaction& reaction : reactions) {
    if (reaction.seer != seer || reaction.message != message) continue;
    if (message == WM_COMMAND && reaction.commandId != 0 && reaction.commandId != LOWORD(wParam)) continue;
    if (reaction.action != nullptr) reaction.action(seen);
    return reaction.answer;
  }
  return 0;
}

LRESULT CALLBACK RecordingOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(Seer::Owner, window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Matches(const ExpectedMessage& expected, const SeenMessage& seen) {
  if (expected.seer != seen.seer || expected.message != seen.message) return false;
  if ((expected.flags & kWParam) && expected.wParam != seen.wParam) return false;
  if ((expected.flags & kLParam) && expected.lParam != seen.lParam) return false;
  return true;
}

bool Watched(const std::vector<ExpectedMessage>& expected, const SeenMessage& seen) {
  return std::any_of(expected.begin(), expected.end(),
                     [&](const ExpectedMessage& entry) { return entry.message == seen.message; });
}

std::string SideBySide(const std::vector<ExpectedMessage>& expected, const std::vector<SeenMessage>& actual,
                       size_t failedExpected, size_t failedActual) {
  std::string out = "message sequence differs:\n";
  char header[160];
  std::snprintf(header, sizeof header, "   %-46s | %s\n", "expected", "actual");
  out += header;
  const size_t rows = std::max(expected.size(), actual.size());
  for (size_t row = 0; row < rows; ++row) {
    std::string left, right;
    if (row < expected.size()) {
      const ExpectedMessage& entry = expected[row];
      left = MessageText(entry.seer, entry.message, entry.wParam, entry.lParam);
      if (entry.flags & kOptional) left += " opt";
      if (entry.flags & kRepeated) left += " rep";
    }
    if (row < actual.size()) right = MessageText(actual[row].seer, actual[row].message, actual[row].wParam, actual[row].lParam);
    const char mark = (row == failedExpected || row == failedActual) ? '>' : ' ';
    char line[200];
    std::snprintf(line, sizeof line, "%c  %-46s | %s\n", mark, left.c_str(), right.c_str());
    out += line;
  }
  return out;
}

}  // namespace

void ClearLog() { seenMessages.clear(); }
void SetReactions(std::vector<Reaction> list) { reactions = std::move(list); }
const std::vector<SeenMessage>& Log() { return seenMessages; }

int CountSeen(Seer seer, uint32_t message) {
  return static_cast<int>(std::count_if(seenMessages.begin(), seenMessages.end(), [&](const SeenMessage& seen) {
    return seen.seer == seer && seen.message == message;
  }));
}

int32_t RecordingDialogCallback(DialogHandle dialog, uint32_t message, WPARAM wParam, LPARAM lParam) {
  return Record(Seer::DialogCallback, dialog, message, wParam, lParam);
}
int32_t RecordingControlCallback(DialogHandle dialog, uint32_t message, WPARAM wParam, LPARAM lParam) {
  return Record(Seer::ControlCallback, dialog, message, wParam, lParam);
}
int32_t RecordingMenuCallback(DialogHandle dialog, uint32_t message, WPARAM wParam, LPARAM lParam) {
  return Record(Seer::MenuCallback, dialog, message, wParam, lParam);
}

HWND CreateRecordingOwner() {
  static ATOM atom = 0;
  if (atom == 0) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = RecordingOwnerProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RecordingOwner";
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_ARROW));
    atom = RegisterClassA(&windowClass);
  }
  return CreateWindowExA(0, "RecordingOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 120, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string CompareSequence(const std::vector<ExpectedMessage>& expected) {
  std::vector<SeenMessage> actual;
  std::copy_if(seenMessages.begin(), seenMessages.end(), std::back_inserter(actual),
               [&](const SeenMessage& seen) { return Watched(expected, seen); });
  size_t e = 0, a = 0;
  while (e < expected.size()) {
    const ExpectedMessage& entry = expected[e];
    if (a < actual.size() && Matches(entry, actual[a])) {
      ++a;
      if (entry.flags & kRepeated)
        while (a < actual.size() && Matches(entry, actual[a])) ++a;
      ++e;
      continue;
    }
    if (entry.flags & kOptional) {
      ++e;
      continue;
    }
    return SideBySide(expected, actual, e, a);
  }
  if (a < actual.size()) return SideBySide(expected, actual, e, a);
  return {};
}
