// The image's entry point of a program built on the runtime. The C runtime's
// start-up resets the x87 unit before WinMain is reached, so the word the system
// started the process with is recorded here, first, for ProgramStart to load again.
#include <tabard/runtime/startup.h>

extern "C" int WinMainCRTStartup();

extern "C" int ProcessEntry() {
  __asm__ volatile("fnstcw %0" : "=m"(tabard::processControlWord));
  tabard::processControlWordRecorded = true;
  return WinMainCRTStartup();
}
