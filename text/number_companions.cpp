#include <tabard/text/number_companions.h>

#include <cstring>

#include <tabard/text/number_fpu.h>

namespace tabard {

namespace {

constexpr int kSecondSlot = 8;

int64_t IntegerThroughSlot(ProcedureFrame& frame, long double value, int slot) {
  const int64_t rounded = RoundToInt64(value);
  std::memcpy(frame.conversionScratch + slot, &rounded, sizeof rounded);
  int64_t stored;
  std::memcpy(&stored, frame.conversionScratch + slot, sizeof stored);
  return stored;
}

long double ValueThroughSlot(ProcedureFrame& frame, int64_t integer) {
  std::memcpy(frame.conversionScratch, &integer, sizeof integer);
  int64_t stored;
  std::memcpy(&stored, frame.conversionScratch, sizeof stored);
  return static_cast<long double>(stored);
}

template <typename Combine>
long double Logic(ProcedureFrame& frame, long double left, long double right, Combine combine) {
  const int64_t a = IntegerThroughSlot(frame, left, 0);
  const int64_t b = IntegerThroughSlot(frame, right, kSecondSlot);
  return ValueThroughSlot(frame, combine(a, b));
}

// Half an ulp of single precision above its largest finite value: from here on
// rounding gives infinity.
constexpr long double kSingleOverflow = 0x1.ffffffp127L;

}  // namespace

long double NumberLoadInt8(ProcedureFrame& frame, int8_t value) { return ValueThroughSlot(frame, value); }
long double NumberLoadUInt16(ProcedureFrame& frame, uint16_t value) { return ValueThroughSlot(frame, value); }
long double NumberLoadInt32(ProcedureFrame& frame, int32_t value) { return ValueThroughSlot(frame, value); }
long double NumberLoadUInt32(ProcedureFrame& frame, uint32_t value) { return ValueThroughSlot(frame, value); }

long double NumberLoadSingle(ProcedureFrame& frame, uint32_t bits) {
  std::memcpy(frame.conversionScratch, &bits, sizeof bits);
  float single;
  std::memcpy(&single, frame.conversionScratch, sizeof single);
  return single;
}

int8_t NumberStoreInt8(ProcedureFrame& frame, long double value) {
  return static_cast<int8_t>(IntegerThroughSlot(frame, value, 0));
}
int16_t NumberStoreInt16(ProcedureFrame& frame, long double value) {
  return static_cast<int16_t>(IntegerThroughSlot(frame, value, 0));
}
int32_t NumberStoreInt32(ProcedureFrame& frame, long double value) {
  return static_cast<int32_t>(IntegerThroughSlot(frame, value, 0));
}

uint32_t NumberStoreSingle(ProcedureFrame& frame, long double value) {
  float single;
  if (value >= kSingleOverflow) {
    single = std::numeric_limits<float>::infinity();
  } else if (value <= -kSingleOverflow) {
    single = -std::numeric_limits<float>::infinity();
  } else {
    single = static_cast<float>(value);
  }
  std::memcpy(frame.conversionScratch, &single, sizeof single);
  uint32_t bits;
  std::memcpy(&bits, frame.conversionScratch, sizeof bits);
  return bits;
}

long double NumberNot(ProcedureFrame& frame, long double value) {
  return ValueThroughSlot(frame, ~IntegerThroughSlot(frame, value, 0));
}
long double NumberAnd(ProcedureFrame& frame, long double left, long double right) {
  return Logic(frame, left, right, [](int64_t a, int64_t b) { return a & b; });
}
long double NumberOr(ProcedureFrame& frame, long double left, long double right) {
  return Logic(frame, left, right, [](int64_t a, int64_t b) { return a | b; });
}
long double NumberXor(ProcedureFrame& frame, long double left, long double right) {
  return Logic(frame, left, right, [](int64_t a, int64_t b) { return a ^ b; });
}

}  // namespace tabard
