#include <tabard/runtime/runtime_checks.h>

#include <tabard/base/runtime_error.h>
#include <tabard/runtime/array_block.h>

namespace tabard {

namespace {

struct Range {
  int64_t lowest;
  int64_t highest;
};

enum RangeKind { kByte, kUnsigned32, kSigned16, kNonNegative16, kUnsigned16 };
constexpr Range kRanges[] = {
    /* kByte          */ {0, 255},
    /* kUnsigned32    */ {0, INT32_MAX},
    /* kSigned16      */ {-32768, 32767},
    /* kNonNegative16 */ {0, 32767},
    /* kUnsigned16    */ {0, 65535},
};

bool CheckRange(ProcedureFrame& frame, RangeKind kind, int64_t value) {
  const Range& range = kRanges[kind];
  if (value >= range.lowest && value <= range.highest) return true;
  RaiseErrorKeepingResult(frame, kErrorConversionOverflow);
  return false;
}

}  // namespace

bool CheckByteFrom32(ProcedureFrame& frame, int32_t value) { return CheckRange(frame, kByte, value); }
bool CheckByteFrom16(ProcedureFrame& frame, uint16_t value) { return CheckRange(frame, kByte, value); }
bool CheckUnsignedFrom32(ProcedureFrame& frame, int32_t value) { return CheckRange(frame, kUnsigned32, value); }
bool CheckSigned16(ProcedureFrame& frame, int32_t value) { return CheckRange(frame, kSigned16, value); }
bool CheckNonNegative16(ProcedureFrame& frame, int32_t value) { return CheckRange(frame, kNonNegative16, value); }
bool CheckUnsigned16(ProcedureFrame& frame, int32_t value) { return CheckRange(frame, kUnsigned16, value); }

SubscriptCheck CheckSubscript(ProcedureFrame& frame, int32_t index, int32_t lower, int32_t upper) {
  if (index < lower || index > upper) {
    RaiseErrorKeepingResult(frame, kErrorArrayBounds);
    return {false, 0};
  }
  return {true, static_cast<uint32_t>(int64_t{index} - lower)};
}

bool CheckArrayPresent(ProcedureFrame& frame, const ArrayDescriptor& array) {
  if (array.data != nullptr) return true;
  RaiseErrorKeepingResult(frame, kErrorArrayBounds);
  return false;
}

}  // namespace tabard
