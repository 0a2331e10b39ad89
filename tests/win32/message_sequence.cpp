#include "tests/win32/message_sequence.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

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

#define NAMED(message) {message, #message}
static std::string NameOf(Seer seer, uint32_t message) {
  static const char* const seers[] = {"dialog", "control", "menu", "owner"};
  static const std::pair<uint32_t, const char*> names[] = {
      NAMED(WM_ACTIVATE), NAMED(WM_APP), NAMED(WM_CANCELMODE), NAMED(WM_CLOSE), NAMED(WM_COMMAND), NAMED(WM_DESTROY),
      NAMED(WM_ENABLE), NAMED(WM_ENTERIDLE), NAMED(WM_INITDIALOG), NAMED(WM_SYSCOMMAND)};
  const auto* named = std::ranges::find(names, message, &std::pair<uint32_t, const char*>::first);
  char number[16];
  std::snprintf(number, sizeof number, "0x%04X", message);
  return std::string(seers[size_t(seer)]) + " " + (named != std::end(names) ? named->second : number);
}

static std::string Describe(const ExpectedMessage& e) {
  return (e.flags & kAbsent ? "no " : "") + NameOf(e.seer, e.message) + (e.flags & kOptional ? "?" : "") +
         (e.flags & kRepeated ? "+" : "") + (e.flags & kWParam ? " w=" + std::to_string(e.wParam) : "") +
         (e.flags & kLParam ? " l=" + std::to_string(e.lParam) : "");
}

static std::string Describe(const SeenMessage& m) {
  return NameOf(m.seer, m.message) + " w=" + std::to_string(m.wParam) + " l=" + std::to_string(m.lParam);
}

testing::AssertionResult SequenceMatches(const std::vector<ExpectedMessage>& expected) {
  std::vector<SeenMessage> seen;  // only the messages the table names
  for (const SeenMessage& m : recordedMessages)
    if (std::ranges::any_of(expected, [&](auto& e) { return e.message == m.message; })) seen.push_back(m);
  const auto matches = [&](const ExpectedMessage& e, size_t at) {
    return at < seen.size() && e.seer == seen[at].seer && e.message == seen[at].message &&
           (!(e.flags & kWParam) || e.wParam == seen[at].wParam) && (!(e.flags & kLParam) || e.lParam == seen[at].lParam);
  };
  // Rows of (expected, seen, differs). Where an expected message comes later than it should, what came
  // before it shows as extra; absent messages show only where one was seen.
  std::vector<std::tuple<std::string, std::string, bool>> rows;
  size_t a = 0;
  for (const ExpectedMessage& e : expected) {
    if (e.flags & kAbsent) continue;
    size_t at = a;
    while (!(e.flags & kOptional) && at < seen.size() && !matches(e, at)) ++at;
    if (!matches(e, at)) {  // the next message seen beside it, where it is the same message with other parameters
      const bool paired = !(e.flags & kOptional) && a < seen.size() &&
                          std::pair(seen[a].seer, seen[a].message) == std::pair(e.seer, e.message);
      rows.emplace_back(Describe(e), paired ? Describe(seen[a++]) : "-", !(e.flags & kOptional));
      continue;
    }
    for (; a < at; ++a) rows.emplace_back("-", Describe(seen[a]), true);
    const std::string first = Describe(seen[a]);
    int times = 1;
    while (++a, (e.flags & kRepeated) && matches(e, a)) ++times;
    rows.emplace_back(Describe(e), times > 1 ? first + " (" + std::to_string(times) + " times)" : first, false);
  }
  for (; a < seen.size(); ++a) rows.emplace_back("-", Describe(seen[a]), true);
  if (std::ranges::none_of(rows, [](auto& row) { return std::get<2>(row); })) return testing::AssertionSuccess();
  rows.emplace(rows.begin(), "expected", "seen", false);  // the heading, padded as the rows are
  size_t width = 0;
  for (const auto& row : rows) width = std::max(width, std::get<0>(row).size());
  testing::AssertionResult failure = testing::AssertionFailure();
  failure << "the message sequence differs (> marks the first difference)\n";
  bool marked = false;  // the first difference only
  for (const auto& [e, m, differs] : rows)
    failure << (differs && !std::exchange(marked, true) ? "> " : differs ? "! " : "  ") << e
            << std::string(width - e.size(), ' ') << "  " << m << "\n";
  return failure;
}
