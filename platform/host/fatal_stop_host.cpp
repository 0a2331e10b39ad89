#include <cstdio>
#include <cstdlib>

#include <tabard/platform/fatal_stop.h>

namespace tabard {

namespace platform {

void FatalStop(const char* message) {
  std::fprintf(stderr, "fatal: %s\n", message);
  std::fflush(stderr);
  std::abort();
}

}  // namespace platform

}  // namespace tabard
