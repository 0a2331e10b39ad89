#pragma once
/// @file
/// A header with one name left undocumented, for the test that shows the reference
/// check failing on it. Never installed, never included.
#include <cstdint>

namespace tabard {

/// A documented name beside it.
int32_t DocumentedName(int32_t value);
int32_t UndocumentedName(int32_t value);

}  // namespace tabard
