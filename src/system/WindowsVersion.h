// Windows version detection: the running release, its edition and service pack, and its row of
// the release table.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kServicePackSize = 128;
constexpr size_t kOsDescriptionSize = 256;

// The fields of the platform's extended version record that detection reads.
struct WindowsVersionInfo {
    uint32_t majorVersion;
    uint32_t minorVersion;
    uint32_t buildNumber;
    uint32_t platformId;
    char csdVersion[kServicePackSize];   // service-pack text
    uint16_t suiteMask;
    uint8_t productType;
};

struct OsIdentity {
    WindowsVersionInfo versionInfo;
    char description[kOsDescriptionSize];   // release name, edition word, service pack
    uint32_t releaseIndex;                  // row of the release table; 0 when not recognised
};

// The two metrics detection asks for (Tablet PC 86, Media Center 87), only for Windows XP.
class SystemMetrics {
public:
    virtual int32_t Metric(int32_t index) = 0;

protected:
    ~SystemMetrics() = default;
};

// Written once at start-up by DetectWindowsVersion; read by the OS and system pages and the report.
extern OsIdentity osIdentity;

// Fills osIdentity from a version record; extended: the extended record was obtained, so the
// product type and suite mask are there.
void IdentifyWindows(const WindowsVersionInfo& info, bool extended, SystemMetrics& metrics);
// Start-up: asks the platform for the version record and identifies the release.
void DetectWindowsVersion();
