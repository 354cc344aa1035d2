// A two-page property sheet doing nothing else: the floor for Tivrel.exe's start-up time.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "MinimalSheet.h"

static INT_PTR CALLBACK PageProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);

    HPROPSHEETPAGE pages[2] = {};
    const int templates[2] = {IDD_MINIMAL_ONE, IDD_MINIMAL_TWO};
    for (int i = 0; i < 2; ++i) {
        PROPSHEETPAGEA page{};
        page.dwSize = sizeof page;
        page.hInstance = instance;
        page.pszTemplate = MAKEINTRESOURCEA(templates[i]);
        page.pfnDlgProc = PageProc;
        pages[i] = CreatePropertySheetPageA(&page);
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_NOAPPLYNOW;
    header.hInstance = instance;
    header.pszCaption = "Minimal Sheet";
    header.nPages = 2;
    header.phpage = pages;
    PropertySheetA(&header);
    ExitProcess(0);
}
