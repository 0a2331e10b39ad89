#pragma once
/// @file
/// Runtime errors are recorded in the calling procedure's frame, never thrown: the
/// latest error wins and the program goes on with its next statement.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup base
/// @{

/// The error numbers the runtime raises.
enum RuntimeErrorNumber : uint8_t {
  kErrorConversionOverflow = 6,  ///< a number does not fit its target
  kErrorAllocationFailed = 7,    ///< memory could not be had
  kErrorArrayBounds = 9,         ///< an index or size outside an array's bounds
  kErrorFreeFailed = 51,         ///< freeing failed, or a raise of number 0
};

constexpr uint32_t kErrorPending = 0x8000;      ///< raised and not yet dispatched
constexpr uint32_t kErrorHandlerEntered = 0x4000;  ///< the procedure's handler was entered
constexpr uint32_t kErrorNumberMask = 0x00FF;      ///< the error number's bits

/// Records `number` (0 is recorded as 51) with the pending flag. The failing
/// routine then yields 0 as its result.
void RaiseError(ProcedureFrame& frame, uint8_t number);
/// Records `number` as RaiseError does; the failing routine's own result is left
/// as it was.
void RaiseErrorKeepingResult(ProcedureFrame& frame, uint8_t number);

/// Raises error 5, keeping the result (as RaiseErrorKeepingResult).
void RaiseError5(ProcedureFrame& frame);
/// Raises error 6, conversion overflow, keeping the result.
void RaiseError6(ProcedureFrame& frame);
/// Raises error 52, keeping the result.
void RaiseError52(ProcedureFrame& frame);
/// Raises error 244, keeping the result.
void RaiseError244(ProcedureFrame& frame);

/// The error number recorded in the frame, 0 for none.
inline uint8_t ErrorNumber(const ProcedureFrame& frame) {
  return static_cast<uint8_t>(frame.errorWord & kErrorNumberMask);
}

/// Called by a procedure after a statement. A pending error is marked dispatched;
/// when the procedure has an error handler, the handler-entered flag is set and the
/// result is true: the procedure must continue at its handler instead of with its
/// next statement, for instance `if (ErrorDispatchCheck(frame)) {
/// frame.errorHandler(frame);
/// return; }`. False in every other case.
bool ErrorDispatchCheck(ProcedureFrame& frame);

/// @}
}  // namespace tabard
