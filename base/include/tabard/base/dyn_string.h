#pragma once
// DynString: a byte string whose handle points at its first byte, with its 32-bit
// length in the four bytes before and a zero byte after. The null handle is the
// empty string, and an empty string never has storage.
#include <cstdint>

namespace tabard {

using DynString = char*;

// One entry of a frame's stack of temporaries. A borrowed entry refers to a string
// owned elsewhere and is never released by the stack.
struct TempStringEntry {
  DynString handle;
  bool borrowed;
};

// A literal as the pool stores it: a 16-bit little-endian length, then the bytes.
using LiteralEntry = unsigned char;

}  // namespace tabard
