#include <tabard/controls/receive_buffers.h>

namespace tabard {

ReceiveBuffers receiveBuffers;

}  // namespace tabard
