// A gallery of the toolkit's controls: one dialog holding one control of each of
// the fifteen kinds ControlAdd makes, each in a state that shows what it is (the
// check box checked, the three-state box indeterminate, lists filled), with the
// picture kinds showing the program's bitmap. Close ends it with 0.
#include <windows.h>

#include <tabard/controls/button.h>
#include <tabard/controls/combo_box.h>
#include <tabard/controls/list_box.h>
#include <tabard/dialogs/control_add.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/dialog_create.h>
#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/dialog_show.h>
#include <tabard/runtime/startup.h>
#include <tabard/text/literal_pool.h>
#include <tabard/text/text_core.h>

using namespace tabard;

namespace {

constexpr auto kTexts = MakeLiteralPool(
    "", "Tabard gallery", "Group box", "Check box", "Three-state box", "Radio button", "Label", "Edit box",
    "GALLERYBITMAP", "Picture", "Scaled picture", "Picture button", "Scaled picture button", "Close",
    "Combo box", "Second item", "List box", "Second item", "Third item", "Etched frame", "Scroll bar");
enum Text : size_t {
  kEmpty, kTitle, kGroupBox, kCheckBox, kThreeState, kRadio, kLabel, kEditText, kBitmap, kPictureCaption,
  kScaledPictureCaption, kPictureButtonCaption, kScaledButtonCaption, kClose, kComboFirst, kComboSecond,
  kListFirst, kListSecond, kListThird, kEtchedCaption, kScrollCaption,
};

// A control's identifier is 100 and its kind's number; labels share one of their own.
constexpr ControlId IdOf(ControlKind kind) { return 100 + static_cast<ControlId>(kind); }
constexpr ControlId kCaptionId = 99;

struct Globals {
  DialogHandle gallery;
};
Globals globals;

void Add(ProcedureFrame& frame, ControlKind kind, ControlId id, Text text, int32_t x, int32_t y, int32_t width,
         int32_t height, uint32_t style = 0, DialogCallback callback = nullptr) {
  TextPushLiteral(frame, kTexts.Entry(kEmpty));
  TextPushLiteral(frame, kTexts.Entry(text));
  ControlAdd(frame, static_cast<uint32_t>(kind), globals.gallery, id, nullptr, x, y, width, height, style, 0, callback);
}
void Add(ProcedureFrame& frame, ControlKind kind, Text text, int32_t x, int32_t y, int32_t width, int32_t height,
         uint32_t style = 0, DialogCallback callback = nullptr) {
  Add(frame, kind, IdOf(kind), text, x, y, width, height, style, callback);
}

// A by-value text argument: the wrapper gets its own copy and releases it.
DynString CopyOf(ProcedureFrame& frame, Text text) {
  TextPushLiteral(frame, kTexts.Entry(text));
  DynString slot = nullptr;
  return TextPassValue(frame, &slot);
}

int32_t OnClose(DialogHandle gallery, uint32_t, WPARAM, LPARAM) {
  DialogEnd(gallery, 0);
  return 1;
}

void AddButtons(ProcedureFrame& frame) {
  Add(frame, ControlKind::GroupBox, kGroupBox, 8, 6, 132, 62);
  Add(frame, ControlKind::CheckBox, kCheckBox, 16, 20, 116, 10);
  Add(frame, ControlKind::ThreeStateBox, kThreeState, 16, 34, 116, 10);
  Add(frame, ControlKind::RadioButton, kRadio, 16, 48, 116, 10);
  BmSetCheck(ControlHandle(globals.gallery, IdOf(ControlKind::CheckBox)), BST_CHECKED);
  BmSetCheck(ControlHandle(globals.gallery, IdOf(ControlKind::ThreeStateBox)), BST_INDETERMINATE);
  BmSetCheck(ControlHandle(globals.gallery, IdOf(ControlKind::RadioButton)), BST_CHECKED);
}

void AddTexts(ProcedureFrame& frame) {
  Add(frame, ControlKind::Label, kLabel, 8, 76, 132, 10);
  Add(frame, ControlKind::EditBox, kEditText, 8, 88, 132, 12);
  Add(frame, ControlKind::ComboBox, IdOf(ControlKind::ComboBox), kEmpty, 8, 106, 132, 60,
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  HWND combo = ControlHandle(globals.gallery, IdOf(ControlKind::ComboBox));
  CbAddString(combo, CopyOf(frame, kComboFirst));
  CbAddString(combo, CopyOf(frame, kComboSecond));
  CbSetCurSel(combo, 0);
  Add(frame, ControlKind::ListBox, kEmpty, 8, 124, 132, 38);
  HWND list = ControlHandle(globals.gallery, IdOf(ControlKind::ListBox));
  for (Text item : {kListFirst, kListSecond, kListThird}) LbAddString(list, CopyOf(frame, item));
  LbSetCurSel(list, 0);
  Add(frame, ControlKind::ScrollBar, kEmpty, 8, 178, 132, 10);
  Add(frame, ControlKind::Label, kCaptionId, kScrollCaption, 8, 168, 132, 9);
}

void AddPictures(ProcedureFrame& frame) {
  Add(frame, ControlKind::EtchedFrame, kEmpty, 152, 6, 140, 62);
  Add(frame, ControlKind::Label, kCaptionId, kEtchedCaption, 158, 10, 80, 9);
  Add(frame, ControlKind::Picture, kBitmap, 160, 24, 24, 24);
  Add(frame, ControlKind::Label, kCaptionId, kPictureCaption, 158, 54, 60, 9);
  Add(frame, ControlKind::ScaledPicture, kBitmap, 226, 22, 60, 30);
  Add(frame, ControlKind::Label, kCaptionId, kScaledPictureCaption, 226, 54, 64, 9);
  Add(frame, ControlKind::PictureButton, kBitmap, 152, 76, 64, 36);
  Add(frame, ControlKind::Label, kCaptionId, kPictureButtonCaption, 152, 114, 64, 9);
  Add(frame, ControlKind::ScaledPictureButton, kBitmap, 224, 76, 68, 36);
  Add(frame, ControlKind::Label, kCaptionId, kScaledButtonCaption, 224, 114, 72, 9);
  Add(frame, ControlKind::PushButton, kClose, 242, 174, 50, 14, 0, OnClose);
}

int32_t GalleryMain(void*, void*, char*, int32_t) {
  ProcedureFrame frame{};
  frame.callerFrame = OutermostFrame();
  TextPushLiteral(frame, kTexts.Entry(kTitle));
  globals.gallery = DialogCreate(frame, nullptr, -1, -1, 300, 196, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0);
  AddButtons(frame);
  AddTexts(frame);
  AddPictures(frame);
  int32_t result = 0;
  DialogShowModal(globals.gallery, nullptr, &result);
  return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const ProgramImage image{GalleryMain,   &globals,      sizeof globals, kTexts.bytes.data(),
                           kTexts.size(), kProgramBuild, nullptr};
  ProgramStart(image);
}
