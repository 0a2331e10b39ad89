#include <tabard/runtime/message_box.h>

#include <tabard/platform/core_services.h>
#include <tabard/platform/win32_message_box.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

constexpr uint32_t kPauseBeforeBoxMs = 5;
constexpr uint32_t kStyleBits = 0xFFFF;
constexpr UINT kSimpleBeep = 0xFFFFFFFF;

// The box has no owner and answers whatever input its own loop takes next, so
// input given before it appeared (still queued behind a busy pump) would answer
// it, or bring another window over it, before the user has seen it. Asking for
// the queue's state first makes the system queue what it has received but not yet
// handed to the thread. Then every key and mouse message goes, whichever window
// it is for: the hardware input, and what the pump already translated and posted.
// (By ranges: a peek filtered by input kind left the keys in place under Wine.)
struct MessageRange {
  UINT first;
  UINT last;
};
constexpr MessageRange kInputMessages[] = {
    {WM_KEYFIRST, WM_KEYLAST},
    {WM_MOUSEFIRST, WM_MOUSELAST},
    {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
};

// A bound, so that a steady stream of input cannot hold the box back for ever;
// clearing even thousands of queued messages takes a small part of it. (Message
// times cannot bound it: input read from the window system while clearing may
// be stamped with the time it is read, not the time it was given.)
constexpr DWORD kLongestClearingMs = 1000;

void DiscardQueuedInput() {
  const DWORD start = platform::GetTickCount();
  platform::GetQueueStatus(QS_ALLINPUT);
  MSG message;
  for (const MessageRange& range : kInputMessages)
    while (platform::GetTickCount() - start < kLongestClearingMs &&
           platform::PeekMessage(&message, nullptr, range.first, range.last, PM_REMOVE)) {
    }
  // A drag whose button release was just discarded would keep the mouse, and
  // with it every click meant for the box.
  platform::ReleaseCapture();
}

}  // namespace

int32_t MessageBoxShow(ProcedureFrame& frame, uint32_t style) {
  const TempStringEntry caption = TextStackEntry(frame, 0);
  const TempStringEntry text = TextStackEntry(frame, 1);
  const TextSpan captionText = TextView(caption);
  const char* shownCaption = captionText.length == 0 ? kDefaultCaption : captionText.bytes;
  platform::SleepMs(kPauseBeforeBoxMs);
  DiscardQueuedInput();
  const int32_t pressed = platform::ShowMessageBox(nullptr, TextView(text).bytes, shownCaption, style & kStyleBits);
  TextReleaseEntry(caption);
  TextReleaseEntry(text);
  TextPop(frame);
  TextPop(frame);
  return pressed;
}

void RuntimeBeep() { platform::PlayMessageBeep(kSimpleBeep); }

}  // namespace tabard
