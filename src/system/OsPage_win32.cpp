// The OS page: the name in a larger font, the release list.
#include "system/OsPage_win32.h"

#include "app/DialogControls_win32.h"
#include "app/PageProtocol_win32.h"
#include "resource.h"
#include "system/OsPage.h"

namespace {

INT_PTR OnInitDialog(HWND page) {
    // Kept for the whole run, like every font the pages create.
    HFONT nameFont = CreateFontA(20, 0, 0, 0, 50, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");
    SendDlgItemMessageA(page, IDC_OS_NAME, WM_SETFONT, reinterpret_cast<WPARAM>(nameFont), TRUE);
    DialogControls controls(page);
    InitOsPage(controls);
    return TRUE;
}

// Every command of the list, whatever its notification (opening, closing, focus), reads the
// selection again; every command is reported as handled.
INT_PTR OnCommand(HWND page, int id) {
    if (id == IDC_OS_RELEASE_LIST) {
        DialogControls controls(page);
        OsListCommand(controls);
    }
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK OsPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND:    return OnCommand(page, LOWORD(wp));
    case WM_NOTIFY:     return AnswerSheetNotification(page, reinterpret_cast<const NMHDR*>(lp));
    }
    return FALSE;
}
