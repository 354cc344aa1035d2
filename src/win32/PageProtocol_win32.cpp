// Common page protocol: no page refuses to be shown or left.
#include "win32/PageProtocol_win32.h"

#include <prsht.h>

HINSTANCE appInstance;

HFONT SetNameFont(HWND page, const int* ids, int count) {
    HFONT font = CreateFontA(20, 0, 0, 0, 50, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");
    for (int i = 0; i < count; ++i) SendDlgItemMessageA(page, ids[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return font;
}

INT_PTR AnswerSheetNotification(HWND page, const NMHDR* header) {
    if (header->code == static_cast<UINT>(PSN_SETACTIVE) || header->code == static_cast<UINT>(PSN_KILLACTIVE))
        SetWindowLongA(page, DWL_MSGRESULT, 0);
    return TRUE;
}
