// Any 80-bit pattern under any mask: the first ten bytes are the value, the rest
// the mask. The result through the DynString entry and the one through the stages
// alone must equal the one-step one, and a buffer too small must still be told the
// whole length.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <tabard/text/mask_field.h>
#include <tabard/text/mask_format.h>
#include "tests/core/text_test_support.h"

using namespace tabard;

namespace {
constexpr size_t kValueBytes = 10;

long double ValueFrom(const uint8_t* data) {
  long double value = 0;
  std::memcpy(&value, data, kValueBytes);
  return value;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kValueBytes) return 0;
  const long double value = ValueFrom(data);
  const char* mask = reinterpret_cast<const char*>(data + kValueBytes);
  const uint32_t maskLength = static_cast<uint32_t>(size - kValueBytes);

  const uint64_t length = FormatWithMask(value, mask, maskLength, nullptr, 0);
  if (length == 0 || length > (1u << 24)) std::abort();
  std::vector<char> whole(length);
  if (FormatWithMask(value, mask, maskLength, whole.data(), length) != length) std::abort();
  std::vector<char> staged(length);
  if (FormatWithMaskInStages(value, mask, maskLength, staged.data(), length) != length) std::abort();
  if (staged != whole) std::abort();
  char small[7];
  if (FormatWithMask(value, mask, maskLength, small, sizeof small) != length) std::abort();
  if (std::memcmp(small, whole.data(), length < sizeof small ? length : sizeof small) != 0) std::abort();

  ProcedureFrame frame;
  TextPushOwned(frame, MakeText(std::string(mask, maskLength)));
  NumberFormatMask(frame, value);
  if (TextStackDepth(frame) != 1) std::abort();
  if (PopText(frame) != std::string(whole.data(), length)) std::abort();
  return 0;
}
