// The Database page: browse, search and reset; the commentary opens in the text view.
#include "win32/DatabasePage_win32.h"

#include <commctrl.h>

#include "cpu/NativeCpuid.h"
#include "database/DatabasePage.h"
#include "probe/ProbeProcessor.h"
#include "resource.h"
#include "ui/MessageDialog.h"
#include "win32/DescriptorNoticeDialog_win32.h"
#include "win32/DialogControls_win32.h"
#include "win32/MessageDialog_win32.h"
#include "win32/PageProtocol_win32.h"

namespace {

HFONT nameFont;
// What the text view shows: the commentary, at most 999 characters.
char commentaryView[1000];

INT_PTR OnInitDialog(HWND page) {
    static constexpr int kNameFields[] = {IDC_DB_PROCESSOR, IDC_DB_CODE_NAME};
    nameFont = SetNameFont(page, kNameFields, 2);
    DialogControls controls(page);
    FillDatabaseLists(controls);
    SendDlgItemMessageA(page, IDC_DB_MODEL_SPIN, UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(kHighestModel), 0));
    DescribeDatabaseEntry(controls);
    return TRUE;
}

// The focus moves to the model field first, so that closing the view does not give it back
// to the commentary and open the view again.
void ShowCommentary(HWND page, int notification) {
    if (messageDialogOpen) return;
    SetFocus(GetDlgItem(page, IDC_DB_MODEL));
    if (notification != EN_SETFOCUS) return;
    GetDlgItemTextA(page, IDC_DB_COMMENTARY, commentaryView, sizeof commentaryView);
    messageMode = kMessageTextView;
    messageLines[0] = commentaryView;
    OpenMessageDialog(page);
}

// The control alone selects the action: every notification of the family and vendor lists
// (selection, opening, focus) runs it.
INT_PTR OnCommand(HWND page, int id, int notification) {
    DialogControls controls(page);
    switch (id) {
    case IDC_DB_FIND:
    case IDC_DB_FAMILY_LIST: SearchDatabase(controls); break;
    case IDC_DB_VENDOR_LIST: ChooseVendor(controls); break;
    case IDC_DB_PREV:        BrowseDatabase(controls, -1); break;
    case IDC_DB_NEXT:        BrowseDatabase(controls, +1); break;
    case IDC_DB_RESET: {
        NativeCpuid cpu;
        DescriptorNoticeDialog notice;
        ProbeProcessor(cpu, notice);
        ShowDetectedProcessor(controls);
        break;
    }
    case IDC_DB_COMMENTARY:  ShowCommentary(page, notification); break;
    }
    return TRUE;
}

// The font lives as long as the page that shows it.
INT_PTR OnDestroy() {
    DeleteObject(nameFont);
    nameFont = nullptr;
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK DatabasePageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND:    return OnCommand(page, LOWORD(wp), HIWORD(wp));
    case WM_NOTIFY:     return AnswerSheetNotification(page, reinterpret_cast<const NMHDR*>(lp));
    case WM_DESTROY:    return OnDestroy();
    }
    return FALSE;
}
