// Dialog procedures of the L1 Cache and L2+L3 Cache pages.
#pragma once
#include <windows.h>

INT_PTR CALLBACK Level1CachePageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK Level23CachePageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
