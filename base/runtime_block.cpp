#include <tabard/base/runtime_block.h>

namespace tabard {

RuntimeBlock runtimeBlock;

}  // namespace tabard
