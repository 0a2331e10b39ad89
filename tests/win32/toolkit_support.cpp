#include "tests/win32/toolkit_support.h"

#include <vector>

#include "dialogs/control_add.h"
#include "dialogs/dialog_create.h"
#include "dialogs/dialog_pump.h"
#include "runtime/runtime_block.h"
#include "text/text_core.h"

void PrepareToolkit() {
  runtimeBlock.moduleInstance = GetModuleHandleA(nullptr);
  runtimeBlock.activeDialog = nullptr;
  runtimeBlock.dialogFont = nullptr;
  runtimeBlock.liveDialogCount = 0;
}

namespace {
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}
}  // namespace

void DestroyThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows)
    if (IsWindow(window)) DestroyWindow(window);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
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
  const DWORD start = GetTickCount();
  while (!done()) {
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    DialogPump();
  }
  return true;
}

void PumpFor(int ms) {
  const DWORD start = GetTickCount();
  while (static_cast<int>(GetTickCount() - start) < ms) DialogPump();
}

void Drain() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) DialogPump();
}

namespace {
INPUT Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}
}  // namespace

void PressKey(WORD virtualKey) { PressKeys({virtualKey}); }

void PressKeys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) inputs.push_back(Key(key, false));
  for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) inputs.push_back(Key(*key, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ClickAt(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65535 + width / 2) / (width - 1);
    input.mi.dy = (screen.y * 65535 + height / 2) / (height - 1);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(3, inputs, sizeof(INPUT));
}

POINT CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool CloseBoxPoint(HWND window, POINT* point) {
  RECT rect{};
  GetWindowRect(window, &rect);
  for (int y = rect.top + 1; y < rect.top + 40 && y < rect.bottom; ++y)
    for (int x = rect.right - 2; x > rect.right - 60 && x > rect.left; --x)
      if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
        *point = {x - 3, y + 3};
        if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(point->x, point->y)) == HTCLOSE) return true;
      }
  return false;
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return PumpUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

#include "tests/win32/message_sequence.h"

void ToolkitTest::SetUp() {
  PrepareToolkit();
  ClearLog();
  SetReactions({});
}

void ToolkitTest::TearDown() {
  SetReactions({});
  DestroyThreadWindows();
  std::vector<HWND> left;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&left));
  EXPECT_TRUE(left.empty()) << left.size() << " windows left behind";
  EXPECT_EQ(0, TextStackDepth(frame)) << "temporaries left on the stack";
}
