#pragma once
// The one process-wide runtime record. Start-up fills it from the system; the
// dialog toolkit keeps its shared state in it; the text runtime reads its empty
// text and fixed-length scratch from it.
#include <cstdint>

#include <tabard/base/os_records.h>

namespace tabard {

struct RuntimeBlock {
  // Four zero bytes before emptyText, so that an empty string's length word, read
  // just before its bytes like any other string's, is 0 as well.
  uint32_t emptyTextLength;
  char emptyText;
  void* activeDialog;
  void* dialogFont;
  int32_t liveDialogCount;
  char* environment;
  char* commandTail;
  uint16_t platformFlags;
  uint16_t osVersion;
  uint8_t cpuClass;
  int32_t showCommand;
  uint16_t entryResult;
  void* moduleInstance;
  uint32_t entryReason;
  struct {
    uint32_t length;
    const char* text;
  } emptyDescriptor;
  char fixedTextBuffer[16];
  OsVersionRecord osVersionInfo;
  uintptr_t imageDescriptor[6];
};

extern RuntimeBlock runtimeBlock;

// Bits of platformFlags.
enum PlatformFlag : uint16_t {
  kFloatingPointProcessor = 0x0002,
  kMmx = 0x0040,
  kWindows9xBuild950 = 0x0080,
  kWindows9xBuild1111 = 0x0100,
  kWindows9xOtherBuild = 0x0200,
  kWindowsNt = 0x0400,
};

}  // namespace tabard
