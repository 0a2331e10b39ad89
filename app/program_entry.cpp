// The process entry of the demo program: hands the runtime the program's image.
#include "app/app_main.h"
#include "app/demo_literals.h"
#include "app/program_globals.h"
#include "platform/win32_api.h"
#include "runtime/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const ProgramImage image{AppMain,
                           &programGlobals,
                           sizeof programGlobals,
                           kDemoLiterals.bytes.data(),
                           static_cast<uint32_t>(kDemoLiterals.size()),
                           kProgramBuild,
                           nullptr};
  ProgramStart(image);
}
