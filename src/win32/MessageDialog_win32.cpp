// The message dialog window: top-most, focus to "Continue" shortly after opening.
#include "win32/MessageDialog_win32.h"

#include "resource.h"
#include "ui/MessageDialog.h"
#include "win32/DialogControls_win32.h"
#include "win32/PageProtocol_win32.h"

namespace {

constexpr UINT_PTR kFocusTimer = 3;
constexpr UINT kFocusDelayMs = 100;

INT_PTR OnInitDialog(HWND dialog) {
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    DialogControls controls(dialog);
    InitMessageDialog(controls);
    SetTimer(dialog, kFocusTimer, kFocusDelayMs, nullptr);
    return TRUE;
}

INT_PTR OnTimer(HWND dialog, UINT_PTR timer) {
    if (timer != kFocusTimer) return FALSE;
    SetFocus(GetDlgItem(dialog, IDOK));
    KillTimer(dialog, kFocusTimer);
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, int command) {
    DialogControls controls(dialog);
    if (MessageDialogCommand(controls, command)) {
        CloseMessageDialog();
        EndDialog(dialog, 0);
    }
    return TRUE;
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_TIMER:      return OnTimer(dialog, wp);
    case WM_COMMAND:    return OnCommand(dialog, LOWORD(wp));
    }
    return FALSE;
}

}  // namespace

void OpenMessageDialog(HWND owner) {
    class Window final : public ModalDialog {
    public:
        explicit Window(HWND owner) : owner_(owner) {}
        void RunModal() override { DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_MESSAGE), owner_, MessageDialogProc, 0); }

    private:
        HWND owner_;
    };
    Window window(owner);
    RunMessageDialog(window);
}
