// The OS page: the name in a larger font, the release list.
#include "win32/OsPage_win32.h"

#include "resource.h"
#include "system/OsPage.h"
#include "win32/DialogControls_win32.h"
#include "win32/PageProtocol_win32.h"

namespace {

INT_PTR OnInitDialog(HWND page) {
    // The font is kept for the whole run.
    static constexpr int kNameField[] = {IDC_OS_NAME};
    SetNameFont(page, kNameField, 1);
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
