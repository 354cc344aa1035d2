// The report's fragments, in their order.
#include "report/Report.h"

#include "cache/CacheTest.h"
#include "cpu/FeatureFlags.h"
#include "cpu/FrequencyResult.h"
#include "cpu/ProcessorRecord.h"
#include "database/DescribeState.h"
#include "system/MachineSummary.h"
#include "system/WindowsVersion.h"
#include "text/TextRoutines.h"
#include "text/Windows1252.h"

namespace {

constexpr size_t kFragmentSize = 600;
constexpr char kTableStart[] = "<table width=\"100%\"><tr><td>";
constexpr char kTableEnd[] = "</td></tr></table>";
constexpr char kCell[] = "</td><td>";
constexpr char kRowBreak[] = "</td></tr><tr><td>";

void AppendKilobytes(const char* label, uint32_t kilobytes, char* summary) {
    AppendText(label, summary, kFragmentSize);
    AppendUnsigned(kilobytes, summary, kFragmentSize);
    AppendText(" KB", summary, kFragmentSize);
}

// Built in one buffer and written at once; the L3 cell only when there is an L3 cache.
void WriteCacheSummary(TextSink& file) {
    const CacheTotals& totals = cacheTotals;
    char summary[kFragmentSize] = "<br><b>Cache Summary</b><br><br>";
    AppendText(kTableStart, summary, sizeof summary);
    AppendKilobytes("L1 Total: <b>", totals.l1Instruction + totals.l1Data, summary);
    AppendText(kCell, summary, sizeof summary);
    AppendKilobytes("L1 Inst: <b>", totals.l1Instruction, summary);
    AppendText(kCell, summary, sizeof summary);
    AppendKilobytes("L1 Data: <b>", totals.l1Data, summary);
    AppendText(kCell, summary, sizeof summary);
    AppendKilobytes("L2: <b>", totals.l2, summary);
    if (totals.l3 != 0) {
        AppendText(kCell, summary, sizeof summary);
        AppendKilobytes("L3: <b>", totals.l3, summary);
    }
    AppendText(kTableEnd, summary, sizeof summary);
    AppendText("<br><br><b>Cache Level 1 Details</b><br><br>", summary, sizeof summary);
    file.WriteText(summary);
}

void WriteProcessor(TextSink& file) {
    const ProcessorDescription& texts = processorDescription;
    file.WriteText("Processor:</td><td><b>");
    WriteEscaped(file, texts.processorText);
    char frequency[kFrequencyTextSize];
    ReadFrequencyText(frequency, sizeof frequency);   // a whole text, however the worker publishes
    char stepping[kDecimalTextSize] = "";
    AppendUnsigned(processorRecord.cpuStepping, stepping, sizeof stepping);
    struct Row { const char* label; const char* value; };
    const Row rows[] = {
        {"Freq:", frequency},         {"Codename:", texts.codeNameText}, {"VendID:", texts.vendorText},
        {"Type:", texts.typeText},    {"Family:", texts.familyText},     {"Model:", texts.modelLineText},
        {"Stepping:", stepping},      {"Brand ID:", texts.brandText},
    };
    for (const Row& row : rows) {
        WriteLabelRow(file, row.label);
        file.WriteText(row.value);
    }
    WriteLabelRow(file, "Brand String:");
    WriteEscaped(file, processorRecord.brandString);
}

void WriteSystem(TextSink& file) {
    const MachineSummary& summary = machineSummary;
    file.WriteText("<br><br><b>System Information</b><br><br>");
    file.WriteText(kTableStart);
    file.WriteText("Operating System:</td><td><b>");
    WriteEscaped(file, osIdentity.description);
    WriteLabelRow(file, "Windows Uptime:");
    file.WriteText(summary.uptimeText);
    WriteLabelRow(file, "Physical Memory:");
    file.WriteText(summary.physicalMemoryText);
    WriteLabelRow(file, "Virtual Memory:");
    file.WriteText(summary.virtualMemoryText);
    WriteLabelRow(file, "Current IP:");
    WriteEscaped(file, summary.ipAddressText);
    file.WriteText(kTableEnd);
}

// A row per feature word, the names of its present bits as the flag pages label them, in bit
// order; "None" for a word without any.
void WriteFeatures(TextSink& file) {
    const ProcessorRecord& record = processorRecord;
    file.WriteText("<br><br><b>Processor Features</b><br><br>");
    file.WriteText(kTableStart);
    for (uint32_t index = 0; index < kFeatureWordCount; ++index) {
        char label[32] = "";
        AppendText(FeatureWordAt(index).label, label, sizeof label);
        AppendText(":", label, sizeof label);
        if (index == 0) {
            file.WriteText(label);
            file.WriteText("</td><td><b>");
        } else {
            WriteLabelRow(file, label);
        }
        const char* separator = "";
        for (uint32_t bit = 0; bit < 32; ++bit) {
            const FeatureFlag* flag = PresentFeature(record, index, bit);
            if (flag == nullptr) continue;
            file.WriteText(separator);
            WriteEscaped(file, flag->sheetText);
            separator = ", ";
        }
        if (separator[0] == '\0') file.WriteText("None");
    }
    file.WriteText(kTableEnd);
}

// Writes text in runs of its bytes; a byte for which replace gives a text is written as that
// text instead (scratch: room for one replacement).
using Replacement = const char* (*)(char byte, char* scratch);
constexpr size_t kReplacementSize = 16;

void WriteReplacing(TextSink& file, const char* text, Replacement replace) {
    char run[kFragmentSize];
    char scratch[kReplacementSize];
    size_t length = 0;
    for (;; ++text) {
        const char* replacement = *text != '\0' ? replace(*text, scratch) : nullptr;
        if (replacement != nullptr || *text == '\0' || length + 1 == sizeof run) {
            run[length] = '\0';
            if (length > 0) file.WriteText(run);
            length = 0;
        }
        if (*text == '\0') return;
        if (replacement != nullptr) {
            file.WriteText(replacement);
        } else {
            run[length++] = *text;
        }
    }
}

const char* HtmlEntity(char byte, char*) {
    switch (byte) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    }
    return nullptr;
}

// "\xB5" becomes "&#181;", byte 80 "&#8364;".
const char* CharacterReference(char byte, char* scratch) {
    const uint8_t code = static_cast<uint8_t>(byte);
    if (code < 0x80) return nullptr;
    CopyText("&#", scratch, kReplacementSize);
    AppendUnsigned(Windows1252CodePoint(code), scratch, kReplacementSize);
    AppendText(";", scratch, kReplacementSize);
    return scratch;
}

// Passes the report on with every byte above 0x7F as the numeric character reference of its
// Windows-1252 character: the file declares no character set, and a browser that assumes UTF-8
// would show such a byte as a replacement character.
class CharacterReferenceSink final : public TextSink {
public:
    explicit CharacterReferenceSink(TextSink& file) : file_(file) {}
    void WriteText(const char* text) override { WriteReplacing(file_, text, CharacterReference); }

private:
    TextSink& file_;
};

}  // namespace

void WriteEscaped(TextSink& file, const char* text) { WriteReplacing(file, text, HtmlEntity); }

void WriteLabelRow(TextSink& file, const char* label) {
    char row[kFragmentSize];
    CopyText(kRowBreak, row, sizeof row);
    AppendText(label, row, sizeof row);
    AppendText("</td><td><b>", row, sizeof row);
    file.WriteText(row);
}

void WriteCacheTable(TextSink& file, const CacheGrid& grid, uint32_t rowCount) {
    static constexpr const char* kHeadings[] = {"Cache Type", "Memory", "Size", "Association", "Sectored"};
    for (size_t cell = 0; cell < kCacheRowCells; ++cell) {
        file.WriteText(kHeadings[cell]);
        if (cell + 1 < kCacheRowCells) file.WriteText(kCell);
    }
    file.WriteText(kRowBreak);
    file.WriteText(kRowBreak);
    const uint32_t rows = rowCount < kCacheGridRows ? rowCount : kCacheGridRows;
    for (uint32_t r = 0; r < rows; ++r) {
        for (size_t cell = 0; cell < kCacheRowCells; ++cell) {
            file.WriteText(grid.rows[r].cells[cell]);
            if (cell + 1 < kCacheRowCells) {
                file.WriteText(kCell);
            } else if (r + 1 < rows) {
                file.WriteText(kRowBreak);
            }
        }
    }
}

void WriteReportBody(TextSink& output, DriveQueries& drives) {
    CharacterReferenceSink file(output);
    file.WriteText("<b>Tivrel 1.04 System Report</b><br><br>");
    file.WriteText(kTableStart);
    WriteProcessor(file);
    file.WriteText(kTableEnd);
    WriteCacheSummary(file);
    file.WriteText(kTableStart);
    WriteCacheTable(file, level1Grid, level1Grid.rowCount);
    file.WriteText(kTableEnd);
    file.WriteText("<br><b>Cache Level 2 & 3 Details</b><br><br>");
    file.WriteText(kTableStart);
    WriteCacheTable(file, level23Grid, level23Grid.rowCount);
    file.WriteText(kTableEnd);
    WriteSystem(file);
    file.WriteText("<br><br><b>System Tests</b><br><br>Cache:<b>");
    file.WriteText(cacheTestText);
    file.WriteText("<br><br><b>Drives</b><br><br>");
    file.WriteText(kTableStart);
    file.WriteText("Name</td><td>Type</td><td>Format</td><td>Size</td><td>Free</td><td>Serial</td></tr><tr><td>");
    ReportDriveRows rows(file);
    SurveyDrives(drives, rows);
    file.WriteText(kTableEnd);
    WriteFeatures(file);
}
