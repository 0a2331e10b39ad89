#pragma once
/// @file
/// The record every procedure carries: runtime routines act on the frame of the
/// procedure that called them, recording errors and keeping temporaries there.
#include <cstdint>

#include <tabard/base/dyn_string.h>

namespace tabard {
/// @addtogroup base
/// @{

struct ProcedureFrame;
/// Where a raised error is dispatched to; nullptr when the procedure has none.
using ErrorHandler = void (*)(ProcedureFrame& frame);

/// How many temporaries a frame holds: a statement may have five strings in flight.
constexpr int kTempStringSlots = 5;

/// The record every procedure carries: its caller's frame, the runtime's scratch
/// with the stack of temporary strings, its error handler and error word, and its
/// result. A procedure declares one, zero-initialised, and passes it to every
/// text, number and toolkit operation that may raise an error or use temporaries.
struct ProcedureFrame {
  ProcedureFrame* callerFrame = nullptr;  ///< the calling procedure's frame; OutermostFrame() for the main procedure
  /// Working space of runtime routines: two adjacent 8-byte conversion slots,
  /// spill slots, and the temporaries of the statement being evaluated.
  alignas(8) unsigned char conversionScratch[16] = {};
  uint32_t spill[2] = {};                               ///< spill slots of runtime routines
  TempStringEntry tempStrings[kTempStringSlots] = {};  ///< the temporaries, bottom first
  ErrorHandler errorHandler = nullptr;                 ///< where a raised error goes; null: none
  uint32_t errorWord = 0;  ///< the last error: number in the low byte, kErrorPending and kErrorHandlerEntered flags
  /// Top of the temporaries: 0 when empty, 4 less for every entry pushed.
  int32_t tempIndex = 0;
  int32_t result = 0;  ///< the procedure's function result
};

/// @}
}  // namespace tabard
