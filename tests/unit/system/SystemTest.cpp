// Windows version detection, the system page's texts and settings, and the OS page.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "cache/CacheTest.h"
#include "cpu/MeasuringSettings.h"
#include "FakePageControls.h"
#include "resource.h"
#include "system/MachineSummary.h"
#include "system/OsPage.h"
#include "system/ReleaseCommentary.h"
#include "system/ReleaseTable.h"
#include "system/SystemPage.h"
#include "system/WindowsVersion.h"

namespace {

struct FakeMetrics : SystemMetrics {
    FakeMetrics(int32_t tablet, int32_t media) : tabletPc(tablet), mediaCenter(media) {}
    int32_t Metric(int32_t index) override {
        asked.push_back(index);
        return index == 86 ? tabletPc : index == 87 ? mediaCenter : 0;
    }
    int32_t tabletPc, mediaCenter;
    std::vector<int32_t> asked;
};

// info: major, minor, build, platform (1 the 95 line, 2 NT), service pack, suite, product type
struct Case { WindowsVersionInfo info; bool extended; int32_t tabletPc, mediaCenter; const char* description; uint32_t row; };

// clang-format off
const Case kCases[] = {
    // NT line: release, edition (extended record only), service pack
    {{5, 0, 0, 2, "",               0,     1}, true,  0, 0, "Windows 2000 Professional", 16},
    {{5, 1, 0, 2, "Service Pack 2", 0x200, 1}, true,  0, 0, "Windows XP Home Edition, Service Pack 2", 18},
    {{5, 1, 0, 2, "",               0,     1}, true,  1, 1, "Windows XP Tablet PC Edition Professional", 21},
    {{5, 1, 0, 2, "",               0,     1}, true,  0, 1, "Windows XP Media Center Edition Professional", 20},
    {{5, 2, 0, 2, "",               0,     2}, true,  0, 0, "Windows Server 2003 family Server", 22},   // a domain controller
    {{5, 3, 0, 2, "Service Pack 1", 0,     1}, true,  0, 0, "Unknown Window 2000 Professional, Service Pack 1", 0},
    {{6, 7, 0, 2, "",               0,     1}, true,  0, 0, "Windows Longhorn Professional", 24},
    {{4, 0, 0, 2, "Service Pack 6", 0,     1}, true,  0, 0, "Windows NT 4.0 Workstation 4.0, Service Pack 6", 13},
    {{4, 0, 0, 2, "Service Pack 5", 0,     1}, false, 0, 0, "Windows NT 4.0, Service Pack 5", 13},   // basic record: no edition
    {{3, 1, 0, 2, "",               0,     0}, true,  0, 0, "Windows NT 3.1", 8},                    // product type 0: no word
    {{3, 50, 0, 2, "",              0,     0}, false, 0, 0, "Windows NT 3.5", 9},
    {{3, 51, 0, 2, "",              0,     0}, false, 0, 0, "Windows NT 3.51", 10},
    {{7, 0, 0, 2, "",               0,     3}, true,  0, 0, "Unknown NT OS Server", 0},
    // Windows 95 line: release, then the marker's second character
    {{4, 0, 0, 1, "",               0,     0}, false, 0, 0, "Windows 95", 11},
    {{4, 0, 0, 1, " C ",            0,     0}, false, 0, 0, "Windows 95 OSR2", 12},
    {{4, 10, 0, 1, " A ",           0,     0}, true,  0, 0, "Windows 98 SE", 15},
    {{4, 10, 0, 1, "",              0,     0}, true,  0, 0, "Windows 98", 14},
    {{4, 90, 0, 1, " B ",           0,     0}, true,  0, 0, "Windows Me B ", 17},                    // appended as given
    {{4, 3, 0, 1, "",               0,     0}, false, 0, 0, "Unknown 9x OS", 0},
    {{5, 0, 0, 1, " C",             0,     0}, false, 0, 0, "Unknown 9x OS OSR2", 12},
    {{0, 0, 0, 0, "",               0,     0}, false, 0, 0, "Unknown OS", 0},                       // both records refused
    {{5, 1, 0, 3, "Service Pack 3", 0,     1}, true,  0, 0, "Unknown OS", 0},                       // another platform
};
// clang-format on

}  // namespace

TEST(WindowsVersionTest, EveryRowAndRule) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.description);
        FakeMetrics metrics(c.tabletPc, c.mediaCenter);
        osIdentity = {};
        IdentifyWindows(c.info, c.extended, metrics);
        EXPECT_STREQ(osIdentity.description, c.description);
        EXPECT_EQ(osIdentity.releaseIndex, c.row);
        // The metrics are asked only for XP, Tablet PC first, Media Center only without it.
        const bool xp = c.info.platformId == 2 && c.info.majorVersion == 5 && c.info.minorVersion == 1;
        const std::vector<int32_t> asked = !xp ? std::vector<int32_t>{} : c.tabletPc ? std::vector<int32_t>{86}
                                                                                    : std::vector<int32_t>{86, 87};
        EXPECT_EQ(metrics.asked, asked);
    }
}

// Release name, edition and a full 127-character service pack fit the 256-byte description.
TEST(WindowsVersionTest, LongestTextFits) {
    WindowsVersionInfo info = {5, 1, 0, 2, "", 0, 1};
    std::memset(info.csdVersion, 'x', sizeof info.csdVersion);   // not even terminated
    FakeMetrics metrics(0, 1);
    IdentifyWindows(info, true, metrics);
    EXPECT_EQ(std::strlen(osIdentity.description), 31u + 1 + 12 + 2 + 127);
}

// Uptime up to the 32-bit counter's last second, memory from 64-bit counts, a failed address lookup.
TEST(SystemPageTest, UptimeMemoryAndAddressTexts) {
    const struct { uint32_t milliseconds; const char* text; } cases[] = {
        {0, ""}, {999, ""}, {3600000, "1 Hrs"}, {3605000, "1 Hrs, 5 Scs"}, {90061000, "1 Dys, 1 Hrs, 1 Mns, 1 Scs"},
        {86400000, "1 Dys"}, {0xFFFFFFFF, "49 Dys, 17 Hrs, 2 Mns, 47 Scs"},
    };
    FakePageControls page{IDC_SYS_UPTIME, IDC_SYS_WINDOWS_VERSION, IDC_SYS_PHYSICAL_MEMORY, IDC_SYS_VIRTUAL_MEMORY,
                          IDC_SYS_IP_ADDRESS};
    for (const auto& c : cases) {
        ShowUptime(page, c.milliseconds);
        EXPECT_EQ(page[IDC_SYS_UPTIME].text, c.text) << c.milliseconds;
        EXPECT_STREQ(machineSummary.uptimeText, c.text);
    }
    // 64-bit counts: 24 GB of memory, and 2^64 - 1 bytes, whose KB no longer fit 32 bits.
    InitSystemPage(page, {1023, 24ull << 30, 0xFFFFFFFFFFFFFFFFull, 0x40000000000ull});
    EXPECT_EQ(page[IDC_SYS_PHYSICAL_MEMORY].text, "0 KBytes Available / 25165824 KBytes Total");
    EXPECT_EQ(page[IDC_SYS_VIRTUAL_MEMORY].text, "18014398509481983 KBytes Available / 4294967296 KBytes Total");
    EXPECT_STREQ(machineSummary.virtualMemoryText, page[IDC_SYS_VIRTUAL_MEMORY].text.c_str());
    EXPECT_STREQ(cacheTestText, "Test Not Executed");
    std::strcpy(machineSummary.ipAddressText, "");
    ShowIpAddress(page, nullptr);
    EXPECT_EQ(page[IDC_SYS_IP_ADDRESS].text, "Unknown");
    EXPECT_STREQ(machineSummary.ipAddressText, "");   // the report prints an empty address
    ShowIpAddress(page, "192.168.1.20");
    EXPECT_STREQ(machineSummary.ipAddressText, "192.168.1.20");
}

// Leaving the page: the box's seconds (0: not a number) bounded; a worker starts only when switched on.
TEST(SystemPageTest, LeavingAppliesTheMeasuringSettings) {
    const struct { uint32_t before; bool ticked; uint32_t box; uint32_t after, seconds; bool start; } cases[] = {
        {0, true, 10, 1, 10, true},   {1, true, 10, 1, 10, false},   {0, false, 0, 0, 5, false},
        {1, false, 7, 0, 7, false},   {2, true, 4294967295u, 1, 3600, true},   {2, false, 3601, 0, 3600, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        continuousMeasuring = c.before;
        EXPECT_EQ(ApplyMeasuringSettings(c.ticked, c.box), c.start);
        EXPECT_EQ(continuousMeasuring.load(), c.after);
        EXPECT_EQ(measuringSeconds.load(), c.seconds);
    }
}

// Plain numbers up to 24 bits, dotted above them (the Windows 95 line's form).
TEST(ReleaseTableTest, BuildNumbers) {
    const struct { uint32_t build; const char* text; } builds[] = {
        {0, "0"}, {0x00FFFFFF, "16777215"}, {0x01000000, "1.0.0"}, {0x040003B6, "4.0.950"}, {0xFFFFFFFF, "255.255.65535"},
    };
    char text[32];
    for (const auto& b : builds) {
        FormatBuildNumber(b.build, text, sizeof text);
        EXPECT_STREQ(text, b.text);
    }
}

class OsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        // live numbers (major, minor, build, platform, service pack, suite, product type), text, row
        osIdentity = {{5, 1, 2600, 2, "Service Pack 2", 0, 1}, "Windows XP Professional, Service Pack 2", 18};
        InitOsPage(page);
    }
    FakePageControls page{IDC_OS_RELEASE_LIST, IDC_OS_NAME, IDC_OS_CODE_NAME, IDC_OS_FAMILY, IDC_OS_DATE,
                          IDC_OS_MAJOR_VERSION, IDC_OS_MINOR_VERSION, IDC_OS_BUILD, IDC_OS_EXTRA, IDC_OS_COMMENTARY};
    std::string Details() {
        std::string text;
        for (int id : {IDC_OS_NAME, IDC_OS_CODE_NAME, IDC_OS_FAMILY, IDC_OS_DATE, IDC_OS_MAJOR_VERSION,
                       IDC_OS_MINOR_VERSION, IDC_OS_BUILD, IDC_OS_EXTRA})
            text += page[id].text + "|";
        return text;
    }
};

// Every row by position, names without "Windows "; this computer: live texts over its row's others.
TEST_F(OsPageTest, OpensOnThisComputer) {
    const std::vector<std::string>& list = page[IDC_OS_RELEASE_LIST].items;
    EXPECT_EQ(list.size(), kReleaseRowCount);
    EXPECT_EQ(list[15], "98 SE");
    EXPECT_EQ(page.GetSelection(IDC_OS_RELEASE_LIST), 0);
    EXPECT_EQ(Details(), "Windows XP Professional, Service Pack 2|Whistler|WinNT|Oct 2001|5|1|2600|Service Pack 2|");
    EXPECT_EQ(page[IDC_OS_COMMENTARY].text, ReleaseCommentary(18));
}

// A browsed row shows its own values; no selection reads as this computer, here not recognised (row 0).
TEST_F(OsPageTest, BrowsedRowsShowTheirOwnValues) {
    const struct { int position; const char* details; } cases[] = {
        {18, "Windows XP|Whistler|WinNT|Oct 2001|5|1|2600||"},
        {15, "Windows 98 SE|Unknown|Win32|Jun 1999|4|0|4.10.2222||"},
        {25, "Windows Blackcomb|Blackcomb|WinNT|Jun 2008|6|0|0||"},
        {-1, "Windows XP Professional, Service Pack 2|Unknown|Unknown|Nov 1985|5|1|2600|Service Pack 2|"},
    };
    osIdentity.releaseIndex = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        page.SetSelection(IDC_OS_RELEASE_LIST, c.position);
        OsListCommand(page);
        EXPECT_EQ(osPageSelection, static_cast<uint32_t>(c.position > 0 ? c.position : 0));
        EXPECT_EQ(Details(), c.details);
    }
}
