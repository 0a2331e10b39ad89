// Prints how long the toolkit's pump takes and how soon real input reaches a
// callback. Run by hand under Wine; it measures, it does not judge.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/dialog_pump.h>
#include <tabard/dialogs/dialog_show.h>
#include "tests/win32/toolkit_support.h"

using namespace tabard;

namespace {

LARGE_INTEGER frequency;
LARGE_INTEGER reachedAt;
int reached = 0;

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int32_t NoteArrival(DialogHandle, uint32_t, WPARAM, LPARAM) {
  QueryPerformanceCounter(&reachedAt);
  ++reached;
  return 1;
}

void Report(const char* what, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  double sum = 0;
  for (double sample : samples) sum += sample;
  std::printf("%-46s n=%3zu  min %8.1f  median %8.1f  mean %8.1f  max %8.1f us\n", what, samples.size(),
              samples.front(), samples[samples.size() / 2], sum / samples.size(), samples.back());
}

struct DelayedInput {
  DWORD delayMs;
  LARGE_INTEGER sentAt;
};

DWORD WINAPI SendEscapeLater(void* parameter) {
  auto* input = static_cast<DelayedInput*>(parameter);
  Sleep(input->delayMs);
  QueryPerformanceCounter(&input->sentAt);
  PressKey(VK_ESCAPE);
  return 0;
}

// Input sent from another thread at a time the pumping thread does not choose,
// as a user's key comes, while the pump runs the demo's pause slices.
std::vector<double> InputDuringPauseSlices(int rounds) {
  std::vector<double> samples;
  for (int i = 0; i < rounds; ++i) {
    Drain();
    const int before = reached;
    DelayedInput input{static_cast<DWORD>(5 + (i * 7) % 31), {}};
    HANDLE thread = CreateThread(nullptr, 0, SendEscapeLater, &input, 0, nullptr);
    const DWORD start = GetTickCount();
    while (reached == before && GetTickCount() - start < 2000) {
      DialogPump();
      if (reached == before) SleepMs(30);
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    if (reached != before) samples.push_back(Microseconds(input.sentAt, reachedAt));
  }
  return samples;
}

// Input sent, then pumped with no other sleep than the pump's own until the
// callback has run.
std::vector<double> InputToCallback(HWND button, bool click, int rounds) {
  std::vector<double> samples;
  for (int i = 0; i < rounds; ++i) {
    Drain();
    Sleep(7 + i % 13);  // spread the input over the slice
    const int before = reached;
    LARGE_INTEGER sentAt;
    QueryPerformanceCounter(&sentAt);
    if (click)
      ClickAt(CentreOf(button));
    else
      PressKey(VK_ESCAPE);
    const DWORD start = GetTickCount();
    while (reached == before && GetTickCount() - start < 2000) DialogPump();
    if (reached != before) samples.push_back(Microseconds(sentAt, reachedAt));
  }
  return samples;
}

}  // namespace

int main() {
  QueryPerformanceFrequency(&frequency);
  PrepareToolkit();
  ProcedureFrame frame;
  HWND dialog = MakeDialog(frame, "Demo listbox with Colomns", -1, -1, 398, 317, 0x00C80880);
  HWND cancel =
      MakeControl(frame, ControlKind::PushButton, dialog, IDCANCEL, "Cancel", 300, 290, 50, 20, 0, 0, NoteArrival);
  DialogShowModeless(dialog, nullptr, nullptr);
  SetForegroundWindow(dialog);
  for (int i = 0; i < 200; ++i) DialogPump();

  std::vector<double> idle;
  for (int i = 0; i < 500; ++i) {
    Drain();
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    DialogPump();
    QueryPerformanceCounter(&to);
    idle.push_back(Microseconds(from, to));
  }
  Report("idle DialogPump call", idle);
  Report("Escape to control 2's callback, tight pump", InputToCallback(cancel, false, 50));
  Report("click to the button's callback, tight pump", InputToCallback(cancel, true, 50));
  Report("Escape to the callback, 30 ms pause slices", InputDuringPauseSlices(40));
  DialogEnd(dialog, 0);
  return 0;
}
