#include <tabard/runtime/array_block.h>

#include <cstring>

#include <tabard/base/runtime_error.h>
#include <tabard/runtime/handle_sort.h>
#include <tabard/runtime/memory_block.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

bool IsStringType(uint8_t elementType) { return elementType >= kArrayFirstStringType; }

// Counts, steps and sizes of the new bounds; false when any of them is out of range.
bool MeasureDimensions(ArrayDescriptor& array, std::span<const ArrayBounds> bounds) {
  uint64_t product = 1;
  for (size_t k = 0; k < bounds.size(); ++k) {
    const int64_t count = int64_t{bounds[k].upper} - bounds[k].lower + 1;
    if (count <= 0) return false;
    if (k > 0) array.steps[k] = static_cast<uint32_t>(product);
    product *= static_cast<uint64_t>(count);  // both factors below 2^33: no wrap
    if (product > UINT32_MAX) return false;
  }
  const uint64_t byteSize = product * array.elementSize;
  if (byteSize > UINT32_MAX) return false;
  array.elementCount = static_cast<uint32_t>(product);
  array.byteSize = static_cast<uint32_t>(byteSize);
  return true;
}

void ReleaseStrings(ArrayDescriptor& array) {
  auto* handles = static_cast<DynString*>(array.data);
  SortHandlesDescending(handles, array.elementCount);
  for (uint32_t i = 0; i < array.elementCount; ++i) {
    const DynString old = handles[i];
    handles[i] = nullptr;
    TextRelease(old);
  }
}

bool EraseKeeps(const ArrayDescriptor& array, uint32_t mode) {
  if (mode & kEraseKeep) return true;
  if (mode & kEraseRelease) return false;
  if (array.flags & kArrayEraseReleases) return false;
  return (array.flags & kArrayEraseKeeps) != 0;
}

}  // namespace

void ArrayDimension(ProcedureFrame& frame, ArrayDescriptor& array, void* data, uint8_t flags, uint8_t elementType,
                    uint32_t elementSize, std::span<const ArrayBounds> bounds) {
  if (array.flags & kArrayDimensioned) return;
  array.flags = static_cast<uint8_t>(flags & ~kArrayDimensioned);
  array.data = data;
  array.elementType = elementType;
  array.elementSize = elementSize;
  const bool shapeFits = !bounds.empty() && bounds.size() <= kArrayMaxDimensions &&
                         (!IsStringType(elementType) || elementSize == sizeof(DynString));
  if (!shapeFits) {
    RaiseError(frame, kErrorArrayBounds);
    return;
  }
  array.dimensions = static_cast<uint8_t>(bounds.size());
  std::memcpy(array.bounds, bounds.data(), bounds.size_bytes());
  if (!MeasureDimensions(array, bounds)) {
    RaiseError(frame, kErrorArrayBounds);
    return;
  }
  if (!(array.flags & kArrayExternal)) {
    array.data = MemoryAllocate(frame, array.byteSize);
    if (array.data == nullptr) return;
  }
  array.flags |= kArrayDimensioned;
}

uint8_t ArrayErase(ProcedureFrame& frame, ArrayDescriptor& array, uint32_t mode) {
  if (!(array.flags & kArrayDimensioned)) return 0;
  if (array.flags & kArrayExternal) {
    array.flags &= static_cast<uint8_t>(~(kArrayExternal | kArrayDimensioned));
    return 0;
  }
  if (IsStringType(array.elementType)) ReleaseStrings(array);
  if (EraseKeeps(array, mode)) {
    // A block of plain string handles is all zeros already.
    if (array.elementType != kArrayFirstStringType) std::memset(array.data, 0, array.byteSize);
    return 0;
  }
  void* const block = array.data;
  array.data = nullptr;
  if (!MemoryFree(frame, block)) return kErrorFreeFailed;
  array.flags &= static_cast<uint8_t>(~(kArrayExternal | kArrayDimensioned));
  return 0;
}

}  // namespace tabard
