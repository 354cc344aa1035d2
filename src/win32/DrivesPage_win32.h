// Dialog procedure of the Drives page.
#pragma once
#include <windows.h>

INT_PTR CALLBACK DrivesPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
