#pragma once
/// @file
/// The one process-wide runtime record. Start-up fills it from the system; the
/// dialog toolkit keeps its shared state in it; the text runtime reads its empty
/// text and fixed-length scratch from it.
#include <cstdint>

#include <tabard/base/os_records.h>

namespace tabard {
/// @addtogroup base
/// @{

/// The one process-wide record of the runtime: what start-up learnt from the
/// system, the toolkit's shared state and the string runtime's fields.
struct RuntimeBlock {
  /// Four zero bytes before emptyText, so that an empty string's length word, read
  /// just before its bytes like any other string's, is 0 as well.
  uint32_t emptyTextLength;
  char emptyText;            ///< always 0: the text every empty DynString reads as
  void* activeDialog;        ///< the toolkit dialog activated last, null after it was deactivated
  void* dialogFont;          ///< the font of the toolkit dialog created last, for the controls added next
  int32_t liveDialogCount;   ///< how many toolkit dialogs are alive
  char* environment;         ///< the process environment block; never freed
  char* commandTail;         ///< the command line past the program name and its blanks; not a copy
  uint16_t platformFlags;    ///< PlatformFlag bits
  uint16_t osVersion;        ///< major version in the high byte, minor in the low byte
  uint8_t cpuClass;          ///< processor class 3, 4 or 5
  int32_t showCommand;       ///< the show-window default for the program's first window
  uint16_t entryResult;      ///< what a library build's entry returns; 0 in a program
  void* moduleInstance;      ///< the program's module instance
  uint32_t entryReason;      ///< 1 for a program start
  /// A length of 0 and the address of emptyText, set when the string runtime starts.
  struct {
    uint32_t length;   ///< 0
    const char* text;  ///< &emptyText
  } emptyDescriptor;
  char fixedTextBuffer[16];      ///< scratch text of fixed length 16 for the store operations
  OsVersionRecord osVersionInfo;  ///< the system's version record
  /// The stored image's header: globals size and address, first-section size,
  /// moved-image address, literal-pool size and address.
  uintptr_t imageDescriptor[6];
};

/// The program's one runtime block.
extern RuntimeBlock runtimeBlock;

/// Bits of platformFlags.
enum PlatformFlag : uint16_t {
  kFloatingPointProcessor = 0x0002,  ///< a floating-point unit is present
  kMmx = 0x0040,                     ///< class 5 and the processor reports MMX
  kWindows9xBuild950 = 0x0080,       ///< a 9x system of build 950
  kWindows9xBuild1111 = 0x0100,      ///< a 9x system of build 1111
  kWindows9xOtherBuild = 0x0200,     ///< a 9x system of another build
  kWindowsNt = 0x0400,               ///< an NT system
};

/// @}
}  // namespace tabard
