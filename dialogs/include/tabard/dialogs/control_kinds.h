#pragma once
// The kinds of control ControlAdd creates: fifteen standard ones, each with its
// window class and style rules, and Custom, any registered class by name.
#include <cstdint>

namespace tabard {

enum class ControlKind : uint32_t {
  Custom = 0,
  PushButton = 1,
  ThreeStateBox = 2,
  CheckBox = 3,
  GroupBox = 4,
  Label = 5,
  EtchedFrame = 6,
  RadioButton = 7,
  ScrollBar = 8,
  EditBox = 9,
  Picture = 10,
  ScaledPicture = 11,
  PictureButton = 12,
  ScaledPictureButton = 13,
  ComboBox = 14,
  ListBox = 15,
};
constexpr uint32_t kControlKindCount = 16;

// What a kind does beyond its class and style bits.
enum ControlKindTrait : uint32_t {
  kVerticalWhenTall = 0x01,     // default style: SBS_VERT when narrower than tall
  kBorderAsClientEdge = 0x02,   // default style: WS_BORDER becomes WS_EX_CLIENTEDGE
  kStaticPicture = 0x04,        // image named by the text, SS_ICON when no bitmap
  kButtonPicture = 0x08,        // image named by the text, BS_ICON when no bitmap
  kMayBeDefaultButton = 0x10,   // BS_DEFPUSHBUTTON makes it the dialog's default
  kAttachScaled = 0x20,         // image attached at the control's size
  kAttachNatural = 0x40,        // image attached at its own size
  kComboItems = 0x80,           // initial items with CB_ADDSTRING, not LB_ADDSTRING
};

struct ControlKindRule {
  const char* className;  // nullptr: the caller's class
  uint32_t defaultStyle;  // replaces a style of 0
  uint32_t added;         // ORed into every final style
  uint32_t removed;       // then cleared from it
  uint32_t traits;
};

// clang-format off
inline constexpr ControlKindRule kControlKindRules[kControlKindCount] = {
  /*  0 Custom              */ {nullptr,     0,          0,          0,          0},
  /*  1 PushButton          */ {"BUTTON",    0x50010000, 0x50000000, 0,          kMayBeDefaultButton},
  /*  2 ThreeStateBox       */ {"BUTTON",    0x50010006, 0x50000006, 0xAFFCFFF9, 0},
  /*  3 CheckBox            */ {"BUTTON",    0x50010003, 0x50000003, 0xAFFCFFFC, 0},
  /*  4 GroupBox            */ {"BUTTON",    0x50000007, 0x50000007, 0xAFFFFFF8, 0},
  /*  5 Label               */ {"STATIC",    0x50000000, 0x50000000, 0,          0},
  /*  6 EtchedFrame         */ {"STATIC",    0x50000012, 0x50000000, 0,          0},
  /*  7 RadioButton         */ {"BUTTON",    0x50010009, 0x50000009, 0xAFFCFFF6, 0},
  /*  8 ScrollBar           */ {"SCROLLBAR", 0x50000000, 0x50000000, 0,          kVerticalWhenTall},
  /*  9 EditBox             */ {"EDIT",      0x50810080, 0x50000000, 0,          kBorderAsClientEdge},
  /* 10 Picture             */ {"STATIC",    0x5000000E, 0x5000000E, 0,          kStaticPicture},
  /* 11 ScaledPicture       */ {"STATIC",    0x5000000E, 0x5000000E, 0,          kStaticPicture | kAttachScaled},
  /* 12 PictureButton       */ {"BUTTON",    0x50010080, 0x50000080, 0,          kButtonPicture | kMayBeDefaultButton | kAttachNatural},
  /* 13 ScaledPictureButton */ {"BUTTON",    0x50010080, 0x50000080, 0,          kButtonPicture | kMayBeDefaultButton | kAttachScaled},
  /* 14 ComboBox            */ {"COMBOBOX",  0x50010102, 0x50000000, 0,          kBorderAsClientEdge | kComboItems},
  /* 15 ListBox             */ {"LISTBOX",   0x50A10003, 0x50000001, 0,          kBorderAsClientEdge},
};
// clang-format on

}  // namespace tabard
