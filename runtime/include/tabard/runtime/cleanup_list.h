#pragma once
// What a procedure releases when it returns: its CleanupList names the string
// slots and array descriptors of its frame. A procedure keeps its locals in a
// record that starts with its ProcedureFrame, and each entry is twice the byte
// offset of a slot from the start of that frame plus a kind:
//
//   struct RowFrame { ProcedureFrame frame; DynString label; ArrayDescriptor cells; };
//   constexpr CleanupEntry kRowCleanup[] = {
//       CleanupString(offsetof(RowFrame, label)), CleanupArray(offsetof(RowFrame, cells)), kCleanupEnd};
//   ...
//   ReleaseLocals(row.frame, kRowCleanup);
//
// Kind 2 names a DynString slot, kind 1 an ArrayDescriptor; kinds 0 and 3 name
// nothing to release. The list ends at the first entry whose value shifted right
// by one place (sign kept) is 0.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {

using CleanupEntry = int32_t;

enum CleanupKind : int32_t {
  kCleanupNothing = 0,
  kCleanupArrayKind = 1,
  kCleanupStringKind = 2,
  kCleanupNothingToo = 3,
};

namespace cleanup_detail {
// Called only when an offset is odd, which would merge its low bit into the kind:
// not a constant expression, so such a list does not compile.
void OffsetMustBeEven();
consteval int32_t Encoded(int64_t offset, int32_t kind) {
  if (offset % 2 != 0) OffsetMustBeEven();
  return static_cast<int32_t>(2 * offset + kind);
}
}  // namespace cleanup_detail

consteval CleanupEntry CleanupString(int64_t offset) {
  return cleanup_detail::Encoded(offset, 0) + kCleanupStringKind;
}
consteval CleanupEntry CleanupArray(int64_t offset) {
  return cleanup_detail::Encoded(offset, kCleanupArrayKind);
}
// A slot listed only to be skipped, such as a parameter the procedure does not own.
consteval CleanupEntry CleanupSkipped(int64_t offset) { return cleanup_detail::Encoded(offset, kCleanupNothing); }
constexpr CleanupEntry kCleanupEnd = 0;

// Releases the string slots (the slots themselves are not cleared) and erases the
// arrays, releasing their memory, in the order listed. An array that cannot be
// released ends the walk with its error recorded in `frame`.
void ReleaseLocals(ProcedureFrame& frame, const CleanupEntry* list);

}  // namespace tabard
