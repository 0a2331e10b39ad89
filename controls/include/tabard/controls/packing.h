#pragma once
/// @file
/// The pure arithmetic of the wrappers: packing two values into one message
/// parameter, and the masks that are shifted indices. All of it on 32-bit unsigned
/// values, so that both word sizes give the same bits; no window is involved.
#include <cstdint>

namespace tabard {
/// @addtogroup controls_packing
/// @{

/// The low 16 bits of x in the low word, the low 16 bits of y in the high word.
uint32_t PackWords(int32_t x, int32_t y);
/// One value packed alone: its low 16 bits, high word 0.
uint32_t PackLow(int32_t x);

/// The state-image bits of a list-view item's state for image `index`.
uint32_t StateImageMask(uint32_t index);
/// The overlay bits of an image-list draw or item state for overlay `index`.
uint32_t OverlayMask(uint32_t index);

/// @}
}  // namespace tabard
