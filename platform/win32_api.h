#pragma once
// The Win32 headers, for the win32 build only. Code outside platform/ takes the
// system's types, records and constants from here, and reaches the system's
// functions only through the thin wrappers of the platform/win32_*.h headers.
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>
