// Dialog procedure of the feature-flag pages.
#pragma once
#include <windows.h>

INT_PTR CALLBACK FlagsPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
