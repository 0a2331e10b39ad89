#pragma once
/// @file
/// The core operations on DynStrings and a frame's stack of temporaries. Every
/// operation acts on the frame of the procedure that calls it; operations consume
/// their string operands from the top of that frame's stack and push their result.
#include <cstdint>

#include <tabard/base/dyn_string.h>
#include <tabard/base/procedure_frame.h>

namespace tabard {
/// @addtogroup text
/// @{

/// A text's bytes and length. `bytes` is never null and is always followed by a
/// zero byte; the empty string reads as the runtime's emptyText.
struct TextSpan {
  const char* bytes;  ///< the first byte, never null
  uint32_t length;    ///< the number of bytes, without the zero after them
};

/// New storage for a text of `length` bytes, to be filled by the caller. Length 0
/// gives handle 0 and no storage. On failure `handle` is 0 and `failed` is set; the
/// caller raises error 7 where its operation says so.
struct TextAllocation {
  DynString handle;  ///< the new string, the caller's; 0 for length 0 or on failure
  char* bytes;       ///< where to write its `length` bytes
  bool failed;       ///< storage was refused
};
/// New storage for a text of `length` bytes (see TextAllocation).
TextAllocation TextAlloc(uint32_t length);

/// Frees an owned, non-empty handle; 0 is left alone.
void TextRelease(DynString handle);
/// Gives back a temporary taken off the stack: an owned one is freed, a borrowed one
/// belongs to someone else and is left alone.
inline void TextReleaseEntry(const TempStringEntry& entry) {
  if (!entry.borrowed) TextRelease(entry.handle);
}
/// The length of `handle` in bytes, 0 for the empty string.
uint32_t TextHandleLength(DynString handle);
/// The bytes and length of `handle`; the handle keeps ownership.
TextSpan TextView(DynString handle);
/// The bytes and length of an entry's string, borrowed or owned alike.
TextSpan TextView(const TempStringEntry& entry);

/// Ends the process, reporting `message`: a statement took more temporaries than
/// there are, or more than five at once.
[[noreturn]] void TextStackFault(const char* message);

// Entries of the caller's stack of temporaries: depth 0 is the top. Every text
// operation goes through these, so they are inline.

/// How far tempIndex moves per entry: one 32-bit slot.
constexpr int32_t kTextEntryStep = 4;

/// How many temporaries `frame` holds.
inline int TextStackDepth(const ProcedureFrame& frame) { return -frame.tempIndex / kTextEntryStep; }

/// The entry `depth` places below the top (0: the top); ends the process through
/// TextStackFault when there is none.
inline TempStringEntry& TextStackEntry(ProcedureFrame& frame, int depth) {
  const int count = TextStackDepth(frame);
  if (depth < 0 || depth >= count)
    TextStackFault("a string operation reached below the bottom of the temporary string stack");
  return frame.tempStrings[count - 1 - depth];
}

/// Takes the top entry off the stack without releasing it: the caller now owns an
/// owned entry's handle (and must never release a borrowed one).
inline TempStringEntry TextPop(ProcedureFrame& frame) {
  const int count = TextStackDepth(frame);
  if (count <= 0) TextStackFault("a string operation took a temporary from an empty temporary string stack");
  const TempStringEntry top = frame.tempStrings[count - 1];
  frame.tempStrings[count - 1] = {};
  frame.tempIndex += kTextEntryStep;
  return top;
}

/// Pushes `entry`; ends the process through TextStackFault when the stack is full.
inline void TextPushEntry(ProcedureFrame& frame, TempStringEntry entry) {
  const int count = TextStackDepth(frame);
  if (count < 0 || count >= kTempStringSlots)
    TextStackFault("a statement needs more than five temporary strings at once");
  frame.tempStrings[count] = entry;
  frame.tempIndex -= kTextEntryStep;
}

/// Pushes an owned copy of `literal` (from LiteralPool::Entry); error 7 and the
/// empty string on failure.
void TextPushLiteral(ProcedureFrame& frame, const LiteralEntry* literal);
/// Pushes the empty string.
inline void TextPushEmpty(ProcedureFrame& frame) { TextPushEntry(frame, {nullptr, false}); }
/// Pushes `handle`, which the stack now owns.
inline void TextPushOwned(ProcedureFrame& frame, DynString handle) { TextPushEntry(frame, {handle, false}); }
/// Pushes `handle` borrowed: it stays its owner's and is never released by the stack.
inline void TextPushBorrowed(ProcedureFrame& frame, DynString handle) { TextPushEntry(frame, {handle, true}); }
/// Pushes an owned copy of `count` bytes from `bytes`; on failure pushes the empty
/// string and returns false, raising nothing itself.
bool TextPushBytes(ProcedureFrame& frame, const char* bytes, uint32_t count);
/// Pops the top entry and releases it when owned.
void TextDrop(ProcedureFrame& frame);

/// Replaces the two top entries by one owned entry: the earlier one followed by the
/// top one. Both operands are released. Error 7 (and the empty string) on failure.
void TextConcat(ProcedureFrame& frame);

/// Pops the top entry into a string variable, releasing the variable's old value.
/// A borrowed text of the variable's own length is copied into its storage. On
/// failure the variable becomes empty; error 7.
void TextAssign(ProcedureFrame& frame, DynString* variable);
/// As TextAssign into `variable`, but a borrowed text always gets storage of its own.
void TextAssignNew(ProcedureFrame& frame, DynString* variable);

/// Pops the top entry into a fresh argument slot, whose earlier content is not
/// released: an owned entry is moved, a borrowed one copied. The caller releases the
/// slot after the call. On failure the slot becomes empty; error 7.
void TextPassRef(ProcedureFrame& frame, DynString* slot);
/// As TextPassRef; returns the slot's handle, the value the callee receives.
DynString TextPassValue(ProcedureFrame& frame, DynString* slot);

/// The address of a variable's bytes, emptyText for an empty string: never null,
/// always zero-terminated. The variable keeps ownership.
char* TextPointer(const DynString* variable);
/// Pops and releases the top entry; gives its length.
uint32_t TextLength(ProcedureFrame& frame);

/// The literal's length and bytes, as the pool stores them.
uint16_t LiteralLength(const LiteralEntry* literal);
/// The first byte of the literal's text.
inline const char* LiteralBytes(const LiteralEntry* literal) { return reinterpret_cast<const char*>(literal + 2); }

/// @}
}  // namespace tabard
