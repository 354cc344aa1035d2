// The report's bytes for whole, representative machines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cache/CacheGrid.h"
#include "cache/CacheTest.h"
#include "cpu/FrequencyMeasure.h"
#include "cpu/FrequencyResult.h"
#include "cpu/ProcessorRecord.h"
#include "database/DescribeState.h"
#include "report/Report.h"
#include "system/MachineSummary.h"
#include "system/WindowsVersion.h"

namespace {

class StringSink : public TextSink {
public:
    void WriteText(const char* text) override { bytes += text; }
    std::string bytes;
};

class TwoDrives : public DriveQueries {
public:
    uint32_t PresentDrives() override { return 1u | 1u << 3; }
    void Ask(const char* rootPath, DriveAnswers& answers) override {
        if (rootPath[0] == 'A') return;   // an empty diskette drive: every query fails
        std::strcpy(answers.label, "<b>Tom & \"Jerry\"");
        std::strcpy(answers.fileSystem, "NTFS");
        answers.driveType = 3;
        answers.serial = 0xABCD;
        answers.totalBytes = 40000000000ull;
        answers.totalFreeBytes = 2049;
    }
};

void Texts(const char* processor, const char* codeName, const char* family, const char* model, const char* brand) {
    ProcessorDescription& texts = processorDescription;
    std::strcpy(texts.processorText, processor);
    std::strcpy(texts.codeNameText, codeName);
    std::strcpy(texts.vendorText, "GenuineIntel");
    std::strcpy(texts.typeText, "Original OEM Processor, 0");
    std::strcpy(texts.familyText, family);
    std::strcpy(texts.modelLineText, model);
    std::strcpy(texts.brandText, brand);
}

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
        machineSummary = {};
        osIdentity = {};
        std::strcpy(osIdentity.description, "Windows XP Professional, Service Pack 2 <beta>");
        std::strcpy(machineSummary.uptimeText, "1 Hrs, 5 Scs");
        std::strcpy(machineSummary.physicalMemoryText, "1 KBytes Available / 2 KBytes Total");
        std::strcpy(machineSummary.virtualMemoryText, "3 KBytes Available / 4 KBytes Total");
        std::strcpy(cacheTestText, "Test Not Executed");
    }
    std::string Report() {
        StringSink sink;
        TwoDrives drives;
        WriteReportBody(sink, drives);
        return sink.bytes;
    }
};

const char kTable[] = "<table width=\"100%\"><tr><td>";
const char kHeadings[] = "Cache Type</td><td>Memory</td><td>Size</td><td>Association</td><td>Sectored</td></tr><tr><td></td></tr><tr><td>";

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
           "</td><td>2.00 KB</td><td>0000ABCD</td></tr></table>";
}

}  // namespace

// A Pentium 4 with a brand string, six level-1 rows, level 2 and level 3; bytes above 0x7F as
// the references of their Windows-1252 characters (micro sign, euro, an unassigned byte, y-umlaut).
TEST_F(ReportTest, ProcessorWithBrandStringAndL3) {
    Texts("Intel(R) Xeon(TM) <CPU> & more", "Gallatin", "Pentium(R) 4, 15",
          "0.13 \xB5m P4 / Xeon / Xeon MP / Celeron / Mobile, 2", "Intel(R) Xeon(TM) Processor MP, 12");
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
        level1 += std::string(r ? "</td></tr><tr><td>" : "") + "Data, 102</td><td>8 KB</td><td>64 Byte Line</td><td>4-Way</td><td>" +
                  (r % 2 ? "Yes" : "No");
    const std::string expected =
        std::string("<b>Tivrel 1.04 System Report</b><br><br>") + kTable +
        "Processor:</td><td><b>Intel(R) Xeon(TM) &lt;CPU&gt; &amp; more"
        "</td></tr><tr><td>Freq:</td><td><b>2800 MHz"
        "</td></tr><tr><td>Codename:</td><td><b>Gallatin"
        "</td></tr><tr><td>VendID:</td><td><b>GenuineIntel"
        "</td></tr><tr><td>Type:</td><td><b>Original OEM Processor, 0"
        "</td></tr><tr><td>Family:</td><td><b>Pentium(R) 4, 15"
        "</td></tr><tr><td>Model:</td><td><b>0.13 &#181;m P4 / Xeon / Xeon MP / Celeron / Mobile, 2"
        "</td></tr><tr><td>Stepping:</td><td><b>5"
        "</td></tr><tr><td>Brand ID:</td><td><b>Intel(R) Xeon(TM) Processor MP, 12"
        "</td></tr><tr><td>Brand String:</td><td><b>  Intel(R) Xeon(TM) &lt;CPU&gt; &amp; more &#8364;&#129;&#255;</td></tr></table>"
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

// No brand string, no match, no cache rows ("None Detected" stays on the pages), no L3, no
// address, a cache test under way.
TEST_F(ReportTest, ProcessorWithoutBrandStringOrCaches) {
    Texts("Unknown New Processor", "Not Found", "6", "6", "");
    ResetFrequencyResult();
    MarkEmptyGrid(level1Grid);
    MarkEmptyGrid(level23Grid);
    std::strcpy(cacheTestText, " 1 KB\\7764  2 KB\\8429  ");
    const std::string expected =
        std::string("<b>Tivrel 1.04 System Report</b><br><br>") + kTable +
        "Processor:</td><td><b>Unknown New Processor"
        "</td></tr><tr><td>Freq:</td><td><b>"
        "</td></tr><tr><td>Codename:</td><td><b>Not Found"
        "</td></tr><tr><td>VendID:</td><td><b>GenuineIntel"
        "</td></tr><tr><td>Type:</td><td><b>Original OEM Processor, 0"
        "</td></tr><tr><td>Family:</td><td><b>6"
        "</td></tr><tr><td>Model:</td><td><b>6"
        "</td></tr><tr><td>Stepping:</td><td><b>0"
        "</td></tr><tr><td>Brand ID:</td><td><b>"
        "</td></tr><tr><td>Brand String:</td><td><b></td></tr></table>"
        "<br><b>Cache Summary</b><br><br>" + kTable +
        "L1 Total: <b>0 KB</td><td>L1 Inst: <b>0 KB</td><td>L1 Data: <b>0 KB</td><td>L2: <b>0 KB"
        "</td></tr></table><br><br><b>Cache Level 1 Details</b><br><br>" + kTable + kHeadings +
        "</td></tr></table><br><b>Cache Level 2 & 3 Details</b><br><br>" + kTable + kHeadings + "</td></tr></table>" +
        SystemAndDrives("", " 1 KB\\7764  2 KB\\8429  ");
    EXPECT_EQ(Report(), expected);
}
