// Program entry: settings, single-instance guard, the twelve pages, the probes, the sheet.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "cpu/NativeCpuid.h"
#include "probe/ProbeProcessor.h"
#include "resource.h"
#include "settings/Settings.h"
#include "system/WindowsVersion.h"
#include "ui/MessageDialog.h"
#include "win32/CachePage_win32.h"
#include "win32/DatabasePage_win32.h"
#include "win32/DescriptorNoticeDialog_win32.h"
#include "win32/DrivesPage_win32.h"
#include "win32/FlagsPage_win32.h"
#include "win32/MainPage_win32.h"
#include "win32/OsPage_win32.h"
#include "win32/PageProtocol_win32.h"
#include "win32/SystemPage_win32.h"

namespace {

constexpr char kInstanceMutexName[] = "Tivrel.exe";
// The page descriptor ends after the header title fields; the sheet header after the callback.
constexpr UINT kPageDescriptorSize = 48;
constexpr UINT kSheetHeaderSize = 52;

struct PageRow { int templateId; DLGPROC procedure; };
// Sheet order, which is not the order of the template numbers.
// clang-format off
const PageRow kPages[] = {
//   template        dialog procedure
    {IDD_MAIN,       MainPageProc},
    {IDD_FLAGS_A,    FlagsPageProc},
    {IDD_FLAGS_B,    FlagsPageProc},
    {IDD_FLAGS_C,    FlagsPageProc},
    {IDD_FLAGS_D,    FlagsPageProc},
    {IDD_FLAGS_E,    FlagsPageProc},
    {IDD_L1_CACHE,   Level1CachePageProc},
    {IDD_L23_CACHE,  Level23CachePageProc},
    {IDD_DATABASE,   DatabasePageProc},
    {IDD_OS,         OsPageProc},
    {IDD_DRIVES,     DrivesPageProc},
    {IDD_SETTINGS,   SystemPageProc},
};
// clang-format on
constexpr int kPageCount = sizeof kPages / sizeof kPages[0];
static_assert(kPageCount == 12, "the sheet has twelve pages");

PROPSHEETPAGEA pageDescriptors[kPageCount];
HPROPSHEETPAGE pageHandles[kPageCount];
PROPSHEETHEADERA sheetHeader;

void CreatePages() {
    for (int i = 0; i < kPageCount; ++i) {
        PROPSHEETPAGEA& page = pageDescriptors[i];
        page.dwSize = kPageDescriptorSize;
        page.dwFlags = 0;
        page.hInstance = appInstance;
        page.pszTemplate = MAKEINTRESOURCEA(kPages[i].templateId);
        page.pfnDlgProc = kPages[i].procedure;
        page.lParam = 0;
    }
    for (int i = 0; i < kPageCount; ++i) pageHandles[i] = CreatePropertySheetPageA(&pageDescriptors[i]);
}

void FillSheetHeader() {
    sheetHeader.dwSize = kSheetHeaderSize;
    sheetHeader.dwFlags = PSH_NOAPPLYNOW;
    sheetHeader.hwndParent = nullptr;
    sheetHeader.hInstance = appInstance;
    sheetHeader.pszCaption = kProductLine;
    sheetHeader.nPages = kPageCount;
    sheetHeader.nStartPage = 0;
    sheetHeader.phpage = pageHandles;
}

}  // namespace

// The executable's entry point: no C runtime runs before it (see cmake/Win32Targets.cmake).
extern "C" void WINAPI TivrelEntry() {
    LoadSettings();
    appInstance = GetModuleHandleA(nullptr);
    // The handle stays open for the life of the process. A second copy posts itself
    // a quit request that the sheet's modal loop takes as soon as it starts.
    CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) PostQuitMessage(0);

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    CreatePages();
    FillSheetHeader();
    NativeCpuid cpu;
    DescriptorNoticeDialog notice;
    ProbeProcessor(cpu, notice);
    DetectWindowsVersion();
    PropertySheetA(&sheetHeader);
    ExitProcess(0);
}
