#include <tabard/text/text_push.h>

#include <cstring>

#include <tabard/text/text_core.h>

namespace tabard {

namespace {
constexpr size_t kLongestZeroTerminated = 16'777'216;
}  // namespace

bool TextPushFixed(ProcedureFrame& frame, const char* address, uint32_t length) {
  return TextPushBytes(frame, address, length);
}

bool TextPushZeroTerminated(ProcedureFrame& frame, const char* address) {
  if (address == nullptr) return TextPushBytes(frame, nullptr, 0);
  const void* zero = std::memchr(address, 0, kLongestZeroTerminated);
  const size_t length = zero != nullptr ? static_cast<size_t>(static_cast<const char*>(zero) - address)
                                        : kLongestZeroTerminated;
  return TextPushBytes(frame, address, static_cast<uint32_t>(length));
}

bool TextPushLineBreak(ProcedureFrame& frame) { return TextPushBytes(frame, "\r\n", 2); }

}  // namespace tabard
