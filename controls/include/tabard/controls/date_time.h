#pragma once
// Date-time picker message wrappers, in library order, each named after the
// message it sends.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {

LRESULT DtmGetSystemTime(HWND picker, SYSTEMTIME& time);
LRESULT DtmSetSystemTime(HWND picker, uint32_t flag, SYSTEMTIME& time);
LRESULT DtmGetRange(HWND picker, SYSTEMTIME* range);
LRESULT DtmSetRange(HWND picker, uint32_t which, SYSTEMTIME* range);
LRESULT DtmSetFormatA(HWND picker, const char* format);
LRESULT DtmSetMcColor(HWND picker, int32_t colourIndex, COLORREF colour);
LRESULT DtmGetMcColor(HWND picker, int32_t colourIndex);
LRESULT DtmGetMonthCal(HWND picker);
void DtmSetMcFont(HWND picker, HFONT font, int32_t redraw);
LRESULT DtmGetMcFont(HWND picker);

}  // namespace tabard
