#pragma once
/// @file
/// The in-memory description of a toolkit dialog: the standard dialog header with
/// no items, the title widened byte by byte to 16-bit units, and the toolkit's one
/// font, 8-point "MS Sans Serif".
#include <cstddef>
#include <cstdint>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// The title is cut to this many bytes; an empty title becomes one blank.
constexpr uint32_t kTemplateTitleMaxUnits = 256;
/// 22 header bytes, the title and its terminator, the point size, the face name
/// and its terminator: 54 + 2 * 256.
constexpr size_t kDialogTemplateMaxBytes = 566;

/// Room for the largest template DialogTemplateBuild writes.
struct DialogTemplateBuffer {
  alignas(4) unsigned char bytes[kDialogTemplateMaxBytes];  ///< the template
};

/// What a dialog template describes: title, position, size and styles.
struct DialogTemplateRequest {
  const char* title;  ///< may be null when titleLength is 0
  uint32_t titleLength;  ///< the title's length in bytes
  int32_t x;  ///< -1 in x or y centres the dialog
  int32_t y;  ///< top edge in dialog units
  int32_t width;   ///< in dialog units
  int32_t height;  ///< in dialog units
  uint32_t style;  ///< 0 selects the toolkit's default style
  uint32_t exStyle;  ///< extended window style
};

/// The style the template carries for a caller's `style` and position `x`, `y`.
uint32_t DialogTemplateStyle(uint32_t style, int32_t x, int32_t y);

/// Writes the template `request` describes into `buffer` and returns its length in
/// bytes, which is never more than kDialogTemplateMaxBytes.
size_t DialogTemplateBuild(DialogTemplateBuffer& buffer, const DialogTemplateRequest& request);

/// @}
}  // namespace tabard
