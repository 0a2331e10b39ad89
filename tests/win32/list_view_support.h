#pragma once
// A report-style list view of this process, made directly with the system's calls,
// for tests of the code that fills one.
#include <string>

#include "platform/win32_api.h"

HWND CreateReportList(int columns);
std::string CellText(HWND list, int row, int column);
