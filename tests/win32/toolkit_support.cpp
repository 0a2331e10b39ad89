#include "tests/win32/toolkit_support.h"

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/control_add.h>
#include <tabard/dialogs/dialog_create.h>
#include <tabard/dialogs/dialog_pump.h>
#include <tabard/text/text_core.h>

void PrepareToolkit() {
  runtimeBlock.moduleInstance = GetModuleHandleA(nullptr), runtimeBlock.liveDialogCount = 0;
  runtimeBlock.activeDialog = runtimeBlock.dialogFont = nullptr;
}

DialogHandle MakeDialog(ProcedureFrame& frame, const std::string& title, int32_t x, int32_t y, int32_t width,
                        int32_t height, uint32_t style, HWND parent) {
  TextPushBytes(frame, title.data(), static_cast<uint32_t>(title.size()));
  return DialogCreate(frame, parent, x, y, width, height, style, 0);
}

HWND MakeControl(ProcedureFrame& frame, ControlKind kind, DialogHandle dialog, ControlId id, const std::string& text,
                 int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style, uint32_t exStyle,
                 DialogCallback callback, const std::string& className) {
  for (const std::string* pushed : {&className, &text}) TextPushBytes(frame, pushed->data(), uint32_t(pushed->size()));
  return ControlAdd(frame, static_cast<uint32_t>(kind), dialog, id, nullptr, x, y, width, height, style, exStyle,
                    callback);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  for (const DWORD start = GetTickCount(); !done(); DialogPump())
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
  return true;
}

void Drain() { for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);) DialogPump(); }

void PressKeys(std::initializer_list<WORD> chord) {
  for (const WORD key : chord) keybd_event(key, MapVirtualKeyA(key, 0), 0, 0);
  for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) keybd_event(*key, 0, KEYEVENTF_KEYUP, 0);
}

void ClickAt(POINT at) {
  SetCursorPos(at.x, at.y), mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0), mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}
POINT CentreOf(HWND w) { RECT r{}; GetWindowRect(w, &r); return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
bool BringToFront(HWND w) { return SetForegroundWindow(w), PumpUntil([&] { return GetForegroundWindow() == w; }); }

static BOOL CALLBACK DestroyEach(HWND window, LPARAM) { return DestroyWindow(window) || TRUE; }

void ToolkitTest::SetUp() { PrepareToolkit(); }

void ToolkitTest::TearDown() {
  EnumThreadWindows(GetCurrentThreadId(), DestroyEach, 0);
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
  EXPECT_EQ(0, TextStackDepth(frame)) << "temporaries left on the stack";
}
