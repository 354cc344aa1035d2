// "Generate Report": the save dialog and the report file.
#pragma once
#include <windows.h>

// Asks for a file, probes and describes the processor afresh, and writes the report.
void WriteReport(HWND owner);
