#pragma once
// The texts of the demo's main flow, which need no window: the six cells of a
// numbered row and the message that reports the count.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/base/procedure_frame.h>

constexpr int kRowCells = 6;

// Fills `cells` (empty on entry) with the texts of row `n`, "Item  1 - Testtekst1"
// and the five fixed texts; the caller releases them. A refused allocation leaves
// that cell empty and error 7 recorded in `frame`.
void BuildRowCells(tabard::ProcedureFrame& frame, int32_t n, tabard::DynString (&cells)[kRowCells]);
// Pushes "Number of elements in the listview: " followed by the count's text.
void PushCountMessage(tabard::ProcedureFrame& frame, int32_t count);
