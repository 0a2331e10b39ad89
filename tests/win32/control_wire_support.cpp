#include "tests/win32/control_wire_support.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
bool recording = false;
LRESULT chosenAnswer = 0;
size_t copyBytes = 0;
std::vector<WireMessage> wire;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!recording) return DefWindowProcA(window, message, wParam, lParam);
  wire.push_back({message, wParam, lParam, {}});
  if (copyBytes != 0 && lParam != 0) std::memcpy(wire.back().record, reinterpret_cast<const void*>(lParam), copyBytes);
  return chosenAnswer;
}
}  // namespace

HWND CreateWireRecorder() {
  WNDCLASSA windowClass{0, RecordingProcedure, 0, 0, GetModuleHandleA(nullptr), {}, {}, {}, {}, "ControlWireRecorder"};
  RegisterClassA(&windowClass);  // fails harmlessly once registered
  return CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, {}, {}, windowClass.hInstance, {});
}

void StartWire(LRESULT answer, size_t recordBytes) {
  wire.clear(), chosenAnswer = answer, copyBytes = std::min(recordBytes, sizeof(WireMessage::record)), recording = true;
}

std::vector<WireMessage> StopWire() { return recording = false, std::exchange(wire, {}); }
