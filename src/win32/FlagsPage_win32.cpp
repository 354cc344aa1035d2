// Flags A to E: one procedure; each template holds the labels of its words.
#include "win32/FlagsPage_win32.h"

#include "cpu/FeatureFlags.h"
#include "cpu/ProcessorRecord.h"
#include "win32/DialogControls_win32.h"
#include "win32/PageProtocol_win32.h"

static INT_PTR OnInitDialog(HWND page) {
    DialogControls controls(page);
    ShowFeatureFlags(controls, processorRecord);
    return TRUE;
}

INT_PTR CALLBACK FlagsPageProc(HWND page, UINT msg, WPARAM, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_NOTIFY:     return AnswerSheetNotification(page, reinterpret_cast<const NMHDR*>(lp));
    }
    return FALSE;
}
