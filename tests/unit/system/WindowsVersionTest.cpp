// Windows version detection: every release row, the edition words, the service-pack and marker
// rules, and which metrics are asked.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "system/WindowsVersion.h"

namespace {

class FakeMetrics : public SystemMetrics {
public:
    int32_t Metric(int32_t index) override {
        asked.push_back(index);
        return index == 86 ? tabletPc : index == 87 ? mediaCenter : 0;
    }
    int32_t tabletPc = 0, mediaCenter = 0;
    std::vector<int32_t> asked;
};

struct Case {
    uint32_t platform, major, minor;
    const char* servicePack;
    uint8_t productType;
    uint16_t suite;
    bool extended;
    int32_t tabletPc, mediaCenter;
    const char* description;
    uint32_t row;
};

// clang-format off
const Case kCases[] = {
    // NT line: release, edition (extended record only), service pack
    {2, 5, 0, "",               1, 0,     true,  0, 0, "Windows 2000 Professional", 16},
    {2, 5, 1, "Service Pack 2", 1, 0x200, true,  0, 0, "Windows XP Home Edition, Service Pack 2", 18},
    {2, 5, 1, "",               1, 0,     true,  1, 1, "Windows XP Tablet PC Edition Professional", 21},
    {2, 5, 1, "",               1, 0,     true,  0, 1, "Windows XP Media Center Edition Professional", 20},
    {2, 5, 2, "",               3, 0,     true,  0, 0, "Windows Server 2003 family Server", 22},
    {2, 5, 2, "",               2, 0,     true,  0, 0, "Windows Server 2003 family Server", 22},   // a domain controller
    {2, 5, 3, "Service Pack 1", 1, 0,     true,  0, 0, "Unknown Window 2000 Professional, Service Pack 1", 0},
    {2, 6, 7, "",               1, 0,     true,  0, 0, "Windows Longhorn Professional", 24},
    {2, 4, 0, "Service Pack 6", 1, 0,     true,  0, 0, "Windows NT 4.0 Workstation 4.0, Service Pack 6", 13},
    {2, 4, 0, "Service Pack 5", 1, 0,     false, 0, 0, "Windows NT 4.0, Service Pack 5", 13},      // basic record: no edition
    {2, 3, 1, "",               0, 0,     true,  0, 0, "Windows NT 3.1", 8},                       // product type 0: no word
    {2, 3, 50, "",              0, 0,     false, 0, 0, "Windows NT 3.5", 9},
    {2, 3, 51, "",              0, 0,     false, 0, 0, "Windows NT 3.51", 10},
    {2, 7, 0, "",               3, 0,     true,  0, 0, "Unknown NT OS Server", 0},
    // Windows 95 line: release, then the marker's second character
    {1, 4, 0, "",               0, 0,     false, 0, 0, "Windows 95", 11},
    {1, 4, 0, " C ",            0, 0,     false, 0, 0, "Windows 95 OSR2", 12},
    {1, 4, 10, " A ",           0, 0,     true,  0, 0, "Windows 98 SE", 15},
    {1, 4, 10, "",              0, 0,     true,  0, 0, "Windows 98", 14},
    {1, 4, 90, " A ",           0, 0,     true,  0, 0, "Windows Me SE", 15},
    {1, 4, 90, " B ",           0, 0,     true,  0, 0, "Windows Me B ", 17},                       // appended as given
    {1, 4, 3, "",               0, 0,     false, 0, 0, "Unknown 9x OS", 0},
    {1, 5, 0, " C",             0, 0,     false, 0, 0, "Unknown 9x OS OSR2", 12},
    // anything else, and both records refused (all zero)
    {0, 0, 0, "",               0, 0,     false, 0, 0, "Unknown OS", 0},
    {3, 5, 1, "Service Pack 3", 1, 0,     true,  0, 0, "Unknown OS", 0},
};
// clang-format on

}  // namespace

TEST(WindowsVersionTest, EveryRowAndRule) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.description);
        WindowsVersionInfo info = {};
        info.platformId = c.platform;
        info.majorVersion = c.major;
        info.minorVersion = c.minor;
        std::strcpy(info.csdVersion, c.servicePack);
        info.productType = c.productType;
        info.suiteMask = c.suite;
        FakeMetrics metrics;
        metrics.tabletPc = c.tabletPc;
        metrics.mediaCenter = c.mediaCenter;
        osIdentity = {};
        IdentifyWindows(info, c.extended, metrics);
        EXPECT_STREQ(osIdentity.description, c.description);
        EXPECT_EQ(osIdentity.releaseIndex, c.row);
        // The metrics are asked only for XP, Tablet PC first, Media Center only without it.
        const bool xp = c.platform == 2 && c.major == 5 && c.minor == 1;
        const std::vector<int32_t> asked = !xp ? std::vector<int32_t>{} : c.tabletPc ? std::vector<int32_t>{86}
                                                                                    : std::vector<int32_t>{86, 87};
        EXPECT_EQ(metrics.asked, asked);
    }
}

// Release name, edition and a full 127-character service pack fit the 256-byte description.
TEST(WindowsVersionTest, LongestTextFits) {
    WindowsVersionInfo info = {};
    info.platformId = 2;
    info.majorVersion = 5;
    info.minorVersion = 1;
    info.productType = 1;
    std::memset(info.csdVersion, 'x', sizeof info.csdVersion);   // not even terminated
    FakeMetrics metrics;
    metrics.mediaCenter = 1;
    IdentifyWindows(info, true, metrics);
    EXPECT_EQ(std::strlen(osIdentity.description), 31u + 1 + 12 + 2 + 127);
}
