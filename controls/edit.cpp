#include <tabard/controls/edit.h>

#include <cstring>

#include <tabard/controls/item_text.h>
#include <tabard/controls/message_shapes.h>
#include <tabard/controls/receive_buffers.h>
#include <tabard/platform/win32_controls.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {
// EM_GETLINE's receive buffer: its first 16-bit word tells the control how many
// characters it may write.
constexpr uint32_t kLineBufferBytes = 32767;
constexpr uint16_t kLineCapacity = 32765;
// The largest length whose buffer, with its zero byte, the system's int count holds.
constexpr LRESULT kLongestWindowText = 0x7FFFFFFE;
}  // namespace

LRESULT EmCanUndo(HWND edit) { return SendPlain(edit, EM_CANUNDO); }
LRESULT EmCharFromPos(HWND edit, int32_t x, int32_t y) { return SendPacked(edit, EM_CHARFROMPOS, 0, x, y); }
void EmEmptyUndoBuffer(HWND edit) { SendDropResult(edit, EM_EMPTYUNDOBUFFER); }
LRESULT EmFmtLines(HWND edit, int32_t addBreaks) { return SendPlain(edit, EM_FMTLINES, FlagArgument(addBreaks)); }
LRESULT EmGetFirstVisibleLine(HWND edit) { return SendPlain(edit, EM_GETFIRSTVISIBLELINE); }
LRESULT EmGetHandle(HWND edit) { return SendPlain(edit, EM_GETHANDLE); }
LRESULT EmGetLimitText(HWND edit) { return SendPlain(edit, EM_GETLIMITTEXT); }
LRESULT EmGetLineCount(HWND edit) { return SendPlain(edit, EM_GETLINECOUNT); }
LRESULT EmGetMargins(HWND edit) { return SendPlain(edit, EM_GETMARGINS); }
LRESULT EmGetModify(HWND edit) { return SendPlain(edit, EM_GETMODIFY); }
LRESULT EmGetPasswordChar(HWND edit) { return SendPlain(edit, EM_GETPASSWORDCHAR); }
void EmGetRect(HWND edit, RECT& rect) { SendRecord(edit, EM_GETRECT, 0, rect); }
LRESULT EmGetSel(HWND edit, DWORD* start, DWORD* end) { return SendPlain(edit, EM_GETSEL, start, end); }
LRESULT WmGetTextLength(HWND edit) { return SendPlain(edit, WM_GETTEXTLENGTH); }
LRESULT EmGetThumb(HWND edit) { return SendPlain(edit, EM_GETTHUMB); }
void EmLimitText(HWND edit, int32_t limit) { SendDropResult(edit, EM_LIMITTEXT, limit); }
LRESULT EmLineFromChar(HWND edit, int32_t index) { return SendPlain(edit, EM_LINEFROMCHAR, index); }
LRESULT EmLineIndex(HWND edit, int32_t line) { return SendPlain(edit, EM_LINEINDEX, line); }
LRESULT EmLineLength(HWND edit, int32_t index) { return SendPlain(edit, EM_LINELENGTH, index); }
LRESULT EmLineScroll(HWND edit, int32_t columns, int32_t lines) {
  return SendPlain(edit, EM_LINESCROLL, columns, lines);
}
LRESULT EmPosFromChar(HWND edit, int32_t index) { return SendPlain(edit, EM_POSFROMCHAR, index); }

DynString EmGetLine(HWND edit, int32_t line) {
  char buffer[kLineBufferBytes] = {};
  std::memcpy(buffer, &kLineCapacity, sizeof kLineCapacity);
  const LRESULT copied = SendPlain(edit, EM_GETLINE, line, buffer);
  if (copied <= 0) return nullptr;
  return ItemTextCopy(buffer, static_cast<uint32_t>(copied < kLineCapacity ? copied : kLineCapacity));
}

DynString EditGetText(HWND edit) {
  const LRESULT reported = WmGetTextLength(edit);
  const uint32_t length = static_cast<uint32_t>(reported <= 0                   ? 0
                                                : reported > kLongestWindowText ? kLongestWindowText
                                                                                : reported);
  DynString& scratch = receiveBuffers.TextScratch;
  TextRelease(scratch);
  const TextAllocation buffer = TextAlloc(length + 1);
  scratch = buffer.handle;
  if (buffer.failed) return nullptr;
  std::memset(buffer.bytes, ' ', length + 1);
  platform::GetWindowText(edit, buffer.bytes, static_cast<int>(length + 1));
  return ItemTextCopy(buffer.bytes, length);
}

LRESULT EditSetText(HWND edit, DynString text) {
  const BOOL result = platform::SetWindowText(edit, TextPointer(&text));
  TextRelease(text);
  return result;
}

}  // namespace tabard
