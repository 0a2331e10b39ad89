// A program whose one statement needs a sixth temporary string: the runtime must
// stop it with a message instead of letting it corrupt its frame.
#include "platform/win32_api.h"
#include "runtime/startup.h"
#include "text/text_core.h"

namespace {

int32_t OverflowingMain(void*, void*, char*, int32_t) {
  ProcedureFrame frame;
  frame.callerFrame = OutermostFrame();
  for (int i = 0; i <= kTempStringSlots; ++i) TextPushEmpty(frame);
  return 0;  // never reached
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ProgramStart({OverflowingMain, nullptr, 0, nullptr, 0, kProgramBuild, nullptr});
}
