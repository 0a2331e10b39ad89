#pragma once
// Helpers of the string tests: texts to and from DynStrings and the temporary string stack.
#include <cstdio>
#include <cstring>
#include <string>

#include <tabard/base/procedure_frame.h>
#include <tabard/text/text_core.h>

using namespace tabard;

// A pointer as the tests compare and print it: its address, not the bytes there.
inline const void* Address(const void* pointer) { return pointer; }

inline std::string TextOf(DynString handle) { return std::string(TextView(handle).bytes, TextView(handle).length); }

// An owned string holding `text`; the test releases it.
inline DynString MakeText(const std::string& text) {
  const TextAllocation made = TextAlloc(static_cast<uint32_t>(text.size()));
  if (made.handle != nullptr) std::memcpy(made.bytes, text.data(), text.size());
  return made.handle;
}

inline void PushText(ProcedureFrame& frame, const std::string& text) { TextPushOwned(frame, MakeText(text)); }

// Pops the top entry and gives its text, releasing an owned one; `wasNull` tells
// whether the entry was the null handle.
inline std::string PopText(ProcedureFrame& frame, bool* wasNull = nullptr) {
  const TempStringEntry entry = TextPop(frame);
  std::string text = TextOf(entry.handle);
  if (wasNull != nullptr) *wasNull = entry.handle == nullptr;
  TextReleaseEntry(entry);
  return text;
}

// Pops every entry, top first, then the error word: "abc|@|8007" (@ marks the null handle).
inline std::string Drain(ProcedureFrame& frame) {
  std::string state;
  for (bool null = false; TextStackDepth(frame) > 0; state += null ? "@|" : "|") state += PopText(frame, &null);
  char error[12];
  return state + (std::snprintf(error, sizeof error, "%X", static_cast<unsigned>(frame.errorWord)), error);
}
