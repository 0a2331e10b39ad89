#include <tabard/text/text_binary.h>

#include <cfloat>
#include <cstring>

#include <tabard/text/number_fpu.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

static_assert(LDBL_MANT_DIG == 64, "numeric values are the 80-bit extended format");
constexpr uint32_t kExtendedBytes = 10;

// Both builds run on little-endian processors, so an object's bytes are its image.
template <typename T>
bool PushImage(ProcedureFrame& frame, T value, uint32_t count = sizeof(T)) {
  char image[sizeof(T)];
  std::memcpy(image, &value, sizeof(T));
  return TextPushBytes(frame, image, count);
}

}  // namespace

bool TextFromBinaryByte(ProcedureFrame& frame, int16_t value) { return PushImage(frame, value, 1); }
bool TextFromBinaryInt16(ProcedureFrame& frame, int16_t value) { return PushImage(frame, value); }
bool TextFromBinaryInt32(ProcedureFrame& frame, int32_t value) { return PushImage(frame, value); }
bool TextFromBinaryRoundedLow32(ProcedureFrame& frame, long double value) {
  return PushImage(frame, RoundToInt64(value), 4);
}
bool TextFromBinarySingle(ProcedureFrame& frame, long double value) {
  return PushImage(frame, static_cast<float>(value));
}
bool TextFromBinaryRounded64(ProcedureFrame& frame, long double value) { return PushImage(frame, RoundToInt64(value)); }
bool TextFromBinaryDouble(ProcedureFrame& frame, long double value) {
  return PushImage(frame, static_cast<double>(value));
}
bool TextFromBinaryScaled10000(ProcedureFrame& frame, long double value) {
  return PushImage(frame, RoundToInt64(value * 10000));
}
bool TextFromBinaryScaled100(ProcedureFrame& frame, long double value) {
  return PushImage(frame, RoundToInt64(value * 100));
}
bool TextFromBinaryExtended(ProcedureFrame& frame, long double value) {
  return PushImage(frame, value, kExtendedBytes);
}

}  // namespace tabard
