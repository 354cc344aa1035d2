// Windows version detection, the system page's texts and settings, and the OS page.
#include <gtest/gtest.h>

#include <string>

#include "cpu/MeasuringSettings.h"
#include "FakePageControls.h"
#include "resource.h"
#include "system/MachineSummary.h"
#include "system/OsPage.h"
#include "system/SystemPage.h"
#include "system/WindowsVersion.h"

// info: major, minor, build, platform (1 the 95 line, 2 NT), service pack, suite, product type.
// The releases os.sh meets under Wine (95, 98 SE, NT 4.0, 2000, XP, 2003, Longhorn, unknown NT) are left to it.
TEST(WindowsVersionTest, EveryRowAndRule) {
    struct FakeMetrics : SystemMetrics {
        FakeMetrics(int32_t tablet, int32_t media) : tabletPc(tablet), mediaCenter(media) {}
        int32_t Metric(int32_t index) override { return index == 86 ? tabletPc : index == 87 ? mediaCenter : 0; }
        int32_t tabletPc, mediaCenter;
    };
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
        {25, 0, 0, "25|Windows Blackcomb|Blackcomb|WinNT|Jun 2008|6|0|0||"},   // the last row
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
