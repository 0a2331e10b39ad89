#pragma once
/// @file
/// What a procedure releases when it returns: its CleanupList names the string
/// slots and array descriptors of its frame. A procedure keeps its locals in a
/// record that starts with its ProcedureFrame, and each entry is twice the byte
/// offset of a slot from the start of that frame plus a kind:
///
///   struct RowFrame { ProcedureFrame frame; DynString label; ArrayDescriptor cells; };
///   constexpr CleanupEntry kRowCleanup[] = {
///       CleanupString(offsetof(RowFrame, label)), CleanupArray(offsetof(RowFrame, cells)), kCleanupEnd};
///   ...
///   ReleaseLocals(row.frame, kRowCleanup);
///
/// Kind 2 names a DynString slot, kind 1 an ArrayDescriptor; kinds 0 and 3 name
/// nothing to release. The list ends at the first entry whose value shifted right
/// by one place (sign kept) is 0.
#include <cstdint>

#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup runtime
/// @{

/// One entry of a cleanup list: twice a slot's offset in the frame's locals plus its
/// kind; made by CleanupString, CleanupArray and CleanupSkipped.
using CleanupEntry = int32_t;

/// What an entry's slot holds.
enum CleanupKind : int32_t {
  kCleanupNothing = 0,     ///< skipped
  kCleanupArrayKind = 1,   ///< an ArrayDescriptor, erased
  kCleanupStringKind = 2,  ///< a DynString, released
  kCleanupNothingToo = 3,  ///< skipped as well
};

/// The encoding behind the cleanup entries.

namespace cleanup_detail {
/// Called only when an offset is odd, which would merge its low bit into the kind:
/// not a constant expression, so such a list does not compile.
void OffsetMustBeEven();
/// Twice `offset` plus `kind`; an odd offset does not compile.
consteval int32_t Encoded(int64_t offset, int32_t kind) {
  if (offset % 2 != 0) OffsetMustBeEven();
  return static_cast<int32_t>(2 * offset + kind);
}
}  // namespace cleanup_detail

/// The entry of a DynString slot at `offset` (even), released by ReleaseLocals.
consteval CleanupEntry CleanupString(int64_t offset) {
  return cleanup_detail::Encoded(offset, 0) + kCleanupStringKind;
}
/// The entry of an ArrayDescriptor at `offset` (even), erased by ReleaseLocals.
consteval CleanupEntry CleanupArray(int64_t offset) {
  return cleanup_detail::Encoded(offset, kCleanupArrayKind);
}
/// The entry of a slot at `offset` (even) listed only to be skipped, such as a
/// parameter the procedure does not own.
consteval CleanupEntry CleanupSkipped(int64_t offset) { return cleanup_detail::Encoded(offset, kCleanupNothing); }
/// Ends a cleanup list.
constexpr CleanupEntry kCleanupEnd = 0;

/// Walks `list` up to kCleanupEnd over the locals of `frame`: releases the string
/// slots (the slots themselves are not cleared) and erases the
/// arrays, releasing their memory, in the order listed. An array that cannot be
/// released ends the walk with its error recorded in `frame`.
void ReleaseLocals(ProcedureFrame& frame, const CleanupEntry* list);

/// @}
}  // namespace tabard
