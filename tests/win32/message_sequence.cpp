#include "tests/win32/message_sequence.h"

#include <algorithm>
#include <cstdio>

namespace {

std::vector<SeenMessage> seenMessages;
std::vector<Reaction> reactions;

int32_t Record(Seer seer, HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  const SeenMessage seen{seer, window, message, wParam, lParam};
  seenMessages.push_back(seen);
  for (const Reaction& reaction : reactions) {
    if (reaction.seer != seer || reaction.message != message) continue;
    if (reaction.action != nullptr) reaction.action(seen);
    return reaction.answer;
  }
  return 0;
}

template <Seer seer>
int32_t Recording(DialogHandle dialog, uint32_t message, WPARAM wParam, LPARAM lParam) {
  return Record(seer, dialog, message, wParam, lParam);
}

LRESULT CALLBACK RecordingOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(Seer::Owner, window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Matches(const ExpectedMessage& expected, const SeenMessage& seen) {
  return expected.seer == seen.seer && expected.message == seen.message &&
         (!(expected.flags & kWParam) || expected.wParam == seen.wParam) &&
         (!(expected.flags & kLParam) || expected.lParam == seen.lParam);
}

// One line per message: seer, message, wParam, lParam.
template <typename Entry>
std::string Listed(const char* title, const std::vector<Entry>& entries) {
  std::string out = title;
  for (const Entry& entry : entries) {
    char line[80];
    std::snprintf(line, sizeof line, "  %d %04X %llX %llX\n", static_cast<int>(entry.seer), entry.message,
                  static_cast<unsigned long long>(entry.wParam), static_cast<unsigned long long>(entry.lParam));
    out += line;
  }
  return out;
}

}  // namespace

const DialogCallback RecordingDialogCallback = Recording<Seer::DialogCallback>;
const DialogCallback RecordingControlCallback = Recording<Seer::ControlCallback>;
const DialogCallback RecordingMenuCallback = Recording<Seer::MenuCallback>;

void ClearLog() { seenMessages.clear(); }
void SetReactions(std::vector<Reaction> list) { reactions = std::move(list); }
const std::vector<SeenMessage>& Log() { return seenMessages; }
int CountSeen(Seer seer, uint32_t message) {
  return static_cast<int>(std::count_if(seenMessages.begin(), seenMessages.end(), [&](const SeenMessage& seen) {
    return seen.seer == seer && seen.message == message;
  }));
}

HWND CreateRecordingOwner() {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  static WNDCLASSA windowClass{0, RecordingOwnerProcedure, 0, 0, module, nullptr, nullptr, nullptr, nullptr, "Owner"};
  static const ATOM atom = RegisterClassA(&windowClass);
  return CreateWindowExA(0, MAKEINTATOM(atom), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 120, nullptr,
                         nullptr, module, nullptr);
}

std::string CompareSequence(const std::vector<ExpectedMessage>& expected) {
  std::vector<SeenMessage> actual;
  for (const SeenMessage& seen : seenMessages)
    if (std::any_of(expected.begin(), expected.end(), [&](const ExpectedMessage& e) { return e.message == seen.message; }))
      actual.push_back(seen);
  size_t a = 0;
  bool matched = true;
  for (const ExpectedMessage& entry : expected) {
    if (entry.flags & kAbsent) continue;
    if (a < actual.size() && Matches(entry, actual[a])) {
      while (++a < actual.size() && (entry.flags & kRepeated) && Matches(entry, actual[a])) {}
    } else if (!(entry.flags & kOptional)) {
      matched = false;
    }
  }
  if (matched && a == actual.size()) return {};
  return Listed("message sequence differs; expected:\n", expected) + Listed("actual:\n", actual);
}
