#pragma once
// Runtime errors are recorded in the calling procedure's frame, never thrown: the
// latest error wins and the program goes on with its next statement.
#include <cstdint>

#include "runtime/procedure_frame.h"

enum RuntimeErrorNumber : uint8_t {
  kErrorConversionOverflow = 6,
  kErrorAllocationFailed = 7,
  kErrorArrayBounds = 9,
  kErrorFreeFailed = 51,
};

constexpr uint32_t kErrorPending = 0x8000;      // raised and not yet dispatched
constexpr uint32_t kErrorHandlerEntered = 0x4000;

// Records `number` (0 is recorded as 51) with the pending flag. The failing
// routine then yields 0 as its result.
void RaiseError(ProcedureFrame& frame, uint8_t number);
// The same record; the failing routine's own result is left as it was.
void RaiseErrorKeepingResult(ProcedureFrame& frame, uint8_t number);
