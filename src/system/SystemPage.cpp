// The system page's texts and the settings it applies.
#include "system/SystemPage.h"

#include "cache/CacheTest.h"
#include "cpu/MeasuringSettings.h"
#include "resource.h"
#include "system/MachineSummary.h"
#include "system/WindowsVersion.h"
#include "text/TextRoutines.h"

void InitSystemPage(PageControls& page, const MemoryFigures& memory) {
    MachineSummary& summary = machineSummary;
    cacheTestRunning = 0;
    CopyText("Test Not Executed", cacheTestText, kCacheTestTextSize);
    page.SetText(IDC_SYS_WINDOWS_VERSION, osIdentity.description);
    FormatMemoryText(memory.availablePhysical, memory.totalPhysical, summary.physicalMemoryText, kSummaryTextSize);
    page.SetText(IDC_SYS_PHYSICAL_MEMORY, summary.physicalMemoryText);
    FormatMemoryText(memory.availablePageFile, memory.totalPageFile, summary.virtualMemoryText, kSummaryTextSize);
    page.SetText(IDC_SYS_VIRTUAL_MEMORY, summary.virtualMemoryText);
}

// A failed lookup leaves the report's text as it was (empty).
void ShowIpAddress(PageControls& page, const char* dottedAddress) {
    if (dottedAddress == nullptr) {
        page.SetText(IDC_SYS_IP_ADDRESS, "Unknown");
        return;
    }
    CopyText(dottedAddress, machineSummary.ipAddressText, kSummaryTextSize);
    page.SetText(IDC_SYS_IP_ADDRESS, machineSummary.ipAddressText);
}

// The counter restarts at 0 after 49 days 17:02:47, and the uptime with it.
void ShowUptime(PageControls& page, uint32_t milliseconds) {
    FormatUptime(milliseconds / 1000, machineSummary.uptimeText, kSummaryTextSize);
    page.SetText(IDC_SYS_UPTIME, machineSummary.uptimeText);
}

// The seconds are stored first, so that a worker started now measures for the new time. A
// worker already running sees the switch at the end of its pass; the worker's claim keeps a
// second one from starting beside it.
bool ApplyMeasuringSettings(bool continuousTicked, uint32_t boxSeconds) {
    measuringSeconds = BoundMeasuringSeconds(boxSeconds == 0 ? kMeasuringSecondsForZero : boxSeconds);
    if (continuousMeasuring != 1 && continuousTicked) {
        continuousMeasuring = 1;
        return true;
    }
    continuousMeasuring = continuousTicked ? 1 : 0;
    return false;
}
