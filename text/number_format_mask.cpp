// The DynString face of mask formatting: the mask comes from the caller's stack of
// temporaries and the result takes its place.
#include <tabard/text/mask_format.h>

#include <cstring>

#include <tabard/base/runtime_error.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {
// Room for the result of all usual masks; a longer one is formatted again straight
// into storage of its own length, so no mask is ever cut short.
constexpr uint32_t kWorkAreaSize = 512;
}  // namespace

void NumberFormatMask(ProcedureFrame& frame, long double value) {
  // The result takes the mask's place on the stack.
  TempStringEntry& top = TextStackEntry(frame, 0);
  const TextSpan mask = TextView(top.handle);
  char area[kWorkAreaSize];
  const uint64_t length = FormatWithMask(value, mask.bytes, mask.length, area, sizeof area);

  DynString result = nullptr;
  bool failed = length > UINT32_MAX;
  if (!failed && length != 0) {
    const TextAllocation storage = TextAlloc(static_cast<uint32_t>(length));
    failed = storage.failed;
    if (!failed) {
      result = storage.handle;
      if (length <= sizeof area) {
        std::memcpy(storage.bytes, area, static_cast<size_t>(length));
      } else {
        FormatWithMask(value, mask.bytes, mask.length, storage.bytes, length);
      }
    }
  }
  TextReleaseEntry(top);
  top = TempStringEntry{result, false};
  if (failed) RaiseErrorKeepingResult(frame, kErrorAllocationFailed);
}

}  // namespace tabard
