#pragma once
/// @file
/// The mouse pointer shapes a program may ask for, by number.
#include <cstdint>
#include <iterator>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// The system cursor resource of each PointerShape number; 0 means no cursor.
/// Any number beyond the table counts as 0.
inline constexpr uint16_t kPointerShapeCursors[] = {
    0,      // 0: none, the cursor is removed
    32512,  // 1: IDC_ARROW
    32515,  // 2: IDC_CROSS
    32513,  // 3: IDC_IBEAM
    32512,  // 4: IDC_ARROW
    32646,  // 5: IDC_SIZEALL
    32643,  // 6: IDC_SIZENESW
    32645,  // 7: IDC_SIZENS
    32642,  // 8: IDC_SIZENWSE
    32644,  // 9: IDC_SIZEWE
    32516,  // 10: IDC_UPARROW
    32514,  // 11: IDC_WAIT
    32648,  // 12: IDC_NO
    32650,  // 13: IDC_APPSTARTING
};

/// The system cursor resource of PointerShape number `shape`, 0 for none.
constexpr uint16_t PointerShapeCursor(uint32_t shape) {
  return shape < std::size(kPointerShapeCursors) ? kPointerShapeCursors[shape] : 0;
}

/// Sets the system cursor for `shape` and returns the cursor it replaced. Cursors
/// are the system's shared ones and are never destroyed.
HCURSOR MousePointerSet(uint32_t shape);

/// @}
}  // namespace tabard
