// A program without the C runtime: its exit code is the x87 control word the
// system starts a process with, as the image's entry point finds it.
#include "platform/win32_api.h"
#include "text/number_fpu.h"

extern "C" void RawEntry() { ExitProcess(FpuControlWord()); }
