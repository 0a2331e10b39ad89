#pragma once
/// @file
/// The kinds of control ControlAdd creates: fifteen standard ones, each with its
/// window class and style rules, and Custom, any registered class by name.
#include <cstdint>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// The kind ControlAdd takes, as its number.
enum class ControlKind : uint32_t {
  Custom = 0,               ///< any registered class, named by ControlAdd's class name
  PushButton = 1,           ///< a push button; BS_DEFPUSHBUTTON makes it the default
  ThreeStateBox = 2,        ///< a check box with a third, indeterminate state
  CheckBox = 3,             ///< a check box that checks itself
  GroupBox = 4,             ///< a frame with a title around other controls
  Label = 5,                ///< static text
  EtchedFrame = 6,          ///< an etched rectangle
  RadioButton = 7,          ///< a radio button that selects itself
  ScrollBar = 8,            ///< a scroll bar, vertical when narrower than tall
  EditBox = 9,              ///< a one-line edit field with a sunken edge
  Picture = 10,             ///< a bitmap or icon named by the text, at its own size
  ScaledPicture = 11,       ///< the same, stretched to the control
  PictureButton = 12,       ///< a push button showing an image at its own size
  ScaledPictureButton = 13, ///< a push button showing an image stretched to it
  ComboBox = 14,            ///< a drop-down combo box; the text gives its items
  ListBox = 15,             ///< a sorted list box; the text gives its items
};
/// The number of kinds, Custom included.
constexpr uint32_t kControlKindCount = 16;

/// What a kind does beyond its class and style bits.
enum ControlKindTrait : uint32_t {
  kVerticalWhenTall = 0x01,     ///< default style: SBS_VERT when narrower than tall
  kBorderAsClientEdge = 0x02,   ///< default style: WS_BORDER becomes WS_EX_CLIENTEDGE
  kStaticPicture = 0x04,        ///< image named by the text, SS_ICON when no bitmap
  kButtonPicture = 0x08,        ///< image named by the text, BS_ICON when no bitmap
  kMayBeDefaultButton = 0x10,   ///< BS_DEFPUSHBUTTON makes it the dialog's default
  kAttachScaled = 0x20,         ///< image attached at the control's size
  kAttachNatural = 0x40,        ///< image attached at its own size
  kComboItems = 0x80,           ///< initial items with CB_ADDSTRING, not LB_ADDSTRING
};

/// How ControlAdd makes one kind: its class and its style rules.
struct ControlKindRule {
  const char* className;  ///< nullptr: the caller's class
  uint32_t defaultStyle;  ///< replaces a style of 0
  uint32_t added;         ///< ORed into every final style
  uint32_t removed;       ///< then cleared from it
  uint32_t traits;        ///< ControlKindTrait bits
};

/// The rule of each kind, indexed by its number.
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

/// @}
}  // namespace tabard
