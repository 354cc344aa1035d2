// Windows version detection, the system page's texts and settings, and the OS page.
#include <gtest/gtest.h>

#include <string>

#include "cpu/MeasuringSettings.h"
#include "FakePageControls.h"
#include "resource.h"
#include "system/MachineSummary.h"
#include "system/OsPage.h"
#include "system/ReleaseTable.h"
#include "system/SystemPage.h"
#include "system/WindowsVersion.h"

namespace {

struct FakeMetrics : SystemMetrics {
    FakeMetrics(int32_t tablet, int32_t media) : tabletPc(tablet), mediaCenter(media) {}
    int32_t Metric(int32_t index) override { return index == 86 ? tabletPc : index == 87 ? mediaCenter : 0; }
    int32_t tabletPc, mediaCenter;
};

}  // namespace

// info: major, minor, build, platform (1 the 95 line, 2 NT), service pack, suite, product type.
// The releases os.sh meets under Wine (95, 98 SE, NT 4.0, 2000, XP, 2003, Vista to 10) are left to it.
TEST(WindowsVersionTest, EveryRowAndRule) {
    // clang-format off
    const struct { WindowsVersionInfo info; bool extended; int32_t tablet, media; const char* name; uint32_t row; } cases[] = {
        // NT line: release, edition (extended record only), service pack
        {{5, 1, 0, 2, "Service Pack 2", 0x200, 1}, true,  0, 0, "Windows XP Home Edition, Service Pack 2", 18},
        {{5, 1, 0, 2, "",               0,     1}, true,  1, 1, "Windows XP Tablet PC Edition Professional", 21},
        {{5, 1, 0, 2, "",               0,     1}, true,  0, 1, "Windows XP Media Center Edition Professional", 20},
        {{5, 2, 0, 2, "",               0,     2}, true,  0, 0, "Windows Server 2003 family Server", 22},   // a domain controller
        {{5, 3, 0, 2, "Service Pack 1", 0,     1}, true,  0, 0, "Unknown Window 2000 Professional, Service Pack 1", 0},
        {{4, 0, 0, 2, "Service Pack 5", 0,     1}, false, 0, 0, "Windows NT 4.0, Service Pack 5", 13},   // basic record: no word
        {{3, 1, 0, 2, "",               0,     0}, true,  0, 0, "Windows NT 3.1", 8},                    // type 0: no word
        {{3, 50, 0, 2, "",              0,     0}, false, 0, 0, "Windows NT 3.5", 9},
        {{3, 51, 0, 2, "",              0,     0}, false, 0, 0, "Windows NT 3.51", 10},
        // Windows 95 line: release, then the marker's second character ("A" SE, "C" OSR2, else appended as given)
        {{4, 0, 0, 1, " C ",            0,     0}, false, 0, 0, "Windows 95 OSR2", 12},
        {{4, 10, 0, 1, "",              0,     0}, true,  0, 0, "Windows 98", 14},
        {{4, 90, 0, 1, " B ",           0,     0}, true,  0, 0, "Windows Me B ", 17},
        {{5, 0, 0, 1, " B",             0,     0}, false, 0, 0, "Unknown 9x OS B", 0},
        {{0, 0, 0, 0, "",               0,     0}, false, 0, 0, "Unknown OS", 0},                       // both refused
    };
    // clang-format on
    for (const auto& c : cases) {
        FakeMetrics metrics(c.tablet, c.media);
        IdentifyWindows(c.info, c.extended, metrics);
        EXPECT_STREQ(osIdentity.description, c.name);
        EXPECT_EQ(osIdentity.releaseIndex, c.row) << c.name;
    }
}

// Vista on: workstation or server from the extended record (a basic one reads as a workstation), 10.0 by build,
// a server's name without the word "Server" again, and a version after every known build named by its numbers.
TEST(WindowsVersionTest, LaterReleasesByKindAndBuild) {
    // clang-format off
    const struct { WindowsVersionInfo info; bool extended; const char* name; uint32_t row; } cases[] = {
        {{6, 0, 6002, 2, "Service Pack 2", 0,     3}, true,  "Windows Server 2008, Service Pack 2", 27},
        {{6, 1, 7601, 2, "Service Pack 1", 0x200, 1}, true,  "Windows 7 Home Edition, Service Pack 1", 28},
        {{6, 1, 7601, 2, "Service Pack 1", 0,     2}, true,  "Windows Server 2008 R2, Service Pack 1", 29},  // domain controller
        {{6, 2, 9200, 2, "",               0,     3}, false, "Windows 8", 30},                              // basic record
        {{6, 3, 9600, 2, "",               0,     3}, true,  "Windows Server 2012 R2", 33},
        {{6, 4, 9841, 2, "",               0,     1}, true,  "Unknown NT OS Professional", 0},              // test release
        {{7, 0, 0,    2, "",               0,     1}, true,  "Unknown NT OS Professional", 0},
        {{10, 0, 10239, 2, "",             0,     1}, true,  "Unknown NT OS Professional", 0},
        {{10, 0, 10240, 2, "",             0,     1}, true,  "Windows 10 Professional, Build 10240", 34},
        {{10, 0, 21999, 2, "",             0,     1}, true,  "Windows 10 Professional, Build 21999", 34},
        {{10, 0, 22000, 2, "",             0,     1}, true,  "Windows 11 Professional, Build 22000", 38},
        {{10, 0, 22631, 2, "",             0x200, 1}, true,  "Windows 11 Home Edition, Build 22631", 38},
        {{10, 0, 26200, 2, "",             0,     1}, false, "Windows 11, Build 26200", 38},
        {{10, 0, 26201, 2, "",             0,     1}, true,  "Newer Windows Professional, version 10.0.26201", 0},
        {{10, 0, 30000, 2, "",             0,     1}, true,  "Newer Windows Professional, version 10.0.30000", 0},
        {{10, 1, 0,     2, "",             0,     1}, true,  "Newer Windows Professional, version 10.1.0", 0},
        {{11, 0, 26100, 2, "",             0,     3}, true,  "Newer Windows Server, version 11.0.26100", 0},
        {{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 2, "SP", 0, 0}, true,
         "Newer Windows, version 4294967295.4294967295.4294967295, SP", 0},
        {{10, 0, 14392, 2, "",             0,     3}, true,  "Unknown NT OS Server", 0},
        {{10, 0, 17762, 2, "",             0,     3}, true,  "Windows Server 2016, Build 17762", 35},
        {{10, 0, 20348, 2, "",             0,     3}, true,  "Windows Server 2022, Build 20348", 37},
        {{10, 0, 22631, 2, "",             0,     3}, true,  "Windows Server 2022, Build 22631", 37},
        {{10, 0, 26100, 2, "",             0,     2}, true,  "Windows Server 2025, Build 26100", 39},
        {{10, 0, 26200, 2, "",             0,     3}, true,  "Newer Windows Server, version 10.0.26200", 0},
    };
    // clang-format on
    FakeMetrics metrics(1, 1);   // asked for XP only
    for (const auto& c : cases) {
        IdentifyWindows(c.info, c.extended, metrics);
        EXPECT_STREQ(osIdentity.description, c.name);
        EXPECT_EQ(osIdentity.releaseIndex, c.row) << c.name;
    }
}

// Each release from Vista on is detected from its own row's version and build, on a workstation or, when its
// name says so, a server; the announced names of 6.0 (rows 24 and 25) never are.
TEST(WindowsVersionTest, EveryLaterRowFromItsOwnNumbers) {
    FakeMetrics metrics(0, 0);
    for (uint32_t row = 26; row < kReleaseRowCount; ++row) {
        const OsRelease& release = ReleaseAt(row);
        SCOPED_TRACE(release.name);
        const bool server = std::string(release.name).find("Server") != std::string::npos;
        const WindowsVersionInfo info = {release.version >> 24, (release.version >> 16) & 0xFF, release.build, 2, "",
                                         0, static_cast<uint8_t>(server ? 3 : 1)};
        IdentifyWindows(info, true, metrics);
        EXPECT_EQ(osIdentity.releaseIndex, row);
        EXPECT_EQ(std::string(osIdentity.description).rfind(release.name, 0), 0u) << osIdentity.description;
    }
}

// Uptime up to the 32-bit counter's last second, memory from 64-bit counts, a failed address lookup.
TEST(SystemPageTest, UptimeMemoryAndAddressTexts) {
    const struct { uint32_t milliseconds; const char* text; } cases[] = {
        {0, ""}, {999, ""}, {3600000, "1 Hrs"}, {3605000, "1 Hrs, 5 Scs"}, {90061000, "1 Dys, 1 Hrs, 1 Mns, 1 Scs"},
        {86400000, "1 Dys"}, {0xFFFFFFFF, "49 Dys, 17 Hrs, 2 Mns, 47 Scs"},
    };
    FakePageControls page{IDC_SYS_UPTIME, IDC_SYS_PHYSICAL_MEMORY, IDC_SYS_VIRTUAL_MEMORY, IDC_SYS_IP_ADDRESS};
    for (const auto& c : cases) {
        ShowUptime(page, c.milliseconds);
        EXPECT_EQ(page[IDC_SYS_UPTIME].text, c.text) << c.milliseconds;   // the report's copy: report.sh
    }
    // 24 GB of memory, and 2^64 - 1 bytes, whose KB no longer fit 32 bits.
    InitSystemPage(page, {1023, 24ull << 30, 0xFFFFFFFFFFFFFFFFull, 0x40000000000ull});
    EXPECT_EQ(page[IDC_SYS_PHYSICAL_MEMORY].text, "0 KBytes Available / 25165824 KBytes Total");
    EXPECT_EQ(page[IDC_SYS_VIRTUAL_MEMORY].text, "18014398509481983 KBytes Available / 4294967296 KBytes Total");
    ShowIpAddress(page, nullptr);
    EXPECT_EQ(page[IDC_SYS_IP_ADDRESS].text, "Unknown");
    EXPECT_STREQ(machineSummary.ipAddressText, "");   // the report prints an empty address
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

// Position 0 is this computer: its row's texts under the detected name and the live numbers, the build plain up to
// 24 bits and dotted above (the 95 line's form); no selection reads as position 0. A browsed row shows its own values.
// Shown: the selection, then the details. The list texts, row 18 browsed and the commentary: os.sh.
TEST(OsPageTest, ThisComputerAndBrowsedRows) {
    const struct { int position; uint32_t detectedRow, liveBuild; const char* details; } cases[] = {
        {0, 18, 0x00FFFFFF, "0|Windows XP Professional, SP2|Whistler|WinNT|Oct 2001|5|1|16777215|SP2|"},
        {-1, 0, 0x01000000, "0|Windows XP Professional, SP2|Unknown|Unknown|Nov 1985|5|1|1.0.0|SP2|"},
        {0, 0, 0xFFFFFFFF, "0|Windows XP Professional, SP2|Unknown|Unknown|Nov 1985|5|1|255.255.65535|SP2|"},
        {25, 0, 0, "25|Windows Blackcomb|Blackcomb|WinNT|Jun 2008|6|0|0||"},
        {39, 0, 0, "39|Windows Server 2025|Unknown|WinNT|Nov 2024|10|0|26100||"},   // the last row
        {40, 0, 0, "0|Windows XP Professional, SP2|Unknown|Unknown|Nov 1985|5|1|0|SP2|"},   // past the list
    };
    for (const auto& c : cases) {
        FakePageControls page{IDC_OS_RELEASE_LIST, IDC_OS_NAME, IDC_OS_CODE_NAME, IDC_OS_FAMILY, IDC_OS_DATE,
                              IDC_OS_MAJOR_VERSION, IDC_OS_MINOR_VERSION, IDC_OS_BUILD, IDC_OS_EXTRA};
        // live numbers (major, minor, build, platform, service pack, suite, product type), text, row
        osIdentity = {{5, 1, c.liveBuild, 2, "SP2", 0, 1}, "Windows XP Professional, SP2", c.detectedRow};
        InitOsPage(page);
        page.SetSelection(IDC_OS_RELEASE_LIST, c.position);
        OsListCommand(page);
        std::string details = std::to_string(osPageSelection) + "|";
        for (int id : {IDC_OS_NAME, IDC_OS_CODE_NAME, IDC_OS_FAMILY, IDC_OS_DATE, IDC_OS_MAJOR_VERSION,
                       IDC_OS_MINOR_VERSION, IDC_OS_BUILD, IDC_OS_EXTRA})
            details += page[id].text + "|";
        EXPECT_EQ(details, c.details);
    }
}
