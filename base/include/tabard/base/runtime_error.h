#pragma once
// Runtime errors are recorded in the calling procedure's frame, never thrown: the
// latest error wins and the program goes on with its next statement.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {

enum RuntimeErrorNumber : uint8_t {
  kErrorConversionOverflow = 6,
  kErrorAllocationFailed = 7,
  kErrorArrayBounds = 9,
  kErrorFreeFailed = 51,
};

constexpr uint32_t kErrorPending = 0x8000;      // raised and not yet dispatched
constexpr uint32_t kErrorHandlerEntered = 0x4000;
constexpr uint32_t kErrorNumberMask = 0x00FF;

// Records `number` (0 is recorded as 51) with the pending flag. The failing
// routine then yields 0 as its result.
void RaiseError(ProcedureFrame& frame, uint8_t number);
// The same record; the failing routine's own result is left as it was.
void RaiseErrorKeepingResult(ProcedureFrame& frame, uint8_t number);

// Fixed-number raises of the keeping kind.
void RaiseError5(ProcedureFrame& frame);
void RaiseError6(ProcedureFrame& frame);
void RaiseError52(ProcedureFrame& frame);
void RaiseError244(ProcedureFrame& frame);

// The error number recorded in the frame, 0 for none.
inline uint8_t ErrorNumber(const ProcedureFrame& frame) {
  return static_cast<uint8_t>(frame.errorWord & kErrorNumberMask);
}

// Called by a procedure after a statement. A pending error is marked dispatched;
// when the procedure has an error handler, the handler-entered flag is set and the
// result is true: the procedure must continue at its handler instead of with its
// next statement, for instance `if (ErrorDispatchCheck(frame)) { frame.errorHandler(frame);
// return; }`. False in every other case.
bool ErrorDispatchCheck(ProcedureFrame& frame);

}  // namespace tabard
