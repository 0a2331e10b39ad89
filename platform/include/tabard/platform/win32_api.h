#pragma once
// The Win32 headers, for the Windows builds only: the system's types, records and
// constants that the public interfaces use, and the OLE string calls that only the
// platform layer makes. Code outside platform/ reaches the system's functions only
// through the thin wrappers of the platform/win32_*.h headers.
#include <tabard/platform/system_types.h>
// After the system's main headers, with their settings.
#include <oleauto.h>

namespace tabard {


}  // namespace tabard
