// The remembered windows, menus and GDI objects: a fixed table of handles, pruned
// of those the system no longer knows whenever it is counted or full.
#include <windows.h>

#include <cstddef>

#include <tabard/platform/fatal_stop.h>
#include <tabard/platform/resource_counts.h>

namespace tabard {

namespace platform::detail {
namespace {

struct Remembered {
  ResourceKind kind;
  const void* handle;
};

// Far more than a test keeps alive at once; the soak's dialogs hold a few dozen.
constexpr size_t kLedgerCapacity = 4096;
Remembered ledger[kLedgerCapacity];
size_t ledgerSize = 0;

bool StillExists(const Remembered& entry) {
  switch (entry.kind) {
    case ResourceKind::Window:
      return ::IsWindow(static_cast<HWND>(const_cast<void*>(entry.handle))) != FALSE;
    case ResourceKind::Menu:
      return ::IsMenu(static_cast<HMENU>(const_cast<void*>(entry.handle))) != FALSE;
    case ResourceKind::GdiObject:
      return ::GetObjectType(static_cast<HGDIOBJ>(const_cast<void*>(entry.handle))) != 0;
    default:
      return false;
  }
}

void Prune() {
  size_t kept = 0;
  for (size_t i = 0; i < ledgerSize; ++i)
    if (StillExists(ledger[i])) ledger[kept++] = ledger[i];
  ledgerSize = kept;
}

}  // namespace

void RememberSystemObject(ResourceKind kind, const void* handle) {
  // A handle value the system hands out again after its first object died is one
  // object in the table, not two.
  for (size_t i = 0; i < ledgerSize; ++i)
    if (ledger[i].handle == handle && ledger[i].kind == kind) return;
  if (ledgerSize == kLedgerCapacity) Prune();
  if (ledgerSize == kLedgerCapacity) FatalStop("more system objects alive than the resource ledger can remember");
  ledger[ledgerSize++] = {kind, handle};
}

void CountLiveSystemObjects(ResourceCounts& counts) {
  Prune();
  for (size_t i = 0; i < ledgerSize; ++i) ++counts.live[static_cast<size_t>(ledger[i].kind)];
}

}  // namespace platform::detail

}  // namespace tabard
