// Which Windows release runs: decided from the version record as the platform reports it.
#include "system/WindowsVersion.h"

#include "system/ReleaseTable.h"
#include "text/TextRoutines.h"

OsIdentity osIdentity;

namespace {

constexpr uint32_t kPlatformWindows95 = 1;   // VER_PLATFORM_WIN32_WINDOWS
constexpr uint32_t kPlatformNt = 2;          // VER_PLATFORM_WIN32_NT
constexpr uint8_t kWorkstation = 1;          // VER_NT_WORKSTATION
constexpr uint8_t kDomainController = 2;     // VER_NT_DOMAIN_CONTROLLER
constexpr uint8_t kServer = 3;               // VER_NT_SERVER
constexpr uint16_t kSuitePersonal = 0x200;   // VER_SUITE_PERSONAL: home edition
constexpr int32_t kTabletPcMetric = 86;      // SM_TABLETPC
constexpr int32_t kMediaCenterMetric = 87;   // SM_MEDIACENTER

struct NamedRelease {
    const char* name;
    uint32_t releaseIndex;
    bool namesEdition = false;   // the name says "Server" itself: no edition word after it
    bool showsBuild = false;     // 10.0 names several feature updates: the build tells which
    bool newer = false;          // after every release known: named by its numbers
};

constexpr uint32_t kAnyBuild = 0xFFFFFFFF;

// The releases from Vista on, told apart by version, by workstation or server, and from 10.0
// on by build; the name is the row's. A build between two releases belongs to the earlier one
// (test releases); a range ends at the newest build known to have shipped.
struct LaterRelease {
    uint32_t major, minor;
    bool server;
    uint32_t firstBuild, lastBuild;
    uint32_t releaseIndex;
};
// clang-format off
constexpr LaterRelease kLaterReleases[] = {
//   major minor server  builds              row
    { 6,   0,    false,  0,     kAnyBuild,   26},   // Vista
    { 6,   0,    true,   0,     kAnyBuild,   27},   // Server 2008
    { 6,   1,    false,  0,     kAnyBuild,   28},   // 7
    { 6,   1,    true,   0,     kAnyBuild,   29},   // Server 2008 R2
    { 6,   2,    false,  0,     kAnyBuild,   30},   // 8
    { 6,   2,    true,   0,     kAnyBuild,   31},   // Server 2012
    { 6,   3,    false,  0,     kAnyBuild,   32},   // 8.1
    { 6,   3,    true,   0,     kAnyBuild,   33},   // Server 2012 R2
    {10,   0,    false,  10240, 21999,       34},   // 10, 1507 to 22H2
    {10,   0,    false,  22000, 26200,       38},   // 11, 21H2 to 25H2
    {10,   0,    true,   14393, 17762,       35},   // Server 2016
    {10,   0,    true,   17763, 20347,       36},   // Server 2019
    {10,   0,    true,   20348, 26099,       37},   // Server 2022
    {10,   0,    true,   26100, 26100,       39},   // Server 2025
};
// clang-format on

// Whether the running version comes after the last build of a release.
bool After(const WindowsVersionInfo& info, const LaterRelease& release) {
    if (info.majorVersion != release.major) return info.majorVersion > release.major;
    if (info.minorVersion != release.minor) return info.minorVersion > release.minor;
    return info.buildNumber > release.lastBuild;
}

// Vista and later: the row whose version, kind and builds fit, or nullptr. newer: the version
// comes after every release of its kind, so it is a Windows newer than the table.
const LaterRelease* FindLaterRelease(const WindowsVersionInfo& info, bool server, bool& newer) {
    newer = true;
    for (const LaterRelease& release : kLaterReleases) {
        if (release.server != server) continue;
        if (release.major == info.majorVersion && release.minor == info.minorVersion &&
            info.buildNumber >= release.firstBuild && info.buildNumber <= release.lastBuild)
            return &release;
        if (!After(info, release)) newer = false;
    }
    return nullptr;
}

// NT line, decided on the major and minor version in this order; the first that fits wins.
// Rows 24 and 25 (the announced names of 6.0) are history only: the releases that shipped
// are found by FindLaterRelease.
NamedRelease NtRelease(const WindowsVersionInfo& info, bool server, SystemMetrics& metrics) {
    const uint32_t major = info.majorVersion;
    const uint32_t minor = info.minorVersion;
    if (major == 5) {
        if (minor == 0) return {"Windows 2000", 16};
        if (minor == 1) {
            // The Tablet PC metric is asked first and wins over Media Center.
            if (metrics.Metric(kTabletPcMetric) != 0) return {"Windows XP Tablet PC Edition", 21};
            if (metrics.Metric(kMediaCenterMetric) != 0) return {"Windows XP Media Center Edition", 20};
            return {"Windows XP", 18};
        }
        if (minor == 2) return {"Windows Server 2003 family", 22};
        return {"Unknown Window 2000", 0};
    }
    if (major == 4 && minor == 0) return {"Windows NT 4.0", 13};
    if (major == 3 && minor == 1) return {"Windows NT 3.1", 8};
    if (major == 3 && minor == 50) return {"Windows NT 3.5", 9};
    if (major == 3 && minor == 51) return {"Windows NT 3.51", 10};
    if (major >= 6) {
        bool newer = false;
        const LaterRelease* release = FindLaterRelease(info, server, newer);
        if (release != nullptr)
            return {ReleaseAt(release->releaseIndex).name, release->releaseIndex, server, major >= 10};
        if (newer) return {"Newer Windows", 0, false, false, true};
    }
    return {"Unknown NT OS", 0};
}

NamedRelease Windows95Release(uint32_t major, uint32_t minor) {
    if (major == 4 && minor == 0) return {"Windows 95", 11};
    if (major == 4 && minor == 10) return {"Windows 98", 14};
    if (major == 4 && minor == 90) return {"Windows Me", 17};
    return {"Unknown 9x OS", 0};
}

// A domain controller runs a server edition: it reads as a server. Other product types carry no
// edition word.
bool IsServer(const WindowsVersionInfo& info) {
    return info.productType == kServer || info.productType == kDomainController;
}

const char* EditionWord(const WindowsVersionInfo& info) {
    if (info.productType == kWorkstation) {
        if (info.majorVersion == 4) return "Workstation 4.0";
        return (info.suiteMask & kSuitePersonal) ? "Home Edition" : "Professional";
    }
    if (IsServer(info)) return "Server";
    return nullptr;
}

// ", Build 19045", or for a newer Windows its whole version: ", version 10.0.30000".
void AppendVersionNumbers(const WindowsVersionInfo& info, bool newer, char* description) {
    if (newer) {
        AppendText(", version ", description, kOsDescriptionSize);
        AppendUnsigned(info.majorVersion, description, kOsDescriptionSize);
        AppendText(".", description, kOsDescriptionSize);
        AppendUnsigned(info.minorVersion, description, kOsDescriptionSize);
        AppendText(".", description, kOsDescriptionSize);
    } else {
        AppendText(", Build ", description, kOsDescriptionSize);
    }
    AppendUnsigned(info.buildNumber, description, kOsDescriptionSize);
}

}  // namespace

void IdentifyWindows(const WindowsVersionInfo& info, bool extended, SystemMetrics& metrics) {
    OsIdentity& os = osIdentity;
    os.versionInfo = info;
    os.versionInfo.csdVersion[kServicePackSize - 1] = '\0';
    const char* servicePack = os.versionInfo.csdVersion;
    os.releaseIndex = 0;
    char* description = os.description;

    if (info.platformId == kPlatformNt) {
        // Only the extended record says workstation or server.
        const NamedRelease release = NtRelease(info, extended && IsServer(info), metrics);
        CopyText(release.name, description, kOsDescriptionSize);
        os.releaseIndex = release.releaseIndex;
        const char* edition = extended && !release.namesEdition ? EditionWord(info) : nullptr;
        if (edition != nullptr) {
            AppendText(" ", description, kOsDescriptionSize);
            AppendText(edition, description, kOsDescriptionSize);
        }
        if (release.newer || release.showsBuild) AppendVersionNumbers(info, release.newer, description);
        if (servicePack[0] != '\0') {
            AppendText(", ", description, kOsDescriptionSize);
            AppendText(servicePack, description, kOsDescriptionSize);
        }
    } else if (info.platformId == kPlatformWindows95) {
        const NamedRelease release = Windows95Release(info.majorVersion, info.minorVersion);
        CopyText(release.name, description, kOsDescriptionSize);
        os.releaseIndex = release.releaseIndex;
        // The service-release marker's second character: "A" second edition, "C" OSR2;
        // anything else is shown as the platform gives it.
        if (servicePack[0] != '\0') {
            if (servicePack[1] == 'A') {
                AppendText(" SE", description, kOsDescriptionSize);
                os.releaseIndex = 15;
            } else if (servicePack[1] == 'C') {
                AppendText(" OSR2", description, kOsDescriptionSize);
                os.releaseIndex = 12;
            } else {
                AppendText(servicePack, description, kOsDescriptionSize);
            }
        }
    } else {
        CopyText("Unknown OS", description, kOsDescriptionSize);
    }
}
