#pragma once
// The demo's globals. Start-up clears them before the main procedure runs.
#include <cstdint>

#include "dialogs/dialog_types.h"
#include "text/dyn_string.h"

struct ProgramGlobals {
  DialogHandle MainDialog;  // written once, right after the dialog is created
  HWND MainList;            // control 20 of MainDialog, written once
  int32_t CancelRequested;  // set to 1 by the Cancel callback, never reset
  // The control wrappers' receive buffers. EditGetText replaces TextScratch on
  // every call; LbGetText leaves the last short item text in ItemTextBuffer.
  DynString TextScratch;
  char ItemTextBuffer[256];
};

extern ProgramGlobals programGlobals;
