#include <windows.h>
#include <oleauto.h>

#include <tabard/platform/allocation_control.h>
#include <tabard/platform/core_services.h>

namespace tabard {

namespace platform {
namespace {
// Above this the system allocator's own size arithmetic would wrap.
constexpr uint32_t kLargestText = 0x7FFFFFF0u;
}  // namespace

char* StringStorageAlloc(uint32_t length) {
  if (length > kLargestText || detail::TakeRefusal()) {
    detail::CountRefused();
    return nullptr;
  }
  BSTR storage = ::SysAllocStringByteLen(nullptr, length);
  if (storage == nullptr) {
    detail::CountRefused();
    return nullptr;
  }
  detail::CountString();
  return reinterpret_cast<char*>(storage);
}

void StringStorageFree(char* bytes) {
  if (bytes == nullptr) return;
  ::SysFreeString(reinterpret_cast<BSTR>(bytes));
  detail::CountStringFreed();
}

void* MemoryBlockAlloc(uint32_t size) {
  if (detail::TakeRefusal()) {
    detail::CountRefused();
    return nullptr;
  }
  void* block = reinterpret_cast<void*>(::GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, size));
  if (block == nullptr) {
    detail::CountRefused();
    return nullptr;
  }
  detail::CountBlock();
  return block;
}

bool MemoryBlockFree(void* block) {
  if (::GlobalFree(reinterpret_cast<HGLOBAL>(block)) != nullptr) return false;
  if (block != nullptr) detail::CountBlockFreed();
  return true;
}

void SleepMs(uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace platform

}  // namespace tabard
