// Common page protocol: no page refuses to be shown or left.
#include "app/PageProtocol_win32.h"

#include <prsht.h>

HINSTANCE appInstance;

INT_PTR AnswerSheetNotification(HWND page, const NMHDR* header) {
    if (header->code == static_cast<UINT>(PSN_SETACTIVE) || header->code == static_cast<UINT>(PSN_KILLACTIVE))
        SetWindowLongA(page, DWL_MSGRESULT, 0);
    return TRUE;
}
