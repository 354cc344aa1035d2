// The Main page: larger name fields, the measured clock on a 5-second timer.
#include "win32/MainPage_win32.h"

#include "cpu/FrequencyMeasure.h"
#include "cpu/FrequencyResult.h"
#include "cpu/FrequencyWorker.h"
#include "cpu/MeasuringSettings.h"
#include "cpu/ProcessorRecord.h"
#include "database/DescribeProcessor.h"
#include "resource.h"
#include "win32/DialogControls_win32.h"
#include "win32/PageProtocol_win32.h"

namespace {

constexpr UINT_PTR kFrequencyTimer = 1;
constexpr UINT kFrequencyPeriodMs = 5000;

class TimeStampClock : public FrequencyClock {
public:
    uint64_t ReadTimeStamp() override { return __builtin_ia32_rdtsc(); }
    void SleepMilliseconds(uint32_t milliseconds) override { Sleep(milliseconds); }
};

// A discarded pass (a counter that jumped) does not count: the worker measures again.
DWORD WINAPI MeasureFrequency(LPVOID) {
    TimeStampClock clock;
    while (MeasureFrequencyPass(clock, measuringSeconds) == 0 || ContinueFrequencyWorker()) {
    }
    return 0;
}

void ShowFrequencyText(HWND page) {
    char text[kFrequencyTextSize];
    ReadFrequencyText(text, sizeof text);
    SetDlgItemTextA(page, IDC_MAIN_FREQ, text);
}

INT_PTR OnInitDialog(HWND page) {
    // The font is kept for the whole run.
    static constexpr int kNameFields[] = {IDC_MAIN_PROCESSOR, IDC_MAIN_FREQ, IDC_MAIN_CODE_NAME};
    SetNameFont(page, kNameFields, 3);

    if (HasTimeStampCounter(processorRecord.featuresEdx)) {
        PublishCalculating();
        ShowFrequencyText(page);
        SetTimer(page, kFrequencyTimer, kFrequencyPeriodMs, nullptr);
        StartFrequencyWorker();
    } else {
        measuredMhz = 0;
        EnableWindow(GetDlgItem(page, IDC_MAIN_FREQ), FALSE);
    }
    describeState.showingDetected = 1;
    DialogControls controls(page);
    DescribeProcessor(controls);
    return TRUE;
}

INT_PTR OnTimer(HWND page, UINT_PTR timer) {
    if (timer != kFrequencyTimer) return FALSE;
    ShowFrequencyText(page);
    return TRUE;
}

}  // namespace

void StartFrequencyWorker() {
    if (!ClaimFrequencyWorker(processorRecord.featuresEdx)) return;
    DWORD threadId;   // Windows 95 fails CreateThread without a place for the id
    HANDLE thread = CreateThread(nullptr, 0, MeasureFrequency, nullptr, 0, &threadId);
    if (thread == nullptr) {
        ReleaseFrequencyWorker();
        return;
    }
    CloseHandle(thread);
}

INT_PTR CALLBACK MainPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_TIMER:      return OnTimer(page, wp);
    case WM_NOTIFY:     return AnswerSheetNotification(page, reinterpret_cast<const NMHDR*>(lp));
    }
    return FALSE;
}
