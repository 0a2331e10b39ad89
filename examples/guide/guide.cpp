// The guide's program (docs/guide.md): a dialog with a label, a list view of four
// expenses whose amounts go through a mask, a Total button and a File menu. Total
// shows the sum in a message box; Close ends with 0, File > Exit with 2. The guide
// shows the regions between "guide:" markers, and a test checks that it shows
// them as they are here.
// guide: includes
#include <windows.h>

#include <tabard/controls/list_view.h>
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
#include <tabard/text/text_core.h>

using namespace tabard;
// guide: end

namespace {

// guide: texts
constexpr auto kTexts = MakeLiteralPool("", "Expenses", "Four expenses of the month:", "SysListView32", "Total",
                                        "Close", "&File", "&Total", "E&xit", "What", "Amount", "$#,###.##",
                                        "Total: ", "Rent", "Power", "Books", "Bus pass");
enum Text : size_t {
  kEmpty, kTitle, kIntro, kListViewClass, kTotalButton, kCloseButton, kFileMenu, kTotalItem, kExitItem,
  kWhatColumn, kAmountColumn, kMoneyMask, kTotalPrefix, kRent, kPower, kBooks, kBusPass,
};
const LiteralEntry* Literal(Text text) { return kTexts.Entry(text); }
// guide: end

// guide: data
struct Expense {
  Text what;
  long double amount;
};
constexpr Expense kExpenses[] = {{kRent, 612.50L}, {kPower, 48.20L}, {kBooks, 31.95L}, {kBusPass, 9.90L}};

enum ControlIds : ControlId { kIntroId = 100, kListId, kTotalId };
constexpr UINT kTotalCommand = 201, kExitCommand = 202;

struct Globals {
  DialogHandle dialog;
};
Globals globals;
// guide: end

// guide: total
// The Total button's callback, and the Total menu item's.
int32_t OnTotal(DialogHandle, uint32_t, WPARAM, LPARAM) {
  ProcedureFrame frame{};
  long double total = 0;
  for (const Expense& expense : kExpenses) total += expense.amount;
  TextPushLiteral(frame, Literal(kTotalPrefix));
  TextPushLiteral(frame, Literal(kMoneyMask));
  NumberFormatMask(frame, total);  // the mask on top becomes the formatted total
  TextConcat(frame);               // "Total: " followed by it
  TextPushLiteral(frame, Literal(kTotalButton));
  MessageBoxShow(frame, MB_OK | MB_ICONINFORMATION);  // consumes text and caption
  return 1;
}
// guide: end

// guide: callbacks
// Every callback gets the dialog and the message as delivered; 1 means handled.
int32_t OnClose(DialogHandle dialog, uint32_t, WPARAM, LPARAM) {
  DialogEnd(dialog, 0);
  return 1;
}

int32_t OnExit(DialogHandle dialog, uint32_t, WPARAM, LPARAM) {
  DialogEnd(dialog, 2);
  return 1;
}
// guide: end

// guide: controls
// Each control takes two texts from the stack: its class name (for a Custom
// control only) and, on top, its text.
HWND Add(ProcedureFrame& frame, ControlKind kind, Text className, ControlId id, Text text, int32_t x, int32_t y,
         int32_t width, int32_t height, uint32_t style = 0, DialogCallback callback = nullptr) {
  TextPushLiteral(frame, Literal(className));
  TextPushLiteral(frame, Literal(text));
  return ControlAdd(frame, static_cast<uint32_t>(kind), globals.dialog, id, nullptr, x, y, width, height, style, 0,
                    callback);
}

void AddControls(ProcedureFrame& frame) {
  Add(frame, ControlKind::Label, kEmpty, kIntroId, kIntro, 8, 8, 200, 10);
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  Add(frame, ControlKind::Custom, kListViewClass, kListId, kEmpty, 8, 20, 204, 76,
      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL);
  Add(frame, ControlKind::PushButton, kEmpty, kTotalId, kTotalButton, 108, 104, 50, 14,
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, OnTotal);
  Add(frame, ControlKind::PushButton, kEmpty, IDCANCEL, kCloseButton, 162, 104, 50, 14, 0, OnClose);
}
// guide: end

// guide: menu
void AddMenu(ProcedureFrame& frame) {
  HMENU file = MenuCreate(1);  // a pop-up menu
  TextPushLiteral(frame, Literal(kTotalItem));
  MenuAddItem(frame, file, kTotalCommand, 0, 0, OnTotal, 0);
  TextPushLiteral(frame, Literal(kExitItem));
  MenuAddItem(frame, file, kExitCommand, 0, 0, OnExit, 0);
  HMENU bar = MenuCreate(0);  // the menu bar, which opens the pop-up
  TextPushLiteral(frame, Literal(kFileMenu));
  MenuAddItem(frame, bar, reinterpret_cast<UINT_PTR>(file), 0, 0, nullptr, kMenuItemOpensPopup);
  MenuAttach(globals.dialog, bar);
}
// guide: end

// guide: rows
// Pops the text on top of the stack into a string of our own, hands the list a
// pointer to its bytes (the list copies them) and releases the string.
void SetCell(ProcedureFrame& frame, HWND list, int32_t row, int32_t column) {
  DynString cell = nullptr;
  TextAssign(frame, &cell);
  LvmSetItemTextA(list, row, column, TextPointer(&cell));
  TextRelease(cell);
}

void AddColumn(ProcedureFrame& frame, HWND list, int32_t index, Text title, int32_t width, int32_t format) {
  DynString text = nullptr;
  TextPushLiteral(frame, Literal(title));
  TextAssign(frame, &text);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = format;
  column.cx = width;
  column.pszText = TextPointer(&text);
  LvmInsertColumnA(list, index, column);
  TextRelease(text);
}

void FillList(ProcedureFrame& frame) {
  HWND list = ControlHandle(globals.dialog, kListId);
  LvmSetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  AddColumn(frame, list, 0, kWhatColumn, 170, LVCFMT_LEFT);
  AddColumn(frame, list, 1, kAmountColumn, 110, LVCFMT_RIGHT);
  int32_t row = 0;
  for (const Expense& expense : kExpenses) {
    LVITEMA item{};
    item.iItem = row;  // rows count from 0
    LvmInsertItemA(list, item);
    TextPushLiteral(frame, Literal(expense.what));
    SetCell(frame, list, row, 0);
    TextPushLiteral(frame, Literal(kMoneyMask));
    NumberFormatMask(frame, expense.amount);
    SetCell(frame, list, row, 1);
    ++row;
  }
}
// guide: end

// guide: dialog
int32_t ExpensesMain(void*, void*, char*, int32_t) {
  ProcedureFrame frame{};
  frame.callerFrame = OutermostFrame();
  TextPushLiteral(frame, Literal(kTitle));  // the title, consumed by DialogCreate
  globals.dialog = DialogCreate(frame, nullptr, -1, -1, 220, 136, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0);
  AddMenu(frame);
  AddControls(frame);
  FillList(frame);
  int32_t result = 0;
  DialogShowModal(globals.dialog, nullptr, &result);  // returns once the dialog is gone
  return result;
}
// guide: end

}  // namespace

// guide: start
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const ProgramImage image{ExpensesMain,  &globals,          sizeof globals, kTexts.bytes.data(),
                           kTexts.size(), kProgramBuild, nullptr};
  ProgramStart(image);  // never returns: the process ends with ExpensesMain's result
}
// guide: end
