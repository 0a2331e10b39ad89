#include <tabard/runtime/cleanup_list.h>

#include <tabard/runtime/array_block.h>
#include <tabard/text/text_core.h>

namespace tabard {

namespace {

constexpr int32_t kKindBits = 3;

char* SlotAt(ProcedureFrame& frame, int32_t offset) { return reinterpret_cast<char*>(&frame) + offset; }

}  // namespace

void ReleaseLocals(ProcedureFrame& frame, const CleanupEntry* list) {
  for (const CleanupEntry* entry = list; (*entry >> 1) != 0; ++entry) {
    const int32_t value = *entry;
    switch (value & kKindBits) {
      case kCleanupStringKind:
        TextRelease(*reinterpret_cast<DynString*>(SlotAt(frame, (value - kCleanupStringKind) / 2)));
        break;
      case kCleanupArrayKind: {
        auto& array = *reinterpret_cast<ArrayDescriptor*>(SlotAt(frame, (value - kCleanupArrayKind) / 2));
        if (ArrayErase(frame, array, kEraseRelease) != 0) return;
        break;
      }
      default:
        break;
    }
  }
}

}  // namespace tabard
