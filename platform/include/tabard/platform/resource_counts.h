#pragma once
// What the program has made and must give back, by kind, so that tests can compare
// the counts before and after any amount of work.
//
// Strings and memory blocks are counted by their allocators (one increment for each
// allocation and release). Windows, menus and GDI objects made through the
// platform wrappers are remembered by handle, but only while a test has turned
// remembering on: the program never does, and pays one test of a flag per object.
// Such an object counts as given back once the system no longer knows its handle,
// however it went: destroyed by the program, or with the window that owned it.
#include <cstddef>
#include <cstdint>

namespace tabard {

namespace platform {

enum class ResourceKind : uint8_t { Window, Menu, GdiObject, String, Block };
inline constexpr size_t kResourceKindCount = 5;
inline constexpr const char* kResourceKindNames[kResourceKindCount] = {"windows", "menus", "GDI objects", "strings",
                                                                       "memory blocks"};

struct ResourceCounts {
  int64_t live[kResourceKindCount];
  int64_t operator[](ResourceKind kind) const { return live[static_cast<size_t>(kind)]; }
  bool operator==(const ResourceCounts&) const = default;
};

ResourceCounts LiveResourcesNow();

// Windows, menus and GDI objects made from now on are remembered (true) or not.
// Objects remembered earlier stay counted until they are gone.
void RememberSystemObjects(bool remember);

namespace detail {
extern bool rememberingSystemObjects;
void RememberSystemObject(ResourceKind kind, const void* handle);
// Adds the remembered objects that still exist to `counts`.
void CountLiveSystemObjects(ResourceCounts& counts);

template <typename Handle>
Handle Remembered(ResourceKind kind, Handle handle) {
  if (rememberingSystemObjects && handle != nullptr) RememberSystemObject(kind, handle);
  return handle;
}
}  // namespace detail

}  // namespace platform

}  // namespace tabard
