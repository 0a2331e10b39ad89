#pragma once
// Bit arrays and shifts on integers in memory.
#include <cstdint>

namespace tabard {

// Bit i of the bit array at `address` lives at byte i / 8, bit i mod 8.
uint32_t BitTest(const void* address, uint32_t index);  // 1 when set, else 0
void BitSet(void* address, uint32_t index);
void BitReset(void* address, uint32_t index);
void BitToggle(void* address, uint32_t index);

// The width code selects the integer's size: bit 0 set 8 bits, else bit 1 16 bits,
// else bit 2 32 bits, else 64 bits. For 8, 16 and 32 bits the count is taken
// modulo 32, as the processor does; 64 bits move one place per count, so any count
// works. A count of 0 changes nothing.
void ShiftLeft(void* address, uint32_t count, uint32_t widthCode);
void ShiftRight(void* address, uint32_t count, uint32_t widthCode);
void ShiftRightSigned(void* address, uint32_t count, uint32_t widthCode);  // copies the sign bit in
void RotateLeft(void* address, uint32_t count, uint32_t widthCode);
void RotateRight(void* address, uint32_t count, uint32_t widthCode);

}  // namespace tabard
