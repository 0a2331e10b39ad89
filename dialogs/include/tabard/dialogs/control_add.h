#pragma once
/// @file
/// Creating one control inside an existing toolkit dialog, as a child window at a
/// position given in the dialog's units.
#include <cstdint>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/control_kinds.h>
#include <tabard/dialogs/dialog_types.h>
#include <tabard/runtime/array_block.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Creates control `id` of `kind` (a ControlKind number) in `dialog`, at `x`, `y`
/// and `width` by `height` dialog units, with the dialog's font. Consumes two
/// temporaries of `frame`: the text on top and the class name below it (used only
/// for ControlKind::Custom), on every path. `items` (or nullptr) lists the initial
/// entries of a list or combo box. `style` 0 takes the kind's default style; the
/// kind's rule then adds and removes its bits (kControlKindRules); `exStyle` is the
/// extended style. `callback` (or nullptr) is called for the control's commands. A
/// kind above 15 creates nothing. Returns the control's window, which belongs to
/// the dialog, or 0.
HWND ControlAdd(ProcedureFrame& frame, uint32_t kind, DialogHandle dialog, ControlId id,
                const ArrayDescriptor* items, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style,
                uint32_t exStyle, DialogCallback callback);

/// @}
}  // namespace tabard
