#include <tabard/dialogs/control_add.h>

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/consumed_text.h>
#include <tabard/dialogs/control_image.h>
#include <tabard/dialogs/window_slots.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

namespace {

struct PixelBox {
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
};

// Unsigned arithmetic: far-out positions wrap instead of overflowing.
int32_t Add(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int32_t Sub(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }

// Each edge is mapped on its own, so a control's size always matches the edges
// of its neighbours in the same units.
PixelBox ToPixels(HWND dialog, int32_t x, int32_t y, int32_t width, int32_t height) {
  RECT edges{x, y, Add(x, width), Add(y, height)};
  platform::MapDialogRect(dialog, &edges);
  return {edges.left, edges.top, Sub(edges.right, edges.left), Sub(edges.bottom, edges.top)};
}

struct FinalStyle {
  uint32_t style;
  uint32_t exStyle;
};

FinalStyle StandardStyle(const ControlKindRule& rule, uint32_t style, uint32_t exStyle, const PixelBox& box) {
  if (style == 0) {
    style = rule.defaultStyle;
    if ((rule.traits & kVerticalWhenTall) && box.width < box.height) style |= SBS_VERT;
    if ((rule.traits & kBorderAsClientEdge) && (style & WS_BORDER)) {
      style &= ~static_cast<uint32_t>(WS_BORDER);
      exStyle |= WS_EX_CLIENTEDGE;
    }
  }
  style |= rule.added;
  style &= ~rule.removed;
  return {style, exStyle};
}

// Without a bitmap of that name the control falls back to showing an icon.
uint32_t PictureStyle(const ControlKindRule& rule, uint32_t style, const char* imageName) {
  if (!(rule.traits & (kStaticPicture | kButtonPicture)) || ModuleHasBitmap(imageName)) return style;
  if (rule.traits & kStaticPicture) return (style & ~static_cast<uint32_t>(SS_BITMAP)) | SS_ICON;
  return (style & ~static_cast<uint32_t>(BS_BITMAP)) | BS_ICON;
}

// Items go in array order up to the first empty one.
void AddInitialItems(HWND control, const ArrayDescriptor* items, UINT addMessage) {
  if (items == nullptr || !(items->flags & kArrayDimensioned) || items->data == nullptr) return;
  // Only an array of strings holds handles that can be read as texts.
  if (items->elementType < kArrayFirstStringType) return;
  const DynString* elements = static_cast<const DynString*>(items->data);
  for (uint32_t i = 0; i < items->elementCount; ++i) {
    const DynString text = elements[i];
    if (text == nullptr || text[0] == '\0') return;
    platform::SendMessage(control, addMessage, 0, reinterpret_cast<LPARAM>(text));
  }
}

void CompleteKind(const ControlKindRule& rule, HWND dialog, HWND control, ControlId id, uint32_t style,
                  const char* imageName, const PixelBox& box) {
  if ((rule.traits & kMayBeDefaultButton) && (style & BS_DEFPUSHBUTTON))
    platform::SendMessage(dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
  const uint32_t button = (rule.traits & kButtonPicture) ? uint32_t{kImageButton} : 0u;
  if (rule.traits & kAttachScaled) ControlAttachImage(control, imageName, kImageScaled | button, box.width, box.height);
  if (rule.traits & kAttachNatural) ControlAttachImage(control, imageName, button, 0, 0);
}

HWND CreateControl(uint32_t kind, HWND dialog, ControlId id, const char* className, const char* text,
                   const ArrayDescriptor* items, int32_t x, int32_t y, int32_t width, int32_t height,
                   uint32_t style, uint32_t exStyle, DialogCallback callback) {
  const ControlKindRule& rule = kControlKindRules[kind];
  const PixelBox box = ToPixels(dialog, x, y, width, height);
  if (kind != static_cast<uint32_t>(ControlKind::Custom)) {
    const FinalStyle final = StandardStyle(rule, style, exStyle, box);
    style = PictureStyle(rule, final.style, text);
    exStyle = final.exStyle;
    className = rule.className;
  }

  HWND control = platform::CreateWindowEx(exStyle, className, text, style, box.x, box.y, box.width, box.height,
                                          dialog, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                                          static_cast<HINSTANCE>(runtimeBlock.moduleInstance), nullptr);
  if (rule.traits & kStaticPicture) AdoptOwnBitmap(control);
  platform::SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(runtimeBlock.dialogFont), TRUE);
  SetCallbackSlot(control, callback);
  AddInitialItems(control, items, (rule.traits & kComboItems) ? CB_ADDSTRING : LB_ADDSTRING);
  CompleteKind(rule, dialog, control, id, style, text, box);
  return control;
}

}  // namespace

HWND ControlAdd(ProcedureFrame& frame, uint32_t kind, DialogHandle dialog, ControlId id,
                const ArrayDescriptor* items, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style,
                uint32_t exStyle, DialogCallback callback) {
  const ConsumedText text = TakeTemporary(frame);
  const ConsumedText className = TakeTemporary(frame);
  HWND control = nullptr;
  if (kind < kControlKindCount)
    control = CreateControl(kind, dialog, id, className.text.bytes, text.text.bytes, items, x, y, width, height,
                            style, exStyle, callback);
  ReleaseTemporary(text);
  ReleaseTemporary(className);
  return control;
}

}  // namespace tabard
