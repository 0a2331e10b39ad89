#include "tests/win32/message_sequence.h"

#include <algorithm>

namespace {

std::vector<SeenMessage> seenMessages;
std::vector<Reaction> reactions;

int32_t Record(Seer seer, HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  const SeenMessage seen{seer, window, message, wParam, lParam};
  seenMessages.push_back(seen);
  for (const Reaction& reaction : reactions)
    if (reaction.seer == seer && reaction.message == message) {
      if (reaction.action != nullptr) reaction.action(seen);
      return reaction.answer;
    }
  return 0;
}
template <Seer seer>
int32_t Recording(DialogHandle d, uint32_t m, WPARAM w, LPARAM l) { return Record(seer, d, m, w, l); }
LRESULT CALLBACK RecordingOwnerProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  return Record(Seer::Owner, window, message, w, l), DefWindowProcA(window, message, w, l);
}

}  // namespace

const DialogCallback RecordingDialogCallback = Recording<Seer::DialogCallback>;
const DialogCallback RecordingControlCallback = Recording<Seer::ControlCallback>;
const DialogCallback RecordingMenuCallback = Recording<Seer::MenuCallback>;
void ClearLog() { seenMessages.clear(); }
void SetReactions(std::vector<Reaction> list) { reactions = std::move(list); }
const std::vector<SeenMessage>& Log() { return seenMessages; }
int CountSeen(Seer seer, uint32_t message) {
  return int(std::count_if(seenMessages.begin(), seenMessages.end(),
                           [&](const SeenMessage& seen) { return seen.seer == seer && seen.message == message; }));
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
  std::copy_if(seenMessages.begin(), seenMessages.end(), std::back_inserter(actual), [&](const SeenMessage& seen) {
    return std::any_of(expected.begin(), expected.end(), [&](auto& entry) { return entry.message == seen.message; });
  });
  const auto matches = [&](const ExpectedMessage& entry, size_t a) {
    return a < actual.size() && entry.seer == actual[a].seer && entry.message == actual[a].message &&
           (!(entry.flags & kWParam) || entry.wParam == actual[a].wParam) &&
           (!(entry.flags & kLParam) || entry.lParam == actual[a].lParam);
  };
  size_t a = 0;
  bool missing = false;
  for (const ExpectedMessage& entry : expected) {
    if (entry.flags & kAbsent) continue;
    if (!matches(entry, a)) missing = missing || !(entry.flags & kOptional);
    else while (matches(entry, ++a) && (entry.flags & kRepeated)) {}
  }
  if (!missing && a == actual.size()) return {};
  std::string seen = "message sequence differs; seen (seer:message):";
  for (const SeenMessage& m : actual) seen += ' ' + std::to_string(int(m.seer)) + ':' + std::to_string(m.message);
  return seen;
}
