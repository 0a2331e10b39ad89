#pragma once
// The demo's globals. Start-up clears them before the main procedure runs.
#include <cstdint>

#include <tabard/dialogs/dialog_types.h>

struct ProgramGlobals {
  tabard::DialogHandle MainDialog;  // written once, right after the dialog is created
  HWND MainList;                    // control 20 of MainDialog, written once
  int32_t CancelRequested;          // set to 1 by the Cancel callback, never reset
};

extern ProgramGlobals programGlobals;
