#include "runtime/message_box.h"

#include "platform/core_services.h"
#include "platform/win32_message_box.h"
#include "text/text_core.h"

namespace {

constexpr uint32_t kPauseBeforeBoxMs = 5;
constexpr uint32_t kStyleBits = 0xFFFF;
constexpr UINT kSimpleBeep = 0xFFFFFFFF;

void Release(const TempStringEntry& entry) {
  if (!entry.borrowed) TextRelease(entry.handle);
}

}  // namespace

int32_t MessageBoxShow(ProcedureFrame& frame, uint32_t style) {
  const TempStringEntry caption = TextStackEntry(frame, 0);
  const TempStringEntry text = TextStackEntry(frame, 1);
  const TextSpan captionText = TextView(caption);
  const char* shownCaption = captionText.length == 0 ? kDefaultCaption : captionText.bytes;
  platform::SleepMs(kPauseBeforeBoxMs);
  const int32_t pressed = platform::ShowMessageBox(nullptr, TextView(text).bytes, shownCaption, style & kStyleBits);
  Release(caption);
  Release(text);
  TextPop(frame);
  TextPop(frame);
  return pressed;
}

void RuntimeBeep() { platform::PlayMessageBeep(kSimpleBeep); }
