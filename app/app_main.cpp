#include "app/app_main.h"

int32_t AppMain(void*, void*, char*, int32_t) { return 0; }
