// A program without the C runtime: its exit code is the x87 control word the
// system starts a process with, as the image's entry point finds it.
#include <tabard/platform/win32_api.h>
#include <tabard/text/number_fpu.h>

using namespace tabard;

extern "C" void RawEntry() { ExitProcess(FpuControlWord()); }
