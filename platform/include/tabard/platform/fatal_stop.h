#pragma once
// The way out for a programming error that the runtime cannot survive without
// corrupting its state: tell whoever is watching, then end the process.

namespace tabard {

namespace platform {

// Reports `message` and ends the process with exit code 255. Never returns.
[[noreturn]] void FatalStop(const char* message);

}  // namespace platform

}  // namespace tabard
