#pragma once
/// @file
/// IP address control values: a range of one field, and an address of four fields
/// packed into 32 bits, first field highest. Pure arithmetic, no message.
#include <cstdint>

namespace tabard {
/// @addtogroup controls_ip_address
/// @{

/// (low byte of high) << 8 | (low byte of low).
uint32_t IpRange(uint32_t low, uint32_t high);
/// b1 << 24 + b2 << 16 + b3 << 8 + b4; the arguments are not cut to bytes, so a
/// field above 255 carries into the next.
uint32_t IpAddress(uint32_t b1, uint32_t b2, uint32_t b3, uint32_t b4);
/// The first field of a packed address.
uint32_t IpFirstField(uint32_t address);  ///< bits 24 to 31
/// The second field of a packed address.
uint32_t IpSecondField(uint32_t address);  ///< bits 16 to 23
/// The third field of a packed address.
uint32_t IpThirdField(uint32_t address);  ///< bits 8 to 15
/// The fourth field of a packed address.
uint32_t IpFourthField(uint32_t address);  ///< bits 0 to 7

/// @}
}  // namespace tabard
