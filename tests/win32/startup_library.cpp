// A library built with the runtime: its main procedure is called on every loader
// notification, and reports each call to an observer the test installs.
#include "platform/win32_api.h"
#include "runtime/runtime_block.h"
#include "runtime/startup.h"

namespace {

using Observer = void (*)(uint32_t reason, uint32_t globalsWord, void* instance);
Observer observer = nullptr;
uint32_t libraryGlobals[2] = {7, 7};
uint32_t attachCallsSeen = 0;

int32_t LibraryMain(void*, void*, char*, int32_t) {
  if (runtimeBlock.entryReason == DLL_PROCESS_ATTACH) ++attachCallsSeen;
  if (observer != nullptr) observer(runtimeBlock.entryReason, libraryGlobals[0], runtimeBlock.moduleInstance);
  libraryGlobals[0] = 42;  // only a process attach clears it again
  return 0;
}

const ProgramImage kImage{LibraryMain, libraryGlobals, sizeof libraryGlobals, nullptr, 0, kProgramBuild | kLibraryBuild,
                          nullptr};

}  // namespace

extern "C" __declspec(dllexport) void SetObserver(Observer newObserver) { observer = newObserver; }
extern "C" __declspec(dllexport) uint32_t EntryResult() { return runtimeBlock.entryResult; }
extern "C" __declspec(dllexport) uint32_t AttachCallsSeen() { return attachCallsSeen; }
extern "C" __declspec(dllexport) uint32_t GlobalsWord() { return libraryGlobals[0]; }

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  return static_cast<BOOL>(LibraryEntry(kImage, module, reason, reserved));
}
