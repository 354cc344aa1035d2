// The version record and the system metrics from the platform.
#include <windows.h>

#include "system/WindowsVersion.h"

namespace {

class PlatformMetrics : public SystemMetrics {
public:
    int32_t Metric(int32_t index) override { return GetSystemMetrics(index); }
};

}  // namespace

static_assert(sizeof(OSVERSIONINFOEXA) == 156 && sizeof(OSVERSIONINFOA) == 148, "the record sizes");

// The extended record first (156 bytes); Windows 95 and NT 4.0 before SP6 refuse it and fill
// the basic one (148 bytes). Both refused leave the record zero: "Unknown OS".
void DetectWindowsVersion() {
    OSVERSIONINFOEXA record = {};
    record.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    const bool extended = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record)) != FALSE;
    if (!extended) {
        record.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record));
    }
    WindowsVersionInfo info = {};
    info.majorVersion = record.dwMajorVersion;
    info.minorVersion = record.dwMinorVersion;
    info.buildNumber = record.dwBuildNumber;
    info.platformId = record.dwPlatformId;
    // The platform's text need not end within its 128 bytes.
    for (size_t i = 0; i + 1 < sizeof info.csdVersion && record.szCSDVersion[i] != '\0'; ++i)
        info.csdVersion[i] = record.szCSDVersion[i];
    info.suiteMask = record.wSuiteMask;
    info.productType = record.wProductType;
    PlatformMetrics metrics;
    IdentifyWindows(info, extended, metrics);
}
