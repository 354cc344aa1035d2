// Dialog procedure of the Settings / Help page.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SystemPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
