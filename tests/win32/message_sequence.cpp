#include "tests/win32/message_sequence.h"

#include <algorithm>

std::vector<SeenMessage> recordedMessages;
std::vector<Reaction> recordingReactions;

int32_t Record(Seer seer, HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  const SeenMessage seen{seer, window, message, wParam, lParam};  // a copy: the action may record more
  recordedMessages.push_back(seen);
  for (const Reaction& r : recordingReactions)
    if (r.seer == seer && r.message == message) return (r.action ? r.action(seen) : void()), r.answer;
  return 0;
}

int CountSeen(Seer seer, uint32_t message) {
  return int(std::ranges::count_if(recordedMessages, [&](auto& s) { return s.seer == seer && s.message == message; }));
}

static LRESULT CALLBACK RecordingOwnerProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  return Record(Seer::Owner, window, message, w, l), DefWindowProcA(window, message, w, l);
}

HWND CreateRecordingOwner() {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  static WNDCLASSA windowClass{0, RecordingOwnerProcedure, 0, 0, module, nullptr, nullptr, nullptr, nullptr, "Owner"};
  static const ATOM atom = RegisterClassA(&windowClass);
  return CreateWindowExA(0, MAKEINTATOM(atom), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 120, nullptr,
                         nullptr, module, nullptr);
}

bool SequenceMatches(const std::vector<ExpectedMessage>& expected) {
  std::vector<SeenMessage> seen;  // only the messages the table names
  for (const SeenMessage& m : recordedMessages)
    if (std::ranges::any_of(expected, [&](auto& e) { return e.message == m.message; })) seen.push_back(m);
  size_t a = 0;
  const auto matches = [&](const ExpectedMessage& e) {
    return a < seen.size() && e.seer == seen[a].seer && e.message == seen[a].message &&
           (!(e.flags & kWParam) || e.wParam == seen[a].wParam) && (!(e.flags & kLParam) || e.lParam == seen[a].lParam);
  };
  bool missing = false;
  for (const ExpectedMessage& e : expected)
    if (!(e.flags & kAbsent) && !matches(e)) missing = missing || !(e.flags & kOptional);
    else if (!(e.flags & kAbsent)) while (++a, (e.flags & kRepeated) && matches(e)) {}
  return !missing && a == seen.size();
}
