// Which Windows release runs: decided from the version record as the platform reports it.
#include "system/WindowsVersion.h"

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
};

// NT line, decided on the major and minor version in this order; the first that fits wins.
NamedRelease NtRelease(uint32_t major, uint32_t minor, SystemMetrics& metrics) {
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
    if (major == 6) return {"Windows Longhorn", 24};
    if (major == 4 && minor == 0) return {"Windows NT 4.0", 13};
    if (major == 3 && minor == 1) return {"Windows NT 3.1", 8};
    if (major == 3 && minor == 50) return {"Windows NT 3.5", 9};
    if (major == 3 && minor == 51) return {"Windows NT 3.51", 10};
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
const char* EditionWord(const WindowsVersionInfo& info) {
    if (info.productType == kWorkstation) {
        if (info.majorVersion == 4) return "Workstation 4.0";
        return (info.suiteMask & kSuitePersonal) ? "Home Edition" : "Professional";
    }
    if (info.productType == kServer || info.productType == kDomainController) return "Server";
    return nullptr;
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
        const NamedRelease release = NtRelease(info.majorVersion, info.minorVersion, metrics);
        CopyText(release.name, description, kOsDescriptionSize);
        os.releaseIndex = release.releaseIndex;
        const char* edition = extended ? EditionWord(info) : nullptr;
        if (edition != nullptr) {
            AppendText(" ", description, kOsDescriptionSize);
            AppendText(edition, description, kOsDescriptionSize);
        }
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
