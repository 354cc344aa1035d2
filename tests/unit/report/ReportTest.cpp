// The drive survey's texts, and the report's bytes for whole, representative machines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "cache/CacheGrid.h"
#include "cache/CacheTest.h"
#include "cpu/FrequencyMeasure.h"
#include "cpu/FrequencyResult.h"
#include "cpu/ProcessorRecord.h"
#include "database/DescribeState.h"
#include "report/DriveSurvey.h"
#include "report/Report.h"
#include "system/MachineSummary.h"
#include "system/WindowsVersion.h"

namespace {

struct StringSink : TextSink {
    void WriteText(const char* text) override { bytes += text; }
    std::string bytes;
};

// Drives A, D and Z; only D answers (label, file system, serial, fixed type, size, free), with texts to escape.
struct ThreeDrives : DriveQueries {
    uint32_t PresentDrives() override { return 1u << 0 | 1u << 3 | 1u << 25; }
    void Ask(const char* rootPath, DriveAnswers& answers) override {
        asked.push_back(rootPath);
        if (rootPath[0] == 'D') answers = {"<b>Tom & \"Jerry\"", "NTFS", 0xABCD, 3, 40000000000ull, 2049};
    }
    std::vector<std::string> asked;
};

struct RecordedRows : DriveRows {
    void Row(uint32_t index, const DriveRow& row) override {
        rows.push_back(std::to_string(index) + ": " + row.name + " | " + row.type + " | " + row.fileSystem + " | " +
                       row.size + " | " + row.free + " | " + row.serial);
    }
    std::vector<std::string> rows;
};

void Row(CacheGrid& grid, const char* type, const char* memory, const char* size, const char* ways, const char* sectored) {
    const char* cells[] = {type, memory, size, ways, sectored};
    for (size_t cell = 0; cell < kCacheRowCells; ++cell) WriteCell(grid, cell, cells[cell]);
    CloseRow(grid);
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        processorRecord = {};
        level1Grid = {};
        level23Grid = {};
        cacheTotals = {};
        osIdentity = {{}, "Windows XP Professional, Service Pack 2 <beta>", 0};
        machineSummary = {"1 Hrs, 5 Scs", "1 KBytes Available / 2 KBytes Total", "3 KBytes Available / 4 KBytes Total", ""};
        std::strcpy(cacheTestText, "Test Not Executed");
    }
    std::string Report() {
        StringSink sink;
        ThreeDrives drives;
        WriteReportBody(sink, drives);
        return sink.bytes;
    }
};

const char kTable[] = "<table width=\"100%\"><tr><td>";
const char kHeadings[] =
    "Cache Type</td><td>Memory</td><td>Size</td><td>Association</td><td>Sectored</td></tr><tr><td></td></tr><tr><td>";

// The same drives, the same system part in both reports.
std::string SystemAndDrives(const std::string& ip, const std::string& cacheTest) {
    return std::string("<br><br><b>System Information</b><br><br>") + kTable +
           "Operating System:</td><td><b>Windows XP Professional, Service Pack 2 &lt;beta&gt;"
           "</td></tr><tr><td>Windows Uptime:</td><td><b>1 Hrs, 5 Scs"
           "</td></tr><tr><td>Physical Memory:</td><td><b>1 KBytes Available / 2 KBytes Total"
           "</td></tr><tr><td>Virtual Memory:</td><td><b>3 KBytes Available / 4 KBytes Total"
           "</td></tr><tr><td>Current IP:</td><td><b>" + ip + "</td></tr></table>"
           "<br><br><b>System Tests</b><br><br>Cache:<b>" + cacheTest + "<br><br><b>Drives</b><br><br>" + kTable +
           "Name</td><td>Type</td><td>Format</td><td>Size</td><td>Free</td><td>Serial</td></tr><tr><td>"
           "</td></tr><tr><td>None (A)</td><td>Unknown</td><td>Unknown</td><td>None</td><td>None</td><td>None"
           "</td></tr><tr><td>&lt;b&gt;Tom &amp; &quot;Jerry&quot; (D)</td><td>Local</td><td>NTFS</td><td>37.25 GB"
           "</td><td>2.00 KB</td><td>0000ABCD"
           "</td></tr><tr><td>None (Z)</td><td>Unknown</td><td>Unknown</td><td>None</td><td>None</td><td>None</td></tr></table>";
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

// A removable drive (type 2) is typed by its capacity, a full disc (5) is read only, serials in hex.
TEST(DriveSurveyTest, TypesSizesAndSerials) {
    const struct { uint32_t type; uint64_t size, free; uint32_t serial; const char* fields; } cases[] = {
        {2, 1457664, 1000, 0xABCD, "1.44 3.5 | 1423 KB | 1000 bytes | 0000ABCD"},
        {2, 2000000, 2000000, 1, "2000000 | 1953 KB | 1953 KB | 00000001"}, {2, 0, 0, 0, "Empty | None | None | None"},
        {2, 730112, 0, 0, "720 3.5 | 713.00 KB | None | None"},  {2, 3019898, 0, 0, "3019898 | 2.87 MB | None | None"},
        {2, 3019899, 0, 0, "Flash | 2.87 MB | None | None"},     {2, 5ull << 30, 0, 0, "Ext HD | 5.00 GB | None | None"},
        {5, 0, 0, 0, "Disc | None | Read Only | None"},          {5, 700000000, 5, 0, "Disc | 667.57 MB | 5 bytes | None"},
        {0, 0, 0, 0, "Unknown | None | None | None"},            {1, 0, 0, 0, "Empty | None | None | None"},
        {6, 0, 0, 0, "RAM | None | None | None"},                {9, 0, 0, 0, "Unknown | None | None | None"},
    };
    for (const auto& c : cases) {
        const DriveAnswers answers = {"", "", c.serial, c.type, c.size, c.free};
        DriveRow row;
        FormatDriveRow('A', answers, row);
        EXPECT_EQ(std::string(row.type) + " | " + row.size + " | " + row.free + " | " + row.serial, c.fields);
    }
}

// Present drives in letter order up to Z, numbered; a drive whose queries all fail keeps the presets.
TEST(DriveSurveyTest, LettersInOrderAndPresetsOfFailedQueries) {
    ThreeDrives drives;
    RecordedRows rows;
    SurveyDrives(drives, rows);
    EXPECT_EQ(drives.asked, (std::vector<std::string>{"A:/", "D:/", "Z:/"}));
    EXPECT_EQ(rows.rows, (std::vector<std::string>{"0: None (A) | Unknown | Unknown | None | None | None",
                                                   "1: <b>Tom & \"Jerry\" (D) | Local | NTFS | 37.25 GB | 2.00 KB | 0000ABCD",
                                                   "2: None (Z) | Unknown | Unknown | None | None | None"}));
}

// Brand string, six L1 rows, L2 and L3; bytes above 0x7F as references (micro, euro, unassigned, y-umlaut).
TEST_F(ReportTest, ProcessorWithBrandStringAndL3) {
    // processor, vendor, type, family, model line, code name, brand
    processorDescription = {"Intel(R) Xeon(TM) <CPU> & more", "GenuineIntel", "Original OEM Processor, 0",
                            "Pentium(R) 4, 15", "0.13 \xB5m P4 / Xeon / Xeon MP / Celeron / Mobile, 2", "Gallatin",
                            "Intel(R) Xeon(TM) Processor MP, 12"};
    processorRecord.cpuStepping = 5;
    std::strcpy(processorRecord.brandString, "  Intel(R) Xeon(TM) <CPU> & more \x80\x81\xFF");
    PublishMegahertz(2800);
    cacheTotals = {12, 8, 512, 2048};
    for (int r = 0; r < 6; ++r) Row(level1Grid, "Data, 102", "8 KB", "64 Byte Line", "4-Way", r % 2 ? "Yes" : "No");
    Row(level23Grid, "Combined, 123", "512 KB", "64 Byte Line", "8-Way", "Yes");
    Row(level23Grid, "L3 Combined, 41", "2048 KB", "64 Byte Line", "8-Way", "Yes");
    std::strcpy(machineSummary.ipAddressText, "10.0.0.7");
    std::string level1;
    for (int r = 0; r < 6; ++r)
        level1 += std::string(r ? "</td></tr><tr><td>" : "") +
                  "Data, 102</td><td>8 KB</td><td>64 Byte Line</td><td>4-Way</td><td>" + (r % 2 ? "Yes" : "No");
    const std::string expected =
        std::string("<b>Tivrel 1.04 System Report</b><br><br>") + kTable +
        "Processor:</td><td><b>Intel(R) Xeon(TM) &lt;CPU&gt; &amp; more</td></tr><tr><td>Freq:</td><td><b>2800 MHz"
        "</td></tr><tr><td>Codename:</td><td><b>Gallatin</td></tr><tr><td>VendID:</td><td><b>GenuineIntel"
        "</td></tr><tr><td>Type:</td><td><b>Original OEM Processor, 0</td></tr><tr><td>Family:</td><td><b>Pentium(R) 4, 15"
        "</td></tr><tr><td>Model:</td><td><b>0.13 &#181;m P4 / Xeon / Xeon MP / Celeron / Mobile, 2"
        "</td></tr><tr><td>Stepping:</td><td><b>5</td></tr><tr><td>Brand ID:</td><td><b>Intel(R) Xeon(TM) Processor MP, 12"
        "</td></tr><tr><td>Brand String:</td><td><b>  Intel(R) Xeon(TM) &lt;CPU&gt; &amp; more &#8364;&#129;&#255;"
        "</td></tr></table>"
        "<br><b>Cache Summary</b><br><br>" + kTable +
        "L1 Total: <b>20 KB</td><td>L1 Inst: <b>12 KB</td><td>L1 Data: <b>8 KB</td><td>L2: <b>512 KB"
        "</td><td>L3: <b>2048 KB</td></tr></table><br><br><b>Cache Level 1 Details</b><br><br>" + kTable +
        kHeadings + level1 + "</td></tr></table>"
        "<br><b>Cache Level 2 & 3 Details</b><br><br>" + kTable + kHeadings +
        "Combined, 123</td><td>512 KB</td><td>64 Byte Line</td><td>8-Way</td><td>Yes</td></tr><tr><td>"
        "L3 Combined, 41</td><td>2048 KB</td><td>64 Byte Line</td><td>8-Way</td><td>Yes</td></tr></table>" +
        SystemAndDrives("10.0.0.7", "Test Not Executed");
    EXPECT_EQ(Report(), expected);
}

// No brand string, match, cache rows (those stay on the pages), L3 or address; a cache test under way.
TEST_F(ReportTest, ProcessorWithoutBrandStringOrCaches) {
    processorDescription = {"Unknown New Processor", "GenuineIntel", "Original OEM Processor, 0", "6", "6", "Not Found", ""};
    ResetFrequencyResult();
    MarkEmptyGrid(level1Grid);
    MarkEmptyGrid(level23Grid);
    std::strcpy(cacheTestText, " 1 KB\\7764  2 KB\\8429  ");
    const std::string expected =
        std::string("<b>Tivrel 1.04 System Report</b><br><br>") + kTable +
        "Processor:</td><td><b>Unknown New Processor</td></tr><tr><td>Freq:</td><td><b>"
        "</td></tr><tr><td>Codename:</td><td><b>Not Found</td></tr><tr><td>VendID:</td><td><b>GenuineIntel"
        "</td></tr><tr><td>Type:</td><td><b>Original OEM Processor, 0</td></tr><tr><td>Family:</td><td><b>6"
        "</td></tr><tr><td>Model:</td><td><b>6</td></tr><tr><td>Stepping:</td><td><b>0"
        "</td></tr><tr><td>Brand ID:</td><td><b></td></tr><tr><td>Brand String:</td><td><b></td></tr></table>"
        "<br><b>Cache Summary</b><br><br>" + kTable +
        "L1 Total: <b>0 KB</td><td>L1 Inst: <b>0 KB</td><td>L1 Data: <b>0 KB</td><td>L2: <b>0 KB"
        "</td></tr></table><br><br><b>Cache Level 1 Details</b><br><br>" + kTable + kHeadings +
        "</td></tr></table><br><b>Cache Level 2 & 3 Details</b><br><br>" + kTable + kHeadings + "</td></tr></table>" +
        SystemAndDrives("", " 1 KB\\7764  2 KB\\8429  ");
    EXPECT_EQ(Report(), expected);
}
