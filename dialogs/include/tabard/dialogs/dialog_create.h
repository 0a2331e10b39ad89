#pragma once
/// @file
/// Creating a toolkit dialog: hidden, without controls, callback or result
/// variable; those come from ControlAdd and the show operations.
#include <cstdint>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/dialog_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Creates a hidden dialog owned by `parent` (or none), at `x`, `y` (-1 in either
/// centres it) and `width` by `height` dialog units, with `style` (0: the toolkit's
/// default) and `exStyle`. The title is the top temporary of `frame`; it is consumed
/// whether or not the dialog could be created. Records the new dialog's font in
/// dialogFont for the controls added later (0 when creation failed). Returns 0 on
/// failure.
DialogHandle DialogCreate(ProcedureFrame& frame, HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                          uint32_t style, uint32_t exStyle);

/// @}
}  // namespace tabard
