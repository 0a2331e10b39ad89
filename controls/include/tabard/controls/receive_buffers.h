#pragma once
// Where the text-reading wrappers leave what they read. Both start empty:
// EditGetText replaces TextScratch on every call; LbGetText leaves the last short
// item text in ItemTextBuffer.
#include <tabard/base/dyn_string.h>

namespace tabard {

struct ReceiveBuffers {
  DynString TextScratch;
  char ItemTextBuffer[256];
};

extern ReceiveBuffers receiveBuffers;

}  // namespace tabard
