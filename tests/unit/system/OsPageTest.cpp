// The release table walked for its invariants, the build numbers, and the OS page's details.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FakePageControls.h"
#include "resource.h"
#include "system/OsPage.h"
#include "system/ReleaseCommentary.h"
#include "system/ReleaseTable.h"
#include "system/WindowsVersion.h"

TEST(ReleaseTableTest, RowsNamesDatesAndCommentary) {
    uint32_t rows = 0;
    uint32_t previousDate = 0;
    for (; ReleaseAt(rows).name != nullptr; ++rows) {
        const OsRelease& release = ReleaseAt(rows);
        SCOPED_TRACE(release.name);
        EXPECT_EQ(rows == 0, std::strncmp(release.name, "Windows ", 8) != 0);
        EXPECT_NE(release.releaseDate >> 28, 0u);
        // In order of release, but for the 64-bit XP edition, listed with XP.
        const uint32_t yearAndMonth = ((release.releaseDate >> 20) & 0xFF) * 16 + (release.releaseDate >> 28);
        if (rows != 19) {
            EXPECT_GE(yearAndMonth, previousDate);
            previousDate = yearAndMonth;
        }
        const std::string commentary = ReleaseCommentary(rows);
        EXPECT_GE(commentary.size(), 20u);
        EXPECT_LE(commentary.size(), 845u);
        EXPECT_EQ(commentary.find('\n'), std::string::npos);
    }
    EXPECT_EQ(rows, kReleaseRowCount);
    EXPECT_NE(std::string(ReleaseCommentary(0)).find("Brenfold"), std::string::npos);
}

TEST(ReleaseTableTest, BuildNumbersAndDates) {
    const struct { uint32_t build; const char* text; } builds[] = {
        {0, "0"}, {2600, "2600"}, {0x00FFFFFF, "16777215"}, {0x040A08AE, "4.10.2222"},
        {0x040003B6, "4.0.950"}, {0xFFFFFFFF, "255.255.65535"},
    };
    char text[32];
    for (const auto& b : builds) {
        FormatBuildNumber(b.build, text, sizeof text);
        EXPECT_STREQ(text, b.text);
    }
    FormatReleaseDate(ReleaseAt(11).releaseDate, text, sizeof text);
    EXPECT_STREQ(text, "Aug 1995");
    FormatReleaseDate(0, text, sizeof text);
    EXPECT_STREQ(text, "Unknown");
}

class OsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        osIdentity = {};
        std::strcpy(osIdentity.description, "Windows XP Professional, Service Pack 2");
        osIdentity.releaseIndex = 18;
        osIdentity.versionInfo = {5, 1, 2600, 2, "Service Pack 2", 0, 1};
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

TEST_F(OsPageTest, PositionZeroIsThisComputer) {
    EXPECT_EQ(page[IDC_OS_RELEASE_LIST].items.size(), kReleaseRowCount);
    EXPECT_EQ(page[IDC_OS_RELEASE_LIST].items[0], "OS");
    EXPECT_EQ(page[IDC_OS_RELEASE_LIST].items[15], "98 SE");
    EXPECT_EQ(page.GetSelection(IDC_OS_RELEASE_LIST), 0);
    EXPECT_EQ(Details(), "Windows XP Professional, Service Pack 2|Whistler|WinNT|Oct 2001|5|1|2600|Service Pack 2|");
    EXPECT_EQ(page[IDC_OS_COMMENTARY].text, ReleaseCommentary(18));
    osIdentity.releaseIndex = 0;   // not recognised: row 0 with the live numbers
    ShowReleaseDetails(page);
    EXPECT_EQ(Details(), "Windows XP Professional, Service Pack 2|Unknown|Unknown|Nov 1985|5|1|2600|Service Pack 2|");
}

TEST_F(OsPageTest, BrowsedRowsShowTheirOwnValues) {
    const struct { int position; const char* details; } cases[] = {
        {18, "Windows XP|Whistler|WinNT|Oct 2001|5|1|2600||"},
        {15, "Windows 98 SE|Unknown|Win32|Jun 1999|4|0|4.10.2222||"},
        {25, "Windows Blackcomb|Blackcomb|WinNT|Jun 2008|6|0|0||"},
    };
    for (const auto& c : cases) {
        page.SetSelection(IDC_OS_RELEASE_LIST, c.position);
        OsListCommand(page);
        EXPECT_EQ(osPageSelection, static_cast<uint32_t>(c.position));
        EXPECT_EQ(Details(), c.details);
    }
    page.SetSelection(IDC_OS_RELEASE_LIST, -1);   // no selection reads as this computer
    OsListCommand(page);
    EXPECT_EQ(osPageSelection, 0u);
}
