#pragma once
// Month-calendar message wrappers, in library order, each named after the
// message it sends. Ranges are the caller's arrays of two SYSTEMTIME records.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT McmGetCurSel(HWND calendar, SYSTEMTIME& time);
LRESULT McmSetCurSel(HWND calendar, SYSTEMTIME& time);
LRESULT McmGetMaxSelCount(HWND calendar);
LRESULT McmSetMaxSelCount(HWND calendar, int32_t days);
LRESULT McmGetSelRange(HWND calendar, SYSTEMTIME* range);
LRESULT McmSetSelRange(HWND calendar, SYSTEMTIME* range);
LRESULT McmGetMonthRange(HWND calendar, uint32_t flags, SYSTEMTIME* range);
LRESULT McmSetDayState(HWND calendar, int32_t months, MONTHDAYSTATE* states);
LRESULT McmGetMinReqRect(HWND calendar, RECT& rect);
LRESULT McmSetColor(HWND calendar, int32_t colourIndex, COLORREF colour);
LRESULT McmGetColor(HWND calendar, int32_t colourIndex);
LRESULT McmSetToday(HWND calendar, SYSTEMTIME& today);
LRESULT McmGetToday(HWND calendar, SYSTEMTIME& today);
LRESULT McmHitTest(HWND calendar, MCHITTESTINFO& hitTest);
LRESULT McmSetFirstDayOfWeek(HWND calendar, int32_t day);
LRESULT McmGetFirstDayOfWeek(HWND calendar);
LRESULT McmGetRange(HWND calendar, SYSTEMTIME* range);
LRESULT McmSetRange(HWND calendar, uint32_t which, SYSTEMTIME* range);
LRESULT McmGetMonthDelta(HWND calendar);
LRESULT McmSetMonthDelta(HWND calendar, int32_t delta);
LRESULT McmGetMaxTodayWidth(HWND calendar);
LRESULT MonthCalCcmSetUnicodeFormat(HWND calendar, int32_t format);
LRESULT MonthCalCcmGetUnicodeFormat(HWND calendar);

}  // namespace tabard
