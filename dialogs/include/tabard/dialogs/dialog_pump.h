#pragma once
/// @file
/// The polling pump that keeps modeless dialogs alive while the program works.
#include <cstdint>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Handles at most one queued message of the thread: through the dialog manager of
/// the active toolkit dialog when it takes it, else translated and dispatched.
/// With nothing queued it sleeps 1 ms. WM_QUIT is dispatched like any other
/// message. Returns the number of live toolkit dialogs.
int32_t DialogPump();

/// Suspends the thread for `milliseconds`.
void SleepMs(uint32_t milliseconds);

/// @}
}  // namespace tabard
