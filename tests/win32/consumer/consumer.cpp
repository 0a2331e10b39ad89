// A program whose own names are the toolkit's too: its MoveTo, SleepMs, MainDialog
// and programGlobals live beside tabard's without a clash.
#include <windows.h>

#include <tabard/controls/general.h>
#include <tabard/dialogs/dialog_create.h>
#include <tabard/dialogs/dialog_pump.h>
#include <tabard/runtime/startup.h>
#include <tabard/text/text_core.h>
#include <tabard/text/literal_pool.h>

struct Globals { int moves; };
Globals programGlobals;
HWND MainDialog;

int MoveTo(int x, int y) { return programGlobals.moves += x + y; }
void SleepMs(unsigned milliseconds) { Sleep(milliseconds); }

namespace {

constexpr auto kTexts = tabard::MakeLiteralPool("Consumer");

int32_t ConsumerMain(void*, void*, char*, int32_t) {
  tabard::ProcedureFrame frame{};
  frame.callerFrame = tabard::OutermostFrame();
  tabard::TextPushLiteral(frame, kTexts.Entry(0));
  tabard::DialogHandle dialog = tabard::DialogCreate(frame, nullptr, -1, -1, 100, 50, WS_CAPTION, 0);
  MainDialog = nullptr;
  SleepMs(0);
  tabard::SleepMs(0);
  tabard::MoveTo(nullptr, 0, 0);
  return MoveTo(1, 2) + (dialog != nullptr ? 0 : 1) - 3;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tabard::ProgramStart({ConsumerMain, &programGlobals, sizeof programGlobals, kTexts.bytes.data(),
                        static_cast<uint32_t>(kTexts.size()), tabard::kProgramBuild, nullptr});
}
