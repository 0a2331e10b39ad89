#pragma once
/// @file
/// Month-calendar message wrappers, in library order, each named after the
/// message it sends. Ranges are the caller's arrays of two SYSTEMTIME records.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_month_calendar
/// @{

/// Sends `MCM_GETCURSEL`: stores the selected date in `time`; non-zero on success.
LRESULT McmGetCurSel(HWND calendar, SYSTEMTIME& time);
/// Sends `MCM_SETCURSEL`: selects the date in `time`; non-zero on success.
LRESULT McmSetCurSel(HWND calendar, SYSTEMTIME& time);
/// Sends `MCM_GETMAXSELCOUNT`: the most days a range may span.
LRESULT McmGetMaxSelCount(HWND calendar);
/// Sends `MCM_SETMAXSELCOUNT`: sets the most days a range may span; non-zero on success.
LRESULT McmSetMaxSelCount(HWND calendar, int32_t days);
/// Sends `MCM_GETSELRANGE`: stores the first and last selected dates in `range`;
/// non-zero on success.
LRESULT McmGetSelRange(HWND calendar, SYSTEMTIME* range);
/// Sends `MCM_SETSELRANGE`: selects the dates from `range[0]` to `range[1]`; non-zero
/// on success.
LRESULT McmSetSelRange(HWND calendar, SYSTEMTIME* range);
/// Sends `MCM_GETMONTHRANGE`: stores the first and last dates shown (as `flags`,
/// GMR_, says) in `range`; how many months.
LRESULT McmGetMonthRange(HWND calendar, uint32_t flags, SYSTEMTIME* range);
/// Sends `MCM_SETDAYSTATE`: sets the bold days of `months` months from `states`;
/// non-zero on success.
LRESULT McmSetDayState(HWND calendar, int32_t months, MONTHDAYSTATE* states);
/// Sends `MCM_GETMINREQRECT`: stores the smallest rectangle showing one whole month
/// in `rect`; non-zero on success.
LRESULT McmGetMinReqRect(HWND calendar, RECT& rect);
/// Sends `MCM_SETCOLOR`: sets the colour of part `colourIndex` (MCSC_); the previous
/// one, -1 on failure.
LRESULT McmSetColor(HWND calendar, int32_t colourIndex, COLORREF colour);
/// Sends `MCM_GETCOLOR`: the colour of part `colourIndex` (MCSC_).
LRESULT McmGetColor(HWND calendar, int32_t colourIndex);
/// Sends `MCM_SETTODAY`: takes `today` as today.
LRESULT McmSetToday(HWND calendar, SYSTEMTIME& today);
/// Sends `MCM_GETTODAY`: stores the date taken as today in `today`; non-zero on success.
LRESULT McmGetToday(HWND calendar, SYSTEMTIME& today);
/// Sends `MCM_HITTEST`: fills `hitTest` with what is at its point.
LRESULT McmHitTest(HWND calendar, MCHITTESTINFO& hitTest);
/// Sends `MCM_SETFIRSTDAYOFWEEK`: sets the first day of the week (0 Monday); the
/// previous one as McmGetFirstDayOfWeek gives it.
LRESULT McmSetFirstDayOfWeek(HWND calendar, int32_t day);
/// Sends `MCM_GETFIRSTDAYOFWEEK`: the first day of the week (0 Monday) in the low
/// word, non-zero in the high word when it differs from the locale's.
LRESULT McmGetFirstDayOfWeek(HWND calendar);
/// Sends `MCM_GETRANGE`: stores the least and greatest allowed dates in `range`;
/// GDTR_ bits for those that are set.
LRESULT McmGetRange(HWND calendar, SYSTEMTIME* range);
/// Sends `MCM_SETRANGE`: sets the least and greatest allowed dates from `range`
/// (GDTR_ bits in `which`); non-zero on success.
LRESULT McmSetRange(HWND calendar, uint32_t which, SYSTEMTIME* range);
/// Sends `MCM_GETMONTHDELTA`: how many months the arrows scroll.
LRESULT McmGetMonthDelta(HWND calendar);
/// Sends `MCM_SETMONTHDELTA`: sets how many months the arrows scroll; the previous value.
LRESULT McmSetMonthDelta(HWND calendar, int32_t delta);
/// Sends `MCM_GETMAXTODAYWIDTH`: the width in pixels of the "today" text.
LRESULT McmGetMaxTodayWidth(HWND calendar);
/// Sends CCM_SETUNICODEFORMAT: wide-character notifications when `format` is
/// non-zero; the previous format.
LRESULT MonthCalCcmSetUnicodeFormat(HWND calendar, int32_t format);
/// Sends CCM_GETUNICODEFORMAT: non-zero when the calendar sends wide-character
/// notifications.
LRESULT MonthCalCcmGetUnicodeFormat(HWND calendar);

/// @}
}  // namespace tabard
