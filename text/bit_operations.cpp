#include <tabard/text/bit_operations.h>

#include <cstring>

namespace tabard {

namespace {

unsigned char* ByteOf(void* address, uint32_t index) { return static_cast<unsigned char*>(address) + index / 8; }
unsigned char MaskOf(uint32_t index) { return static_cast<unsigned char>(1u << (index % 8)); }

// Width code bit to width in bits, first match wins; none of them: 64 bits.
struct WidthRule {
  uint32_t codeBit;
  uint32_t bits;
};
constexpr WidthRule kWidthRules[] = {{0x1, 8}, {0x2, 16}, {0x4, 32}};

uint32_t WidthOf(uint32_t widthCode) {
  for (const WidthRule& rule : kWidthRules)
    if (widthCode & rule.codeBit) return rule.bits;
  return 64;
}

struct Operand {
  void* address;
  uint32_t bits;
  uint64_t value;
  uint32_t count;  // the effective count: masked as the processor does for the narrow widths
};

Operand Load(void* address, uint32_t count, uint32_t widthCode) {
  Operand operand{address, WidthOf(widthCode), 0, count};
  std::memcpy(&operand.value, address, operand.bits / 8);  // little-endian: the low bytes
  if (operand.bits < 64) operand.count &= 31;
  return operand;
}

uint64_t Mask(uint32_t bits) { return bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1; }

void Store(const Operand& operand, uint64_t value) {
  value &= Mask(operand.bits);
  std::memcpy(operand.address, &value, operand.bits / 8);
}

bool Negative(const Operand& operand) { return (operand.value >> (operand.bits - 1)) & 1; }

}  // namespace

uint32_t BitTest(const void* address, uint32_t index) {
  return (*ByteOf(const_cast<void*>(address), index) & MaskOf(index)) ? 1 : 0;
}
void BitSet(void* address, uint32_t index) { *ByteOf(address, index) |= MaskOf(index); }
void BitReset(void* address, uint32_t index) { *ByteOf(address, index) &= static_cast<unsigned char>(~MaskOf(index)); }
void BitToggle(void* address, uint32_t index) { *ByteOf(address, index) ^= MaskOf(index); }

void ShiftLeft(void* address, uint32_t count, uint32_t widthCode) {
  const Operand op = Load(address, count, widthCode);
  if (op.count == 0) return;
  Store(op, op.count >= op.bits ? 0 : op.value << op.count);
}

void ShiftRight(void* address, uint32_t count, uint32_t widthCode) {
  const Operand op = Load(address, count, widthCode);
  if (op.count == 0) return;
  Store(op, op.count >= op.bits ? 0 : op.value >> op.count);
}

void ShiftRightSigned(void* address, uint32_t count, uint32_t widthCode) {
  const Operand op = Load(address, count, widthCode);
  if (op.count == 0) return;
  const uint64_t fill = Negative(op) ? ~uint64_t{0} : 0;
  if (op.count >= op.bits) {
    Store(op, fill);
    return;
  }
  const uint64_t shifted = op.value >> op.count;
  Store(op, shifted | (fill & ~(Mask(op.bits) >> op.count)));
}

void RotateLeft(void* address, uint32_t count, uint32_t widthCode) {
  const Operand op = Load(address, count, widthCode);
  const uint32_t by = op.count % op.bits;
  if (by == 0) return;
  Store(op, (op.value << by) | (op.value >> (op.bits - by)));
}

void RotateRight(void* address, uint32_t count, uint32_t widthCode) {
  const Operand op = Load(address, count, widthCode);
  const uint32_t by = op.count % op.bits;
  if (by == 0) return;
  Store(op, (op.value >> by) | (op.value << (op.bits - by)));
}

}  // namespace tabard
