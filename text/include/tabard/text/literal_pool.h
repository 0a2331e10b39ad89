#pragma once
/// @file
/// A pool of string literals as the program stores them: each a 16-bit
/// little-endian length followed by that many bytes, with no terminator, alignment
/// or gap. A literal is referred to by the address of its length word.
///
///   constexpr auto pool = MakeLiteralPool("Cancel", "", "Item ");
///   TextPushLiteral(frame, pool.Entry(2));
#include <array>
#include <cstddef>
#include <cstdint>

#include <tabard/base/dyn_string.h>

namespace tabard {
/// @addtogroup text
/// @{

/// A program's string literals, `Count` of them in `Size` bytes, each a 16-bit
/// little-endian length followed by its bytes. Made by MakeLiteralPool; the pool's
/// bytes are handed to ProgramStart, which moves them to their run-time place.
template <size_t Count, size_t Size>
struct LiteralPool {
  std::array<LiteralEntry, Size> bytes;   ///< the literals, one after the other
  std::array<uint32_t, Count> offsets;    ///< where each literal starts in `bytes`

  /// Literal `index` (0-based, in MakeLiteralPool's order), for TextPushLiteral.
  constexpr const LiteralEntry* Entry(size_t index) const { return bytes.data() + offsets[index]; }
  /// The pool's size in bytes.
  static constexpr size_t size() { return Size; }
  /// The number of literals.
  static constexpr size_t count() { return Count; }
};

/// Built at compile time from string literals; a literal's own zero terminator is
/// not part of it, zero bytes inside it are.
template <size_t... Lengths>
consteval auto MakeLiteralPool(const char (&... texts)[Lengths]) {
  static_assert(((Lengths - 1 <= 0xFFFF) && ...), "a literal holds at most 65,535 bytes");
  constexpr size_t kCount = sizeof...(Lengths);
  constexpr size_t kSize = ((2 + (Lengths - 1)) + ... + 0);
  LiteralPool<kCount, kSize> pool{};
  size_t at = 0;
  size_t index = 0;
  auto append = [&](const char* text, size_t length) {
    pool.offsets[index++] = static_cast<uint32_t>(at);
    pool.bytes[at++] = static_cast<LiteralEntry>(length & 0xFF);
    pool.bytes[at++] = static_cast<LiteralEntry>(length >> 8);
    for (size_t i = 0; i < length; ++i) pool.bytes[at++] = static_cast<LiteralEntry>(text[i]);
  };
  (append(texts, Lengths - 1), ...);
  return pool;
}

/// @}
}  // namespace tabard
