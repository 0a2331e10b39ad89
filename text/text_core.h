#pragma once
// The core operations on DynStrings and a frame's stack of temporaries. Every
// operation acts on the frame of the procedure that calls it; operations consume
// their string operands from the top of that frame's stack and push their result.
#include <cstdint>

#include "runtime/procedure_frame.h"
#include "text/dyn_string.h"

// A text's bytes and length. `bytes` is never null and is always followed by a
// zero byte; the empty string reads as the runtime's emptyText.
struct TextSpan {
  const char* bytes;
  uint32_t length;
};

// New storage for a text of `length` bytes, to be filled by the caller. Length 0
// gives handle 0 and no storage. On failure `handle` is 0 and `failed` is set; the
// caller raises error 7 where its operation says so.
struct TextAllocation {
  DynString handle;
  char* bytes;
  bool failed;
};
TextAllocation TextAlloc(uint32_t length);

// Frees an owned, non-empty handle; 0 is left alone.
void TextRelease(DynString handle);
uint32_t TextHandleLength(DynString handle);
TextSpan TextView(DynString handle);
TextSpan TextView(const TempStringEntry& entry);  // ignores the borrowed mark

// Entries of the caller's stack of temporaries: depth 0 is the top.
int TextStackDepth(const ProcedureFrame& frame);
TempStringEntry& TextStackEntry(ProcedureFrame& frame, int depth);
// Takes the top entry off the stack without releasing it: the caller now owns an
// owned entry's handle (and must never release a borrowed one).
TempStringEntry TextPop(ProcedureFrame& frame);

void TextPushLiteral(ProcedureFrame& frame, const LiteralEntry* literal);  // error 7 on failure
void TextPushEmpty(ProcedureFrame& frame);
void TextPushOwned(ProcedureFrame& frame, DynString handle);
void TextPushBorrowed(ProcedureFrame& frame, DynString handle);
// Pushes an owned copy; on failure pushes the empty string and returns false,
// raising nothing itself.
bool TextPushBytes(ProcedureFrame& frame, const char* bytes, uint32_t count);
void TextDrop(ProcedureFrame& frame);

// Replaces the two top entries by one owned entry: the earlier one followed by the
// top one. Both operands are released. Error 7 (and the empty string) on failure.
void TextConcat(ProcedureFrame& frame);

// Pops the top entry into a string variable, releasing the variable's old value.
// A borrowed text of the variable's own length is copied into its storage. On
// failure the variable becomes empty; error 7.
void TextAssign(ProcedureFrame& frame, DynString* variable);
// As TextAssign, but a borrowed text always gets storage of its own.
void TextAssignNew(ProcedureFrame& frame, DynString* variable);

// Pops the top entry into a fresh argument slot, whose earlier content is not
// released: an owned entry is moved, a borrowed one copied. The caller releases the
// slot after the call. On failure the slot becomes empty; error 7.
void TextPassRef(ProcedureFrame& frame, DynString* slot);
// As TextPassRef; returns the slot's handle, the value the callee receives.
DynString TextPassValue(ProcedureFrame& frame, DynString* slot);

// The address of a variable's bytes, emptyText for an empty string: never null,
// always zero-terminated. The variable keeps ownership.
char* TextPointer(const DynString* variable);
// Pops and releases the top entry; gives its length.
uint32_t TextLength(ProcedureFrame& frame);

// The literal's length and bytes, as the pool stores them.
uint16_t LiteralLength(const LiteralEntry* literal);
inline const char* LiteralBytes(const LiteralEntry* literal) { return reinterpret_cast<const char*>(literal + 2); }
