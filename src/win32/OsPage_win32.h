// Dialog procedure of the OS page.
#pragma once
#include <windows.h>

INT_PTR CALLBACK OsPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
