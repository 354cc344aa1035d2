// The system page's texts and the measuring settings it applies when left.
#include <gtest/gtest.h>

#include <cstring>

#include "cache/CacheTest.h"
#include "cpu/MeasuringSettings.h"
#include "FakePageControls.h"
#include "resource.h"
#include "system/MachineSummary.h"
#include "system/SystemPage.h"

TEST(SystemPageTest, UptimeTexts) {
    const struct { uint32_t milliseconds; const char* text; } cases[] = {
        {0, ""}, {999, ""}, {3600000, "1 Hrs"}, {3605000, "1 Hrs, 5 Scs"}, {90061000, "1 Dys, 1 Hrs, 1 Mns, 1 Scs"},
        {86400000, "1 Dys"}, {0xFFFFFFFF, "49 Dys, 17 Hrs, 2 Mns, 47 Scs"},   // the 32-bit counter's last second
    };
    FakePageControls page{IDC_SYS_UPTIME};
    for (const auto& c : cases) {
        ShowUptime(page, c.milliseconds);
        EXPECT_EQ(page[IDC_SYS_UPTIME].text, c.text) << c.milliseconds;
        EXPECT_STREQ(machineSummary.uptimeText, c.text);
    }
}

TEST(SystemPageTest, MemoryAndAddressTexts) {
    FakePageControls page{IDC_SYS_WINDOWS_VERSION, IDC_SYS_PHYSICAL_MEMORY, IDC_SYS_VIRTUAL_MEMORY, IDC_SYS_IP_ADDRESS};
    // 64-bit counts: 24 GB of memory, and 2^64 - 1 bytes, whose KB no longer fit 32 bits.
    InitSystemPage(page, {1023, 24ull << 30, 0xFFFFFFFFFFFFFFFFull, 0x40000000000ull});
    EXPECT_EQ(page[IDC_SYS_PHYSICAL_MEMORY].text, "0 KBytes Available / 25165824 KBytes Total");
    EXPECT_EQ(page[IDC_SYS_VIRTUAL_MEMORY].text, "18014398509481983 KBytes Available / 4294967296 KBytes Total");
    InitSystemPage(page, {2048, 0xFFFFFFFF, 4096, 4096});
    EXPECT_EQ(page[IDC_SYS_PHYSICAL_MEMORY].text, "2 KBytes Available / 4194303 KBytes Total");
    EXPECT_STREQ(machineSummary.virtualMemoryText, "4 KBytes Available / 4 KBytes Total");
    EXPECT_STREQ(cacheTestText, "Test Not Executed");
    std::strcpy(machineSummary.ipAddressText, "");
    ShowIpAddress(page, nullptr);
    EXPECT_EQ(page[IDC_SYS_IP_ADDRESS].text, "Unknown");
    EXPECT_STREQ(machineSummary.ipAddressText, "");   // the report prints an empty address
    ShowIpAddress(page, "192.168.1.20");
    EXPECT_STREQ(machineSummary.ipAddressText, "192.168.1.20");
}

// Leaving the page: the box's seconds (0 for empty or not a number) within the settings file's
// bounds, and a worker started only when measuring becomes continuous.
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
