#include <tabard/base/runtime_error.h>

namespace tabard {

namespace {

constexpr uint32_t kRecordMask = 0xFFFF;  // number and flags; the upper half has no meaning

void Record(ProcedureFrame& frame, uint8_t number) {
  const uint32_t recorded = number == 0 ? uint32_t{kErrorFreeFailed} : uint32_t{number};
  frame.errorWord = (frame.errorWord & ~kRecordMask) | kErrorPending | recorded;
}

}  // namespace

void RaiseError(ProcedureFrame& frame, uint8_t number) { Record(frame, number); }
void RaiseErrorKeepingResult(ProcedureFrame& frame, uint8_t number) { Record(frame, number); }

void RaiseError5(ProcedureFrame& frame) { Record(frame, 5); }
void RaiseError6(ProcedureFrame& frame) { Record(frame, 6); }
void RaiseError52(ProcedureFrame& frame) { Record(frame, 52); }
void RaiseError244(ProcedureFrame& frame) { Record(frame, 244); }

bool ErrorDispatchCheck(ProcedureFrame& frame) {
  if ((frame.errorWord & kErrorPending) == 0) return false;
  frame.errorWord &= ~kErrorPending;
  if (frame.errorHandler == nullptr) return false;
  frame.errorWord |= kErrorHandlerEntered;
  return true;
}

}  // namespace tabard
