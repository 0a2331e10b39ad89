#pragma once
/// @file
/// The one place the system's headers come from: the types, records and constants
/// that the toolkit's interfaces use (window, menu and image handles, messages,
/// styles, control records).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
