// The process entry of the demo program: hands the runtime the program's image.
#include <tabard/platform/win32_api.h>
#include <tabard/runtime/startup.h>
#include "app/app_main.h"
#include "app/demo_literals.h"
#include "app/program_globals.h"

using namespace tabard;

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
