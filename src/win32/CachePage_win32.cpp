// The two cache pages: each copies its grid into its cells once, when created.
#include "win32/CachePage_win32.h"

#include "cache/CachePage.h"
#include "win32/DialogControls_win32.h"
#include "win32/PageProtocol_win32.h"

static INT_PTR CachePageProc(HWND page, UINT msg, LPARAM lp, const CacheGrid& grid) {
    switch (msg) {
    case WM_INITDIALOG: {
        DialogControls controls(page);
        ShowCacheGrid(controls, grid);
        return TRUE;
    }
    case WM_NOTIFY: return AnswerSheetNotification(page, reinterpret_cast<const NMHDR*>(lp));
    }
    return FALSE;
}

INT_PTR CALLBACK Level1CachePageProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
    return CachePageProc(page, msg, lp, level1Grid);
}

INT_PTR CALLBACK Level23CachePageProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
    return CachePageProc(page, msg, lp, level23Grid);
}
