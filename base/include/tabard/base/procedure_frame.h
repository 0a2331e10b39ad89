#pragma once
// The record every procedure carries: runtime routines act on the frame of the
// procedure that called them, recording errors and keeping temporaries there.
#include <cstdint>

#include <tabard/base/dyn_string.h>

namespace tabard {

struct ProcedureFrame;
// Where a raised error is dispatched to; nullptr when the procedure has none.
using ErrorHandler = void (*)(ProcedureFrame& frame);

constexpr int kTempStringSlots = 5;

struct ProcedureFrame {
  ProcedureFrame* callerFrame = nullptr;
  // Working space of runtime routines: two adjacent 8-byte conversion slots,
  // spill slots, and the temporaries of the statement being evaluated.
  alignas(8) unsigned char conversionScratch[16] = {};
  uint32_t spill[2] = {};
  TempStringEntry tempStrings[kTempStringSlots] = {};
  ErrorHandler errorHandler = nullptr;
  uint32_t errorWord = 0;
  // Top of the temporaries: 0 when empty, 4 less for every entry pushed.
  int32_t tempIndex = 0;
  int32_t result = 0;
};

}  // namespace tabard
