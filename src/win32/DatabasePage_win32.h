// Dialog procedure of the Database page.
#pragma once
#include <windows.h>

INT_PTR CALLBACK DatabasePageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
