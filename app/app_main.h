#pragma once
#include <cstdint>

// The demo's main procedure; its result is the process exit code.
int32_t AppMain(void* instance, void* previous, char* commandTail, int32_t showCommand);
