#include "tests/win32/toolkit_support.h"

#include <vector>

#include "dialogs/control_add.h"
#include "dialogs/dialog_create.h"
#include "dialogs/dialog_pump.h"
#include "runtime/runtime_block.h"
#include "tests/win32/message_sequence.h"
#include "text/text_core.h"

void PrepareToolkit() {
  runtimeBlock.moduleInstance = GetModuleHandleA(nullptr);
  runtimeBlock.activeDialog = runtimeBlock.dialogFont = nullptr;
  runtimeBlock.liveDialogCount = 0;
}

DialogHandle MakeDialog(ProcedureFrame& frame, const std::string& title, int32_t x, int32_t y, int32_t width,
                        int32_t height, uint32_t style, HWND parent, uint32_t exStyle) {
  TextPushBytes(frame, title.data(), static_cast<uint32_t>(title.size()));
  return DialogCreate(frame, parent, x, y, width, height, style, exStyle);
}

HWND MakeControl(ProcedureFrame& frame, ControlKind kind, DialogHandle dialog, ControlId id, const std::string& text,
                 int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style, uint32_t exStyle,
                 DialogCallback callback, const std::string& className) {
  TextPushBytes(frame, className.data(), static_cast<uint32_t>(className.size()));
  TextPushBytes(frame, text.data(), static_cast<uint32_t>(text.size()));
  return ControlAdd(frame, static_cast<uint32_t>(kind), dialog, id, nullptr, x, y, width, height, style, exStyle,
                    callback);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  for (const DWORD start = GetTickCount(); !done(); DialogPump())
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
  return true;
}

void Drain() {
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);) DialogPump();
}

void PressKeys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs(2 * chord.size(), INPUT{INPUT_KEYBOARD, {}});
  for (size_t i = 0; i < inputs.size(); ++i) {
    const bool up = i >= chord.size();
    inputs[i].ki = {chord.begin()[up ? inputs.size() - 1 - i : i], 0, up ? DWORD{KEYEVENTF_KEYUP} : 0, 0, 0};
    inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(inputs[i].ki.wVk, 0));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT inputs[2] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

POINT CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return PumpUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

static BOOL CALLBACK DestroyEach(HWND window, LPARAM) { return DestroyWindow(window) || TRUE; }

void ToolkitTest::SetUp() {
  PrepareToolkit();
  ClearLog();
  SetReactions({});
}

void ToolkitTest::TearDown() {
  SetReactions({});
  EnumThreadWindows(GetCurrentThreadId(), DestroyEach, 0);
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
  EXPECT_EQ(0, TextStackDepth(frame)) << "temporaries left on the stack";
}
