#include "app/app_main.h"

#include <cmath>

#include <tabard/controls/list_view.h>
#include <tabard/dialogs/control_add.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/dialog_create.h>
#include <tabard/dialogs/dialog_show.h>
#include <tabard/dialogs/geometry.h>
#include <tabard/platform/win32_messages.h>
#include <tabard/runtime/message_box.h>
#include <tabard/runtime/startup.h>
#include <tabard/text/number_companions.h>
#include <tabard/text/text_core.h>
#include <tabard/text/text_store.h>
#include "app/demo_literals.h"
#include "app/program_globals.h"
#include "app/row_texts.h"
#include "app/rows.h"

using namespace tabard;

namespace {

constexpr int32_t kCentred = -1;
constexpr int32_t kDialogWidth = 398;
constexpr int32_t kDialogHeight = 317;
constexpr uint32_t kDialogStyle = WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME;

constexpr ControlId kCancelId = IDCANCEL;
constexpr int32_t kCancelX = 300, kCancelY = 290, kCancelWidth = 50, kCancelHeight = 20;

constexpr ControlId kListId = 20;
constexpr int32_t kListX = 4, kListY = 12, kListMargin = 12, kListHeight = 267;
constexpr uint32_t kListStyle =
    WS_CHILD | WS_VISIBLE | LVS_SHAREIMAGELISTS | LVS_SORTASCENDING | LVS_SHOWSELALWAYS | LVS_REPORT;
constexpr uint32_t kListExStyle = WS_EX_CLIENTEDGE;
constexpr uint32_t kListExtras = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;

constexpr int kHeaderCapacity = 255;
constexpr int kRows = 20;
constexpr int32_t kPauseAfterRowMs = 500;

struct ColumnSpec {
  DemoLiteralId header;
  int format;
  float fraction;  // of the list's width; single precision, as the widths are worked out from it
};
constexpr ColumnSpec kColumns[] = {
    {kHeaderItem, LVCFMT_LEFT, 0.25f},     {kHeaderKolom2, LVCFMT_LEFT, 0.11f}, {kHeaderKolom3, LVCFMT_LEFT, 0.11f},
    {kHeaderCentreer, LVCFMT_CENTER, 0.17f}, {kHeaderLinks, LVCFMT_LEFT, 0.17f},  {kHeaderRechts, LVCFMT_RIGHT, 0.17f},
};

void AddCancelButton(ProcedureFrame& frame) {
  TextPushEmpty(frame);
  TextPushLiteral(frame, DemoLiteral(kCancelText));
  ControlAdd(frame, static_cast<uint32_t>(ControlKind::PushButton), programGlobals.MainDialog, kCancelId, nullptr,
             kCancelX, kCancelY, kCancelWidth, kCancelHeight, 0, 0, OnCancel);
}

void AddListView(ProcedureFrame& frame, int32_t dialogWidthUnits) {
  TextPushLiteral(frame, DemoLiteral(kListViewClass));
  TextPushLiteral(frame, DemoLiteral(kEmptyText));
  ControlAdd(frame, static_cast<uint32_t>(ControlKind::Custom), programGlobals.MainDialog, kListId, nullptr, kListX,
             kListY, dialogWidthUnits - kListMargin, kListHeight, kListStyle, kListExStyle, nullptr);
  programGlobals.MainList = ControlHandle(programGlobals.MainDialog, kListId);
  const auto extended = static_cast<uint32_t>(
      platform::SendMessage(programGlobals.MainList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  platform::SendMessage(programGlobals.MainList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | kListExtras);
}

void InsertColumns(ProcedureFrame& frame) {
  const XYPair listUnits = WindowGetSize(programGlobals.MainDialog, kListId);
  const int32_t listPixels = DialogUnitsToPixels(programGlobals.MainDialog, listUnits.x, listUnits.y).x;
  const long double mask = NumberOr(frame, NumberOr(frame, LVCF_TEXT, LVCF_FMT), LVCF_WIDTH);

  char header[kHeaderCapacity + 1];
  LVCOLUMNA column{};
  column.mask = static_cast<UINT>(NumberStoreInt32(frame, mask));
  column.pszText = header;
  for (int k = 0; k < static_cast<int>(std::size(kColumns)); ++k) {
    TextPushLiteral(frame, DemoLiteral(kColumns[k].header));
    TextStoreZeroTerminated(frame, header, kHeaderCapacity);
    column.fmt = kColumns[k].format;
    column.cx = NumberStoreInt32(frame, static_cast<long double>(kColumns[k].fraction) * listPixels);
    ControlSend(ControlHandle(programGlobals.MainDialog, kListId), LVM_INSERTCOLUMNA, static_cast<WPARAM>(k),
                reinterpret_cast<LPARAM>(&column));
  }
}

void AddNumberedRow(ProcedureFrame& frame, int32_t n) {
  DynString cells[kRowCells] = {};
  BuildRowCells(frame, n, cells);
  AddRow(&cells[0], &cells[1], &cells[2], &cells[3], &cells[4], &cells[5]);
  for (DynString cell : cells) TextRelease(cell);
}

void ReportRowCount(ProcedureFrame& frame) {
  PushCountMessage(frame, LvmGetItemCount(programGlobals.MainList));
  TextPushEmpty(frame);
  MessageBoxShow(frame, MB_OK);
}

}  // namespace

int32_t AppMain(void*, void*, char*, int32_t) {
  ProcedureFrame frame{};
  frame.callerFrame = OutermostFrame();

  TextPushLiteral(frame, DemoLiteral(kDialogTitle));
  programGlobals.MainDialog =
      DialogCreate(frame, nullptr, kCentred, kCentred, kDialogWidth, kDialogHeight, kDialogStyle, 0);
  const int32_t dialogWidthUnits = WindowGetSize(programGlobals.MainDialog, -1).x;

  AddCancelButton(frame);
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  platform::InitCommonControlsEx(&classes);
  AddListView(frame, dialogWidthUnits);
  InsertColumns(frame);

  DialogShowModeless(programGlobals.MainDialog, nullptr, nullptr);
  for (int32_t n = 1; n <= kRows; ++n) {
    AddNumberedRow(frame, n);
    PauseMs(kPauseAfterRowMs);
  }
  RepaintList();
  ReportRowCount(frame);
  return frame.result;
}
