#include <tabard/controls/packing.h>

namespace tabard {

namespace {
constexpr uint32_t kLowWord = 0xFFFF;
constexpr int kStateImageShift = 12;
constexpr int kOverlayShift = 8;
}  // namespace

uint32_t PackWords(int32_t x, int32_t y) {
  return ((static_cast<uint32_t>(y) & kLowWord) << 16) | (static_cast<uint32_t>(x) & kLowWord);
}
uint32_t PackLow(int32_t x) { return PackWords(x, 0); }

uint32_t StateImageMask(uint32_t index) { return index << kStateImageShift; }
uint32_t OverlayMask(uint32_t index) { return index << kOverlayShift; }

}  // namespace tabard
