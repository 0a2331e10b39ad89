#pragma once
/// @file
/// Changing the image of a picture control or picture button after creation.
#include <cstdint>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/dialog_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Gives control `id` of `dialog` the image named on top of the caller's stack,
/// which is consumed. `mode` bit 0 (kImageScaled)
/// fits the image to the control's client area, else it keeps its own size; bit 1
/// (kImageButton) addresses a button, else a static control. A bitmap of that name
/// is used when the module has one, else an icon.
void ControlSetImage(ProcedureFrame& frame, DialogHandle dialog, ControlId id, uint32_t mode);

/// @}
}  // namespace tabard
