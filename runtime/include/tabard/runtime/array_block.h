#pragma once
/// @file
/// Arrays declared through a descriptor: Dimension gives one its bounds and its
/// zero-filled element block, Erase resets or releases it.
#include <cstdint>
#include <span>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup runtime
/// @{

/// Bits of ArrayDescriptor::flags.
enum ArrayFlag : uint8_t {
  kArrayExternal = 0x01,      ///< the element block belongs to the program, not the runtime
  kArrayDimensioned = 0x04,   ///< the array has its bounds (and, unless external, its block)
  kArrayEraseKeeps = 0x10,    ///< erasing resets the contents and keeps the block
  kArrayEraseReleases = 0x20, ///< erasing releases the block
};

/// Element type codes from this one up hold DynString handles.
constexpr uint8_t kArrayFirstStringType = 0x20;
/// The most dimensions an array has.
constexpr int kArrayMaxDimensions = 8;

/// One dimension's bounds, both inclusive.
struct ArrayBounds {
  int32_t lower;  ///< the first index
  int32_t upper;  ///< the last index, not below `lower`
};

/// The record through which a program declares an array: its block, flags, element
/// type and size, and the bounds of each dimension. Zero-initialised, it is an
/// array not yet dimensioned; ArrayDimension fills it, ArrayErase empties it.
struct ArrayDescriptor {
  void* data;           ///< the elements; null until dimensioned
  uint8_t flags;        ///< ArrayFlag bits
  uint8_t elementType;  ///< the element type code; from kArrayFirstStringType up, DynString handles
  uint8_t dimensions;   ///< how many entries of `bounds` are used, 1 to kArrayMaxDimensions
  uint32_t elementCount;  ///< product of the counts of all dimensions
  uint32_t byteSize;      ///< elementCount x elementSize
  uint32_t elementSize;   ///< bytes per element
  ArrayBounds bounds[kArrayMaxDimensions];  ///< first dimension first
  /// steps[k], k >= 1: elements per step of dimension k, the product of the counts of
  /// the dimensions before it. steps[0] is not used.
  uint32_t steps[kArrayMaxDimensions];
};

/// Gives a not yet dimensioned array its `bounds` (first dimension first), `flags`,
/// `elementType` and `elementSize` and, unless it is external (`data`, the program's
/// block, is then used), a zero-filled block of its own; an array already dimensioned
/// keeps what it has. A reversed bound, a count, element count or byte size beyond 32
/// bits, no dimensions or more than kArrayMaxDimensions, or a string array whose
/// element size is not a handle's: error 9. Refused memory: 7. After an error the
/// array stays not dimensioned.
void ArrayDimension(ProcedureFrame& frame, ArrayDescriptor& array, void* data, uint8_t flags, uint8_t elementType,
                    uint32_t elementSize, std::span<const ArrayBounds> bounds);

/// How ArrayErase treats the block.
enum ArrayEraseMode : uint32_t {
  kEraseAsFlagsSay = 0,  ///< as the array's kArrayEraseKeeps or kArrayEraseReleases flag says
  kEraseKeep = 1,     ///< reset the contents
  kEraseRelease = 2,  ///< release the block
};

/// Releases the strings of a string array, then resets or releases the block as
/// `mode` (ArrayEraseMode) says. An
/// external array only stops being dimensioned. Returns the error recorded (51 when
/// the block cannot be freed), 0 on success.
uint8_t ArrayErase(ProcedureFrame& frame, ArrayDescriptor& array, uint32_t mode);

/// @}
}  // namespace tabard
