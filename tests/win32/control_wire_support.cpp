#include "tests/win32/control_wire_support.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr char kRecorderClass[] = "ControlWireRecorder";
bool recording = false;
LRESULT chosenAnswer = 0;
size_t copyBytes = 0;
std::vector<WireMessage> wire;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!recording) return DefWindowProcA(window, message, wParam, lParam);
  WireMessage seen{message, wParam, lParam, {}};
  if (copyBytes != 0 && lParam != 0) std::memcpy(seen.record, reinterpret_cast<const void*>(lParam), copyBytes);
  wire.push_back(seen);
  return chosenAnswer;
}
}  // namespace

HWND CreateWireRecorder(DWORD style) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RecordingProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kRecorderClass;
  RegisterClassA(&windowClass);  // fails harmlessly once registered
  return CreateWindowExA(0, kRecorderClass, "", style, 0, 0, 10, 10, nullptr, nullptr, windowClass.hInstance,
                         nullptr);
}

void StartWire(LRESULT answer, size_t recordBytes) {
  wire.clear();
  chosenAnswer = answer;
  copyBytes = std::min(recordBytes, kRecordCopyMax);
  recording = true;
}

std::vector<WireMessage> StopWire() {
  recording = false;
  return std::move(wire);
}
