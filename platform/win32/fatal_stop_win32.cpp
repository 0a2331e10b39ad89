#include <windows.h>

#include <cstring>

#include <tabard/platform/fatal_stop.h>

namespace tabard {

namespace platform {
namespace {

bool WriteToStandardError(const char* message) {
  HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool wrote = ::WriteFile(error, message, static_cast<DWORD>(std::strlen(message)), &written, nullptr) &&
                     ::WriteFile(error, "\r\n", 2, &written, nullptr);
  return wrote;
}

}  // namespace

void FatalStop(const char* message) {
  ::OutputDebugStringA(message);
  // A program started from a console or a test runner has somewhere to write to;
  // a program started from the desktop has only the screen.
  if (!WriteToStandardError(message))
    ::MessageBoxA(nullptr, message, "Orlavex", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  ::ExitProcess(255);
}

}  // namespace platform

}  // namespace tabard
