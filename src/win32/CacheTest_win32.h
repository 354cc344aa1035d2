// The cache test's block, worker thread and timer on the Settings / Help page.
#pragma once
#include <windows.h>

// Button 1045: starts a test unless one runs.
void StartCacheTest(HWND page);
// True when timer is the cache test's (2) and was handled.
bool CacheTestTimer(HWND page, UINT_PTR timer);
