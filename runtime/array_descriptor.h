#pragma once
// The record through which a program declares an array: where its elements are,
// whether storage is present, what the elements are and how many there are. The
// bounds of each dimension follow the fixed fields.
#include <cstdint>

struct ArrayDescriptor {
  void* data;  // the element block
  uint8_t flags;
  uint8_t elementType;
  uint8_t dimensions;
  uint32_t elementCount;  // over all dimensions
  uint32_t byteSize;
  uint32_t elementSize;
  int32_t bounds[2];  // lower and upper bound of the first dimension; further dimensions follow
};

enum ArrayFlag : uint8_t {
  kArrayExternal = 0x01,
  kArrayDimensioned = 0x04,
  kArrayEraseResets = 0x10,
  kArrayEraseReleases = 0x20,
};

// Element types from this code on are DynString handles.
constexpr uint8_t kFirstStringElementType = 0x20;
