#pragma once
// The command tail: what follows the program name on the command line.

// Returns the address inside `commandLine` where the tail starts (never a copy).
// Only the blank 0x20 counts as white space; a control character ends the name.

namespace tabard {

const char* CommandTailOf(const char* commandLine);

}  // namespace tabard
