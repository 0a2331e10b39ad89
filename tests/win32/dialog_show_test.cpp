#include <gtest/gtest.h>

#include "dialogs/dialog_show.h"
#include "tests/win32/toolkit_support.h"

namespace {

using DialogShowTest = ToolkitTest;

TEST_F(DialogShowTest, ShowStateAndEnableReachTheRightWindow) {
  const HWND dialog = MakeDialog(frame, "state");
  const HWND button = MakeControl(frame, ControlKind::PushButton, dialog, 30, "b", 5, 5, 40, 14);
  const int steps[][2] = {{SW_HIDE, 0}, {SW_SHOW, 0}, {SW_SHOW, 1}, {SW_HIDE, 1}};  // command, was visible before
  for (const auto& step : steps) {
    int32_t wasVisible = -5;
    DialogShowState(dialog, step[0], &wasVisible);
    EXPECT_EQ(step[1], wasVisible != 0) << step[0];
  }
  const int enables[][4] = {{30, 0, 0, 1}, {30, 7, 1, 1}, {kDialogItself, 0, 1, 0}, {kDialogItself, 1, 1, 1},
                            {31, 0, 1, 1}};  // control, enable; afterwards button, dialog enabled (31: no such control)
  for (const auto& e : enables) {
    WindowEnable(dialog, e[0], e[1]);
    EXPECT_EQ(e[2], IsWindowEnabled(button) != 0) << e[0] << " " << e[1];
    EXPECT_EQ(e[3], IsWindowEnabled(dialog) != 0) << e[0] << " " << e[1];
  }
  DestroyWindow(dialog);
  int32_t result = 31;
  DialogShowModal(dialog, nullptr, &result);  // no window: returns at once
  EXPECT_EQ(31, result);
}

}  // namespace
