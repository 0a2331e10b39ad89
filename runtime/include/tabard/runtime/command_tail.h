#pragma once
/// @file
/// The command tail: what follows the program name on the command line.

// Returns the address inside `commandLine` where the tail starts (never a copy).
// Only the blank 0x20 counts as white space; a control character ends the name.

namespace tabard {
/// @addtogroup runtime
/// @{

/// The part of `commandLine` after the program name and the blanks that follow it
/// (a quoted name ends at its closing quote): a pointer into `commandLine`, not a
/// copy.
const char* CommandTailOf(const char* commandLine);

/// @}
}  // namespace tabard
