// An order form: two labelled fields, a list of products and a combo box of
// quantities filled at start, a Help menu, OK and Cancel. OK shows what was
// entered, the total formatted through a mask.
#include <windows.h>

#include <tabard/controls/combo_box.h>
#include <tabard/controls/edit.h>
#include <tabard/controls/list_box.h>
#include <tabard/dialogs/control_add.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/dialog_create.h>
#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/dialog_show.h>
#include <tabard/dialogs/menus.h>
#include <tabard/runtime/message_box.h>
#include <tabard/runtime/startup.h>
#include <tabard/text/literal_pool.h>
#include <tabard/text/mask_format.h>
#include <tabard/text/number_to_text.h>
#include <tabard/text/text_core.h>

using namespace tabard;

namespace {

constexpr auto kTexts = MakeLiteralPool(
    "", "Order form", "Name", "City", "Product", "Quantity", "OK", "Cancel", "&Help", "&About",
    "A small form made with the Tabard toolkit.", "About", "Order", "Name: ", "\r\nCity: ", "\r\nProduct: ",
    "\r\nQuantity:", "\r\nTotal: ", "$#,###.##", "Desk lamp", "Notebook", "Pencil", "1", "2", "5", "10");
enum Text : size_t {
  kEmpty, kTitle, kNameLabel, kCityLabel, kProductLabel, kQuantityLabel, kOk, kCancel, kHelpMenu, kAboutItem,
  kAboutText, kAboutCaption, kOrderCaption, kNamePrefix, kCityPrefix, kProductPrefix, kQuantityPrefix,
  kTotalPrefix, kMoneyMask, kDeskLamp, kNotebook, kPencil, kOne, kTwo, kFive, kTen,
};
const LiteralEntry* Literal(Text text) { return kTexts.Entry(text); }

struct Product {
  Text name;
  long double price;
};
// In the list's own order: a list box sorts its items.
constexpr Product kProducts[] = {{kDeskLamp, 612.50L}, {kNotebook, 3.20L}, {kPencil, 0.85L}};
struct Quantity {
  Text text;
  int32_t count;
};
constexpr Quantity kQuantities[] = {{kOne, 1}, {kTwo, 2}, {kFive, 5}, {kTen, 10}};

enum FieldId : ControlId { kLabelId = 100, kNameId, kCityId, kProductId, kQuantityId };
constexpr UINT kAboutCommand = 201;

struct FormGlobals {
  DialogHandle form;
};
FormGlobals globals;

void Add(ProcedureFrame& frame, ControlKind kind, ControlId id, Text text, int32_t x, int32_t y, int32_t width,
         int32_t height, uint32_t style = 0, DialogCallback callback = nullptr) {
  TextPushLiteral(frame, Literal(kEmpty));  // class name: only custom controls have one
  TextPushLiteral(frame, Literal(text));
  ControlAdd(frame, static_cast<uint32_t>(kind), globals.form, id, nullptr, x, y, width, height, style, 0, callback);
}

// A by-value text argument: the wrapper gets its own copy and releases it.
DynString CopyOf(ProcedureFrame& frame, Text text) {
  TextPushLiteral(frame, Literal(text));
  DynString slot = nullptr;
  return TextPassValue(frame, &slot);
}

int32_t OnAbout(DialogHandle, uint32_t, WPARAM, LPARAM) {
  ProcedureFrame frame{};
  TextPushLiteral(frame, Literal(kAboutText));
  TextPushLiteral(frame, Literal(kAboutCaption));
  MessageBoxShow(frame, MB_OK | MB_ICONINFORMATION);
  return 1;
}

// Appends a literal and then a text the wrappers handed over (owned by the caller).
void AppendField(ProcedureFrame& frame, Text prefix, DynString value) {
  TextPushLiteral(frame, Literal(prefix));
  TextConcat(frame);
  TextPushOwned(frame, value);
  TextConcat(frame);
}

int32_t OnOk(DialogHandle form, uint32_t, WPARAM, LPARAM) {
  ProcedureFrame frame{};
  HWND products = ControlHandle(form, kProductId);
  HWND quantities = ControlHandle(form, kQuantityId);
  const LRESULT product = LbGetCurSel(products);
  const LRESULT quantity = CbGetCurSel(quantities);
  const long double price = product >= 0 ? kProducts[product].price : 0;
  const int32_t count = quantity >= 0 ? kQuantities[quantity].count : 0;

  TextPushEmpty(frame);
  AppendField(frame, kNamePrefix, EditGetText(ControlHandle(form, kNameId)));
  AppendField(frame, kCityPrefix, EditGetText(ControlHandle(form, kCityId)));
  AppendField(frame, kProductPrefix, LbGetText(products, -1));
  TextPushLiteral(frame, Literal(kQuantityPrefix));
  TextConcat(frame);
  NumberToText(frame, count);
  TextConcat(frame);
  TextPushLiteral(frame, Literal(kTotalPrefix));
  TextConcat(frame);
  TextPushLiteral(frame, Literal(kMoneyMask));
  NumberFormatMask(frame, price * count);
  TextConcat(frame);
  TextPushLiteral(frame, Literal(kOrderCaption));
  MessageBoxShow(frame, MB_OK);
  DialogEnd(form, 1);
  return 1;
}

int32_t OnCancel(DialogHandle form, uint32_t, WPARAM, LPARAM) {
  DialogEnd(form, 0);
  return 1;
}

void AddMenuBar(ProcedureFrame& frame) {
  HMENU help = MenuCreate(1);
  TextPushLiteral(frame, Literal(kAboutItem));
  MenuAddItem(frame, help, kAboutCommand, 0, 0, OnAbout, 0);
  HMENU bar = MenuCreate(0);
  TextPushLiteral(frame, Literal(kHelpMenu));
  MenuAddItem(frame, bar, reinterpret_cast<UINT_PTR>(help), 0, 0, nullptr, kMenuItemOpensPopup);
  MenuAttach(globals.form, bar);
}

void FillLists(ProcedureFrame& frame) {
  HWND products = ControlHandle(globals.form, kProductId);
  for (const Product& product : kProducts) LbAddString(products, CopyOf(frame, product.name));
  LbSetCurSel(products, 0);
  HWND quantities = ControlHandle(globals.form, kQuantityId);
  for (const Quantity& quantity : kQuantities) CbAddString(quantities, CopyOf(frame, quantity.text));
  CbSetCurSel(quantities, 1);
}

int32_t FormMain(void*, void*, char*, int32_t) {
  ProcedureFrame frame{};
  frame.callerFrame = OutermostFrame();

  TextPushLiteral(frame, Literal(kTitle));
  globals.form = DialogCreate(frame, nullptr, -1, -1, 200, 146, WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME, 0);
  AddMenuBar(frame);
  // Created in tab order; labels take no focus.
  Add(frame, ControlKind::Label, kLabelId, kNameLabel, 8, 10, 48, 10);
  Add(frame, ControlKind::EditBox, kNameId, kEmpty, 60, 8, 130, 12);
  Add(frame, ControlKind::Label, kLabelId, kCityLabel, 8, 28, 48, 10);
  Add(frame, ControlKind::EditBox, kCityId, kEmpty, 60, 26, 130, 12);
  Add(frame, ControlKind::Label, kLabelId, kProductLabel, 8, 46, 48, 10);
  Add(frame, ControlKind::ListBox, kProductId, kEmpty, 60, 44, 130, 36);
  Add(frame, ControlKind::Label, kLabelId, kQuantityLabel, 8, 90, 48, 10);
  Add(frame, ControlKind::ComboBox, kQuantityId, kEmpty, 60, 88, 60, 60, WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                                                      WS_VSCROLL | CBS_DROPDOWNLIST);
  Add(frame, ControlKind::PushButton, IDOK, kOk, 86, 122, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
      OnOk);
  Add(frame, ControlKind::PushButton, IDCANCEL, kCancel, 140, 122, 50, 14, 0, OnCancel);
  FillLists(frame);

  int32_t result = 0;
  DialogShowModal(globals.form, nullptr, &result);
  return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const ProgramImage image{FormMain,      &globals,
                           sizeof globals, kTexts.bytes.data(),
                           kTexts.size(),  kProgramBuild,
                           nullptr};
  ProgramStart(image);
}
