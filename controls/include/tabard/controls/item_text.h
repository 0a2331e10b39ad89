#pragma once
// The texts the wrappers hand back: new DynStrings that the caller owns. Refused
// storage gives the empty string, as everywhere in the wrappers.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/platform/win32_api.h>

namespace tabard {

// Item texts up to this length fit the fixed 256-byte receive buffers.
constexpr LRESULT kItemTextLimit = 255;

// A new text holding a copy of `length` bytes.
DynString ItemTextCopy(const char* bytes, uint32_t length);
// An item text longer than the fixed buffers, `length` as the control reported
// it: read with `message` into storage of exactly that length (and its zero byte),
// and returned whole. The empty string when the control reports an error.
DynString ItemTextOfLength(HWND control, UINT message, LRESULT item, LRESULT length);

}  // namespace tabard
