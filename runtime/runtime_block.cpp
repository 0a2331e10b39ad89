#include "runtime/runtime_block.h"

RuntimeBlock runtimeBlock;
