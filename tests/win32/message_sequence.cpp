#include "tests/win32/message_sequence.h"

#include <algorithm>
#include <cstdio>
#include <string>

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

static std::string Describe(Seer seer, uint32_t message, WPARAM w) {
  constexpr const char* kSeers[] = {"dialog", "control", "menu", "owner"};
  char number[16];
  std::snprintf(number, sizeof number, " 0x%04X", message);
  return kSeers[static_cast<int>(seer)] + std::string(number) + " w=" + std::to_string(w);
}

::testing::AssertionResult SequenceMatches(const std::vector<ExpectedMessage>& expected) {
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
  if (!missing && a == seen.size()) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  std::vector<std::string> saw;  // a run of the same message on one line
  for (size_t i = 0, n = 1; i < seen.size(); i += n, n = 1) {
    while (i + n < seen.size() && seen[i + n].seer == seen[i].seer && seen[i + n].message == seen[i].message) ++n;
    saw.push_back(Describe(seen[i].seer, seen[i].message, seen[i].wParam) + (n > 1 ? " x" + std::to_string(n) : ""));
  }
  failure << "expected (w: compared; ?: optional; +: repeated; !: absent) | seen\n";
  for (size_t row = 0; row < std::max(expected.size(), saw.size()); ++row) {
    std::string left;
    if (row < expected.size()) {
      const ExpectedMessage& e = expected[row];
      left = Describe(e.seer, e.message, e.wParam);
      if (!(e.flags & kWParam)) left.resize(left.find(" w="));
      left += e.flags & kOptional ? " ?" : e.flags & kRepeated ? " +" : e.flags & kAbsent ? " !" : "";
    }
    left.resize(std::max<size_t>(left.size(), 32), ' ');
    failure << left << "| " << (row < saw.size() ? saw[row] : "") << "\n";
  }
  return failure;
}
