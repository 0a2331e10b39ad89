#pragma once
// The shapes every control message wrapper takes. A wrapper is one line: the
// message it sends, written through the shape that says how its arguments fill
// wParam and lParam and what becomes of the result. Results are the message's
// own, signed and pointer-sized, so that handles come back whole in either build.
#include <cstdint>
#include <type_traits>

#include <tabard/base/dyn_string.h>
#include <tabard/controls/packing.h>
#include <tabard/platform/win32_messages.h>

namespace tabard {

// A wrapper argument as a message parameter: handles and addresses whole, integers
// sign- or zero-extended as their own type says (an index of -1 stays -1, a colour
// stays positive).
template <typename Value>
LPARAM MessageValue(Value value) {
  if constexpr (std::is_null_pointer_v<Value>)
    return 0;
  else if constexpr (std::is_pointer_v<Value>)
    return reinterpret_cast<LPARAM>(value);
  else
    return static_cast<LPARAM>(value);
}

// Common shape: the arguments fill wParam then lParam, the result comes back as is.
template <typename WValue = int, typename LValue = int>
LRESULT SendPlain(HWND control, UINT message, WValue wParam = 0, LValue lParam = 0) {
  return platform::SendMessage(control, message, static_cast<WPARAM>(MessageValue(wParam)), MessageValue(lParam));
}

// A record passed by reference: the control reads or fills the caller's record.
template <typename WValue, typename Record>
LRESULT SendRecord(HWND control, UINT message, WValue wParam, Record& record) {
  return SendPlain(control, message, wParam, &record);
}

// Reversed order: the wrapper names the object first and the code second, the
// message wants the code in wParam and the object in lParam.
template <typename Object, typename Code>
LRESULT SendReversed(HWND control, UINT message, Object object, Code code) {
  return SendPlain(control, message, code, object);
}

// Packed lParam: x in the low word, y in the high word.
template <typename WValue>
LRESULT SendPacked(HWND control, UINT message, WValue wParam, int32_t x, int32_t y) {
  return SendPlain(control, message, wParam, PackWords(x, y));
}

// Flag arguments are sent as 1 or 0; flag results read as -1 or 0.
inline uint32_t FlagArgument(int32_t value) { return value != 0 ? 1 : 0; }
inline LRESULT FlagResult(LRESULT result) { return result != 0 ? -1 : 0; }

template <typename WValue = int, typename LValue = int>
LRESULT SendFlagResult(HWND control, UINT message, WValue wParam = 0, LValue lParam = 0) {
  return FlagResult(SendPlain(control, message, wParam, lParam));
}

// No result: the message is sent and its answer dropped.
template <typename WValue = int, typename LValue = int>
void SendDropResult(HWND control, UINT message, WValue wParam = 0, LValue lParam = 0) {
  SendPlain(control, message, wParam, lParam);
}

// A local record built by the wrapper from plain arguments (zeroed, then the
// named fields set): its address goes in lParam and the answer is dropped.
template <typename WValue, typename Record>
void SendLocalRecord(HWND control, UINT message, WValue wParam, Record record) {
  SendPlain(control, message, wParam, &record);
}

// A by-value text: the wrapper's own copy, whose bytes go in lParam (the shared
// empty text for an empty string); the copy is released once the answer is in.
LRESULT SendTextValue(HWND control, UINT message, WPARAM wParam, DynString text);

}  // namespace tabard
