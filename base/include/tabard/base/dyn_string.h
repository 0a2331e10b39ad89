#pragma once
/// @file
/// DynString: a byte string whose handle points at its first byte, with its 32-bit
/// length in the four bytes before and a zero byte after. The null handle is the
/// empty string, and an empty string never has storage.
#include <cstdint>

namespace tabard {
/// @addtogroup base
/// @{

/// A dynamic string: the address of its first byte, with its 32-bit length just
/// before the bytes and a zero byte after them; null is the empty string. It has
/// exactly one owner at a time.
using DynString = char*;

/// One entry of a frame's stack of temporaries. A borrowed entry refers to a string
/// owned elsewhere and is never released by the stack.
struct TempStringEntry {
  DynString handle;  ///< the string, null for the empty one
  bool borrowed;     ///< true: owned elsewhere, never released by the stack
};

/// A literal as the pool stores it: a 16-bit little-endian length, then the bytes.
using LiteralEntry = unsigned char;

/// @}
}  // namespace tabard
