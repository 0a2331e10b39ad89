// A program built with the runtime whose exit code reports what start-up gave its
// main procedure. The first word of the command tail picks what to report.
#include <cstring>

#include "platform/win32_api.h"
#include "runtime/runtime_block.h"
#include "runtime/startup.h"

namespace {

// Stored with non-zero contents: start-up must clear them before the main runs.
uint32_t probeGlobals[8] = {1, 2, 3, 4, 5, 6, 7, 8};

bool StartsWith(const char* text, const char* word) { return std::strncmp(text, word, std::strlen(word)) == 0; }

int32_t ProbeMain(void* instance, void* previous, char* commandTail, int32_t showCommand) {
  if (StartsWith(commandTail, "show")) return showCommand;
  if (StartsWith(commandTail, "exit ")) return std::atoi(commandTail + 5);
  if (StartsWith(commandTail, "globals")) {
    for (uint32_t word : probeGlobals)
      if (word != 0) return 1;
    return 0;
  }
  if (StartsWith(commandTail, "values")) {
    const bool sane = instance == GetModuleHandleA(nullptr) && previous == nullptr &&
                      commandTail == runtimeBlock.commandTail && runtimeBlock.entryReason == 1 &&
                      runtimeBlock.environment != nullptr && runtimeBlock.osVersionInfo.size == 148 &&
                      runtimeBlock.emptyDescriptor.text == &runtimeBlock.emptyText && OutermostFrame() != nullptr;
    return sane ? 0 : 1;
  }
  if (StartsWith(commandTail, "platform")) return runtimeBlock.platformFlags | (runtimeBlock.cpuClass << 16);
  return -1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ProgramStart({ProbeMain, probeGlobals, sizeof probeGlobals, nullptr, 0, kProgramBuild, nullptr});
}
