#include "tests/win32/control_ops_support.h"

#include <algorithm>
#include <utility>

#include "dialogs/dialog_procedure.h"
#include "runtime/runtime_block.h"

namespace {

void Put16(std::vector<uint16_t>& out, uint16_t value) { out.push_back(value); }
void Put32(std::vector<uint16_t>& out, uint32_t value) {
  out.push_back(static_cast<uint16_t>(value));
  out.push_back(static_cast<uint16_t>(value >> 16));
}
void PutText(std::vector<uint16_t>& out, const char* text) {
  for (const char* c = text; *c != 0; ++c) out.push_back(static_cast<uint8_t>(*c));
  out.push_back(0);
}

HWND loggedWindow = nullptr;
WNDPROC loggedOriginal = nullptr;
std::vector<UINT> logWanted;
std::vector<LoggedMessage> logged;

LRESULT CALLBACK LoggingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (std::find(logWanted.begin(), logWanted.end(), message) != logWanted.end()) {
    logged.push_back({message, wParam, lParam});
  }
  return CallWindowProcA(loggedOriginal, window, message, wParam, lParam);
}

}  // namespace

DialogHandle MakeDialogWithFont(const char* faceName, uint16_t pointSize, HWND owner, int16_t x, int16_t y,
                                int16_t width, int16_t height, uint32_t style) {
  std::vector<uint16_t> units;  // a vector's storage starts on a 4-byte boundary, as a template must
  Put32(units, (style | DS_SETFONT) & ~WS_VISIBLE);
  Put32(units, 0);
  Put16(units, 0);
  for (int16_t value : {x, y, width, height}) Put16(units, static_cast<uint16_t>(value));
  Put16(units, 0);
  Put16(units, 0);
  PutText(units, "Units test");
  Put16(units, pointSize);
  PutText(units, faceName);
  return CreateDialogIndirectParamA(static_cast<HINSTANCE>(runtimeBlock.moduleInstance),
                                    reinterpret_cast<const DLGTEMPLATE*>(units.data()), owner, DialogProcedure, 0);
}

void StartMessageLog(HWND window, std::vector<UINT> messages) {
  logged.clear();
  logWanted = std::move(messages);
  loggedWindow = window;
  loggedOriginal = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LoggingProcedure)));
}

std::vector<LoggedMessage> StopMessageLog() {
  if (loggedWindow != nullptr && IsWindow(loggedWindow)) {
    SetWindowLongPtrA(loggedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(loggedOriginal));
  }
  loggedWindow = nullptr;
  loggedOriginal = nullptr;
  return std::exchange(logged, {});
}
