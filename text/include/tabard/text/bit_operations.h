#pragma once
/// @file
/// Bit arrays and shifts on integers in memory.
#include <cstdint>

namespace tabard {
/// @addtogroup text
/// @{

/// Bit `index` of the bit array at `address`, which lives at byte index / 8, bit
/// index mod 8: 1 when set, else 0.
uint32_t BitTest(const void* address, uint32_t index);
/// Sets bit `index` of the bit array at `address`.
void BitSet(void* address, uint32_t index);
/// Clears bit `index` of the bit array at `address`.
void BitReset(void* address, uint32_t index);
/// Flips bit `index` of the bit array at `address`.
void BitToggle(void* address, uint32_t index);

/// Shifts the integer at `address` left by `count` places, zeros coming in.
/// The width code selects the integer's size: bit 0 set 8 bits, else bit 1 16 bits,
/// else bit 2 32 bits, else 64 bits. For 8, 16 and 32 bits the count is taken
/// modulo 32, as the processor does; 64 bits move one place per count, so any count
/// works. A count of 0 changes nothing.
void ShiftLeft(void* address, uint32_t count, uint32_t widthCode);
/// Shifts the integer at `address` right by `count` places, zeros coming in (width as
/// for ShiftLeft).
void ShiftRight(void* address, uint32_t count, uint32_t widthCode);
/// Shifts the integer at `address` right by `count` places, copying the sign bit in
/// (width as for ShiftLeft).
void ShiftRightSigned(void* address, uint32_t count, uint32_t widthCode);
/// Rotates the integer at `address` left by `count` places (width as for ShiftLeft).
void RotateLeft(void* address, uint32_t count, uint32_t widthCode);
/// Rotates the integer at `address` right by `count` places (width as for ShiftLeft).
void RotateRight(void* address, uint32_t count, uint32_t widthCode);

/// @}
}  // namespace tabard
