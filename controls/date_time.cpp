#include <tabard/controls/date_time.h>

#include <tabard/controls/message_shapes.h>

namespace tabard {

LRESULT DtmGetSystemTime(HWND picker, SYSTEMTIME& time) { return SendRecord(picker, DTM_GETSYSTEMTIME, 0, time); }
LRESULT DtmSetSystemTime(HWND picker, uint32_t flag, SYSTEMTIME& time) {
  return SendRecord(picker, DTM_SETSYSTEMTIME, flag, time);
}
LRESULT DtmGetRange(HWND picker, SYSTEMTIME* range) { return SendPlain(picker, DTM_GETRANGE, 0, range); }
LRESULT DtmSetRange(HWND picker, uint32_t which, SYSTEMTIME* range) {
  return SendPlain(picker, DTM_SETRANGE, which, range);
}
LRESULT DtmSetFormatA(HWND picker, const char* format) { return SendPlain(picker, DTM_SETFORMATA, 0, format); }
LRESULT DtmSetMcColor(HWND picker, int32_t colourIndex, COLORREF colour) {
  return SendPlain(picker, DTM_SETMCCOLOR, colourIndex, colour);
}
LRESULT DtmGetMcColor(HWND picker, int32_t colourIndex) { return SendPlain(picker, DTM_GETMCCOLOR, colourIndex); }
LRESULT DtmGetMonthCal(HWND picker) { return SendPlain(picker, DTM_GETMONTHCAL); }
void DtmSetMcFont(HWND picker, HFONT font, int32_t redraw) { SendDropResult(picker, DTM_SETMCFONT, font, redraw); }
LRESULT DtmGetMcFont(HWND picker) { return SendPlain(picker, DTM_GETMCFONT); }

}  // namespace tabard
