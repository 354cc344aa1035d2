// PageControls on a real dialog: each call is one dialog-item call.
#include "win32/DialogControls_win32.h"

bool DialogControls::HasControl(int id) const {
    return GetDlgItem(dialog_, id) != nullptr;
}

void DialogControls::SetText(int id, const char* text) {
    if (HasControl(id)) SetDlgItemTextA(dialog_, id, text);
}

void DialogControls::SetEnabled(int id, bool enabled) {
    if (HWND control = GetDlgItem(dialog_, id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void DialogControls::SetVisible(int id, bool visible) {
    if (HWND control = GetDlgItem(dialog_, id)) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void DialogControls::SetSelection(int id, int position) {
    if (HasControl(id)) SendDlgItemMessageA(dialog_, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

void DialogControls::InsertItem(int id, int position, const char* text) {
    if (HasControl(id))
        SendDlgItemMessageA(dialog_, id, CB_INSERTSTRING, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text));
}

void DialogControls::ClearItems(int id) {
    if (HasControl(id)) SendDlgItemMessageA(dialog_, id, CB_RESETCONTENT, 0, 0);
}

void DialogControls::GetText(int id, char* output, size_t capacity) const {
    if (capacity == 0) return;
    output[0] = '\0';
    if (HasControl(id)) GetDlgItemTextA(dialog_, id, output, static_cast<int>(capacity));
}

int DialogControls::GetSelection(int id) const {
    if (!HasControl(id)) return -1;
    return static_cast<int>(SendDlgItemMessageA(dialog_, id, CB_GETCURSEL, 0, 0));
}
