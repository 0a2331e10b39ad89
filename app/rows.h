#pragma once
// The demo's procedures besides the main one: filling a row, pausing while the
// dialog stays alive, repainting the list, cancelling, clearing the rows.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/dialogs/dialog_types.h>

// Inserts a row into MainList and sets its six cells, in column order. The
// strings stay the caller's.
void AddRow(const tabard::DynString* column0, const tabard::DynString* column1, const tabard::DynString* column2, const tabard::DynString* column3,
            const tabard::DynString* column4, const tabard::DynString* column5);
// Waits about `milliseconds` in slices of one message step and a 30 ms sleep,
// leaving early after a slice once CancelRequested is set.
void PauseMs(const int32_t& milliseconds);
void RepaintList();
// The Cancel button's callback: ends MainDialog and sets CancelRequested.
int32_t OnCancel(tabard::DialogHandle dialog, uint32_t message, WPARAM wParam, LPARAM lParam);
void ClearRows();

// The number of slices a pause of `milliseconds` takes: one per 25 ms, rounded.
int32_t PauseSlices(int32_t milliseconds);
