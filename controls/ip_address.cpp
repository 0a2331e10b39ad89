#include <tabard/controls/ip_address.h>

namespace tabard {

namespace {
constexpr uint32_t kByte = 0xFF;
uint32_t FieldAt(uint32_t address, int shift) { return (address >> shift) & kByte; }
}  // namespace

uint32_t IpRange(uint32_t low, uint32_t high) { return ((high & kByte) << 8) | (low & kByte); }
uint32_t IpAddress(uint32_t b1, uint32_t b2, uint32_t b3, uint32_t b4) {
  return (b1 << 24) + (b2 << 16) + (b3 << 8) + b4;
}
uint32_t IpFirstField(uint32_t address) { return FieldAt(address, 24); }
uint32_t IpSecondField(uint32_t address) { return FieldAt(address, 16); }
uint32_t IpThirdField(uint32_t address) { return FieldAt(address, 8); }
uint32_t IpFourthField(uint32_t address) { return FieldAt(address, 0); }

}  // namespace tabard
