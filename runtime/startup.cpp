#include <tabard/runtime/startup.h>

#include <cstring>

#include <tabard/base/runtime_block.h>
#include <tabard/platform/win32_startup.h>
#include <tabard/runtime/command_tail.h>
#include <tabard/runtime/platform_class.h>

namespace tabard {

namespace {

constexpr uint32_t kProcessAttach = 1;
constexpr const char* kFloatingPointKey = "HARDWARE\\DESCRIPTION\\System\\FloatingPointProcessor";

ProcedureFrame* outermostFrame = nullptr;

bool RuntimeInitialisationHook() { return true; }

bool RunInitialisationHook(const ProgramImage& image) {
  return image.initialisationHook != nullptr ? image.initialisationHook() : RuntimeInitialisationHook();
}

// The literals live in ordinary static storage, already at their final place, so
// there is nothing to move: the descriptor records where things are.
void RecordImage(const ProgramImage& image) {
  runtimeBlock.entryResult = 0;
  runtimeBlock.osVersionInfo.size = sizeof(OsVersionRecord);
  runtimeBlock.imageDescriptor[0] = image.globalsSize;
  runtimeBlock.imageDescriptor[1] = reinterpret_cast<uintptr_t>(image.globals);
  runtimeBlock.imageDescriptor[2] = 0;
  runtimeBlock.imageDescriptor[3] = reinterpret_cast<uintptr_t>(image.literalPool);
  runtimeBlock.imageDescriptor[4] = image.literalPoolSize;
  runtimeBlock.imageDescriptor[5] = reinterpret_cast<uintptr_t>(image.literalPool);
}

int32_t ShowCommandFromStartupInfo() {
  STARTUPINFOA info;
  std::memset(&info, 0, sizeof info);
  info.cb = sizeof info;
  info.dwFlags = 0;
  platform::GetStartupInfo(&info);
  return (info.dwFlags & STARTF_USESHOWWINDOW) ? static_cast<int32_t>(info.wShowWindow) : kShowDefault;
}

bool FloatingPointKeyPresent() {
  HKEY key = nullptr;
  if (platform::RegOpenKeyEx(HKEY_LOCAL_MACHINE, kFloatingPointKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  platform::RegCloseKey(key);
  return true;
}

void Classify() {
  SYSTEM_INFO system;
  std::memset(&system, 0, sizeof system);
  platform::GetSystemInfo(&system);
  const ProcessorFacts processor{system.dwProcessorType, system.wProcessorArchitecture, system.wProcessorLevel};
  const PlatformClass found = ClassifyPlatform(runtimeBlock.osVersionInfo, processor,
                                               {platform::CpuidFeatureBits, FloatingPointKeyPresent});
  runtimeBlock.platformFlags = found.platformFlags;
  runtimeBlock.osVersion = found.osVersion;
  runtimeBlock.cpuClass = found.cpuClass;
}

void QueryVersionAndCommandLine() {
  static_assert(sizeof(OsVersionRecord) == sizeof(OSVERSIONINFOA));
  platform::GetVersionInfo(reinterpret_cast<OSVERSIONINFOA*>(&runtimeBlock.osVersionInfo));
}

void ClearStateArea() {
  runtimeBlock.emptyTextLength = 0;
  runtimeBlock.emptyText = 0;
  runtimeBlock.activeDialog = nullptr;
  runtimeBlock.dialogFont = nullptr;
  runtimeBlock.liveDialogCount = 0;
}

void InitialiseStringRuntime() {
  runtimeBlock.emptyDescriptor.length = 0;
  runtimeBlock.emptyDescriptor.text = &runtimeBlock.emptyText;
}

int32_t CallMainProcedure(const ProgramImage& image) {
  if (runtimeBlock.entryReason == kProcessAttach) {
    if (image.globals != nullptr) std::memset(image.globals, 0, image.globalsSize / 4 * 4);
    InitialiseStringRuntime();
    ClearStateArea();
  }
  ProcedureFrame frame{};
  outermostFrame = &frame;
  const int32_t result = image.mainProcedure(runtimeBlock.moduleInstance, nullptr, runtimeBlock.commandTail,
                                             runtimeBlock.showCommand);
  outermostFrame = nullptr;
  return result;
}

}  // namespace

uint16_t processControlWord = 0;
bool processControlWordRecorded = false;

ProcedureFrame* OutermostFrame() { return outermostFrame; }

void ProgramStart(const ProgramImage& image) {
  if (processControlWordRecorded) __asm__ volatile("fldcw %0" : : "m"(processControlWord));
  RecordImage(image);
  runtimeBlock.entryReason = kProcessAttach;
  QueryVersionAndCommandLine();
  runtimeBlock.showCommand = ShowCommandFromStartupInfo();
  runtimeBlock.commandTail = const_cast<char*>(CommandTailOf(platform::GetCommandLine()));
  runtimeBlock.environment = platform::GetEnvironmentStrings();
  runtimeBlock.moduleInstance = platform::GetModuleHandle(nullptr);
  Classify();
  if (!RunInitialisationHook(image)) platform::ExitProcess(255);
  platform::ExitProcess(static_cast<uint32_t>(CallMainProcedure(image)));
}

uint32_t LibraryEntry(const ProgramImage& image, void* module, uint32_t reason, void* /*reserved*/) {
  if (reason == kProcessAttach) {
    RecordImage(image);
    QueryVersionAndCommandLine();
    runtimeBlock.commandTail = const_cast<char*>(CommandTailOf(platform::GetCommandLine()));
    runtimeBlock.environment = platform::GetEnvironmentStrings();
    runtimeBlock.moduleInstance = module;
    Classify();
    if (!RunInitialisationHook(image)) return 0;
    runtimeBlock.entryResult = 1;
  }
  runtimeBlock.entryReason = reason;
  CallMainProcedure(image);
  return runtimeBlock.entryResult;
}

}  // namespace tabard
