// A program built with the runtime whose exit code reports what start-up gave its main procedure, picked by the
// command tail's first word. "overflow" needs a sixth temporary string at once: the runtime must stop it.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include <tabard/base/runtime_block.h>
#include <tabard/platform/win32_api.h>
#include <tabard/runtime/startup.h>
#include <tabard/text/text_core.h>

using namespace tabard;

namespace {

uint32_t probeGlobals[8] = {1, 2, 3, 4, 5, 6, 7, 8};  // start-up must clear them before the main procedure runs

int32_t ProbeMain(void* instance, void* previous, char* tail, int32_t showCommand) {
  const auto is = [&](const char* word) { return std::strncmp(tail, word, std::strlen(word)) == 0; };
  if (is("show")) return showCommand;
  if (is("exit ")) return std::atoi(tail + 5);
  if (is("platform")) return (runtimeBlock.platformFlags & ~kFloatingPointProcessor) | runtimeBlock.cpuClass << 16;
  ProcedureFrame frame{.callerFrame = OutermostFrame()};
  for (int i = 0; is("overflow") && i <= kTempStringSlots; ++i) TextPushEmpty(frame);
  // One bit for each fact start-up left otherwise, so that the exit code names which.
  const bool facts[] = {std::count(probeGlobals, probeGlobals + 8, 0u) == 8, instance == GetModuleHandleA(nullptr),
                        previous == nullptr, tail == runtimeBlock.commandTail, runtimeBlock.entryReason == 1,
                        runtimeBlock.environment != nullptr, runtimeBlock.osVersionInfo.size == 148,
                        runtimeBlock.emptyDescriptor.text == &runtimeBlock.emptyText, OutermostFrame() != nullptr};
  int32_t wrong = 0;
  for (size_t i = 0; i < std::size(facts); ++i) wrong |= facts[i] ? 0 : 1 << i;
  return wrong;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ProgramStart({ProbeMain, probeGlobals, sizeof probeGlobals, nullptr, 0, kProgramBuild, nullptr});
}
