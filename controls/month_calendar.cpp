#include <tabard/controls/month_calendar.h>

#include <tabard/controls/message_shapes.h>

namespace tabard {

LRESULT McmGetCurSel(HWND calendar, SYSTEMTIME& time) { return SendRecord(calendar, MCM_GETCURSEL, 0, time); }
LRESULT McmSetCurSel(HWND calendar, SYSTEMTIME& time) { return SendRecord(calendar, MCM_SETCURSEL, 0, time); }
LRESULT McmGetMaxSelCount(HWND calendar) { return SendPlain(calendar, MCM_GETMAXSELCOUNT); }
LRESULT McmSetMaxSelCount(HWND calendar, int32_t days) { return SendPlain(calendar, MCM_SETMAXSELCOUNT, days); }
LRESULT McmGetSelRange(HWND calendar, SYSTEMTIME* range) { return SendPlain(calendar, MCM_GETSELRANGE, 0, range); }
LRESULT McmSetSelRange(HWND calendar, SYSTEMTIME* range) { return SendPlain(calendar, MCM_SETSELRANGE, 0, range); }
LRESULT McmGetMonthRange(HWND calendar, uint32_t flags, SYSTEMTIME* range) {
  return SendPlain(calendar, MCM_GETMONTHRANGE, flags, range);
}
LRESULT McmSetDayState(HWND calendar, int32_t months, MONTHDAYSTATE* states) {
  return SendPlain(calendar, MCM_SETDAYSTATE, months, states);
}
LRESULT McmGetMinReqRect(HWND calendar, RECT& rect) { return SendRecord(calendar, MCM_GETMINREQRECT, 0, rect); }
LRESULT McmSetColor(HWND calendar, int32_t colourIndex, COLORREF colour) {
  return SendPlain(calendar, MCM_SETCOLOR, colourIndex, colour);
}
LRESULT McmGetColor(HWND calendar, int32_t colourIndex) { return SendPlain(calendar, MCM_GETCOLOR, colourIndex); }
LRESULT McmSetToday(HWND calendar, SYSTEMTIME& today) { return SendRecord(calendar, MCM_SETTODAY, 0, today); }
LRESULT McmGetToday(HWND calendar, SYSTEMTIME& today) { return SendRecord(calendar, MCM_GETTODAY, 0, today); }
LRESULT McmHitTest(HWND calendar, MCHITTESTINFO& hitTest) { return SendRecord(calendar, MCM_HITTEST, 0, hitTest); }
LRESULT McmSetFirstDayOfWeek(HWND calendar, int32_t day) { return SendPlain(calendar, MCM_SETFIRSTDAYOFWEEK, 0, day); }
LRESULT McmGetFirstDayOfWeek(HWND calendar) { return SendPlain(calendar, MCM_GETFIRSTDAYOFWEEK); }
LRESULT McmGetRange(HWND calendar, SYSTEMTIME* range) { return SendPlain(calendar, MCM_GETRANGE, 0, range); }
LRESULT McmSetRange(HWND calendar, uint32_t which, SYSTEMTIME* range) {
  return SendPlain(calendar, MCM_SETRANGE, which, range);
}
LRESULT McmGetMonthDelta(HWND calendar) { return SendPlain(calendar, MCM_GETMONTHDELTA); }
LRESULT McmSetMonthDelta(HWND calendar, int32_t delta) { return SendPlain(calendar, MCM_SETMONTHDELTA, delta); }
LRESULT McmGetMaxTodayWidth(HWND calendar) { return SendPlain(calendar, MCM_GETMAXTODAYWIDTH); }
LRESULT MonthCalCcmSetUnicodeFormat(HWND calendar, int32_t format) {
  return SendPlain(calendar, CCM_SETUNICODEFORMAT, format);
}
LRESULT MonthCalCcmGetUnicodeFormat(HWND calendar) { return SendPlain(calendar, CCM_GETUNICODEFORMAT); }

}  // namespace tabard
