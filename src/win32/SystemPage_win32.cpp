// The Settings / Help page: machine facts, the measuring settings, the cache test, the report,
// help and About.
#include "win32/SystemPage_win32.h"

#include <shellapi.h>
#include <winsock.h>

#include "cpu/MeasuringSettings.h"
#include "resource.h"
#include "settings/Settings.h"
#include "system/SystemPage.h"
#include "ui/MessageDialog.h"
#include "win32/CacheTest_win32.h"
#include "win32/DialogControls_win32.h"
#include "win32/MainPage_win32.h"
#include "win32/MessageDialog_win32.h"
#include "win32/PageProtocol_win32.h"
#include "win32/Report_win32.h"

namespace {

constexpr UINT_PTR kUptimeTimer = 1;
constexpr UINT kUptimePeriodMs = 1000;
constexpr char kHelpDocument[] = "ReadMe.htm";

// Winsock 1.1: the first address of the computer's own name.
void LookUpIpAddress(PageControls& page) {
    char name[600];
    DWORD size = sizeof name;
    const bool named = GetComputerNameA(name, &size) != FALSE;
    WSADATA sockets;
    WSAStartup(MAKEWORD(1, 1), &sockets);
    const hostent* host = named ? gethostbyname(name) : nullptr;
    const char* address = nullptr;
    if (host != nullptr && host->h_addr_list != nullptr && host->h_addr_list[0] != nullptr)
        address = inet_ntoa(*reinterpret_cast<const in_addr*>(host->h_addr_list[0]));
    ShowIpAddress(page, address);
    WSACleanup();
}

// GlobalMemoryStatus clamps its counts at 2 GB (4 GB for large-address-aware programs); the
// 64-bit form came with Windows 2000, so it is looked up rather than imported, and Windows 95
// still starts the program.
MemoryFigures QueryMemory() {
    typedef BOOL(WINAPI * MemoryStatusEx)(LPMEMORYSTATUSEX);
    const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "GlobalMemoryStatusEx");
    if (found != nullptr) {
        MEMORYSTATUSEX wide = {};
        wide.dwLength = sizeof wide;
        if (reinterpret_cast<MemoryStatusEx>(reinterpret_cast<void*>(found))(&wide))
            return {wide.ullAvailPhys, wide.ullTotalPhys, wide.ullAvailPageFile, wide.ullTotalPageFile};
    }
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return {status.dwAvailPhys, status.dwTotalPhys, status.dwAvailPageFile, status.dwTotalPageFile};
}

INT_PTR OnInitDialog(HWND page) {
    SetTimer(page, kUptimeTimer, kUptimePeriodMs, nullptr);
    DialogControls controls(page);
    InitSystemPage(controls, QueryMemory());
    CheckDlgButton(page, IDC_SYS_CONTINUOUS, continuousMeasuring == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemInt(page, IDC_SYS_MEASURING_TIME, measuringSeconds, FALSE);
    LookUpIpAddress(controls);
    return TRUE;
}

void ShowAbout(HWND page) {
    if (messageDialogOpen) return;
    RequestAboutView();
    OpenMessageDialog(page);
}

// The help document beside the executable, with its default viewer; a missing document or
// viewer reports nothing.
void ShowHelp(HWND page) {
    char path[kAppDirectorySize + sizeof kHelpDocument];
    if (AppDirectoryPath(kHelpDocument, path, sizeof path)) ShellExecuteA(page, nullptr, path, nullptr, nullptr, SW_SHOWNORMAL);
}

INT_PTR OnCommand(HWND page, int id) {
    switch (id) {
    case IDC_SYS_ABOUT:           ShowAbout(page); break;
    case IDC_SYS_CACHE_TEST:      StartCacheTest(page); break;
    case IDC_SYS_GENERATE_REPORT: WriteReport(page); break;
    case IDC_SYS_HELP:            ShowHelp(page); break;
    }
    return TRUE;
}

INT_PTR OnTimer(HWND page, UINT_PTR timer) {
    if (timer == kUptimeTimer) {
        DialogControls controls(page);
        ShowUptime(controls, GetTickCount());
        return TRUE;
    }
    return CacheTestTimer(page, timer) ? TRUE : FALSE;
}

// Leaving the page applies and saves the measuring settings, changed or not; the page may
// always be left.
INT_PTR OnNotify(HWND page, const NMHDR* header) {
    if (header->code == static_cast<UINT>(PSN_KILLACTIVE)) {
        const bool ticked = IsDlgButtonChecked(page, IDC_SYS_CONTINUOUS) == BST_CHECKED;
        BOOL translated = FALSE;
        const UINT seconds = GetDlgItemInt(page, IDC_SYS_MEASURING_TIME, &translated, FALSE);
        if (ApplyMeasuringSettings(ticked, translated ? seconds : 0)) StartFrequencyWorker();
        SaveSettings();
    }
    return AnswerSheetNotification(page, header);
}

}  // namespace

INT_PTR CALLBACK SystemPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND:    return OnCommand(page, LOWORD(wp));
    case WM_TIMER:      return OnTimer(page, wp);
    case WM_NOTIFY:     return OnNotify(page, reinterpret_cast<const NMHDR*>(lp));
    }
    return FALSE;
}
