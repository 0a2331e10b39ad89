#pragma once
/// @file
/// The runtime's message box: the program's way of telling the user something and
/// waiting for an answer.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup runtime
/// @{

/// The caption used when the program gives an empty one.
constexpr const char* kDefaultCaption = "Orlavex";

/// Shows the text and the caption taken from the two top temporaries (the text
/// pushed first, the caption on top), with no owner window and the low 16 bits of
/// `style`. Both temporaries are consumed. Keyboard and mouse input the thread had
/// queued before the box appeared is discarded: only input given while the box is
/// visible answers it. Returns the identifier of the button pressed, 0 when the box
/// could not be shown.
int32_t MessageBoxShow(ProcedureFrame& frame, uint32_t style);

/// The standard simple beep.
void RuntimeBeep();

/// @}
}  // namespace tabard
