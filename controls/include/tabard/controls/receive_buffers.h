#pragma once
/// @file
/// Where the text-reading wrappers leave what they read. Both start empty:
/// EditGetText replaces TextScratch on every call; LbGetText leaves the last short
/// item text in ItemTextBuffer.
#include <tabard/base/dyn_string.h>

namespace tabard {
/// @addtogroup controls_receive_buffers
/// @{

/// The two receive buffers of the text-reading wrappers.
struct ReceiveBuffers {
  DynString TextScratch;       ///< EditGetText's buffer, owned here: replaced (the old one released) on every call
  char ItemTextBuffer[256];    ///< LbGetText's buffer for item texts of up to 255 characters, zero-terminated
};

/// The program's one set of receive buffers.
extern ReceiveBuffers receiveBuffers;

/// @}
}  // namespace tabard
