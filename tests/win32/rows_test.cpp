#include "app/rows.h"

#include <gtest/gtest.h>

#include "app/program_globals.h"

// A pause takes a twenty-fifth of its time, rounded, in slices of one message step each; once a Cancel is asked for
// it ends after one. Of two waiting messages, `left` are still there after it.
TEST(Rows, APauseTakesAMessageStepEachSliceAndEndsEarlyOnCancel) {
  struct Case { int32_t milliseconds, slices, cancel, left; };
  // clang-format off
  const Case cases[] = {{500, 20, 1, 1}, {12, 0, 0, 2}, {13, 1, 0, 1}, {37, 1, 0, 1}, {38, 2, 0, 0}, {62, 2, 0, 0},
      {63, 3, 0, 0}, {0, 0, 0, 2}, {-40, -2, 0, 2}, {INT32_MAX, 85899346, 1, 1}, {INT32_MAX - 1, 85899346, 1, 1},
      {INT32_MIN, -85899346, 0, 2}, {INT32_MIN + 1, -85899346, 0, 2}};
  // clang-format on
  for (const auto& [milliseconds, slices, cancel, left] : cases) {
    SCOPED_TRACE(milliseconds);
    programGlobals = {}, programGlobals.CancelRequested = cancel;
    for (int k = 0; k < 2; ++k) PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    PauseMs(milliseconds);
    int waiting = 0;
    for (MSG message; PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_REMOVE);) ++waiting;
    EXPECT_EQ(std::pair(slices, left), std::pair(PauseSlices(milliseconds), waiting));
  }
}
