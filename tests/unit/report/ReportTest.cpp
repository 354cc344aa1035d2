// The drive survey's texts, and the report's bytes for whole, representative machines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cache/CacheTest.h"
#include "cpu/FrequencyMeasure.h"
#include "cpu/FrequencyResult.h"
#include "cpu/ProcessorRecord.h"
#include "database/DescribeState.h"
#include "report/Report.h"
#include "system/MachineSummary.h"
#include "system/WindowsVersion.h"

namespace {

// The report, written when made; of drives A, D and Z only D answers (label, file system, serial, type, size, free).
struct ThreeDrivesReport : DriveQueries, TextSink {
    ThreeDrivesReport() { WriteReportBody(*this, *this); }
    uint32_t PresentDrives() override { return 1u << 0 | 1u << 3 | 1u << 25; }
    void Ask(const char* rootPath, DriveAnswers& answers) override {
        if (rootPath[0] == 'D') answers = {"<b>Tom & \"Jerry\"", "NTFS", 0xABCD, 3, 40000000000ull, 2049};
    }
    void WriteText(const char* text) override { bytes += text; }
    std::string bytes;
};

// Shorthand for the report's table markup, so that the expected bytes stay readable: '[' opens a table, ']' closes it,
// '~' starts the next row and '|' the next cell. None of the four occurs in the texts these reports show.
std::string Markup(const std::string& shorthand) {
    const char* const tags[] = {"<table width=\"100%\"><tr><td>", "</td></tr></table>", "</td></tr><tr><td>", "</td><td>"};
    std::string bytes;
    for (char c : shorthand) {
        const size_t tag = std::string("[]~|").find(c);
        bytes += tag == std::string::npos ? std::string(1, c) : tags[tag];
    }
    return bytes;
}

// Writes a row of five cells to the grid; gives them as the report shows them.
std::string Row(CacheGrid& grid, const char* type, const char* memory, const char* size, const char* ways, const char* sectored) {
    const char* cells[] = {type, memory, size, ways, sectored};
    for (size_t cell = 0; cell < kCacheRowCells; ++cell) WriteCell(grid, cell, cells[cell]);
    CloseRow(grid);
    return std::string(type) + "|" + memory + "|" + size + "|" + ways + "|" + sectored;
}

// Every report has this system part and these drives; a grid's table has its headings and an empty row first.
// The features close it, a row per word in the record's order.
std::string ExpectedReport(const std::string& processor, const std::string& summary, const std::string& level1,
                           const std::string& level23, const std::string& ip, const std::string& cacheTest,
                           const std::string& features) {
    const std::string headings = "Cache Type|Memory|Size|Association|Sectored~~";
    const std::string none = "|Unknown|Unknown|None|None|None";
    return Markup(
        "<b>Tivrel 1.04 System Report</b><br><br>[" + processor + "]<br><b>Cache Summary</b><br><br>[" + summary +
        "]<br><br><b>Cache Level 1 Details</b><br><br>[" + headings + level1 + "]<br><b>Cache Level 2 & 3 Details</b><br><br>[" +
        headings + level23 + "]<br><br><b>System Information</b><br><br>[Operating System:|<b>Windows XP &lt;beta&gt;"
        "~Windows Uptime:|<b>1 Hrs, 5 Scs~Physical Memory:|<b>1 KB / 2 KB~Virtual Memory:|<b>3 KB / 4 KB~Current IP:|<b>" + ip +
        "]<br><br><b>System Tests</b><br><br>Cache:<b>" + cacheTest + "<br><br><b>Drives</b><br><br>[Name|Type|Format|Size|Free"
        "|Serial~~None (A)" + none + "~&lt;b&gt;Tom &amp; &quot;Jerry&quot; (D)|Local|NTFS|37.25 GB|2.00 KB|0000ABCD~None (Z)" +
        none + "]<br><br><b>Processor Features</b><br><br>[" + features + "]");
}

std::string Features(const char* words[8]) {
    const char* labels[] = {"Standard EDX", "Standard ECX", "Extended EDX", "Leaf 7 EBX", "Leaf 7 ECX", "Leaf 7 EDX",
                            "Leaf 7.1 EAX", "Extended ECX"};
    std::string rows;
    for (int i = 0; i < 8; ++i) rows += std::string(i ? "~" : "") + labels[i] + ":|<b>" + words[i];
    return rows;
}

}  // namespace

TEST(DriveSurveyTest, ByteSizesAreCutNeverRounded) {
    const struct { uint64_t bytes; const char* text; } cases[] = {
        {0, "None"}, {1000, "1000 bytes"}, {2048, "2048 bytes"}, {2049, "2.00 KB"}, {10240 + 100, "10.09 KB"},
        {1457664, "1423 KB"}, {1048576, "1024.00 KB"}, {1048577, "1024 KB"}, {40000000000ull, "37.25 GB"},
        {1ull << 40, "1024.00 GB"}, {4ull << 40, "4.00 TB"}, {(1ull << 50) - 1, "1023.99 TB"}, {1ull << 50, "1024.00 TB"},
        {(1ull << 50) + (1ull << 40), "1025 TB"}, {1ull << 52, "4.00 PB"}, {(1ull << 61) - 1, "2047 PB"}, {1ull << 61, "2048 PB"},
        {(1ull << 61) + (1ull << 51), "2.00 EB"}, {0xFFFFFFFFFFFFFFFEull, "15.99 EB"}, {0xFFFFFFFFFFFFFFFFull, "15.99 EB"},
    };
    for (const auto& c : cases) {
        char text[24];
        FormatByteSize(static_cast<uint32_t>(c.bytes), static_cast<uint32_t>(c.bytes >> 32), text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.bytes;
    }
}

// A removable drive (type 2) is typed by its capacity, a full disc (5) is read only. Sizes, serials: tests around.
TEST(DriveSurveyTest, TypesAndReadOnlyDiscs) {
    const struct { uint32_t type; uint64_t size, free; const char* typeAndFree; } cases[] = {
        {2, 1457664, 1000, "1.44 3.5 | 1000 bytes"}, {2, 730112, 0, "720 3.5 | None"},     {2, 0, 0, "Empty | None"},
        {2, 3019898, 0, "3019898 | None"},           {2, 3019899, 0, "Flash | None"},      {2, 5ull << 30, 0, "Ext HD | None"},
        {5, 0, 0, "Disc | Read Only"},               {5, 700000000, 5, "Disc | 5 bytes"},  {0, 0, 0, "Unknown | None"},
        {1, 0, 0, "Empty | None"},                   {6, 0, 0, "RAM | None"},              {9, 0, 0, "Unknown | None"},
    };
    for (const auto& c : cases) {
        DriveRow row;
        FormatDriveRow('A', {"", "", 0, c.type, c.size, c.free}, row);
        EXPECT_EQ(std::string(row.type) + " | " + row.free, c.typeAndFree) << c.size;
    }
}

// First brand string, six L1 rows, L2 and L3, bytes above 0x7F as references (micro, euro, unassigned, y-umlaut);
// then no brand string, match, cache rows (those stay on the pages), L3 or address, and a cache test under way.
// The processor record and the cache results start zeroed, and the second report leaves them so. Features: names in
// bit order, Intel's own for an extended ECX bit, "None" for a word without any.
TEST(ReportTest, WholeReports) {
    osIdentity = {{}, "Windows XP <beta>", 0};
    machineSummary = {"1 Hrs, 5 Scs", "1 KB / 2 KB", "3 KB / 4 KB", "10.0.0.7"};
    // processor, vendor, type, family, model line, code name, brand
    processorDescription = {"Xeon <CPU> & more", "GenuineIntel", "Original OEM Processor, 0", "Pentium(R) 4, 15",
                            "0.13 \xB5m P4 / Xeon, 2", "Gallatin", "Xeon MP, 12"};
    processorRecord.cpuStepping = 5;
    std::strcpy(processorRecord.brandString, "  Xeon <CPU> & more \x80\x81\xFF");
    PublishMegahertz(2800);
    cacheTotals = {12, 8, 512, 2048};
    std::string level1;
    for (int r = 0; r < 6; ++r)
        level1 += (r ? "~" : "") + Row(level1Grid, "Data, 102", "8 KB", "64 Byte Line", "4-Way", r % 2 ? "Yes" : "No");
    std::string level23 = Row(level23Grid, "Combined, 123", "512 KB", "64 Byte Line", "8-Way", "Yes");
    level23 += "~" + Row(level23Grid, "L3 Combined, 41", "2048 KB", "64 Byte Line", "8-Way", "Yes");
    std::strcpy(cacheTestText, "Test Not Executed");
    processorRecord.featuresEdx = 1u << 23 | 1u << 0;
    processorRecord.leaf7Ebx = 1u << 29 | 1u << 5;
    processorRecord.extFeaturesEcx = 1u << 5 | 1u << 0;
    const char* present[] = {"Floating Point Unit on Chip, Intel Architecture MMX technology supported", "None", "None",
                             "AVX2, SHA Extensions", "None", "None", "None", "LAHF / SAHF in Long Mode, LZCNT Instruction"};
    EXPECT_EQ(ExpectedReport("Processor:|<b>Xeon &lt;CPU&gt; &amp; more~Freq:|<b>2800 MHz~Codename:|<b>Gallatin"
                             "~VendID:|<b>GenuineIntel~Type:|<b>Original OEM Processor, 0~Family:|<b>Pentium(R) 4, 15"
                             "~Model:|<b>0.13 &#181;m P4 / Xeon, 2~Stepping:|<b>5~Brand ID:|<b>Xeon MP, 12"
                             "~Brand String:|<b>  Xeon &lt;CPU&gt; &amp; more &#8364;&#129;&#255;",
                             "L1 Total: <b>20 KB|L1 Inst: <b>12 KB|L1 Data: <b>8 KB|L2: <b>512 KB|L3: <b>2048 KB", level1,
                             level23, "10.0.0.7", "Test Not Executed", Features(present)),
              ThreeDrivesReport().bytes);

    processorDescription = {"Unknown New Processor", "GenuineIntel", "Original OEM Processor, 0", "6", "6", "Not Found", ""};
    processorRecord = {};
    ResetFrequencyResult();
    ResetCacheResults();
    MarkEmptyGrid(level1Grid);
    MarkEmptyGrid(level23Grid);
    machineSummary.ipAddressText[0] = '\0';
    std::strcpy(cacheTestText, " 1 KB\\7764  2 KB\\8429  ");
    const char* absent[] = {"None", "None", "None", "None", "None", "None", "None", "None"};
    EXPECT_EQ(ExpectedReport("Processor:|<b>Unknown New Processor~Freq:|<b>~Codename:|<b>Not Found~VendID:|<b>GenuineIntel"
                             "~Type:|<b>Original OEM Processor, 0~Family:|<b>6~Model:|<b>6~Stepping:|<b>0~Brand ID:|<b>"
                             "~Brand String:|<b>", "L1 Total: <b>0 KB|L1 Inst: <b>0 KB|L1 Data: <b>0 KB|L2: <b>0 KB", "", "", "",
                             " 1 KB\\7764  2 KB\\8429  ", Features(absent)),
              ThreeDrivesReport().bytes);
}
