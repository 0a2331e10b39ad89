#include <tabard/dialogs/dialog_template.h>

#include <iterator>

namespace tabard {

namespace {

// WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK
constexpr uint32_t kDefaultStyle = 0x80C000D4;
// DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK: the font record is always present.
constexpr uint32_t kAlwaysAdded = 0x00000054;
// WS_VISIBLE | DS_SYSMODAL: a dialog is created hidden and shown later.
constexpr uint32_t kAlwaysRemoved = 0x10000002;
constexpr uint32_t kCentre = 0x00000800;  // DS_CENTER
constexpr int32_t kCentred = -1;

constexpr uint16_t kPointSize = 8;
constexpr char kFaceName[] = "MS Sans Serif";

struct TemplateWriter {
  unsigned char* at;
  void Unit(uint16_t value) {
    *at++ = static_cast<unsigned char>(value & 0xFF);
    *at++ = static_cast<unsigned char>(value >> 8);
  }
  void Word(uint32_t value) {
    Unit(static_cast<uint16_t>(value & 0xFFFF));
    Unit(static_cast<uint16_t>(value >> 16));
  }
  void LowUnit(int32_t value) { Unit(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFF)); }
};

}  // namespace

uint32_t DialogTemplateStyle(uint32_t style, int32_t x, int32_t y) {
  uint32_t result = style != 0 ? style : kDefaultStyle;
  result |= kAlwaysAdded;
  result &= ~kAlwaysRemoved;
  if (x == kCentred || y == kCentred) result |= kCentre;
  return result;
}

size_t DialogTemplateBuild(DialogTemplateBuffer& buffer, const DialogTemplateRequest& request) {
  TemplateWriter out{buffer.bytes};
  out.Word(DialogTemplateStyle(request.style, request.x, request.y));
  out.Word(request.exStyle);
  out.Unit(0);  // no item templates: controls are created as child windows later
  out.LowUnit(request.x);
  out.LowUnit(request.y);
  out.LowUnit(request.width);
  out.LowUnit(request.height);
  out.Unit(0);  // no menu
  out.Unit(0);  // the system's dialog class

  uint32_t titleLength = request.title != nullptr ? request.titleLength : 0;
  if (titleLength > kTemplateTitleMaxUnits) titleLength = kTemplateTitleMaxUnits;
  if (titleLength == 0) {
    out.Unit(' ');
  } else {
    // Each byte is its own code unit: no code page stands between the program's
    // bytes and the caption.
    for (uint32_t i = 0; i < titleLength; ++i) out.Unit(static_cast<unsigned char>(request.title[i]));
  }
  out.Unit(0);

  out.Unit(kPointSize);
  for (char c : kFaceName) out.Unit(static_cast<unsigned char>(c));  // terminator included
  static_assert(std::size(kFaceName) == 14);
  return static_cast<size_t>(out.at - buffer.bytes);
}

}  // namespace tabard
