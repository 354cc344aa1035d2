// Dialog procedure of the Main page and the frequency worker.
#pragma once
#include <windows.h>

INT_PTR CALLBACK MainPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
// Starts MeasureFrequency on a new thread unless one runs or the processor has
// no time-stamp counter.
void StartFrequencyWorker();
