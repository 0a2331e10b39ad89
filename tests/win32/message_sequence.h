#pragma once
// Records what the toolkit's callbacks and an owner window actually saw, and
// compares it with a table of expected messages. Messages that appear nowhere in
// the table are not compared, so a scenario names exactly the messages it is
// about; an unexpected one of those fails as surely as a missing one.
#include <gtest/gtest.h>

#include <vector>

#include <tabard/dialogs/dialog_types.h>

using namespace tabard;

enum class Seer : uint8_t { DialogCallback, ControlCallback, MenuCallback, Owner };
// kWParam, kLParam: that parameter must match; kOptional: may be missing; kRepeated: one or more in a row;
// kAbsent: must not be seen at all.
enum MatchFlag : uint32_t { kWParam = 1, kLParam = 2, kOptional = 4, kRepeated = 8, kAbsent = 16 };
struct ExpectedMessage { Seer seer; uint32_t message; uint32_t flags; WPARAM wParam; LPARAM lParam; };
inline ExpectedMessage Any(Seer seer, uint32_t message, uint32_t flags = 0) { return {seer, message, flags, 0, 0}; }
inline ExpectedMessage With(Seer s, uint32_t m, WPARAM w, uint32_t flags = kWParam) { return {s, m, flags, w, 0}; }
struct SeenMessage { Seer seer; HWND window; uint32_t message; WPARAM wParam; LPARAM lParam; };
// What a recording callback answers for one message, and what it does first.
struct Reaction { Seer seer; uint32_t message; int32_t answer; void (*action)(const SeenMessage& seen) = nullptr; };

extern std::vector<SeenMessage> recordedMessages;
extern std::vector<Reaction> recordingReactions;  // the first that fits answers; 0 when none does
int32_t Record(Seer seer, HWND window, uint32_t message, WPARAM wParam, LPARAM lParam);
template <Seer s> int32_t Recording(DialogHandle d, uint32_t m, WPARAM w, LPARAM l) { return Record(s, d, m, w, l); }
int CountSeen(Seer seer, uint32_t message);
// A visible top-level window that logs as Seer::Owner, then does what the default procedure does.
HWND CreateRecordingOwner();
// On a mismatch, the expected and the seen messages side by side, the first difference marked.
testing::AssertionResult SequenceMatches(const std::vector<ExpectedMessage>& expected);
