// The cache test on the page: the block, the worker, the half-second timer, the result.
#include "win32/CacheTest_win32.h"

#include "cache/CacheTest.h"
#include "resource.h"
#include "ui/MessageDialog.h"

namespace {

constexpr UINT_PTR kTickTimer = 2;
constexpr UINT kTickPeriodMs = 500;

HGLOBAL block;
HANDLE worker;

DWORD WINAPI CacheTestWorker(LPVOID) {
    RunCacheSweeps(static_cast<uint8_t*>(block) + kCacheTestOffset);
    return 0;
}

// Back to "not running": the button works again, and the block is released once the worker
// has left it (its last sweep of at most 4 MB).
void EndCacheTest(HWND page) {
    KillTimer(page, kTickTimer);
    SetDlgItemTextA(page, IDC_SYS_CACHE_TEST, "Cache Test");
    if (worker != nullptr) {
        WaitForSingleObject(worker, INFINITE);
        CloseHandle(worker);
        worker = nullptr;
    }
    GlobalFree(block);
    block = nullptr;
    cacheTestRunning = 0;
}

}  // namespace

// A failed allocation says so and leaves the button working.
void StartCacheTest(HWND page) {
    if (cacheTestRunning) return;
    cacheTestRunning = 1;
    block = GlobalAlloc(GPTR, kCacheTestAllocation);
    if (block == nullptr) {
        MessageBoxA(nullptr, kProductLine, "Tivrel.exe", MB_OK);
        cacheTestRunning = 0;
        return;
    }
    BeginCacheTest();
    DWORD threadId;   // Windows 95 fails CreateThread without a place for the id
    worker = CreateThread(nullptr, 0, CacheTestWorker, nullptr, 0, &threadId);
    if (worker == nullptr) {
        cacheBlockSize = 0;
        EndCacheTest(page);
        return;
    }
    StartCacheTestText();
    SetTimer(page, kTickTimer, kTickPeriodMs, nullptr);
    SetDlgItemTextA(page, IDC_SYS_CACHE_TEST, "Testing...");
}

bool CacheTestTimer(HWND page, UINT_PTR timer) {
    if (timer != kTickTimer) return false;
    if (CacheTestTick()) {
        SetDlgItemTextA(page, IDC_SYS_CACHE_TEST_RESULT, cacheTestText);
        EndCacheTest(page);
    }
    return true;
}
