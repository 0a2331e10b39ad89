#pragma once
// What the toolkit's tests share: a prepared runtime, dialogs and controls made
// the way a program makes them, a pump that waits for a condition, and real
// keyboard and mouse input.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/control_kinds.h>
#include <tabard/dialogs/dialog_types.h>

using namespace tabard;

// Sets the module instance and clears the toolkit's shared state.
void PrepareToolkit();
// Pushes `title` as a temporary and creates the dialog from it.
DialogHandle MakeDialog(ProcedureFrame& frame, const std::string& title, int32_t x = 10, int32_t y = 10,
                        int32_t width = 200, int32_t height = 120, uint32_t style = 0, HWND parent = nullptr);
HWND MakeControl(ProcedureFrame& frame, ControlKind kind, DialogHandle dialog, ControlId id, const std::string& text,
                 int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style = 0, uint32_t exStyle = 0,
                 DialogCallback callback = nullptr, const std::string& className = "");

// Runs DialogPump until `done` holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
void Drain();  // runs DialogPump while messages are queued

// Real platform input. A chord's keys are held in order and released in reverse.
void PressKeys(std::initializer_list<WORD> chord);
inline void PressKey(WORD virtualKey) { PressKeys({virtualKey}); }
void ClickAt(POINT screen);
POINT CentreOf(HWND window);
bool BringToFront(HWND window);  // and waits until the system agrees

// Every toolkit test starts from a prepared runtime and leaves no window behind.
struct ToolkitTest : ::testing::Test { void SetUp() override; void TearDown() override; ProcedureFrame frame; };
