#pragma once
// Items of a combo box or a list box of a toolkit dialog. Positions are 1-based
// here: 1 is the first item, and 0 reaches the system as -1, meaning no item (so
// selecting position 0 clears the selection). Results are the system's answers.
//
// Texts going in are taken from the top of the caller's stack of temporaries and
// consumed; texts coming out are pushed there (the empty string when nothing is
// selected).
#include <cstdint>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/dialog_types.h>
#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT ComboAddItem(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
LRESULT ComboDeleteItem(DialogHandle dialog, ControlId id, int32_t position);
void ComboGetSelectedText(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
LRESULT ComboClear(DialogHandle dialog, ControlId id);
LRESULT ComboSelect(DialogHandle dialog, ControlId id, int32_t position);

LRESULT ListAddItem(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
LRESULT ListDeleteItem(DialogHandle dialog, ControlId id, int32_t position);
void ListGetSelectedText(ProcedureFrame& frame, DialogHandle dialog, ControlId id);
LRESULT ListClear(DialogHandle dialog, ControlId id);
LRESULT ListSelect(DialogHandle dialog, ControlId id, int32_t position);

}  // namespace tabard
