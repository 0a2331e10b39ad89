#include <tabard/runtime/command_tail.h>

namespace tabard {

namespace {
const char* SkipBlanks(const char* at) {
  while (*at == ' ') ++at;
  return at;
}
}  // namespace

const char* CommandTailOf(const char* commandLine) {
  const char* at = commandLine;
  if (*at == '"') {
    ++at;
    while (*at != '\0' && *at != '"') ++at;
    if (*at == '"') ++at;
    return SkipBlanks(at);
  }
  if (*at == ' ') return SkipBlanks(at);
  while (static_cast<unsigned char>(*at) > ' ') ++at;
  return SkipBlanks(at);
}

}  // namespace tabard
