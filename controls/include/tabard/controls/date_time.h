#pragma once
/// @file
/// Date-time picker message wrappers, in library order, each named after the
/// message it sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_date_time
/// @{

/// Sends `DTM_GETSYSTEMTIME`: stores the shown date and time in `time`; GDT_VALID, or
/// GDT_NONE when the box is unchecked, GDT_ERROR on failure.
LRESULT DtmGetSystemTime(HWND picker, SYSTEMTIME& time);
/// Sends `DTM_SETSYSTEMTIME`: shows `time` (`flag` GDT_VALID), or unchecks the box
/// (GDT_NONE); non-zero on success.
LRESULT DtmSetSystemTime(HWND picker, uint32_t flag, SYSTEMTIME& time);
/// Sends `DTM_GETRANGE`: stores the least and greatest allowed times in `range[0]`
/// and `range[1]`; GDTR_ bits for those that are set.
LRESULT DtmGetRange(HWND picker, SYSTEMTIME* range);
/// Sends `DTM_SETRANGE`: sets the least and greatest allowed times from `range`
/// (GDTR_ bits in `which`); non-zero on success.
LRESULT DtmSetRange(HWND picker, uint32_t which, SYSTEMTIME* range);
/// Sends `DTM_SETFORMATA`: shows the date and time through the picture `format`
/// (null: the default); non-zero on success.
LRESULT DtmSetFormatA(HWND picker, const char* format);
/// Sends `DTM_SETMCCOLOR`: sets the drop-down calendar's colour of part `colourIndex`
/// (MCSC_); the previous one, -1 on failure.
LRESULT DtmSetMcColor(HWND picker, int32_t colourIndex, COLORREF colour);
/// Sends `DTM_GETMCCOLOR`: the drop-down calendar's colour of part `colourIndex`
/// (MCSC_), -1 on failure.
LRESULT DtmGetMcColor(HWND picker, int32_t colourIndex);
/// Sends `DTM_GETMONTHCAL`: the drop-down calendar's window while it is shown, else null.
LRESULT DtmGetMonthCal(HWND picker);
/// Sends `DTM_SETMCFONT`: gives the drop-down calendar `font`, repainting when
/// `redraw` is non-zero.
void DtmSetMcFont(HWND picker, HFONT font, int32_t redraw);
/// Sends `DTM_GETMCFONT`: the font of the drop-down calendar.
LRESULT DtmGetMcFont(HWND picker);

/// @}
}  // namespace tabard
