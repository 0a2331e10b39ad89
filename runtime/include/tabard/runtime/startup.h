#pragma once
/// @file
/// Process start-up and the library entry: fill the RuntimeBlock from the system,
/// clear the program's globals, build the outermost frame and call the program's
/// main procedure.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup runtime
/// @{

/// A Windows main procedure: module instance, previous instance (always 0),
/// command tail, show-window default. Its result is the process exit code.
using MainProcedure = int32_t (*)(void* instance, void* previous, char* commandTail, int32_t showCommand);

/// Build-options words: what a program passes, and the bit that marks a library
/// build.
constexpr uint16_t kProgramBuild = 0x01C0;
constexpr uint16_t kLibraryBuild = 0x0004;  ///< the library-build bit

/// What a program tells the runtime about itself.
struct ProgramImage {
  MainProcedure mainProcedure;  ///< called once start-up is done
  void* globals;             ///< the program's globals, cleared before the main procedure runs
  uint32_t globalsSize;      ///< in bytes, a multiple of 4
  const LiteralEntry* literalPool;  ///< the program's LiteralPool bytes
  uint32_t literalPoolSize;  ///< in bytes
  uint16_t buildOptions;  ///< kProgramBuild for a program
  bool (*initialisationHook)();  ///< nullptr: the runtime's own, which always succeeds
};

/// The x87 control word the system started the process with. The image's entry
/// point records it before the C runtime's start-up resets the unit; ProgramStart
/// loads it again, so that a program runs under the system's word, not the C
/// runtime's. Not recorded when the program entered some other way.
extern uint16_t processControlWord;
extern bool processControlWordRecorded;  ///< processControlWord holds the system's word

/// Program start from `image`: fills the runtime block, clears the globals, moves
/// the literal pool into place and calls the main procedure. Never returns; the
/// process ends with the main procedure's result.
[[noreturn]] void ProgramStart(const ProgramImage& image);

/// Library entry for the library described by `image`, called by the loader's entry
/// point with its three arguments: the library's `module`, the loader's `reason`
/// (1: process attach) and `reserved`. Returns entryResult (1 after a successful
/// process attach, else 0).
uint32_t LibraryEntry(const ProgramImage& image, void* module, uint32_t reason, void* reserved);

/// The frame start-up built for the main procedure to link its own frame to.
ProcedureFrame* OutermostFrame();

/// The runtime's show-window default when the start-up information gives none.
constexpr int32_t kShowDefault = 10;

/// @}
}  // namespace tabard
