#pragma once
/// @file
/// Items of a combo box or a list box of a toolkit dialog. Positions are 1-based
/// here: 1 is the first item, and 0 reaches the system as -1, meaning no item (so
/// selecting position 0 clears the selection). Results are the system's answers.
///
/// Texts going in are taken from the top of the caller's stack of temporaries and
/// consumed; texts coming out are pushed there (the empty string when nothing is
/// selected).
#include <cstdint>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/dialog_types.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Adds the text on top of the stack (consumed) to combo box `id` of `dialog`; the
/// new item's 0-based index, CB_ERR or CB_ERRSPACE on failure.
LRESULT ComboAddItem(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
/// Deletes the item at 1-based `position` of control `id` of `dialog`; the items
/// left, CB_ERR on failure.
LRESULT ComboDeleteItem(DialogHandle dialog, ControlId id, int32_t position);
/// Pushes the text of the item selected in control `id` of `dialog`, a new owned
/// string; the empty string when nothing is selected.
void ComboGetSelectedText(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
/// Removes every item of combo box `id` of `dialog`; CB_ERR on failure.
LRESULT ComboClear(DialogHandle dialog, ControlId id);
/// Selects the item at 1-based `position` of control `id` of `dialog` (0 clears the
/// selection); CB_ERR when nothing is selected afterwards.
LRESULT ComboSelect(DialogHandle dialog, ControlId id, int32_t position);

/// Adds the text on top of the stack (consumed) to list box `id` of `dialog`; the new
/// item's 0-based index, LB_ERR or LB_ERRSPACE on failure.
LRESULT ListAddItem(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
/// Deletes the item at 1-based `position` of control `id` of `dialog`; the items
/// left, LB_ERR on failure.
LRESULT ListDeleteItem(DialogHandle dialog, ControlId id, int32_t position);
/// Pushes the text of the item selected in control `id` of `dialog`, a new owned
/// string; the empty string when nothing is selected.
void ListGetSelectedText(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
/// Removes every item of list box `id` of `dialog`; LB_ERR on failure.
LRESULT ListClear(DialogHandle dialog, ControlId id);
/// Selects the item at 1-based `position` of control `id` of `dialog` (0 clears the
/// selection); LB_ERR when nothing is selected afterwards.
LRESULT ListSelect(DialogHandle dialog, ControlId id, int32_t position);

/// @}
}  // namespace tabard
