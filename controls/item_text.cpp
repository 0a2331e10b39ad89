#include <tabard/controls/item_text.h>

#include <cstring>

#include <tabard/controls/message_shapes.h>
#include <tabard/text/text_build.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {
// The longest length a text's 32-bit length field and the system's int counts
// both hold.
constexpr LRESULT kLongestItemText = 0x7FFFFFFE;
}  // namespace

DynString ItemTextCopy(const char* bytes, uint32_t length) {
  const TextAllocation copy = TextAlloc(length);
  if (copy.handle != nullptr) std::memcpy(copy.bytes, bytes, length);
  return copy.handle;
}

DynString ItemTextOfLength(HWND control, UINT message, LRESULT item, LRESULT length) {
  if (length <= 0 || length > kLongestItemText) return nullptr;
  const TextAllocation storage = TextAlloc(static_cast<uint32_t>(length));
  if (storage.failed) return nullptr;
  const LRESULT copied = SendPlain(control, message, item, storage.bytes);
  if (copied < 0) {
    TextRelease(storage.handle);
    return nullptr;
  }
  return TextShrink(storage.handle, static_cast<uint32_t>(copied));
}

}  // namespace tabard
